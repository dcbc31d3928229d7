import pytest
import zxingcpp

import barcode_quor as bq
from linear_checks import assert_rejected
from retail_support import decode_many, leading_digit_codes


def test_decodes_every_leading_digit_with_and_without_check_digit():
    codes = leading_digit_codes(13, 12)
    decode_many(bq.Jan13, zxingcpp.BarcodeFormat.EAN13, codes, 95, seed=1)


@pytest.mark.parametrize("extended", [True, False])
def test_twelve_digits_draw_the_same_symbol_as_thirteen(extended):
    c = bq.Jan13()
    c.set_extended_guard(extended)
    assert c.draw_bytes("490123456789", 300, 100) == c.draw_bytes("4901234567894", 300, 100)


@pytest.mark.parametrize(
    "code,message",
    [
        ("", "Empty string"),
        ("12A", "Jan13 barcode requires numeric digits only"),
        ("４９０１２３４５６７８９", "Jan13 barcode requires numeric digits only"),
        ("490123\x0045678", "Jan13 barcode requires numeric digits only"),
        ("49012345678", "Jan13 barcode requires 12 or 13 digits"),
        ("4" * 100000, "Jan13 barcode requires 12 or 13 digits"),
        ("4901234567890", "Invalid check digit"),
    ],
)
def test_invalid_codes_report_one_line(code, message, stderr_lines):
    assert_rejected(bq.Jan13, code, "[Jan13] " + message, stderr_lines)
