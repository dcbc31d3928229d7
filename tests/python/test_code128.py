"""Code 128: the four code modes read back by a real reader, messages, SVG geometry, long inputs."""
import random

import numpy as np
import pytest
import zxingcpp

import barcode_quor as bq
from conftest import SVG_NS, cases, decode, pixels, svg_rects, svg_root
from linear_checks import assert_rejected

CODE128 = zxingcpp.BarcodeFormat.Code128

SET_A = bytes(range(0, 96))
SET_B = bytes(range(32, 127))
ALL = bytes(range(0, 127))
DIGITS = b"0123456789"


def width_for(length):
    """A width that gives every module at least 2 pixels for any encoding of `length` bytes."""
    return 2 * (11 * (2 * length + 3) + 13)


def random_code(rng, alphabet, length):
    return bytes(rng.choice(alphabet) for _ in range(length)).decode("ascii")


def mixed_code(rng, length):
    """Runs of digits, upper case, lower case and control characters, so AUTO changes sets."""
    runs = [DIGITS, b"ABCXYZ _-", b"abcxyz{}~", bytes(range(0, 32))]
    out = b""
    while len(out) < length:
        out += bytes(rng.choice(rng.choice(runs)) for _ in range(rng.randint(1, 8)))
    return out[:length].decode("ascii")


def read_back(code, mode):
    c = bq.Code128()
    c.set_code_mode(mode)
    c.set_show_text(False)
    data = c.draw_bytes(code, width_for(len(code)), 40)
    assert data, (mode, code)
    result = decode(data, formats=CODE128)
    assert result is not None, (mode, code)
    return result


@pytest.mark.parametrize("mode,alphabet", [("A", SET_A), ("B", SET_B), ("AUTO", ALL)], ids=["A", "B", "AUTO"])
def test_decodes_random_codes_in_each_set(mode, alphabet):
    rng = random.Random(mode)
    for _ in range(cases(40)):
        code = random_code(rng, alphabet, rng.choice([1, 2, 3, 7, 15, 40, 120]))
        result = read_back(code, mode)
        assert result.bytes == code.encode("ascii"), (mode, code)


def test_decodes_even_digit_strings_in_set_c():
    rng = random.Random(3)
    for _ in range(cases(40)):
        code = random_code(rng, DIGITS, 2 * rng.choice([1, 2, 5, 20, 80]))
        assert read_back(code, "C").text == code


def test_decodes_mixed_runs_in_auto_mode():
    rng = random.Random(128)
    for _ in range(cases(60)):
        code = mixed_code(rng, rng.choice([1, 4, 9, 30, 100, 300]))
        assert read_back(code, "AUTO").bytes == code.encode("ascii"), code


def test_auto_uses_set_c_for_digit_runs():
    """20 digits take 10 symbol characters in set C, far narrower than one per digit."""
    c = bq.Code128()
    c.set_show_text(False)
    c.set_output_format("svg")
    bars = len(svg_rects(c.draw("12345678901234567890", 500, 40))) - 1
    assert bars == 3 * (1 + 10 + 1) + 4  # start, 10 pairs, check: 3 bars each; the stop has 4


@pytest.mark.parametrize(
    "mode,code,message",
    [
        ("AUTO", "", "Empty string"),
        ("C", "", "Empty string"),
        ("A", "abc", "Invalid char for CODE_A"),
        ("B", "\x01", "Invalid char for CODE_B"),
        ("B", "\x7f", "Invalid char for CODE_B"),
        ("C", "123", "Not 2-digit at pos=2"),
        ("C", "12a4", "Not 2-digit at pos=2"),
        ("AUTO", "abc\x7f", "No valid start"),
        ("AUTO", "Grüße", "No valid start"),
    ],
)
def test_invalid_codes_report_on_stderr(mode, code, message, stderr_lines):
    def make():
        c = bq.Code128()
        c.set_code_mode(mode)
        return c

    assert_rejected(make, code, f"[Code128] {message}", stderr_lines)


def test_unknown_code_mode_keeps_the_previous_one(stderr_lines):
    c = bq.Code128()
    c.set_code_mode("C")
    for unknown in ["auto", "c", "", "AUTO "]:
        c.set_code_mode(unknown)
    assert c.draw_bytes("123", 300, 100) == b""
    assert stderr_lines() == ["[Code128] Not 2-digit at pos=2"]
    c.set_code_mode("AUTO")
    assert c.draw_bytes("123", 300, 100) != b""


@pytest.mark.parametrize("fit", [False, True])
def test_svg_is_well_formed_with_the_raster_bar_geometry(fit):
    rng = random.Random(12)
    for _ in range(cases(10)):
        code = mixed_code(rng, rng.randint(1, 25))
        c = bq.Code128()
        c.set_fit_width(fit)
        width = 2 * (11 * (len(code) + 3) + 13) if not fit else 700
        data = c.draw_bytes(code, width, 80)
        c.set_output_format("svg")
        rects = svg_rects(c.draw(code, width, 80))
        assert rects[0][:4] == (0, 0, width, 80)
        bars = rects[1:]
        dark = pixels(data)[0, :, :3].sum(axis=1) < 384
        if not fit:
            row = np.zeros(width, dtype=bool)
            for x, _, w, _, _ in bars:
                row[int(x) : int(x + w)] = True
            assert np.array_equal(row, dark), code
        else:
            # Fractional bars: the rasteriser decides the edge pixels; each rectangle darkens pixels
            # within its span and the raster has one dark run per rectangle.
            assert all(dark[int(x) : int(np.ceil(x + w))].any() for x, _, w, _, _ in bars), code
            assert np.count_nonzero(np.diff(dark.astype(int)) == 1) + int(dark[0]) == len(bars), code
            assert bars[-1][0] + bars[-1][2] == pytest.approx(width, abs=0.02)


def test_text_is_the_input_unchanged():
    c = bq.Code128()
    c.set_output_format("svg")
    c.set_text_even_spacing(False)
    document = c.draw("Ab 12<&>", 400, 100)
    texts = [t.text for t in svg_root(document).iter(SVG_NS + "text")]
    assert texts == ["Ab 12<&>"]


def test_long_auto_input_completes():
    """10,000 and more bytes: the automatic search neither recurses per byte nor slows down."""
    c = bq.Code128()
    c.set_show_text(False)
    c.set_output_format("svg")
    digits = "7" * 12000
    bars = len(svg_rects(c.draw(digits, 1000, 40))) - 1
    assert bars == 3 * (1 + 6000 + 1) + 4
    rng = random.Random(10000)
    mixed = mixed_code(rng, 15000)
    assert c.draw(mixed, 1000, 40).startswith("<?xml")
    c.set_output_format("png")
    assert c.draw_bytes(mixed, 1000, 40)[:8] == b"\x89PNG\r\n\x1a\n"


def test_make_takes_control_characters_and_the_code_set_options():
    """Control characters print as spaces rather than failing; the caller's code sets and
    set C left out change the symbol, not what it reads as."""
    for options in ({}, {"mode": "AB"}, {"code_sets": "BABBCCCC"}, {"reader_init": True}):
        symbol = bq.make("code128", "A\x1fB12345", scale=2, **options)
        result = decode(symbol.png(), formats=CODE128)
        assert result is not None and result.bytes == b"A\x1fB12345", options
    with pytest.raises(bq.InvalidOptionError, match="code_sets"):
        bq.make("code128", "AB", code_sets="AX")
