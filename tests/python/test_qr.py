"""QR Code: every version and level read back by a real reader, string encodings, settings, errors
and the module layout of raster and SVG drawings."""
import base64
import random

import numpy as np
import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, decode, pixels, svg_rects, svg_root

QR_CODE = zxingcpp.BarcodeFormat.QRCode
LEVELS = "LMQH"
ALPHANUMERIC = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:"

# Data codewords per version 1..40 at levels L, M, Q, H (the published capacity table).
DATA_CODEWORDS = [
    (19, 16, 13, 9), (34, 28, 22, 16), (55, 44, 34, 26), (80, 64, 48, 36), (108, 86, 62, 46),
    (136, 108, 76, 60), (156, 124, 88, 66), (194, 154, 110, 86), (232, 182, 132, 100),
    (274, 216, 154, 122), (324, 254, 180, 140), (370, 290, 206, 158), (428, 334, 244, 180),
    (461, 365, 261, 197), (523, 415, 295, 223), (589, 453, 325, 253), (647, 507, 367, 283),
    (721, 563, 397, 313), (795, 627, 445, 341), (861, 669, 485, 385), (932, 714, 512, 406),
    (1006, 782, 568, 442), (1094, 860, 614, 464), (1174, 914, 664, 514), (1276, 1000, 718, 538),
    (1370, 1062, 754, 596), (1468, 1128, 808, 628), (1531, 1193, 871, 661), (1631, 1267, 911, 701),
    (1735, 1373, 985, 745), (1843, 1455, 1033, 793), (1955, 1541, 1115, 845),
    (2071, 1631, 1171, 901), (2191, 1725, 1231, 961), (2306, 1812, 1286, 986),
    (2434, 1914, 1354, 1054), (2566, 1992, 1426, 1096), (2702, 2102, 1502, 1142),
    (2812, 2216, 1582, 1222), (2956, 2334, 1666, 1276),
]


def capacity(version, level, mode):
    """Characters (bytes in byte mode) of one segment that fit the version at the level."""
    bits = 8 * DATA_CODEWORDS[version - 1][LEVELS.index(level)]
    band = 0 if version <= 9 else 1 if version <= 26 else 2
    count_bits = {"numeric": (10, 12, 14), "alphanumeric": (9, 11, 13), "byte": (8, 16, 16)}[mode][band]
    free = bits - 4 - count_bits
    if mode == "numeric":
        return 3 * (free // 10) + (2 if free % 10 >= 7 else 1 if free % 10 >= 4 else 0)
    if mode == "alphanumeric":
        return 2 * (free // 11) + (1 if free % 11 >= 6 else 0)
    return free // 8


def random_text(rng, mode, length):
    """Text of `length` characters (numeric, alphanumeric) or UTF-8 bytes (byte mode)."""
    if mode == "numeric":
        return "".join(rng.choice("0123456789") for _ in range(length))
    if mode == "alphanumeric":
        return "".join(rng.choice(ALPHANUMERIC) for _ in range(length))
    parts, size = [], 0
    while size < length:
        ch = rng.choice("abcXYZ019 ~\\\"<&\n\té€日本ü") if length - size >= 3 else rng.choice("az09 -")
        parts.append(ch)
        size += len(ch.encode())
    return "".join(parts)


def symbol_fills(png, size):
    """True when the top-right finder reaches the right edge of a size x size drawing."""
    px = pixels(png)
    return px.shape[:2] == (size, size) and px[0, size - 1, 0] < 128 and px[size - 1, 0, 0] < 128


VERSIONS = list(range(1, 41)) if cases(40) == 40 else [1, 2, 6, 7, 9, 10, 14, 26, 27, 40]


@pytest.mark.parametrize("version", VERSIONS)
def test_every_version_and_level_reads_back(version):
    rng = random.Random(version)
    for i, level in enumerate(LEVELS):
        mode = ("numeric", "alphanumeric", "byte")[(version + i) % 3]
        low = capacity(version - 1, level, mode) + 1 if version > 1 else 1
        text = random_text(rng, mode, rng.randint(low, capacity(version, level, mode)))
        q = bq.QR()
        q.set_error_correction_level(level)
        q.set_encode_mode(mode.upper())
        n = 4 * version + 17
        png = q.draw_bytes(text, 2 * n)
        assert symbol_fills(png, 2 * n), f"version {version} {level} {mode}: not version {version}"
        result = decode(png, formats=QR_CODE, pure=True)
        assert result is not None, f"version {version} {level} {mode} not read"
        assert result.bytes == text.encode(), f"version {version} {level} {mode}"
        assert result.ec_level == level


def test_requested_version_is_kept_when_larger():
    q = bq.QR()
    q.set_version(7)
    png = q.draw_bytes("A", 45 * 2)
    assert symbol_fills(png, 90)
    assert decode(png, formats=QR_CODE).text == "A"
    q.set_version(1)  # too small for the data: the version that fits is used
    assert symbol_fills(q.draw_bytes("x" * capacity(5, "M", "byte"), 2 * 37), 2 * 37)


@pytest.mark.parametrize("value", [41, -1, 1000])
def test_versions_out_of_range_mean_automatic(value):
    q = bq.QR()
    q.set_version(5)
    q.set_version(value)
    assert q.draw_bytes("HELLO", 100) == bq.QR().draw_bytes("HELLO", 100)


@pytest.mark.parametrize("level,stored", [("L", "L"), ("M", "M"), ("Q", "Q"), ("H", "H"), ("l", "M"), ("h", "M"), ("", "M")])
def test_error_correction_levels(level, stored):
    q = bq.QR()
    q.set_error_correction_level("H")
    q.set_error_correction_level(level)
    assert decode(q.draw_bytes("level test", 200), formats=QR_CODE).ec_level == stored


def test_numeric_and_alphanumeric_modes_are_denser():
    digits = "0123456789" * 4  # 40 digits: version 1 in numeric mode, version 3 in byte mode
    q = bq.QR()
    q.set_error_correction_level("L")
    q.set_encode_mode("NUMERIC")
    assert symbol_fills(q.draw_bytes(digits, 42), 42)
    q.set_encode_mode("BYTE")
    assert symbol_fills(q.draw_bytes(digits, 58), 58)
    q.set_encode_mode("ALPHANUMERIC")
    assert symbol_fills(q.draw_bytes("HTTP://EXAMPLE.COM/A-B", 42), 42)
    for word in ("AUTO", "KANJI", "numeric", "anything"):  # all byte mode
        q.set_encode_mode(word)
        assert symbol_fills(q.draw_bytes(digits, 58), 58), word


@pytest.mark.parametrize(
    "mode,text,message",
    [
        ("NUMERIC", "123A5", "Invalid character for NUMERIC mode: A"),
        ("NUMERIC", "12 34", "Invalid character for NUMERIC mode:  "),
        ("NUMERIC", "１２", "Invalid character for NUMERIC mode: １"),
        ("ALPHANUMERIC", "ABCd", "Invalid character for ALPHANUMERIC mode: d"),
        ("ALPHANUMERIC", "A_B", "Invalid character for ALPHANUMERIC mode: _"),
        ("ALPHANUMERIC", "Aé", "Invalid character for ALPHANUMERIC mode: é"),
    ],
)
def test_invalid_characters_raise(mode, text, message):
    q = bq.QR()
    q.set_encode_mode(mode)
    for draw in (lambda: q.draw_bytes(text, 100), lambda: q.draw(text, 100), lambda: q.draw_rect(text, 100, 50)):
        with pytest.raises(RuntimeError) as error:
            draw()
        assert str(error.value) == message
    q.set_output_format("svg")
    with pytest.raises(RuntimeError):
        q.draw(text, 100)


def test_too_long_raises_only_at_the_higher_level():
    text = "x" * 2000
    q = bq.QR()
    q.set_error_correction_level("H")
    with pytest.raises(RuntimeError) as error:
        q.draw_bytes(text, 400)
    assert str(error.value) == (
        "Data too long for QR Code. Data requires more capacity than Version 40 can provide. "
        "Reduce data length or use a lower error correction level."
    )
    q.set_error_correction_level("L")
    assert decode(q.draw_bytes(text, 3 * 149), formats=QR_CODE, pure=True).text == text


# ---- String encodings -------------------------------------------------------------------------------


@pytest.mark.parametrize("encoding", ["shift_jis", "shift-jis", "Shift-JIS"])
def test_shift_jis_text(encoding):
    text = "QRコード、日本語テキスト。ｶﾀｶﾅ ～ ①Ⅱ㈱ 髙﨑"
    q = bq.QR()
    q.set_string_encoding(encoding)
    result = decode(q.draw_bytes(text, 300), formats=QR_CODE)
    assert result.bytes == b"".join(windows_932(ch) for ch in text)
    assert result.bytes.decode("cp932") == text


def test_kanji_mode_word_writes_shift_jis_bytes():
    q = bq.QR()
    q.set_string_encoding("shift_jis")
    q.set_encode_mode("KANJI")
    assert decode(q.draw_bytes("漢字モード", 200), formats=QR_CODE).bytes == "漢字モード".encode("cp932")


@pytest.mark.parametrize("encoding", ["utf-8", "UTF-8", "SJIS", "shift_JIS", ""])
def test_other_encodings_keep_utf8(encoding):
    text = "日本語 ü €"
    q = bq.QR()
    q.set_string_encoding(encoding)
    assert decode(q.draw_bytes(text, 300), formats=QR_CODE).bytes == text.encode()


def test_characters_without_a_shift_jis_form_become_question_marks():
    q = bq.QR()
    q.set_string_encoding("shift_jis")
    assert decode(q.draw_bytes("café 한글 😀 ok", 300), formats=QR_CODE).bytes == b"caf? ?? ? ok"


def windows_932(ch):
    """The code page 932 bytes of a character as Windows writes them: Python's table, except that
    Windows writes the IBM code (0xFA40..0xFC4B) where Python picks its NEC-selected copy."""
    code = ch.encode("cp932")
    if len(code) == 2 and code[0] in (0xED, 0xEE):
        return IBM_CODES[ch]
    return code


IBM_CODES = {}
for _lead in (0xFA, 0xFB, 0xFC):
    for _trail in range(0x40, 0xFD):
        try:
            IBM_CODES.setdefault(bytes([_lead, _trail]).decode("cp932"), bytes([_lead, _trail]))
        except UnicodeDecodeError:
            pass


def test_the_whole_code_page_932_table():
    chars = []
    for cp in range(0x80, 0x10000):
        if 0xD800 <= cp < 0xE000:
            continue
        try:
            chr(cp).encode("cp932")
        except UnicodeEncodeError:
            continue
        chars.append(chr(cp))
    assert len(chars) > 9000
    q = bq.QR()
    q.set_string_encoding("shift_jis")
    q.set_error_correction_level("L")
    step = 700
    for start in range(0, len(chars), step):
        chunk = "".join(chars[start : start + step])
        result = decode(q.draw_bytes(chunk, 2 * 177), formats=QR_CODE, pure=True)
        assert result is not None, f"chunk at {start} not read"
        expected = b"".join(windows_932(ch) for ch in chunk)
        assert result.bytes == expected, f"chunk at {start}"


# ---- Layout -----------------------------------------------------------------------------------------


def dark(px):
    return px[:, :, 0] < 128


def test_rectangular_drawing_with_whole_pixel_modules():
    q = bq.QR()
    px = pixels(q_png(q, "HELLO", 100, 50))
    assert px.shape[:2] == (50, 100)
    d = dark(px)
    # 21 x 21 modules of 4 x 2 pixels: 84 x 42 at the top left, the rest background.
    assert d[0, 0] and d[0, 83] and d[41, 0]
    assert not d[:, 84:].any() and not d[42:, :].any()
    assert d[0, :28].all() and not d[0, 28:32].any()  # finder row 0 (7 modules), separator


def q_png(q, text, width, height):
    """PNG bytes of a draw_rect (through its data URI)."""
    uri = q.draw_rect(text, width, height)
    assert uri.startswith("data:image/png;base64,")
    return base64.b64decode(uri.split(",", 1)[1])


def test_fit_width_fills_the_drawing():
    q = bq.QR()
    q.set_fit_width(True)
    d = dark(pixels(q_png(q, "HELLO", 100, 50)))
    assert d[0, 99] and d[49, 0]
    edges = [round(i * 100 / 21) for i in range(8)]
    assert d[0, : edges[7]].all() and not d[0, edges[7] : round(8 * 100 / 21)].any()
    assert decode(q_png(q, "HELLO", 300, 300), formats=QR_CODE).text == "HELLO"


def test_every_raster_draw_gets_a_canvas_of_its_size():
    q = bq.QR()
    assert pixels(q.draw_bytes("A", 200)).shape[:2] == (200, 200)
    assert pixels(q.draw_bytes("A", 400)).shape[:2] == (400, 400)
    assert pixels(q_png(q, "A", 300, 100)).shape[:2] == (100, 300)


def test_svg_document():
    q = bq.QR()
    q.set_output_format("svg")
    q.set_foreground_color(10, 20, 30)
    svg = q.draw_rect("HELLO", 100, 50)
    root = svg_root(svg)
    assert (root.get("width"), root.get("height"), root.get("viewBox")) == ("100", "50", "0 0 100 50")
    rects = svg_rects(svg)
    assert rects[0] == (0, 0, 100, 50, "rgb(255,255,255)")
    modules = rects[1:]
    assert all(r[2:] == (4, 2, "rgb(10,20,30)") for r in modules)
    # The same modules as the raster drawing, one rectangle each, row by row.
    q.set_output_format("png")
    d = dark(pixels(q.draw_bytes("HELLO", 21)))
    assert [(int(r[0] // 4), int(r[1] // 2)) for r in modules] == [(c, r) for r in range(21) for c in range(21) if d[r, c]]
    q.set_output_format("svg")
    q.set_fit_width(True)
    rects = svg_rects(q.draw_rect("HELLO", 100, 50))
    assert rects[1][2:4] == (pytest.approx(4.76, abs=0.005), pytest.approx(2.38, abs=0.005))


def test_empty_text():
    q = bq.QR()
    px = pixels(q.draw_bytes("", 60))  # a blank canvas
    assert px.shape[:2] == (60, 60) and not dark(px).any()
    q.set_output_format("svg")
    assert q.draw("", 60) == ""


@pytest.mark.parametrize("size", [0, -5])
def test_unusable_sizes_draw_nothing(size):
    q = bq.QR()
    assert q.draw_bytes("HELLO", size) == b""
    assert q.draw("HELLO", size) == ""


def test_draw_to_file(tmp_path):
    q = bq.QR()
    path = tmp_path / "qr.png"
    q.draw_to_file("file test", 150, str(path))
    assert path.read_bytes() == q.draw_bytes("file test", 150)
    assert decode(path.read_bytes(), formats=QR_CODE).text == "file test"


def test_colours():
    q = bq.QR()
    q.set_foreground_color(200, 0, 0)
    q.set_background_color(0, 0, 255, 128)
    px = pixels(q.draw_bytes("colour", 100))
    assert tuple(px[0, 0]) == (200, 0, 0, 255)
    assert tuple(px[99, 99]) == (0, 0, 255, 128)
    assert np.array_equal(np.unique(px.reshape(-1, 4), axis=0), np.array([[0, 0, 255, 128], [200, 0, 0, 255]]))
