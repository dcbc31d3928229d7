"""Smallest symbols: make()'s Data Matrix over every encodation (by area, over square and rectangular
sizes, and over square ones alone), QR Code in mixed segments, and Code 128 and GS1-128 with Shift
and the shortest set choice are never larger than zint's choice for the same data and level, and
read back with zxing-cpp."""
import random
import shutil
import subprocess

import pytest
import zxingcpp

import _barcode_quor_native as native
import barcode_quor as bq
from conftest import decode

pytestmark = pytest.mark.skipif(shutil.which("zint") is None, reason="zint is the size reference")

KANJI = "日本語漢字東京都千代田区丸の内一二三四五六七八九十円年月日時分秒人口山川田中林森"
ALPHABETS = {
    "digits": "0123456789",
    "upper": "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ",
    "mixed": "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 -./:*>\r@%$",
}
CSET82 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!\"%&'*+,-./:;<=>?_"


def label_text(rng, kind):
    """Runs from one alphabet broken by runs from the others, as labels mix them."""
    if kind == "unicode":  # one to three UTF-8 bytes a character: byte mode and Base 256 data
        return "".join(chr(rng.randrange(1, 0x1000)) for _ in range(rng.randint(1, 100)))
    if kind == "kanji":
        sources = [KANJI, "カタカナアイウ", "0123456789", "ABCDEFGHIJ", "abcdef"]
        return "".join(rng.choice(src) for src in rng.choices(sources, k=rng.randint(1, 60)))
    text = ""
    for _ in range(rng.randint(1, 8)):
        src = ALPHABETS[kind] if rng.random() < 0.7 else rng.choice(list(ALPHABETS.values()))
        text += "".join(rng.choice(src) for _ in range(rng.randint(1, 40)))
    return text


def gs1_fields(rng):
    fields = []
    for _ in range(rng.randint(1, 5)):
        ai = rng.choice(["01", "10", "21", "17", "3103", "400", "91"])
        if ai == "01":
            value = "".join(rng.choice("0123456789") for _ in range(14))
        elif ai in ("17", "3103"):
            value = "".join(rng.choice("0123456789") for _ in range(6))
        else:
            src = rng.choice([CSET82, "0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"])
            value = "".join(rng.choice(src) for _ in range(rng.randint(1, 30)))
        fields.append((ai, value))
    return fields


def gs1_data(fields):
    """What a reader delivers: the fields with GS after each variable-length one but the last."""
    out = ""
    for i, (ai, value) in enumerate(fields):
        out += ai + value + ("\x1d" if ai not in ("01", "17", "3103") and i < len(fields) - 1 else "")
    return out.encode()


def zint_dump(args, data):
    """zint's modules, a row a line in hex."""
    escaped = "".join("\\\\" if b == 92 else chr(b) if 32 <= b < 127 else "\\x%02X" % b for b in data)
    out = subprocess.run(["zint", *args, "--esc", "--dump", "-d", escaped], capture_output=True, text=True)
    return out.stdout.splitlines() if out.returncode == 0 else None


def zint_rows(args, data):
    lines = zint_dump(args, data)
    return None if lines is None else len(lines)


def zint_data_matrix_area(args, data):
    """Rows times columns; a dumped row has a hex digit for every four columns, which tells the
    square and the rectangular sizes of the same height apart."""
    lines = zint_dump(args, data)
    rows, digits = len(lines), len(lines[0].replace(" ", ""))
    columns = next(c for c in (rows, 18, 32, 26, 36, 48) if (c + 3) // 4 == digits)
    return rows * columns


def read_back(symbology, data, **options):
    """make()'s symbol: its rows, and what zxing-cpp reads from its PNG."""
    symbol = bq.make(symbology, data, scale=3, **options)
    formats = zxingcpp.BarcodeFormat.DataMatrix if "datamatrix" in symbology else zxingcpp.BarcodeFormat.QRCode
    result = decode(symbol.png(), formats=formats)
    assert result is not None, data
    return symbol.size, result


def cases():
    rng = random.Random(20261207)
    for kind in ["digits", "upper", "mixed", "unicode"]:
        for _ in range(40):
            yield kind, label_text(rng, kind), None
    for _ in range(40):
        yield "kanji", label_text(rng, "kanji"), None
    for _ in range(40):
        yield "gs1", None, gs1_fields(rng)


def test_data_matrix_no_larger_than_zint_and_reads_back():
    rectangles = 0
    for kind, data, fields in cases():
        if kind == "kanji":
            continue
        gs1 = fields is not None
        ours = "".join("(%s)%s" % f for f in fields) if gs1 else data
        theirs = "".join("[%s]%s" % f for f in fields).encode() if gs1 else data.encode()
        args = ["-b", "71", *(["--gs1", "--gs1nocheck"] if gs1 else ["--binary"])]
        for shape, zint_shape in (("any", []), ("square", ["--square"])):
            zint = zint_data_matrix_area([*args, *zint_shape], theirs)
            (columns, rows), result = (read_back("gs1-datamatrix", ours, validate=False, shape=shape) if gs1
                                       else read_back("datamatrix", ours, shape=shape))
            assert rows * columns <= zint, (ours, shape)
            assert result.bytes == (gs1_data(fields) if gs1 else theirs)
            assert result.symbology_identifier == ("]d2" if gs1 else "]d1")
            rectangles += rows != columns
    assert rectangles > 0  # rectangular symbols were among those read back


@pytest.mark.parametrize("level", ["L", "M", "Q", "H"])
def test_qr_no_larger_than_zint_and_reads_back(level):
    secure = "--secure=%d" % ("LMQH".index(level) + 1)
    for kind, data, fields in cases():
        gs1 = fields is not None
        if gs1:
            ours = "".join("(%s)%s" % f for f in fields)
            zint = zint_rows(["-b", "58", secure, "--gs1", "--gs1nocheck"], "".join("[%s]%s" % f for f in fields).encode())
            (_, rows), result = read_back("gs1-qr", ours, error=level, validate=False)
            expected = gs1_data(fields)
        elif kind == "kanji":  # zint reads UTF-8 and turns it into Shift JIS itself
            zint = zint_rows(["-b", "58", secure], data.encode())
            (_, rows), result = read_back("qr", data, error=level, encoding="shift_jis")
            expected = data.encode("shift_jis")
        else:  # both UTF-8 behind ECI 26 (ISO-8859-1 text goes behind ECI 3 by default, where zint writes none)
            zint = zint_rows(["-b", "58", secure, "--eci=26"], data.encode())
            (_, rows), result = read_back("qr", data, error=level, eci=26)
            expected = data.encode()
        assert rows <= zint, data or fields
        assert result.bytes == expected
        assert result.symbology_identifier == ("]Q3" if gs1 else "]Q1")


def zint_width(args, data):
    """Modules across zint's one-row symbol: hex digits of its dump, less the padding after the stop bar."""
    bits = "".join(format(int(h, 16), "0%db" % (4 * len(h))) for h in zint_dump(args, data)[0].split())
    return len(bits.rstrip("0"))


def code128_text(rng):
    """Runs of digits, upper case, lower case and control characters: every set and Shift is used."""
    runs = ["0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", "".join(map(chr, range(32))),
            " !#$%&()*+,-./:;<=>?@[]^_`{|}~"]
    return "".join("".join(rng.choice(run) for _ in range(rng.randint(1, 8)))
                   for run in rng.choices(runs, k=rng.randint(1, 6)))


def test_code128_no_longer_than_zint_and_reads_back():
    rng = random.Random(128)
    for _ in range(150):
        data = code128_text(rng)
        assert native.encode("code128", data).width <= zint_width(["-b", "20"], data.encode()), data
        result = decode(bq.make("code128", data, scale=2, show_text=False).png(), formats=zxingcpp.BarcodeFormat.Code128)
        assert result is not None and result.bytes == data.encode(), data


def test_gs1_128_no_longer_than_zint_and_reads_back():
    rng = random.Random(16)
    for _ in range(150):
        fields = gs1_fields(rng)
        ours = "".join("(%s)%s" % f for f in fields)
        zint = zint_width(["-b", "16", "--gs1nocheck"], "".join("[%s]%s" % f for f in fields).encode())
        assert native.encode("gs1-128", ours, gs1_validate=False).width <= zint, ours
        png = bq.make("gs1-128", ours, scale=2, show_text=False, validate=False).png()
        result = decode(png, formats=zxingcpp.BarcodeFormat.Code128)
        assert result is not None and result.bytes == gs1_data(fields), ours
        assert result.symbology_identifier == "]C1"


def test_pdf417_no_taller_than_zint_and_reads_back():
    """Same columns and error correction level: never more rows than zint's compaction."""
    rng = random.Random(417)
    alphabets = ["0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ ", "abcdefghijklmnopqrstuvwxyz ",
                 "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~", "\t\r\n", "éü€日本"]
    for round in range(100):
        data = "".join("".join(rng.choice(run) for _ in range(rng.randint(1, 20)))
                       for run in rng.choices(alphabets, weights=[3, 3, 3, 2, 1, 1], k=rng.randint(1, 8)))
        columns, level = rng.randint(2, 10), rng.randint(0, 5)
        try:  # as make() writes it: ISO-8859-1 when the text fits, else UTF-8 behind ECI 26
            written, eci = data.encode("latin-1"), []
        except UnicodeEncodeError:
            written, eci = data.encode(), ["--eci=26"]
        zint = zint_rows(["-b", "55", "--binary", *eci, "--cols=%d" % columns, "--secure=%d" % level], written)
        assert native.encode("pdf417", data, columns=columns, error_level=level).row_count <= zint, data
        if round % 4 == 0:
            png = bq.make("pdf417", data, columns=columns, error_level=level, scale=2).png()
            result = decode(png, formats=zxingcpp.BarcodeFormat.PDF417)
            assert result is not None and result.bytes == written, data


@pytest.mark.parametrize("error_percent, secure", [(10, 1), (23, 2), (50, 4)])
def test_aztec_no_larger_than_zint_and_reads_back(error_percent, secure):
    for kind, data, fields in cases():
        if kind == "kanji":
            continue
        if fields is not None:
            zint = zint_rows(["-b", "92", "--secure=%d" % secure, "--gs1", "--gs1nocheck"],
                             "".join("[%s]%s" % f for f in fields).encode())
            symbol = bq.make("gs1-aztec", "".join("(%s)%s" % f for f in fields), validate=False,
                             error_percent=error_percent)
            expected = gs1_data(fields)
        else:  # ISO-8859-1 when the text fits it, else UTF-8 behind ECI 26, as here
            try:
                expected, eci = data.encode("latin-1"), []
            except UnicodeEncodeError:
                expected, eci = data.encode(), ["--eci=26"]
            zint = zint_rows(["-b", "92", "--secure=%d" % secure, "--binary", *eci], expected)
            symbol = bq.make("aztec", data, error_percent=error_percent)
        assert symbol.size[1] <= zint, data or fields
        result = decode(symbol.png(), formats=zxingcpp.BarcodeFormat.Aztec)
        assert result.bytes == expected
