"""Helpers shared by the GS1 DataBar tests: GTIN check digits and what a reader returns."""
import random

import numpy as np

from conftest import decode, pixels


def check_digit(body):
    """GS1 modulo-10 check digit of a digit string (weights 3, 1, 3, ... from the left for 13 digits)."""
    total = sum(int(c) * (3 if i % 2 == 0 else 1) for i, c in enumerate(body))
    return str((10 - total % 10) % 10)


def gtin14(code):
    """The 14-digit GTIN a symbol of up to 13 digits carries: zero-padded, check digit added."""
    body = code.rjust(13, "0")
    return body + check_digit(body)


def random_digits(rng: random.Random, length):
    return "".join(rng.choice("0123456789") for _ in range(length))


def read(png, formats=None):
    """The raw content a reader finds (FNC1 as GS, 0x1d), or None."""
    result = decode(png, formats=formats)
    return result.bytes.decode("latin-1") if result is not None else None


def dark_rows(png):
    """Per pixel row, whether it has any dark pixel."""
    return (pixels(png)[:, :, :3].sum(axis=2) < 384).any(axis=1)


def row_bands(png):
    """(first, last) pixel rows of each band of rows with dark pixels, top to bottom."""
    rows = dark_rows(png).astype(np.int8)
    edges = np.flatnonzero(np.diff(np.concatenate(([0], rows, [0]))))
    return [(int(a), int(b) - 1) for a, b in zip(edges[::2], edges[1::2])]
