"""GS1 element strings: the module functions, GS1 QR Code and Data Matrix read by a real reader, and
what GS1 DataBar Expanded's padding cases decode to."""
import pytest
import zxingcpp

import barcode_quor as bq
from conftest import decode
from databar_support import read

ELEMENTS = "(01)09501101530003(17)251231(10)AB%C123(21)xyz"
CARRIED = "010950110153000317251231" "10AB%C123\x1d21xyz"  # FNC1 after (10) as GS; none after (17)


def test_parse_splits_fields():
    assert bq.gs1_parse("(01)09501101530003(17)251231(10)ABC123") == [
        ("01", "09501101530003"), ("17", "251231"), ("10", "ABC123")]
    assert bq.gs1_parse("{FNC1}0109501101530003{AI}10A") == [("01", "09501101530003"), ("10", "A")]


@pytest.mark.parametrize("data, where", [("(01", "position 0"), ("(10)(21)x", "position 4"), ("", "position 0")])
def test_parse_refuses_malformed_strings(data, where):
    with pytest.raises(ValueError, match=where):
        bq.gs1_parse(data)


def test_validate_names_the_fault():
    assert bq.gs1_validate("(01)09501101530003(17)251200(10)ABC123") is None
    with pytest.raises(ValueError, match=r"AI \(01\) at position 17: bad check digit 4, expected 3"):
        bq.gs1_validate("(01)09501101530004")


def test_convert_between_forms():
    assert bq.gs1_convert(ELEMENTS, "gs1_128") == "{FNC1}0109501101530003{AI}17251231{AI}10AB%C123{FNC1}21xyz"
    assert bq.gs1_convert(ELEMENTS, "databar_expanded") == "0109501101530003{AI}17251231{AI}10AB%C123[{AI}21xyz"
    assert bq.gs1_convert(bq.gs1_convert(ELEMENTS, "gs1_128"), "bracketed") == ELEMENTS
    with pytest.raises(ValueError, match="unknown form"):
        bq.gs1_convert(ELEMENTS, "qr")


QR = (bq.QR, zxingcpp.BarcodeFormat.QRCode, "]Q3")
DM = (bq.DataMatrix, zxingcpp.BarcodeFormat.DataMatrix, "]d2")


@pytest.mark.parametrize("kind, setup, elements", [
    (QR, lambda q: None, ELEMENTS),
    (QR, lambda q: q.set_encode_mode("ALPHANUMERIC"), ELEMENTS.upper()),  # '%' for FNC1, "%%" for '%'
    (DM, lambda d: None, ELEMENTS),
    (DM, lambda d: d.set_encode_scheme("C40"), ELEMENTS),
    (DM, lambda d: d.set_encode_scheme("AUTO"), ELEMENTS),
])
def test_gs1_matrix_symbols_read_as_gs1(kind, setup, elements):
    cls, fmt, identifier = kind
    symbol = cls()
    symbol.set_gs1(True)
    setup(symbol)
    result = decode(symbol.draw_bytes(elements, 300), formats=fmt)
    assert result.symbology_identifier == identifier
    assert result.content_type == zxingcpp.ContentType.GS1
    assert result.bytes.decode() == (CARRIED if elements == ELEMENTS else CARRIED.upper())
    assert result.text == elements


def test_gs1_is_off_by_default():
    result = decode(bq.DataMatrix().draw_bytes("(01)1", 200), formats=zxingcpp.BarcodeFormat.DataMatrix)
    assert (result.symbology_identifier, result.text) == ("]d1", "(01)1")


@pytest.mark.parametrize("code, stacked, columns, carried", [
    # Five symbol characters: a sixth in rows of two, padded "0000" "00100" after numeric mode.
    ("0100012345678905", True, 2, "0100012345678905"),
    ("0100012345678905", False, None, "0100012345678905"),
    # The last digit in 4 bits in one row, in 7 bits once rows of six need an eighth character.
    ("4001234567890123456", True, 3, "4001234567890123456"),
    ("4001234567890123456", False, None, "4001234567890123456"),
])
def test_expanded_padding_cases_read_back(code, stacked, columns, carried):
    x = bq.GS1DataBarExpanded()
    x.set_symbol_type("STACKED" if stacked else "UNSTACKED")
    if columns:
        x.set_no_of_columns(columns)
    assert read(x.draw_bytes(code, 900, 300 if stacked else 100)) == carried


def test_expanded_refuses_a_price_without_digits():
    assert bq.GS1DataBarExpanded().draw_bytes("0192345678901237{AI}3921", 600, 100) == b""
