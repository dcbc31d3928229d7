import pytest
import zxingcpp

import barcode_quor as bq
from linear_checks import assert_rejected
from retail_support import decode_many, leading_digit_codes


def test_decodes_generated_codes_with_and_without_check_digit():
    codes = leading_digit_codes(8, 7)
    decode_many(bq.Jan8, zxingcpp.BarcodeFormat.EAN8, codes, 67, seed=2)


@pytest.mark.parametrize("extended", [True, False])
def test_seven_digits_draw_the_same_symbol_as_eight(extended):
    c = bq.Jan8()
    c.set_extended_guard(extended)
    assert c.draw_bytes("4901234", 200, 80) == c.draw_bytes("49012347", 200, 80)


@pytest.mark.parametrize(
    "code,message",
    [
        ("", "Empty string"),
        ("490123x", "Jan8 barcode requires numeric digits only"),
        ("490123", "Jan8 barcode requires 7 or 8 digits"),
        ("490123456", "Jan8 barcode requires 7 or 8 digits"),
        ("49012340", "Invalid check digit"),
    ],
)
def test_invalid_codes_report_one_line(code, message, stderr_lines):
    assert_rejected(bq.Jan8, code, "[Jan8] " + message, stderr_lines)
