"""Aztec Code on make(): every option read back by zxing-cpp with its exact content, and bad input refused
with the option and its limit named."""
import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import decode

AZTEC = zxingcpp.BarcodeFormat.Aztec


def read(symbol):
    result = decode(symbol.png(), formats=AZTEC)
    assert result is not None
    return result


def carried(text, eci_charset=None):
    """The bytes a symbol carries: ISO-8859-1 when the text fits it, else UTF-8 (behind ECI 26)."""
    if eci_charset:
        return text.encode(eci_charset)
    try:
        return text.encode("latin-1")
    except UnicodeEncodeError:
        return text.encode()


@pytest.mark.parametrize("data, options, size", [
    ("Hello", {}, 15),
    ("Hello", {"compact": False}, 19),
    ("Hello", {"layers": 9}, 53),                      # full-range: compact stops at 4 layers
    ("Hello", {"layers": 3, "compact": True}, 23),
    ("Hello", {"error_percent": 90}, 27),
    ("Hello", {"reader_init": True}, 15),
    ("Reader init " + "x" * 20, {"reader_init": True}, 23),  # past 1 compact layer: full-range
    ("Straße 5", {}, 15),                              # fits ISO-8859-1: no ECI
    ("€ 12,50", {}, 19),                               # UTF-8 behind ECI 26
    ("Привет", {"eci": 7}, 19),                        # ISO-8859-5
    ("x" * 1500, {}, 109),                             # 12-bit words
])
def test_reads_back_at_the_size_asked(data, options, size):
    symbol = bq.make("aztec", data, **options)
    assert symbol.size == (size, size)
    assert read(symbol).bytes == carried(data, "iso-8859-5" if "eci" in options else None)


def test_seeded_texts_read_back():
    rng = random.Random(24778)
    alphabet = "ABCxyz0129 .,:\r\n!@~\x01\x7féü€日"
    for _ in range(60):
        data = "".join(rng.choice(alphabet) for _ in range(rng.randint(1, 300)))
        assert read(bq.make("aztec", data, scale=2)).bytes == carried(data)


def test_structured_append_symbols_read_as_parts():
    texts = ["PART ONE ", "part two ", "part 3"]
    for i, text in enumerate(texts, 1):
        result = read(bq.make("aztec", text, structured_append=f"{i},3,INVOICE7"))
        assert (result.text, result.symbology_identifier) == (text, "]z6")


def test_gs1_reads_as_gs1():
    result = read(bq.make("gs1-aztec", "(01)09501101530003(10)AB12(21)XYZ"))
    assert result.bytes == b"010950110153000310AB12\x1d21XYZ"
    assert (result.symbology_identifier, result.content_type) == ("]z1", zxingcpp.ContentType.GS1)


def test_rune_is_the_compact_core_alone():
    assert bq.make("aztec-rune", "255").size == (11, 11)


@pytest.mark.parametrize("options, error, words", [
    ({"layers": 1, "compact": True}, bq.DataTooLongError, "1 layer (compact) holds 11"),
    ({"structured_append": "1,27"}, bq.InvalidOptionError, 'structured_append count "27" is not 2 to 26'),
    ({"eci": 3}, bq.InvalidDataError, "ISO-8859-1"),
    ({"layers": 33}, bq.InvalidOptionError, "layers"),
    ({"error_percent": 95}, bq.InvalidOptionError, "error_percent"),
])
def test_refusals_name_the_option_and_limit(options, error, words):
    with pytest.raises(error, match=words.replace("(", r"\(").replace(")", r"\)")):
        bq.make("aztec", "Grüße aus 日本 " * 4, **options)
