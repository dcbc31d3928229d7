"""GS1 DataBar Limited: validation, raster and SVG drawing, and decoding with a real reader."""
import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, dark_columns, svg_rects
from databar_support import gtin14, random_digits, read
from linear_checks import assert_rejected, assert_svg_matches_raster, svg_texts


def test_decodes_random_gtins():
    rng = random.Random(74)
    d = bq.GS1DataBarLimited()
    for n in range(cases(80)):
        length = rng.randint(8, 13)
        code = (rng.choice("01") if length == 13 else "") + random_digits(rng, length - (length == 13))
        d.set_show_text(n % 3 != 0)
        d.set_fit_width(n % 4 == 0)
        width = rng.choice([74, 150, 300, 301, 500])
        assert read(d.draw_bytes(code, width, 60), zxingcpp.BarcodeFormat.DataBarLimited) == "01" + gtin14(code), code


@pytest.mark.parametrize("code", ["00000000", "1999999999999", "0000000000001", "1000000000000", "999999999999"])
def test_extreme_values_decode(code):
    assert read(bq.GS1DataBarLimited().draw_bytes(code, 300, 80)) == "01" + gtin14(code)


@pytest.mark.parametrize("code,message", [
    ("1234567", "Input must be 8-13 digits"),
    ("", "Input must be 8-13 digits"),
    ("12345678901234", "Input must be 8-13 digits"),
    ("1234567a", "GS1 DataBar Limited requires numeric digits only"),
    ("2000000000000", "GS1 DataBar Limited requires leading digit 0 or 1 after padding"),
])
def test_invalid_codes_report_on_stderr(code, message, stderr_lines):
    assert_rejected(bq.GS1DataBarLimited, code, "[GS1 DataBar Limited] " + message, stderr_lines)


def test_width_is_74_whole_modules():
    d = bq.GS1DataBarLimited()
    d.set_show_text(False)
    row = dark_columns(d.draw_bytes("0123456789012", 300, 30))
    # 4 pixels per module; the symbol starts with a light module and ends with a dark one.
    assert not row[:4].any() and row[292:296].all() and not row[296:].any()


def test_svg_drawing():
    d = bq.GS1DataBarLimited()
    d.set_output_format("svg")
    doc = d.draw("0123456789012", 300, 100)
    assert doc.startswith("<?xml")
    assert len(svg_rects(doc)) == 1 + 23  # background, then one rectangle per bar
    assert "".join(svg_texts(doc)) == "(01)01234567890128"
    assert d.draw_bytes("0123456789012", 300, 100) == b""  # no raster canvas was ever made


def test_svg_and_raster_share_the_bar_geometry():
    for code in ["00000000", "1999999999999", "0950110153001"]:
        assert_svg_matches_raster(bq.GS1DataBarLimited, code, 337)
