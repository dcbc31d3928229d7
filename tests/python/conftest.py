"""Shared helpers: decoding drawn symbols with zxing-cpp, reading PNG pixels, parsing SVG."""
import io
import os
import xml.etree.ElementTree as ET

import numpy as np
import pytest
import zxingcpp
from PIL import Image

# The sanitizer run repeats the suite in a slower build; randomised tests draw fewer cases there.
SANITIZED = bool(os.environ.get("BARCODE_QUOR_SANITIZED"))


def cases(n):
    """How many random cases a randomised test draws: fewer under the sanitizers."""
    return max(3, n // 5) if SANITIZED else n


def png_image(data: bytes) -> Image.Image:
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    image = Image.open(io.BytesIO(data))
    image.load()
    return image


def pixels(data: bytes) -> np.ndarray:
    """RGBA pixels of a PNG as an (height, width, 4) array."""
    return np.asarray(png_image(data).convert("RGBA"))


def decode(data: bytes, formats=None, pad=20, scale=1, binarizer=None, pure=False):
    """Decodes the one symbol in a PNG after padding it with a white quiet zone (our symbols have none).

    Returns the zxing-cpp result, or None when nothing was read."""
    image = png_image(data).convert("RGBA")
    flat = Image.new("RGBA", image.size, (255, 255, 255, 255))
    flat.alpha_composite(image)
    gray = flat.convert("L")
    if scale != 1:
        gray = gray.resize((gray.width * scale, gray.height * scale), Image.NEAREST)
    padded = Image.new("L", (gray.width + 2 * pad, gray.height + 2 * pad), 255)
    padded.paste(gray, (pad, pad))
    kwargs = {}
    if formats is not None:
        kwargs["formats"] = formats
    if binarizer is not None:
        kwargs["binarizer"] = binarizer
    if pure:
        kwargs["is_pure"] = True
    results = zxingcpp.read_barcodes(padded, try_rotate=False, **kwargs)
    return results[0] if results else None


def svg_root(document: str) -> ET.Element:
    """Parses an SVG document (fails the test when it is not well-formed XML)."""
    return ET.fromstring(document.encode("utf-8"))


SVG_NS = "{http://www.w3.org/2000/svg}"


def svg_rects(document: str):
    """(x, y, width, height, fill) of every rect element, in document order."""
    return [
        (float(r.get("x")), float(r.get("y")), float(r.get("width")), float(r.get("height")), r.get("fill"))
        for r in svg_root(document).iter(SVG_NS + "rect")
    ]


def dark_columns(data: bytes, row: int = 0) -> np.ndarray:
    """Boolean array: which pixels of one image row are dark (for comparing bar geometry)."""
    px = pixels(data)
    return px[row, :, :3].sum(axis=1) < 384


@pytest.fixture
def stderr_lines(capfd):
    """Call it after a draw to get the lines the library wrote to standard error since the last call."""

    def read():
        return capfd.readouterr().err.splitlines()

    read()
    return read
