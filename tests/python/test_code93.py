"""Code 93: messages, SVG against raster, human-readable text, and decoding with a real reader."""
import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, dark_columns, decode
from linear_checks import assert_rejected, assert_svg_matches_raster, element_widths, fitted, svg_texts

DATA = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"


def modules(n):
    return 9 * (n + 3) + 10


@pytest.mark.parametrize(
    "code,message",
    [
        ("", "Empty string"),
        ("AB,C", "Invalid character in CODE93: ,"),
        ("A\tB", "Invalid character in CODE93: \t"),
        ("A*", "Invalid character in CODE93: *"),
        ("x_y", "Invalid character in CODE93: _"),
    ],
)
def test_invalid_codes_report_on_stderr(code, message, stderr_lines):
    assert_rejected(bq.Code93, code, f"[Code93] {message}", stderr_lines)


def test_byte_above_ascii_is_reported_raw(capfdbinary):
    capfdbinary.readouterr()
    assert bq.Code93().draw_bytes("Aé", 300, 100) == b""
    assert capfdbinary.readouterr().err == b"[Code93] Invalid character in CODE93: \xc3\n"


def test_single_character_symbol_is_46_modules():
    c = bq.Code93()
    c.set_show_text(False)
    widths = element_widths(dark_columns(c.draw_bytes("A", 46 * 3, 20)))
    # Start, A, C = A, K = U, stop; the last element is the termination bar.
    assert [w // 3 for w in widths] == [int(d) for d in "111141" "211113" "211113" "221121" "1111411"]


def test_text_is_the_code_as_given():
    c = bq.Code93()
    c.set_output_format("svg")
    assert svg_texts(c.draw("abc", 300, 100)) == ["a", "b", "c"]
    c.set_text_even_spacing(False)
    assert svg_texts(c.draw("Mixed 93", 300, 100)) == ["Mixed 93"]


def test_lower_case_draws_like_upper_case():
    c = bq.Code93()
    c.set_show_text(False)
    assert c.draw_bytes("code-93", 300, 40) == c.draw_bytes("CODE-93", 300, 40)


@pytest.mark.parametrize("fit", [False, True])
def test_svg_and_raster_share_the_bar_geometry(fit):
    rng = random.Random(93)
    for _ in range(cases(10)):
        code = "".join(rng.choice(DATA) for _ in range(rng.randint(1, 15)))
        assert_svg_matches_raster(fitted(bq.Code93, fit), code, 499, fractional=fit)


def test_decodes_random_codes():
    rng = random.Random(930)
    for n in range(cases(60)):
        length = rng.choice([1, 2, 3, 7, 20, 21, 40, 100, 250])
        code = "".join(rng.choice(DATA) for _ in range(length))
        c = bq.Code93()
        c.set_show_text(n % 2 == 0)
        width = modules(length) * rng.choice([1, 2, 3])
        result = decode(c.draw_bytes(code, width, 60), formats=zxingcpp.BarcodeFormat.Code93)
        assert result is not None, code
        assert result.text == code, code


@pytest.mark.parametrize(
    "code,text",
    [("!H!I", b"hi"), ("?A?B", b"!\""), ("<A<Z", b"\x01\x1a"), ("X>AY", b"X\x1bY"), ("!T!E!S!T 93", b"test 93")],
)
def test_shift_bytes_decode_as_full_ascii(code, text):
    result = decode(bq.Code93().draw_bytes(code, modules(len(code)) * 2, 80), formats=zxingcpp.BarcodeFormat.Code93)
    assert result is not None and result.bytes == text


def test_decodes_with_pixel_adjustment_and_colours():
    c = bq.Code93()
    c.set_px_adjust_black(-1)
    c.set_px_adjust_white(1)
    c.set_foreground_color(0, 0, 128)
    c.set_background_color(255, 255, 200)
    result = decode(c.draw_bytes("ADJUSTED 93", modules(11) * 3, 90), formats=zxingcpp.BarcodeFormat.Code93)
    assert result is not None and result.text == "ADJUSTED 93"
