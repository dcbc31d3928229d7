import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases
from linear_checks import assert_rejected
from retail_support import decode_many, gs1_check_digit, random_digits


def expand(code7: str) -> str:
    """The UPC-A form of a number system digit and six data digits, by the last data digit."""
    s, last = code7, code7[6]
    if last in "012":
        return s[0:3] + last + "0000" + s[3:6]
    if last == "3":
        return s[0:4] + "00000" + s[4:6]
    if last == "4":
        return s[0:5] + "00000" + s[5]
    return s[0:6] + "0000" + last


def test_decodes_both_number_systems_and_every_expansion_rule():
    rng = random.Random(6)
    codes = []
    for i in range(cases(60)):
        ns = str(i % 2)
        code7 = ns + random_digits(rng, 5) + str(i // 2 % 10)
        full = code7 + gs1_check_digit(expand(code7))
        # 6 digits mean number system 0; otherwise alternate 7 and 8 digits
        given = code7[1:] if ns == "0" and i % 4 == 0 else code7 if i % 3 else full
        codes.append((given, full))
    decode_many(bq.UPC_E, zxingcpp.BarcodeFormat.UPCE, codes, 51, seed=4)


@pytest.mark.parametrize("extended", [True, False])
@pytest.mark.parametrize("output", ["png", "svg"])
def test_six_seven_and_eight_digits_draw_the_same_symbol(extended, output):
    c = bq.UPC_E()
    c.set_extended_guard(extended)
    c.set_output_format(output)
    drawn = {c.draw(code, 300, 100) for code in ("123456", "0123456", "01234565")}
    assert len(drawn) == 1 and drawn != {""}


@pytest.mark.parametrize(
    "code,line",
    [
        ("", "[UpcE] Invalid length (must be 6, 7 or 8 digits)."),
        ("12345", "[UpcE] Invalid length (must be 6, 7 or 8 digits)."),
        ("12345X789", "[UpcE] Invalid length (must be 6, 7 or 8 digits)."),  # length is tested first
        ("01234A", "[UpcE] Invalid character (non-digit found)."),
        ("0123 456", "[UpcE] Invalid character (non-digit found)."),
        ("2123456", "[UpcE] Invalid number system (must be 0 or 1)."),
        ("91234565", "[UpcE] Invalid number system (must be 0 or 1)."),
        ("01234564", "[UpcE] Invalid check digit"),
        ("11234565", "[UpcE] Invalid check digit"),
    ],
)
def test_invalid_codes_report_one_line(code, line, stderr_lines):
    assert_rejected(bq.UPC_E, code, line, stderr_lines)
