import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases
from retail_support import decode_many, gs1_check_digit, random_digits


def test_decodes_every_leading_digit_with_and_without_check_digit():
    rng = random.Random(13)
    codes = []
    for i in range(cases(40)):
        data = str(i % 10) + random_digits(rng, 11)
        full = data + gs1_check_digit(data)
        codes.append((data if i % 2 else full, full))
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
@pytest.mark.parametrize("output", ["png", "svg"])
def test_invalid_codes_report_one_line(code, message, output, stderr_lines):
    c = bq.Jan13()
    c.set_output_format(output)
    assert c.draw(code, 300, 100) == ""
    assert stderr_lines() == ["[Jan13] " + message]
