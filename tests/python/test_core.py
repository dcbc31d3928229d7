"""The rendering core seen through Code 39: settings, modes, canvas, text layout, SVG, module surface."""
import base64
import os
import xml.etree.ElementTree as ET

import numpy as np
import pytest

import _barcode_quor_native as native
import barcode_quor as bq
from conftest import SVG_NS, pixels, png_image, svg_rects, svg_root

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def dark_rows(data, column):
    px = pixels(data)
    return np.nonzero(px[:, column, :3].sum(axis=1) < 384)[0]


def bar_runs(row):
    """(start, width) of each dark run in a boolean row."""
    runs, start = [], None
    for i, dark in enumerate(list(row) + [False]):
        if dark and start is None:
            start = i
        elif not dark and start is not None:
            runs.append((start, i - start))
            start = None
    return runs


# --- module surface -----------------------------------------------------------------------------


def test_module_surface():
    assert native.__doc__ == "Barcode generation library for Python (Native C++ Extension)"
    assert native.ProductInfo.get_version() == "1.1.0"
    assert native.ProductInfo.get_product_name() and native.ProductInfo.get_manufacturer()
    with pytest.raises(TypeError):
        native.ProductInfo()
    with pytest.raises(TypeError):
        native.Code39("svg")
    assert native._set_module_path("/nowhere") is None
    assert set(bq.__all__) >= {"Code39", "ProductInfo"}


def test_refuses_sub_interpreters():
    _interpreters = pytest.importorskip("_interpreters")
    interp = _interpreters.create()
    try:
        path = os.path.dirname(os.path.dirname(native.__file__) + "/")
        failure = _interpreters.run_string(interp, f"import sys; sys.path.insert(0, {path!r}); import _barcode_quor_native")
    finally:
        _interpreters.destroy(interp)
    assert failure is not None and failure.type.__name__ == "ImportError"
    assert "subinterpreters" in failure.msg


@pytest.mark.parametrize(
    "call",
    [
        lambda c: c.draw_bytes("A", 300.0, 100),
        lambda c: c.draw_bytes("A", 300, "100"),
        lambda c: c.draw_bytes("A", 2**40, 100),
        lambda c: c.set_show_text("yes"),
    ],
)
def test_wrong_argument_types_raise_type_error(call):
    with pytest.raises(TypeError):
        call(bq.Code39())


def test_keyword_arguments():
    c = bq.Code39()
    c.set_foreground_color(r=1, g=2, b=3)
    c.set_text_gap(scale=1.5)
    data = c.draw_bytes(code="AB", width=200, height=80)
    assert png_image(data).size == (200, 80)


# --- output formats -----------------------------------------------------------------------------


def test_png_bytes_data_uri_and_file(tmp_path):
    c = bq.Code39()
    data = c.draw_bytes("ABC", 300, 100)
    assert data.startswith(PNG_SIGNATURE)
    image = png_image(data)
    assert image.size == (300, 100) and image.mode == "RGBA"
    uri = c.draw("ABC", 300, 100)
    assert uri.startswith("data:image/png;base64,")
    assert base64.b64decode(uri.split(",", 1)[1]) == data
    path = tmp_path / "c39.png"
    assert c.draw_to_file("ABC", 300, 100, str(path)) is None
    assert path.read_bytes() == data


def test_jpeg_formats_give_real_jpeg(tmp_path):
    for fmt in ("jpg", "jpeg"):
        c = bq.Code39()
        c.set_output_format(fmt)
        data = c.draw_bytes("ABC", 300, 100)
        assert data[:3] == b"\xff\xd8\xff"
        assert png_image_size_jpeg(data) == (300, 100)
        uri = c.draw("ABC", 300, 100)
        assert uri.startswith("data:image/jpeg;base64,")
        assert base64.b64decode(uri.split(",", 1)[1])[:3] == b"\xff\xd8\xff"
        path = tmp_path / f"c39.{fmt}"
        c.draw_to_file("ABC", 300, 100, str(path))
        assert path.read_bytes()[:3] == b"\xff\xd8\xff"


def png_image_size_jpeg(data):
    import io

    from PIL import Image

    return Image.open(io.BytesIO(data)).size


@pytest.mark.parametrize("fmt", ["PNG", "Svg", "", "bmp"])
def test_unrecognised_format_never_draws(fmt, tmp_path):
    c = bq.Code39()
    c.set_output_format(fmt)
    assert c.draw_bytes("ABC", 300, 100) == b""
    assert c.draw("ABC", 300, 100) == ""
    path = tmp_path / "none.png"
    c.draw_to_file("ABC", 300, 100, str(path))
    assert not path.exists()


def test_unrecognised_format_does_not_reuse_an_old_canvas():
    c = bq.Code39()
    assert c.draw_bytes("ABC", 300, 100)
    c.set_output_format("bmp")
    assert c.draw_bytes("ABC", 500, 200) == b""
    c.set_output_format("png")
    assert png_image(c.draw_bytes("ABC", 500, 200)).size == (500, 200)


def test_svg_mode_bytes_come_from_the_last_raster_canvas():
    c = bq.Code39()
    c.set_output_format("svg")
    assert c.draw_bytes("ABC", 300, 100) == b""  # never drew in raster mode
    c.set_output_format("png")
    first = c.draw_bytes("ABC", 300, 100)
    c.set_output_format("svg")
    assert c.draw_bytes("XYZ", 400, 50) == first
    assert c.draw("ABC", 300, 100).startswith('<?xml version="1.0" encoding="UTF-8"?>\n<svg ')


def test_svg_mode_file_without_a_raster_canvas_is_empty(tmp_path):
    c = bq.Code39()
    c.set_output_format("svg")
    path = tmp_path / "empty.png"
    c.draw_to_file("ABC", 300, 100, str(path))
    assert path.exists() and path.read_bytes() == b""


def test_data_uri_consumes_the_canvas():
    c = bq.Code39()
    c.draw("ABC", 300, 100)
    c.set_output_format("svg")
    assert c.draw_bytes("ABC", 300, 100) == b""


def test_every_draw_gets_a_canvas_of_its_own_size():
    c = bq.Code39()
    for w, h in [(300, 100), (120, 40), (640, 300)]:
        assert png_image(c.draw_bytes("AB", w, h)).size == (w, h)


@pytest.mark.parametrize("size", [(0, 100), (300, 0), (-5, 100), (300, -1), (2**30, 4)])
def test_unusable_canvas_sizes_fail_cleanly(size, stderr_lines):
    c = bq.Code39()
    assert c.draw_bytes("A", *size) == b""
    assert c.draw("A", *size) == ""
    assert stderr_lines()  # the reason is reported


def test_draw_to_file_errors(tmp_path, stderr_lines):
    c = bq.Code39()
    missing = tmp_path / "missing" / "x.png"
    with pytest.raises(OSError) as err:
        c.draw_to_file("ABC", 300, 100, str(missing))
    assert str(missing) in str(err.value)
    with pytest.raises(OSError):
        c.draw_to_file("ABC", 300, 100, str(tmp_path))  # a directory
    if os.path.exists("/dev/full"):
        with pytest.raises(OSError):
            c.draw_to_file("ABC", 300, 100, "/dev/full")
    # a failed draw writes nothing and raises nothing, whatever the path
    assert c.draw_to_file("", 300, 100, str(missing)) is None
    assert not missing.exists()
    assert stderr_lines() == ["[Code39] Empty string"]


# --- colours ------------------------------------------------------------------------------------


def test_colours_low_bits_and_alpha():
    c = bq.Code39()
    c.set_show_text(False)
    c.set_foreground_color(300, 0, 0)
    c.set_background_color(0, 0, 255, 0)
    px = pixels(c.draw_bytes("A", 47, 10))
    assert tuple(px[0, 0]) == (44, 0, 0, 255)  # first bar
    assert tuple(px[0, 1]) == (0, 0, 255, 0)  # first space: background, alpha kept
    c.set_output_format("svg")
    rects = list(svg_root(c.draw("A", 47, 10)).iter(SVG_NS + "rect"))
    assert rects[0].get("fill") == "rgb(0,0,255)" and rects[0].get("fill-opacity") == "0.00"
    assert rects[1].get("fill") == "rgb(44,0,0)" and rects[1].get("fill-opacity") is None


def test_half_transparent_foreground():
    c = bq.Code39()
    c.set_foreground_color(0, 0, 0, 128)
    c.set_output_format("svg")
    root = svg_root(c.draw("A", 200, 100))
    bars = list(root.iter(SVG_NS + "rect"))[1:]
    assert bars and all(r.get("fill-opacity") == "0.50" for r in bars)
    assert all(t.get("fill-opacity") is None for t in root.iter(SVG_NS + "text"))


# --- bar layout ---------------------------------------------------------------------------------


@pytest.mark.parametrize(
    "height,bar_height", [(100, 75), (40, 28), (300, 234), (20, 10), (10, 1)]
)
def test_bar_height_rule(height, bar_height):
    c = bq.Code39()
    c.set_output_format("svg")
    rects = svg_rects(c.draw("A", 200, height))
    assert rects[1][3] == bar_height
    c.set_output_format("png")
    assert dark_rows(c.draw_bytes("A", 200, height), 0).tolist() == list(range(bar_height))


def test_bar_height_without_text_is_the_whole_height():
    c = bq.Code39()
    c.set_show_text(False)
    data = c.draw_bytes("A", 200, 100)
    assert dark_rows(data, 0).tolist() == list(range(100))
    assert (pixels(data)[:, 100:, :3].sum(axis=2) < 384).sum() > 0  # bars only, no text band


def test_whole_pixel_modules_left_aligned():
    c = bq.Code39()
    c.set_show_text(False)
    row = pixels(c.draw_bytes("A", 200, 10))[0, :, :3].sum(axis=1) < 384
    runs = bar_runs(row)
    assert runs[0] == (0, 4) and runs[-1][0] + runs[-1][1] == 188  # scale 4, 47 modules
    assert not row[188:].any()


def test_fit_width_spans_the_canvas():
    c = bq.Code39()
    c.set_show_text(False)
    c.set_fit_width(True)
    row = pixels(c.draw_bytes("A", 300, 10))[0, :, :3].sum(axis=1) < 384
    assert row[0] and row[298]  # the renderer truncates the last fractional bar at 299.99
    c.set_output_format("svg")
    rects = svg_rects(c.draw("A", 300, 10))
    assert rects[2][0] == pytest.approx(25.53, abs=0.01)  # fractional positions survive


def test_narrow_canvas_cuts_the_symbol_off():
    c = bq.Code39()
    c.set_show_text(False)
    row = pixels(c.draw_bytes("ABC", 40, 10))[0, :, :3].sum(axis=1) < 384
    assert row[0] and len(row) == 40


def test_pixel_adjustment():
    c = bq.Code39()
    c.set_show_text(False)
    c.set_px_adjust_black(-1)
    runs = bar_runs(pixels(c.draw_bytes("A", 47, 10))[0, :, :3].sum(axis=1) < 384)
    # "*" is bar widths 1, 1, 3, 3, 1 modules: a 1-module bar stays 1 pixel, a 3-module bar becomes 2
    assert [w for _, w in runs[:5]] == [1, 1, 2, 2, 1]
    assert runs[1][0] == 4  # bar, space of 1, bar 1 ... start positions shift with the narrower bars


# --- text ---------------------------------------------------------------------------------------


def text_band_columns(data, top):
    px = pixels(data)
    return np.nonzero((px[top:, :, :3].sum(axis=2) < 384).any(axis=0))[0]


def test_text_is_drawn_below_the_bars_and_follows_show_start_stop():
    c = bq.Code39()
    with_stars = c.draw_bytes("AB", 300, 100)
    assert len(text_band_columns(with_stars, 80)) > 0
    c.set_show_start_stop(False)
    without = c.draw_bytes("AB", 300, 100)
    assert not np.array_equal(pixels(with_stars)[80:], pixels(without)[80:])
    assert np.array_equal(pixels(with_stars)[:75], pixels(without)[:75])


def test_svg_text_positions_even_and_centred():
    c = bq.Code39()
    c.set_output_format("svg")
    texts = list(svg_root(c.draw("A", 200, 100)).iter(SVG_NS + "text"))
    assert [t.text for t in texts] == ["*", "A", "*"]
    assert [t.get("x") for t in texts] == ["9.00", "94.00", "179.00"]  # Wt 188, margin 9, pitch 85
    assert all(t.get("y") == "80.00" and t.get("font-size") == "20" for t in texts)
    c.set_text_even_spacing(False)
    texts = list(svg_root(c.draw("A", 200, 100)).iter(SVG_NS + "text"))
    assert [(t.text, t.get("x"), t.get("text-anchor")) for t in texts] == [("*A*", "94.00", "middle")]
    c.set_show_text(False)
    assert not list(svg_root(c.draw("A", 200, 100)).iter(SVG_NS + "text"))


def test_font_scale_and_gap_change_the_layout():
    c = bq.Code39()
    c.set_output_format("svg")
    c.set_text_font_scale(2.0)
    text = next(svg_root(c.draw("A", 200, 100)).iter(SVG_NS + "text"))
    assert text.get("font-size") == "40" and text.get("y") == "60.00"
    c.set_text_font_scale(1.0)
    c.set_text_gap(3.0)
    assert svg_rects(c.draw("A", 200, 100))[1][3] == 100 - 20 - 15


def test_small_height_raises_glyphs_into_the_canvas():
    c = bq.Code39()
    data = c.draw_bytes("A", 200, 30)
    assert len(text_band_columns(data, 20)) > 0  # 8-point glyphs end at the canvas bottom


def test_svg_document_exact():
    c = bq.Code39()
    c.set_output_format("svg")
    doc = c.draw("A", 200, 100)
    lines = doc.splitlines()
    assert lines[0] == '<?xml version="1.0" encoding="UTF-8"?>'
    assert lines[1] == (
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="200" height="100" viewBox="0 0 200 100">'
    )
    assert lines[2] == '  <rect x="0.00" y="0.00" width="200.00" height="100.00" fill="rgb(255,255,255)"/>'
    assert lines[3] == '  <rect x="0.00" y="0.00" width="4.00" height="75.00" fill="rgb(0,0,0)"/>'
    assert len(lines) == 2 + 1 + 15 + 3 + 1 and lines[-1] == "</svg>"
    ET.fromstring(doc)


def test_svg_failure_keeps_nothing_visible(stderr_lines):
    c = bq.Code39()
    c.set_output_format("svg")
    assert c.draw("A#", 200, 100) == ""
    assert stderr_lines() == ["[Code39] Invalid character in CODE39: #"]


def test_oversized_text_is_left_out_not_rendered_for_ever(stderr_lines):
    c = bq.Code39()
    c.set_text_font_scale(500.0)
    data = c.draw_bytes("AB", 200, 100)  # 10,000-point glyphs would take a minute
    assert png_image(data).size == (200, 100)
    assert stderr_lines() == ["TTF_OpenFont error: point size 10000 is above 1000"]


@pytest.mark.parametrize("fmt", ["png", "svg"])
@pytest.mark.parametrize("black,white", [(2**31 - 1, 0), (0, 2**31 - 1), (-(2**31), -(2**31))])
def test_extreme_pixel_adjustments_stay_defined(fmt, black, white):
    c = bq.Code39()
    c.set_output_format(fmt)
    c.set_px_adjust_black(black)
    c.set_px_adjust_white(white)
    assert c.draw("AB", 200, 60)
