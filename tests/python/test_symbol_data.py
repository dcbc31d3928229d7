"""A made symbol as data: its modules, Pillow and numpy images, and terminal text."""
import io

import numpy
import pytest
import zxingcpp
from PIL import Image

import barcode_quor as bq

BLOCK_HALVES = {"\u2588": (1, 1), "\u2580": (1, 0), "\u2584": (0, 1), " ": (0, 0)}


def test_modules_are_the_drawn_modules():
    symbol = bq.make("qr", "modules", scale=3, quiet_zone=0)
    image = numpy.asarray(symbol.to_pil().convert("L"))
    assert symbol.modules == tuple(tuple(int(v == 0) for v in row[1::3]) for row in image[1::3])
    assert symbol.row_heights == (1.0,) * 21


def test_bar_rows_share_the_bar_height_asked_for():
    assert bq.make("code128", "x", height=30).row_heights == (30.0,)
    stacked = bq.make("databar-stacked", "09501101530003")
    heights = stacked.row_heights
    assert len(heights) == len(stacked.modules) and all(h > 0 for h in heights)


@pytest.mark.parametrize("symbology, data", [("qr", "terminal"), ("datamatrix", "terminal"), ("code128", "TERM")])
def test_terminal_text_reads_back(symbology, data):
    symbol = bq.make(symbology, data)
    text = symbol.terminal()
    assert "\x1b" not in text
    rows = [[] for _ in range(2 * len(text.splitlines()))]
    for y, line in enumerate(text.splitlines()):
        for character in line:
            upper, lower = BLOCK_HALVES[character]
            rows[2 * y].append(255 * upper)
            rows[2 * y + 1].append(255 * lower)
    image = Image.fromarray(numpy.array(rows, dtype=numpy.uint8)).resize((len(rows[0]) * 4, len(rows) * 4 // (
        1 if symbol.encoded.shape == "matrix" else 2)), Image.NEAREST)
    assert zxingcpp.read_barcode(image).text == symbol.text
    inverted = symbol.terminal(dark_on_light=True)
    assert inverted.translate(str.maketrans("\u2588\u2580\u2584 ", " \u2584\u2580\u2588")) == text


def test_pillow_and_numpy_hold_the_png_pixels():
    symbol = bq.make("ean13", "490123456789", foreground="navy")
    png = Image.open(io.BytesIO(symbol.png())).convert("RGBA")
    assert symbol.to_pil().convert("RGBA").tobytes() == png.tobytes()
    assert symbol.to_array().shape == (png.height, png.width, 4)
    assert bq.make("qr", "grey").to_array().ndim == 2
