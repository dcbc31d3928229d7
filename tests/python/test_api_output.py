"""The symbol object's outputs and save(), symbologies(), __version__."""
import base64
import io
import os
import re
from concurrent.futures import ThreadPoolExecutor

import pytest

import _barcode_quor_native as _native
import barcode_quor as bq

PNG, JPEG = b"\x89PNG\r\n\x1a\n", b"\xff\xd8\xff"


@pytest.fixture
def symbol():
    return bq.make("code128", "Output")


def test_kinds_and_data_uris(symbol):
    assert symbol.png().startswith(PNG) and symbol._repr_png_() == symbol.png()
    assert symbol.jpeg().startswith(JPEG)
    assert symbol.svg().startswith("<?xml") and symbol._repr_svg_() == symbol.svg()
    for kind, media, start in [("png", "image/png", PNG), ("jpeg", "image/jpeg", JPEG), ("svg", "image/svg+xml", b"<?xml")]:
        uri = symbol.data_uri(kind)
        assert uri.startswith(f"data:{media};base64,")
        assert base64.b64decode(uri.split(",", 1)[1]).startswith(start)
    assert symbol.data_uri() == symbol.data_uri("png")
    with pytest.raises(bq.InvalidOptionError, match="png, jpeg, jpg, svg"):
        symbol.data_uri("gif")


def test_save_kind_from_extension_or_argument(symbol, tmp_path):
    symbol.save(str(tmp_path / "a.png"))
    symbol.save(tmp_path / "b.JPG")
    symbol.save(tmp_path / "c.svg")
    symbol.save(tmp_path / "d.svg", kind="png")
    symbol.save(tmp_path / "label", kind="svg")
    assert (tmp_path / "a.png").read_bytes().startswith(PNG)
    assert (tmp_path / "b.JPG").read_bytes().startswith(JPEG)
    assert (tmp_path / "c.svg").read_text().startswith("<?xml")
    assert (tmp_path / "d.svg").read_bytes().startswith(PNG)
    assert (tmp_path / "label").read_text().startswith("<?xml")
    with pytest.raises(bq.InvalidOptionError, match="give kind="):
        symbol.save(tmp_path / "noext")
    assert sorted(os.listdir(tmp_path)) == ["a.png", "b.JPG", "c.svg", "d.svg", "label"]


@pytest.mark.parametrize("foreground, background, bars, paper", [
    ("#ff000080", "white", (255, 127, 127), (255, 255, 255)),  # translucent bars over white
    ("navy", "transparent", (0, 0, 128), (255, 255, 255)),  # no background: white paper
    ("000080", "0,0,0,0", (0, 0, 128), (255, 255, 255)),  # as typed on a command line
    ((0, 0, 0), (0, 255, 0, 128), (0, 0, 0), (127, 255, 127)),
])
def test_jpeg_shows_translucent_colours_as_on_white(foreground, background, bars, paper):
    from PIL import Image

    image = Image.open(io.BytesIO(bq.make("datamatrix", "J", scale=10, foreground=foreground,
                                          background=background).jpeg())).convert("RGB")
    corner, finder = image.getpixel((4, 4)), image.getpixel((14, image.height - 15))
    assert all(abs(a - b) <= 6 for a, b in zip(corner + finder, paper + bars)), (corner, finder)


def test_save_to_binary_file_objects(symbol, tmp_path):
    stream = io.BytesIO()
    symbol.save(stream, kind="svg")
    assert stream.getvalue().startswith(b"<?xml")
    with open(tmp_path / "e.png", "wb") as named:
        symbol.save(named)  # kind from the file object's name
    assert (tmp_path / "e.png").read_bytes() == symbol.png()
    with pytest.raises(TypeError):
        symbol.save(42)


def test_symbologies_list_names_options_and_quiet_zones():
    listed = bq.symbologies()
    assert list(listed) == _native.encodable_symbologies()
    assert listed["ean13"].aliases == ("jan13",) and listed["ean13"].quiet_zone == (11, 0, 7, 0)
    assert all(info.quiet_zone_source for info in listed.values())
    error = {o.name: o for o in listed["qr"].options}["error"]
    assert (error.accepted, error.default) == ("L, M, Q, H", "M")
    for name, data in [("jan13", "490123456789"), ("codabar", "A123B"), ("JAN8", "4901234")]:
        assert bq.make(name, data).png().startswith(PNG)


@pytest.mark.parametrize("name", _native.encodable_symbologies())
def test_every_listed_default_is_what_the_encoder_takes(name):
    """The option table's defaults and fields, given explicitly, draw the example as leaving them out does."""
    info = bq.symbologies()[name]
    defaults = {o.name: o.default for o in info.options}
    assert bq.make(name, info.example, **defaults).png() == bq.make(name, info.example).png()


def test_version_is_the_package_version():
    pyproject = open(os.path.join(os.path.dirname(__file__), "..", "..", "pyproject.toml")).read()
    assert re.search(r'^version = "(.*)"', pyproject, re.M).group(1) == bq.__version__


def test_native_classes_still_draw_by_pixel_size():
    assert len(bq.Code128().draw_bytes("native", 300, 100)) > 0
    assert bq.QR().draw("native", 120).startswith("data:image/png;base64,")


def test_outputs_render_the_one_encoded_symbol(monkeypatch):
    symbol = bq.make("ean13", "490123456789")
    assert symbol.text == "4901234567894"

    def no_second_encode(*args, **kwargs):
        raise AssertionError("encoded again")

    monkeypatch.setattr(bq._symbol._native, "encode", no_second_encode)
    assert symbol.png().startswith(PNG) and symbol.jpeg().startswith(JPEG) and symbol.svg().startswith("<?xml")
    symbol.data_uri("svg")


def test_encoded_symbol_shows_its_caption():
    assert bq.make("isbn", "9780306406157").encoded.caption == "ISBN 978-0-306-40615-7"
    assert bq.make("ean13", "490123456789").encoded.caption == ""


def test_one_symbol_from_many_threads_gives_each_its_kind():
    symbol = bq.make("code128", "threads", rotate=90)
    expected = {"png": symbol.png(), "jpeg": symbol.jpeg(), "svg": symbol.svg()}
    kinds = list(expected) * 16
    with ThreadPoolExecutor(8) as pool:
        results = list(pool.map(lambda kind: getattr(symbol, kind)(), kinds))
    assert results == [expected[kind] for kind in kinds]
