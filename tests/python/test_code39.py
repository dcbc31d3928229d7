"""Code 39: validation, bar geometry shared by PNG and SVG, and decoding with a real reader."""
import random

import numpy as np
import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, decode, pixels, svg_rects
from linear_checks import assert_rejected

CHARSET = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"
PLAIN = CHARSET[:-4]  # without the characters a full-ASCII reader pairs with the next one


@pytest.mark.parametrize(
    "code,message",
    [
        ("", "Empty string"),
        ("A*B", "Invalid character in CODE39: '*' is reserved for start/stop code"),
        ("A#B", "Invalid character in CODE39: #"),
        ("ab_c", "Invalid character in CODE39: _"),
        ("*", "Invalid character in CODE39: '*' is reserved for start/stop code"),
    ],
)
def test_invalid_codes_report_on_stderr(code, message, stderr_lines):
    assert_rejected(bq.Code39, code, f"[Code39] {message}", stderr_lines)


def test_non_ascii_byte_is_reported_raw(capfd):
    c = bq.Code39()
    capfd.readouterr()
    assert c.draw_bytes("Aé", 300, 100) == b""
    err = capfd.readouterr().err.encode("utf-8", "surrogateescape")
    assert err.startswith(b"[Code39] Invalid character in CODE39: ")


def test_lower_case_draws_like_upper_case():
    c = bq.Code39()
    c.set_show_text(False)
    assert c.draw_bytes("abc", 300, 60) == c.draw_bytes("ABC", 300, 60)


def test_svg_and_raster_share_the_bar_geometry():
    rng = random.Random(39)
    for _ in range(cases(10)):
        code = "".join(rng.choice(CHARSET) for _ in range(rng.randint(1, 12)))
        c = bq.Code39()
        c.set_show_text(False)
        data = c.draw_bytes(code, 400, 20)
        c.set_output_format("svg")
        rects = svg_rects(c.draw(code, 400, 20))[1:]
        row = np.zeros(400, dtype=bool)
        for x, _, w, _, _ in rects:
            row[int(x) : int(x + w)] = True
        assert np.array_equal(row, pixels(data)[0, :, :3].sum(axis=1) < 384), code


def test_decodes_random_codes():
    rng = random.Random(1)
    for n in range(cases(60)):
        length = rng.choice([1, 2, 5, 10, 20, 40])
        code = "".join(rng.choice(PLAIN) for _ in range(length)).strip() or "X"
        c = bq.Code39()
        c.set_show_text(n % 2 == 0)
        width = (16 * len(code) + 31) * rng.choice([1, 2, 3])
        result = decode(c.draw_bytes(code, width, 80), formats=zxingcpp.BarcodeFormat.Code39)
        assert result is not None, code
        assert result.text == code, code


def test_decodes_shift_characters_where_full_ascii_cannot_apply():
    # The reader takes "$/+%" before a letter as a full-ASCII pair; before a digit or space they stand alone.
    for code in ["12$34/56+78%90", "$ / + %", "-.$/+%"]:
        result = decode(bq.Code39().draw_bytes(code, 600, 80), formats=zxingcpp.BarcodeFormat.Code39)
        assert result is not None and result.text == code, code


def test_decodes_with_fit_width_and_colours():
    c = bq.Code39()
    c.set_fit_width(True)
    c.set_foreground_color(0, 0, 128)
    c.set_background_color(255, 255, 200)
    result = decode(c.draw_bytes("FIT-WIDTH 123", 517, 90), formats=zxingcpp.BarcodeFormat.Code39)
    assert result is not None and result.text == "FIT-WIDTH 123"


def test_fit_width_decodes_at_any_width():
    c = bq.Code39()
    c.set_fit_width(True)
    c.set_show_text(False)
    for width in range(250, 900, 23 if cases(2) > 2 else 97):
        result = decode(c.draw_bytes("FIT 39", width, 40), formats=zxingcpp.BarcodeFormat.Code39)
        assert result is not None and result.text == "FIT 39", width
