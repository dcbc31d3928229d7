"""Matrix 2 of 5 and NEC 2 of 5 (no reader in zxing-cpp): element widths against patterns worked out
by hand, the trailing space, messages, text and SVG geometry."""
import random

import pytest

import barcode_quor as bq
from conftest import cases, dark_columns, svg_rects
from linear_checks import assert_rejected, assert_svg_matches_raster, element_widths, fitted, svg_texts

# Digit patterns from the codes (weights 7 4 2 1 0, two wide elements of five).
DIGITS = ["33111", "11133", "11313", "11331", "13113", "13131", "13311", "31113", "31131", "31311"]
CLASSES = [(bq.Matrix2of5, "Matrix2of5", "Matrix 2 of 5"), (bq.NEC2of5, "NEC2of5", "NEC 2 of 5")]


def hand_widths(code):
    widths = [3, 1, 3, 1]
    for i, d in enumerate(code):
        if i:
            widths.append(1)
        widths += [int(w) for w in DIGITS[int(d)]]
    return widths + [1, 3, 3]


@pytest.mark.parametrize("cls,tag,name", CLASSES)
@pytest.mark.parametrize("code", ["12 3", "A1", "1.0", "٣"])
def test_non_digits_report_on_stderr(cls, tag, name, code, stderr_lines):
    assert_rejected(cls, code, f"[{tag}] {name} barcode requires numeric digits only", stderr_lines)


@pytest.mark.parametrize("cls,tag,name", CLASSES)
def test_empty_code_reports_on_stderr(cls, tag, name, stderr_lines):
    assert_rejected(cls, "", f"[{tag}] Empty string", stderr_lines)


@pytest.mark.parametrize("cls", [bq.Matrix2of5, bq.NEC2of5])
@pytest.mark.parametrize("code", ["5", "0123456789", "907", "1" * 25])
def test_bars_follow_the_hand_worked_pattern(cls, code):
    c = cls()
    c.set_show_text(False)
    widths = hand_widths(code)
    assert sum(widths) == 10 * len(code) + 14
    data = c.draw_bytes(code, sum(widths) * 2, 20)
    # The trailing wide space is not visible: the dark run ends 3 modules before the symbol width.
    assert element_widths(dark_columns(data)) == [2 * w for w in widths[:-1]]
    assert not dark_columns(data)[-6:].any()


def test_both_classes_draw_the_same_symbol():
    rng = random.Random(25)
    for _ in range(cases(10)):
        code = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 40)))
        a, b = bq.Matrix2of5(), bq.NEC2of5()
        assert a.draw_bytes(code, 500, 80) == b.draw_bytes(code, 500, 80), code


def test_text_is_centred_on_the_width_including_the_trailing_space():
    c = bq.NEC2of5()
    c.set_output_format("svg")
    c.set_text_even_spacing(False)
    document = c.draw("5", 24 * 4, 100)
    assert svg_texts(document) == ["5"]
    assert svg_rects(document)[-1][0] + svg_rects(document)[-1][2] == 21 * 4  # last bar ends 3 modules early


@pytest.mark.parametrize("cls", [bq.Matrix2of5, bq.NEC2of5])
@pytest.mark.parametrize("fit", [False, True])
def test_svg_and_raster_share_the_bar_geometry(cls, fit):
    rng = random.Random(52)
    for _ in range(cases(6)):
        code = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 30)))
        assert_svg_matches_raster(fitted(cls, fit), code, 503, fractional=fit)
