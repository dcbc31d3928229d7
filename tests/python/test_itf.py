"""ITF: digits only, leading-zero padding, text without the pad, SVG, and decoding with a real reader."""
import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, dark_columns, decode
from linear_checks import assert_rejected, assert_svg_matches_raster, element_widths, fitted, svg_texts


@pytest.mark.parametrize("code", ["12 34", "+12", "1.5", "12a", "１２", "-7"])
def test_non_digits_report_on_stderr(code, stderr_lines):
    assert_rejected(bq.ITF, code, "[ITF] ITF barcode requires numeric digits only", stderr_lines)


def test_empty_code_reports_on_stderr(stderr_lines):
    assert_rejected(bq.ITF, "", "[ITF] Empty string", stderr_lines)


def test_pair_widths_and_symbol_size():
    c = bq.ITF()
    c.set_show_text(False)
    # Start, the pair 12 (1 in the bars, 2 in the spaces), stop: 27 modules.
    widths = element_widths(dark_columns(c.draw_bytes("12", 27 * 2, 20)))
    assert widths == [2 * w for w in [1, 1, 1, 1, 3, 1, 1, 3, 1, 1, 1, 1, 3, 3, 3, 1, 1]]


def test_odd_count_is_padded_but_shown_as_given():
    c = bq.ITF()
    c.set_show_text(False)
    assert c.draw_bytes("123", 300, 40) == c.draw_bytes("0123", 300, 40)
    c.set_output_format("svg")
    c.set_show_text(True)
    assert svg_texts(c.draw("123", 300, 100)) == ["1", "2", "3"]


@pytest.mark.parametrize("fit", [False, True])
def test_svg_and_raster_share_the_bar_geometry(fit):
    rng = random.Random(6)
    for _ in range(cases(10)):
        code = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 30)))
        assert_svg_matches_raster(fitted(bq.ITF, fit), code, 601, fractional=fit)


def test_decodes_random_codes():
    rng = random.Random(66)
    for n in range(cases(60)):
        length = rng.choice([2, 3, 4, 5, 6, 9, 14, 31, 80, 200])
        code = "".join(rng.choice("0123456789") for _ in range(length))
        padded = code if length % 2 == 0 else "0" + code
        c = bq.ITF()
        c.set_show_text(n % 2 == 0)
        c.set_fit_width(n % 3 == 0)
        width = (9 * len(padded) + 9) * rng.choice([1, 2, 3]) + rng.randint(0, 30)
        # The reader wants a quiet zone of ten narrow elements on each side.
        result = decode(c.draw_bytes(code, width, 60), formats=zxingcpp.BarcodeFormat.ITF, pad=40)
        assert result is not None, code
        assert result.text == padded, code
