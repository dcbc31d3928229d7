"""Micro QR and rMQR through make(): read back by zxing-cpp with their exact content, sizes and
levels as asked, and their errors."""
import random
import shutil
import subprocess

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, decode

F = zxingcpp.BarcodeFormat
TEXTS = ["12345", "HELLO WORLD", "Straße 5", "漢字テスト", "Grüße, naïve!"]


@pytest.mark.parametrize("text", TEXTS)
@pytest.mark.parametrize("error", ["L", "M"])
def test_micro_qr_reads_back(text, error):
    result = decode(bq.make("microqr", text, error=error).png(), formats=F.MicroQRCode)
    assert (result.text, result.ec_level) == (text, error)


@pytest.mark.parametrize("version, side", [("M1", 11), ("M2", 13), ("M3", 15), ("M4", 17)])
def test_micro_qr_version_fixes_the_size(version, side):
    symbol = bq.make("microqr", "1", version=version)
    assert symbol.encoded.width == side and decode(symbol.png(), formats=F.MicroQRCode).text == "1"


def test_micro_qr_refuses_what_it_cannot_hold():
    with pytest.raises(bq.InvalidDataError, match="M1 holds digits only"):
        bq.make("microqr", "A", version="M1")
    with pytest.raises(bq.InvalidOptionError, match="no option .eci."):
        bq.make("microqr", "A", eci=26)
    with pytest.raises(bq.DataTooLongError):
        bq.make("microqr", "1" * 36)
    with pytest.raises(bq.InvalidDataError) as raised:
        bq.make("microqr", "ab😀")
    assert raised.value.position == 2


@pytest.mark.parametrize("text", TEXTS + ["€ 12,50", "Привет"])
@pytest.mark.parametrize("error", ["M", "H"])
def test_rmqr_reads_back(text, error):
    result = decode(bq.make("rmqr", text, error=error).png(), formats=F.RMQRCode)
    assert (result.text, result.ec_level) == (text, error)


def test_rmqr_random_texts_in_every_height():
    rng = random.Random(23941)
    for _ in range(cases(30)):
        rows = rng.choice([7, 9, 11, 13, 15, 17])
        text = "".join(rng.choice("0123456789ABCDEFabcdef-./ äöü") for _ in range(rng.randint(1, 20)))
        symbol = bq.make("rmqr", text, rows=rows)
        assert symbol.encoded.row_count == rows
        assert decode(symbol.png(), formats=F.RMQRCode).text == text


def test_rmqr_eci_names_the_character_set():
    # ECI 7 is ISO-8859-5: one byte a Cyrillic letter, read back as the same text.
    symbol = bq.make("rmqr", "Привет", eci=7)
    result = decode(symbol.png(), formats=F.RMQRCode)
    assert result.text == "Привет" and result.bytes[:1] == bytes([0xBF])
    with pytest.raises(bq.InvalidDataError, match="no form in ECI 3"):
        bq.make("rmqr", "Привет", eci=3)


def test_rmqr_version_fixes_the_size():
    symbol = bq.make("rmqr", "1", version="R17x139", error="H")
    assert (symbol.encoded.width, symbol.encoded.row_count) == (139, 17)
    with pytest.raises(bq.DataTooLongError, match="R7x43"):
        bq.make("rmqr", "1" * 13, version="R7x43")
    with pytest.raises(bq.InvalidOptionError):
        bq.make("rmqr", "1", error="L")


# What readers expect: ASCII as it is, ISO-8859-1 text behind ECI 3, kanji text in Kanji mode (Shift
# JIS, no ECI), anything else UTF-8 behind ECI 26; eci= names the set.
QR_TEXTS = [("HELLO 5", {}, b"HELLO 5"), ("Straße 5", {}, b"Stra\xdfe 5"), ("naïve", {}, b"na\xefve"),
            ("€ 12,50", {}, "€ 12,50".encode()), ("漢字テスト", {}, "漢字テスト".encode("shift_jis")),
            ("Привет", {"eci": 7}, "Привет".encode("iso-8859-5")), ("Straße", {"eci": 26}, "Straße".encode())]


@pytest.mark.parametrize("text, options, stored", QR_TEXTS, ids=[t[0] for t in QR_TEXTS])
def test_qr_text_reads_back_in_the_set_readers_expect(text, options, stored):
    result = decode(bq.make("qr", text, **options).png(), formats=F.QRCode)
    assert (result.text, result.bytes) == (text, stored)


@pytest.mark.skipif(shutil.which("zbarimg") is None, reason="zbar is not installed")
@pytest.mark.parametrize("text", ["Straße 5", "Grüße", "naïve", "€ 12,50", "漢字テスト"])
def test_qr_text_reads_right_in_zbar(text, tmp_path):
    bq.make("qr", text).save(tmp_path / "qr.png")
    read = subprocess.run(["zbarimg", "-q", "--raw", str(tmp_path / "qr.png")], capture_output=True, check=True)
    assert read.stdout.decode().strip() == text


PDF_TEXTS = [("Straße 5", {}, b"Stra\xdfe 5"), ("€ 12,50", {}, "€ 12,50".encode()),
             ("Привет", {"eci": 7}, "Привет".encode("iso-8859-5")),
             ("Compact PDF417, 0123456789", {"compact": True}, b"Compact PDF417, 0123456789"),
             ("Grüße kompakt", {"compact": True, "columns": 2}, b"Gr\xfc\xdfe kompakt")]


@pytest.mark.parametrize("text, options, stored", PDF_TEXTS, ids=[t[0] for t in PDF_TEXTS])
def test_pdf417_text_reads_back_in_the_set_readers_expect(text, options, stored):
    symbol = bq.make("pdf417", text, scale=3, **options)
    result = decode(symbol.png(), formats=F.PDF417)
    assert (result.text, result.bytes) == (text, stored)
    # Compact symbols lose the right row indicator (17 modules) and 17 of the stop pattern's 18.
    full = bq.make("pdf417", text, **{**options, "compact": False})
    assert full.encoded.width - symbol.encoded.width == (34 if options.get("compact") else 0)


def test_upnqr_reads_back_as_iso_8859_2():
    text = "UPNQR\n\n\n\n\nJanez Novak\nDunajska 1\n1000 Ljubljana\n00000008105\n\n\nRENT\nPlačilo najemnine\n"
    symbol = bq.make("upnqr", text)
    result = decode(symbol.png(), formats=F.QRCode)
    assert (result.text, result.bytes[:5], symbol.encoded.width) == (text, b"UPNQR", 77)
    assert "Plačilo".encode("iso-8859-2") in result.bytes
    with pytest.raises(bq.InvalidDataError):
        bq.make("upnqr", "Привет")
