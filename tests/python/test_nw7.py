"""NW-7 (Codabar): start/stop rule, whole-pixel raster bars, text, SVG, and decoding as Codabar."""
import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, dark_columns, decode, svg_rects
from linear_checks import assert_rejected, assert_svg_matches_raster, element_widths, svg_texts

DATA = "0123456789-$:/.+"
PATTERNS = {c: p for c, p in zip("ABCD.+:/$-0123456789", [
    "1133131", "1313113", "1113133", "1113331", "3131311", "1131313", "3111313", "3131113", "1133111", "1113311",
    "1111133", "1111331", "1113113", "3311111", "1131131", "3111131", "1311113", "1311311", "1331111", "3113111",
])}


def module_widths(framed):
    """The element widths of an already framed text, worked out from the character table."""
    widths = []
    for i, c in enumerate(framed):
        if i:
            widths.append(2)
        widths += [int(d) for d in PATTERNS[c]]
    return widths


@pytest.mark.parametrize(
    "code,message",
    [
        ("", "Empty string"),
        ("A1234", "Invalid start/stop character combination in NW7: A1234"),
        ("1234d", "Invalid start/stop character combination in NW7: 1234D"),
        ("12#4", "Invalid character in NW7: #"),
        ("a12x4b", "Invalid character in NW7: X"),
        ("1 2", "Invalid character in NW7:  "),
    ],
)
def test_invalid_codes_report_on_stderr(code, message, stderr_lines):
    assert_rejected(bq.NW7, code, f"[NW7] {message}", stderr_lines)


@pytest.mark.parametrize(
    "code,show,shown",
    [
        ("1234", True, ["1234"]),
        ("1234", False, ["1234"]),
        ("a1234b", True, ["a1234b"]),
        ("a1234b", False, ["1234"]),
        ("A", False, []),
        ("1A2", False, ["1A2"]),
    ],
)
def test_text_follows_show_start_stop(code, show, shown):
    c = bq.NW7()
    c.set_output_format("svg")
    c.set_text_even_spacing(False)
    c.set_show_start_stop(show)
    assert svg_texts(c.draw(code, 300, 100)) == shown


def test_svg_has_no_text_when_text_is_off():
    c = bq.NW7()
    c.set_output_format("svg")
    c.set_show_text(False)
    assert svg_texts(c.draw("A123B", 300, 100)) == []


@pytest.mark.parametrize("code,framed", [("1234", "C1234C"), ("b12-34d", "B12-34D"), ("1A2", "C1A2C"), ("a", "A")])
def test_bars_follow_the_character_table(code, framed):
    c = bq.NW7()
    c.set_show_text(False)
    widths = module_widths(framed)
    data = c.draw_bytes(code, sum(widths) * 2, 20)
    assert element_widths(dark_columns(data)) == [2 * w for w in widths]


@pytest.mark.parametrize("width,adjust", [(517, (0, 0)), (301, (0, 0)), (777, (1, -1)), (640, (-2, 2)), (150, (0, 0))])
def test_fit_width_raster_bars_are_whole_pixels(width, adjust):
    c = bq.NW7()
    c.set_show_text(False)
    c.set_fit_width(True)
    c.set_px_adjust_black(adjust[0])
    c.set_px_adjust_white(adjust[1])
    widths = module_widths("C0123456789C")
    scale = width / sum(widths)
    expected = [max(1, adjust[i % 2] + max(1, int(w * scale))) for i, w in enumerate(widths)]
    assert element_widths(dark_columns(c.draw_bytes("0123456789", width, 20))) == expected
    c.set_output_format("svg")
    rects = svg_rects(c.draw("0123456789", width, 20))[1:]
    assert any(w != int(w) for _, _, w, _, _ in rects), "SVG keeps the fractional widths"


def test_svg_and_raster_share_the_bar_geometry():
    rng = random.Random(7)
    for _ in range(cases(10)):
        code = "".join(rng.choice(DATA) for _ in range(rng.randint(1, 15)))
        assert_svg_matches_raster(bq.NW7, code, 700)


def test_decodes_random_codes():
    rng = random.Random(77)
    for n in range(cases(60)):
        length = rng.choice([2, 3, 6, 10, 25, 60, 150])
        data = "".join(rng.choice(DATA) for _ in range(length))
        ends = rng.choice(["", "AB", "cd", "DA", "bb"])
        code = ends[:1] + data + ends[1:]
        framed = code.upper() if ends else "C" + code + "C"
        c = bq.NW7()
        c.set_show_text(n % 2 == 0)
        c.set_fit_width(n % 3 == 0)
        width = sum(module_widths(framed)) * rng.choice([1, 2, 3]) + rng.randint(0, 40)
        result = decode(c.draw_bytes(code, width, 60), formats=zxingcpp.BarcodeFormat.Codabar)
        assert result is not None, code
        assert result.text == framed, code


@pytest.mark.parametrize("adjust", [2**31 - 1, -(2**31)])
def test_extreme_pixel_adjustment_still_draws(adjust):
    c = bq.NW7()
    c.set_px_adjust_black(adjust)
    c.set_px_adjust_white(adjust)
    for fit in (False, True):
        c.set_fit_width(fit)
        assert c.draw_bytes("A123B", 300, 60)[:4] == b"\x89PNG"
