"""A made symbol as data rather than a file: its modules, a Pillow image, a numpy array, or text for
a terminal."""
from __future__ import annotations

import io
import math
from typing import Any

import _barcode_quor_native as _native

# Half blocks: (upper lit, lower lit) -> character, for two rows of modules in one line of text.
_HALF_BLOCKS = {(True, True): "\u2588", (True, False): "\u2580", (False, True): "\u2584", (False, False): " "}


def module_rows(encoded: _native.EncodedSymbol) -> tuple[tuple[int, ...], ...]:
    return tuple(tuple(modules) for modules, _ in encoded.rows)


def row_heights(encoded: _native.EncodedSymbol, bar_height: float | None) -> tuple[float, ...]:
    """Each row's height in modules; bar rows share the bar height (the caller's, else the standard's)."""
    bar_rows = sum(1 for _, height in encoded.rows if height == 0)
    shared = (bar_height if bar_height is not None else encoded.bar_height) / max(1, bar_rows)
    return tuple(height if height else shared for _, height in encoded.rows)


def pillow_image(png: bytes) -> Any:
    try:
        from PIL import Image
    except ModuleNotFoundError:
        raise ModuleNotFoundError("to_pil() needs Pillow (Debian: python3-pil; pip: pillow)", name="PIL") from None
    image = Image.open(io.BytesIO(png))
    image.load()
    return image


def numpy_array(png: bytes) -> Any:
    try:
        import numpy
    except ModuleNotFoundError:
        raise ModuleNotFoundError("to_array() needs numpy (Debian: python3-numpy)", name="numpy") from None
    image = pillow_image(png)
    return numpy.asarray(image.convert("L") if image.mode in ("1", "L") else image.convert("RGBA"))


def terminal_text(encoded: _native.EncodedSymbol, quiet_zone: tuple[float, float, float, float],
                  heights: tuple[float, ...], dark_on_light: bool) -> str:
    """Half-block characters, one column a module and two rows a line: light modules are drawn
    (a dark terminal's light text) unless dark_on_light; no escape sequences."""
    left, top, right, bottom = (math.ceil(side) for side in quiet_zone)
    width = left + encoded.width + right
    grid = [[0] * width for _ in range(top)]
    rows_per_module = 1.0 if encoded.shape == "matrix" else 0.5  # bars shortened: a line is taller than wide
    for (modules, _), height in zip(encoded.rows, heights):
        row = [0] * left + list(modules) + [0] * right
        grid += [row] * max(1, round(height * rows_per_module))
    grid += [[0] * width for _ in range(bottom)]
    if len(grid) % 2:
        grid.append([0] * width)
    printed = 1 if dark_on_light else 0
    return "\n".join("".join(_HALF_BLOCKS[(a == printed, b == printed)] for a, b in zip(grid[y], grid[y + 1]))
                     for y in range(0, len(grid), 2)) + "\n"
