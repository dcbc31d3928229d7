"""make()'s SVG documents drawn by three independent renderers (rsvg-convert, resvg, headless Chromium)
at 1, 1.5, 2 and 3 pixels per module read back with zxing-cpp: the documents mean the same to each
of them. A renderer missing on the host is skipped."""
import functools
import io
import math
import os
import shutil
import subprocess

import pytest
import zxingcpp
from PIL import Image

import barcode_quor as bq
from conftest import decode

F = zxingcpp.BarcodeFormat
# symbology, data, reader format, text zxing-cpp reads
SYMBOLS = [
    ("qr", "SVG drawn by others", F.QRCode, "SVG drawn by others"),
    ("datamatrix", "SVG 0123456789", F.DataMatrix, "SVG 0123456789"),
    ("ean13", "490123456789", F.EAN13, "4901234567894"),
    ("code128", "Code 128 SVG", F.Code128, "Code 128 SVG"),
    ("pdf417", "PDF417 drawn from SVG", F.PDF417, "PDF417 drawn from SVG"),
]
ZOOMS = [1, 1.5, 2, 3]  # pixels per module: the SVG's user units are pixels at scale=1
BINARIES = {"rsvg-convert": "rsvg-convert", "resvg": "resvg", "chromium": "chromium-headless-shell"}


def run(*command):
    # The renderers are other programs: the sanitizer runtime preloaded into this interpreter must not
    # reach them (Chromium spins under it).
    env = {k: v for k, v in os.environ.items() if k not in ("LD_PRELOAD", "ASAN_OPTIONS", "UBSAN_OPTIONS")}
    subprocess.run(command, check=True, capture_output=True, timeout=120, env=env)


def one_call_per_image(argv, folder, sizes):
    """Renders every symbol at every zoom with one call of the program `argv(svg, png, zoom)` names each."""
    drawn = {}
    for symbology in sizes:
        for zoom in ZOOMS:
            png = folder / f"{symbology}-{zoom}.png"
            run(*argv(str(folder / f"{symbology}.svg"), str(png), zoom))
            drawn[symbology, zoom] = png.read_bytes()
    return drawn


def chromium(folder, sizes):
    """One page of every symbol at every zoom (an <img> each, at a known place), one screenshot, cut up."""
    places, images, top = {}, [], 20
    for symbology, (width, height) in sizes.items():
        left = 20
        for zoom in ZOOMS:
            places[symbology, zoom] = (left, top, left + math.ceil(width * zoom), top + math.ceil(height * zoom))
            images.append(f'<img src="{symbology}.svg" style="position:absolute;left:{left}px;top:{top}px;'
                          f'width:{width * zoom}px;height:{height * zoom}px">')
            left += math.ceil(width * zoom) + 20
        top += math.ceil(height * max(ZOOMS)) + 20
    right = max(box[2] for box in places.values()) + 20
    (folder / "page.html").write_text('<!DOCTYPE html><body style="margin:0;background:#fff">' + "".join(images))
    shot = folder / "page.png"
    run(BINARIES["chromium"], "--no-sandbox", "--disable-gpu", "--hide-scrollbars", "--force-device-scale-factor=1",
        f"--window-size={right},{top}", f"--screenshot={shot}", (folder / "page.html").as_uri())
    page = Image.open(shot)
    drawn = {}
    for key, box in places.items():
        out = io.BytesIO()
        page.crop(box).save(out, "PNG")
        drawn[key] = out.getvalue()
    return drawn


RENDERERS = {
    "rsvg-convert": functools.partial(one_call_per_image, lambda svg, png, zoom: (
        "rsvg-convert", f"--zoom={zoom}", "-o", png, svg)),
    "resvg": functools.partial(one_call_per_image, lambda svg, png, zoom: ("resvg", f"--zoom={zoom}", svg, png)),
    "chromium": chromium,
}


@pytest.fixture(scope="module")
def drawn(tmp_path_factory):
    """drawn(renderer): PNG bytes by (symbology, zoom), every image of one renderer drawn in one batch."""
    folder = tmp_path_factory.mktemp("svg")
    sizes = {}
    for symbology, data, _, _ in SYMBOLS:
        symbol = bq.make(symbology, data, scale=1)
        (folder / f"{symbology}.svg").write_text(symbol.svg())
        sizes[symbology] = symbol.pixel_size
    return functools.cache(lambda renderer: RENDERERS[renderer](folder, sizes))


@pytest.mark.parametrize("renderer", RENDERERS)
@pytest.mark.parametrize("zoom", ZOOMS)
@pytest.mark.parametrize("symbology, data, format, text", SYMBOLS, ids=[s[0] for s in SYMBOLS])
def test_rendered_svg_reads(drawn, renderer, zoom, symbology, data, format, text):
    if shutil.which(BINARIES[renderer]) is None:
        pytest.skip(f"{BINARIES[renderer]} is not installed")
    png = drawn(renderer)[symbology, zoom]
    result = decode(png, formats=format)
    assert result is not None and result.text == text
    if symbology == "ean13":  # the leading digit's glyph, drawn in the left quiet zone where no bar is
        gray = Image.open(io.BytesIO(png)).convert("L")
        assert gray.crop((0, 0, int(10 * zoom), gray.height)).getextrema()[0] < 128
