"""Pixel geometry of the native linear layout that the high-level API has to know beforehand.

The native draw takes the height of bars plus text; its bar height follows from that height by a
fixed rule (font size and gap as fractions of the height, in single precision). These functions
run the same rule to find the smallest height that gives bars at least as tall as asked, and give
the side margin the EAN/UPC layout reserves for the digits it prints outside the bars."""
from __future__ import annotations

import math
import struct


def _f32(x: float) -> float:
    """x rounded to single precision, as the native layout computes."""
    return float(struct.unpack("f", struct.pack("f", x))[0])


_SMALL, _MEDIUM, _LARGE = _f32(0.25), _f32(0.20), _f32(0.15)
_GAP_ROW = (struct.unpack("f", bytes.fromhex("90c2f53c"))[0], _f32(0.05), _f32(0.07))
_GAP_STACKED = (_f32(0.02), _f32(0.03), _f32(0.04))


def _band(height: int, gaps: tuple[float, float, float]) -> tuple[int, float]:
    """Font size and gap coefficient for a drawing height: three ranges split at 50 and 200 pixels."""
    if height < 50:
        return max(8, int(_f32(height * _SMALL))), gaps[0]
    if height <= 200:
        return max(8, int(_f32(height * _MEDIUM))), gaps[1]
    return max(8, int(_f32(height * _LARGE))), gaps[2]


def row_bars(height: int, show_text: bool) -> int:
    """Bar height of a one-row linear symbol drawn `height` pixels high."""
    if not show_text:
        return max(1, height)
    font, gap = _band(height, _GAP_ROW)
    return max(1, height - font - max(2, int(_f32(height * gap))))


def stacked_bars(height: int, show_text: bool) -> int:
    """Height of all rows of a stacked DataBar symbol; its text band is reserved even without text."""
    font, gap = _band(height, _GAP_STACKED)
    return max(10, height - max(1, int(_f32(height * gap))) - font)


def drawing_height(bars: int, stacked: bool, show_text: bool) -> int:
    """The smallest drawing height whose bars are at least `bars` pixels high."""
    rule = stacked_bars if stacked else row_bars
    height = bars
    while rule(height, show_text) < bars:
        height += 1
    return height


# Fractions of a fifth of the height that the EAN/UPC extended layout keeps beside the bars for
# the digits printed outside them.
EAN13_DIGIT_MARGIN = _f32(_f32(0.8) * _f32(1.2))
UPC_DIGIT_MARGIN = _f32(0.8)


def outside_digit_margin(height: int, fraction: float) -> int:
    """Pixels the EAN/UPC extended layout reserves beside the bars for an outside digit."""
    return math.floor(_f32(_f32(height * _MEDIUM) * fraction))
