"""Data Matrix: every size and encodation read back by a real reader, size choice, messages, layout."""
import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import SANITIZED, cases, decode, png_image, svg_root, svg_rects

SQUARE = ["10x10", "12x12", "14x14", "16x16", "18x18", "20x20", "22x22", "24x24", "26x26", "32x32", "36x36",
          "40x40", "44x44", "48x48", "52x52", "64x64", "72x72", "80x80", "88x88", "96x96", "104x104", "120x120",
          "132x132", "144x144"]
RECTANGULAR = ["8x18", "8x32", "12x26", "12x36", "16x36", "16x48"]
SCHEMES = ["ASCII", "C40", "TEXT", "X12", "EDIFACT", "BASE256", "AUTO"]

# Alphabets that keep each encodation in its own mode most of the time, plus mixtures that make it
# switch back and forth.
ALPHABETS = {
    "C40": "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ",
    "TEXT": "abcdefghijklmnopqrstuvwxyz0123456789 ",
    "X12": "ABCXYZ0189 *>\r",
    "EDIFACT": "".join(map(chr, range(32, 95))),
    "BASE256": "aé€ü1A ÿ\x01",
    "ASCII": "".join(map(chr, range(1, 128))),
    "AUTO": "0123456789ABCdef*>é ",
}
MIXED = "0123456789ABCdef*>é \r:/=!\x7f"


def dimensions(size):
    rows, columns = map(int, size.split("x"))
    return rows, columns


def make(scheme="ASCII", size="AUTO"):
    d = bq.DataMatrix()
    d.set_encode_scheme(scheme)
    d.set_code_size(size)
    return d


def read(text, scheme="ASCII", size="AUTO"):
    """Draws text one pixel per module on a fresh object; returns what zxing-cpp reads (bytes) and the
    image size (columns, rows)."""
    png = make(scheme, size).draw_bytes(text, 1)
    assert png, f"nothing drawn for {text!r}"
    result = decode(png, formats=zxingcpp.BarcodeFormat.DataMatrix, scale=3)
    return (result.bytes if result else None), png_image(png).size


def longest_fitting(rng, alphabet, scheme, size):
    """A random text of alphabet characters about as long as the symbol holds in this scheme."""
    d = make(scheme, size)
    lo, hi, best = 1, 3200, None
    while lo <= hi:
        mid = (lo + hi) // 2
        text = "".join(rng.choice(alphabet) for _ in range(mid))
        if d.draw(text, 1):
            best, lo = text, mid + 1
        else:
            hi = mid - 1
    return best


@pytest.mark.parametrize("size", SQUARE + RECTANGULAR)
@pytest.mark.parametrize("scheme", SCHEMES)
def test_every_size_and_scheme_reads_back(scheme, size):
    rng = random.Random(f"{scheme}{size}")
    rows, columns = dimensions(size)
    for alphabet in (ALPHABETS[scheme],) if SANITIZED else (ALPHABETS[scheme], MIXED):
        text = longest_fitting(rng, alphabet, scheme, size)
        if text is None:  # nothing of this alphabet fits the smallest sizes in Base 256
            continue
        got, image_size = read(text, scheme, size)
        assert image_size == (columns, rows)
        assert got == text.encode(), (scheme, size, text)


@pytest.mark.parametrize("scheme", SCHEMES)
def test_random_texts_read_back(scheme):
    rng = random.Random(scheme)
    for _ in range(cases(25)):
        alphabet = rng.choice(list(ALPHABETS.values()) + [MIXED])
        length = rng.choice([1, 2, 3, 5, 8, 13, 40, 120, 400])
        text = "".join(rng.choice(alphabet) for _ in range(length))
        assert read(text, scheme)[0] == text.encode(), (scheme, text)


@pytest.mark.parametrize("scheme", SCHEMES)
def test_full_144x144(scheme):
    rng = random.Random(144)
    alphabet = {"ASCII": "0123456789", "X12": ALPHABETS["X12"], "EDIFACT": ALPHABETS["EDIFACT"]}.get(scheme, MIXED)
    text = longest_fitting(rng, alphabet, scheme, "AUTO")
    assert len(text) > 500
    got, image_size = read(text, scheme)
    assert image_size == (144, 144)
    assert got == text.encode()


def test_shift_jis_bytes():
    d = make()
    d.set_string_encoding("shift_jis")
    result = decode(d.draw_bytes("バーコード ABC", 200), formats=zxingcpp.BarcodeFormat.DataMatrix)
    assert result.bytes == "バーコード ABC".encode("cp932")


@pytest.mark.parametrize(
    "text,scheme,size,expected",
    [
        ("A", "ASCII", "AUTO", "10x10"),
        ("1234567", "ASCII", "AUTO", "12x12"),
        ("A", "ASCII", "8x18", "8x18"),
        ("A", "ASCII", "10X10", "10x10"),  # unknown size name: automatic
        ("AIMAIMAIM", "ASCII", "AUTO", "16x16"),
        ("AIMAIMAIM", "C40", "AUTO", "14x14"),
        ("AIMAIMAIM", "bogus", "AUTO", "14x14"),  # unknown scheme: the fewest codewords
        ("1" * 3116, "ASCII", "AUTO", "144x144"),
        ("A" * 1556, "ASCII", "AUTO", "144x144"),
    ],
)
def test_size_choice(text, scheme, size, expected):
    rows, columns = dimensions(expected)
    d = make(scheme, size)
    assert png_image(d.draw_bytes(text, 4 * columns)).size == (4 * columns, 4 * rows)


@pytest.mark.parametrize(
    "text,scheme,size,message",
    [
        ("", "ASCII", "AUTO", "Failed to encode data. Data may be empty or contain invalid characters."),
        ("", "C40", "12x12", "Failed to encode data. Data may be empty or contain invalid characters."),
        ("1" * 3117, "ASCII", "AUTO", "Failed to encode data. Data may be empty or contain invalid characters."),
        ("x" * 5000, "AUTO", "AUTO", "Failed to encode data. Data may be empty or contain invalid characters."),
        ("123456789012", "ASCII", "8x18", "Data too long for specified symbol size. Data requires 6 codewords, "
         "but symbol only supports 5 codewords. Use 'AUTO' or reduce data length."),
        ("ABCDEFGHIJ", "C40", "10x10", "Data too long for specified symbol size. Data requires 8 codewords, "
         "but symbol only supports 3 codewords. Use 'AUTO' or reduce data length."),
    ],
)
def test_failures_report_on_stderr(text, scheme, size, message, stderr_lines, tmp_path):
    d = make(scheme, size)
    assert d.draw_bytes(text, 100) == b""
    assert d.draw(text, 100) == ""
    assert d.draw_rect(text, 100, 50) == ""
    target = tmp_path / "dm.png"
    assert d.draw_to_file(text, 100, str(target)) is None
    assert not target.exists()
    d.set_output_format("svg")
    assert d.draw(text, 100) == ""
    assert stderr_lines() == ["[DataMatrix] " + message] * 5


def test_square_modules_and_canvas_size():
    # 10x10 at 95 pixels: 9-pixel modules, canvas 90 x 90; never below one pixel per module.
    assert png_image(make().draw_bytes("A", 95)).size == (90, 90)
    assert png_image(make().draw_bytes("A", 5)).size == (10, 10)
    # Rectangular 8x18 in a 180 x 180 square: modules of min(180 / 8, 180 / 18) = 10 pixels.
    assert png_image(make(size="8x18").draw_bytes("A", 180)).size == (180, 80)


def test_svg_document():
    d = make()
    d.set_output_format("svg")
    doc = d.draw("A", 95)
    root = svg_root(doc)
    assert (root.get("width"), root.get("height")) == ("90", "90")
    rects = svg_rects(doc)
    assert rects[0] == (0.0, 0.0, 90.0, 90.0, "rgb(255,255,255)")
    dark = {(x, y) for x, y, w, h, fill in rects[1:]}
    assert all(w == 9.0 and h == 9.0 for _, _, w, h, _ in rects[1:])
    # Solid left edge and bottom row, alternating top row, bottom-right dark, top-right light.
    assert all((0.0, 9.0 * r) in dark for r in range(10))
    assert all((9.0 * c, 81.0) in dark for c in range(10))
    assert all(((9.0 * c, 0.0) in dark) == (c % 2 == 0) for c in range(10))
    assert (81.0, 0.0) not in dark


def test_make_macro_messages_read_back_whole():
    """A "[)>" RS "05"/"06" GS ... RS EOT message goes as a Macro codeword; readers give back the
    header and trailer it stands for."""
    for message in ["[)>\x1e05\x1d01234567\x1e\x04", "[)>\x1e06\x1d9SABC123\x1d1PXYZ\x1e\x04"]:
        result = decode(bq.make("datamatrix", message, scale=4).png(), formats=zxingcpp.BarcodeFormat.DataMatrix)
        assert result is not None and result.bytes == message.encode(), message
