import pytest
import zxingcpp

import barcode_quor as bq
from linear_checks import assert_rejected
from retail_support import decode_many, leading_digit_codes


def test_decodes_every_number_system_with_and_without_check_digit():
    codes = leading_digit_codes(12, 11)
    decode_many(bq.UPC_A, zxingcpp.BarcodeFormat.UPCA, codes, 95, seed=3)


def test_same_bars_as_jan13_with_leading_zero():
    upc, jan = bq.UPC_A(), bq.Jan13()
    for obj in (upc, jan):
        obj.set_extended_guard(False)
        obj.set_show_text(False)
    assert upc.draw_bytes("03600029145", 300, 60) == jan.draw_bytes("003600029145", 300, 60)


@pytest.mark.parametrize(
    "code,message",
    [
        ("", "Empty string"),
        ("0360002914a", "UPC-A barcode requires numeric digits only"),
        ("0360002914", "UPC-A barcode requires 11 or 12 digits"),
        ("0360002914521", "UPC-A barcode requires 11 or 12 digits"),
        ("036000291453", "Invalid check digit"),
    ],
)
def test_invalid_codes_report_one_line(code, message, stderr_lines):
    assert_rejected(bq.UPC_A, code, "[UpcA] " + message, stderr_lines)
