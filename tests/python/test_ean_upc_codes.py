"""What JAN-13, JAN-8 and UPC-A accept: codes with and without their check digit, read back by a
real reader, and one message for each code they refuse."""
from dataclasses import dataclass

import pytest
import zxingcpp

import barcode_quor as bq
from linear_checks import assert_rejected
from retail_support import decode_many, gs1_check_digit, leading_digit_codes

F = zxingcpp.BarcodeFormat


@dataclass
class Code:
    cls: type
    format: object
    digits: int  # data digits before the check digit
    modules: int
    seed: int
    short: str  # a code without its check digit


CODES = [
    Code(bq.Jan13, F.EAN13, 12, 95, 13, "490123456789"),
    Code(bq.Jan8, F.EAN8, 7, 67, 8, "4901234"),
    Code(bq.UPC_A, F.UPCA, 11, 95, 12, "03600029145"),
]
IDS = [c.cls.__name__ for c in CODES]


@pytest.mark.parametrize("c", CODES, ids=IDS)
def test_decodes_every_leading_digit_with_and_without_check_digit(c):
    decode_many(c.cls, c.format, leading_digit_codes(c.seed, c.digits), c.modules, seed=c.seed)


@pytest.mark.parametrize("extended", [True, False])
@pytest.mark.parametrize("c", CODES, ids=IDS)
def test_code_without_check_digit_draws_the_same_symbol(c, extended):
    obj = c.cls()
    obj.set_extended_guard(extended)
    assert obj.draw_bytes(c.short, 300, 100) == obj.draw_bytes(c.short + gs1_check_digit(c.short), 300, 100)


def test_upc_a_draws_the_bars_of_jan13_with_a_leading_zero():
    upc, jan = bq.UPC_A(), bq.Jan13()
    for obj in (upc, jan):
        obj.set_extended_guard(False)
        obj.set_show_text(False)
    assert upc.draw_bytes("03600029145", 300, 60) == jan.draw_bytes("003600029145", 300, 60)


# class, code, the line each draw writes
REFUSED = [
    (bq.Jan13, "", "[Jan13] Empty string"),
    (bq.Jan13, "12A", "[Jan13] Jan13 barcode requires numeric digits only"),
    (bq.Jan13, "４９０１２３４５６７８９", "[Jan13] Jan13 barcode requires numeric digits only"),
    (bq.Jan13, "490123\x0045678", "[Jan13] Jan13 barcode requires numeric digits only"),
    (bq.Jan13, "49012345678", "[Jan13] Jan13 barcode requires 12 or 13 digits"),
    (bq.Jan13, "4" * 100000, "[Jan13] Jan13 barcode requires 12 or 13 digits"),
    (bq.Jan13, "4901234567890", "[Jan13] Invalid check digit"),
    (bq.Jan8, "", "[Jan8] Empty string"),
    (bq.Jan8, "490123x", "[Jan8] Jan8 barcode requires numeric digits only"),
    (bq.Jan8, "490123", "[Jan8] Jan8 barcode requires 7 or 8 digits"),
    (bq.Jan8, "490123456", "[Jan8] Jan8 barcode requires 7 or 8 digits"),
    (bq.Jan8, "49012340", "[Jan8] Invalid check digit"),
    (bq.UPC_A, "", "[UpcA] Empty string"),
    (bq.UPC_A, "0360002914a", "[UpcA] UPC-A barcode requires numeric digits only"),
    (bq.UPC_A, "0360002914", "[UpcA] UPC-A barcode requires 11 or 12 digits"),
    (bq.UPC_A, "0360002914521", "[UpcA] UPC-A barcode requires 11 or 12 digits"),
    (bq.UPC_A, "036000291453", "[UpcA] Invalid check digit"),
]


@pytest.mark.parametrize("cls,code,line", REFUSED, ids=[f"{c.__name__}-{code[:14]}" for c, code, _ in REFUSED])
def test_invalid_codes_report_one_line(cls, code, line, stderr_lines):
    assert_rejected(cls, code, line, stderr_lines)
