import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases
from retail_support import decode_many, gs1_check_digit, random_digits


def test_decodes_every_number_system_with_and_without_check_digit():
    rng = random.Random(12)
    codes = []
    for i in range(cases(40)):
        data = str(i % 10) + random_digits(rng, 10)
        full = data + gs1_check_digit(data)
        codes.append((data if i % 2 else full, full))
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
@pytest.mark.parametrize("output", ["png", "svg"])
def test_invalid_codes_report_one_line(code, message, output, stderr_lines):
    c = bq.UPC_A()
    c.set_output_format(output)
    assert c.draw(code, 300, 100) == ""
    assert stderr_lines() == ["[UpcA] " + message]
