import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases
from retail_support import decode_many, gs1_check_digit, random_digits


def test_decodes_generated_codes_with_and_without_check_digit():
    rng = random.Random(8)
    codes = []
    for i in range(cases(40)):
        data = str(i % 10) + random_digits(rng, 6)
        full = data + gs1_check_digit(data)
        codes.append((data if i % 2 else full, full))
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
@pytest.mark.parametrize("output", ["png", "svg"])
def test_invalid_codes_report_one_line(code, message, output, stderr_lines):
    c = bq.Jan8()
    c.set_output_format(output)
    assert c.draw(code, 300, 100) == ""
    assert stderr_lines() == ["[Jan8] " + message]
