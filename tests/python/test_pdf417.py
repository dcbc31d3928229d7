"""PDF417: decoding with zxing-cpp over levels, layouts and kinds of data; geometry; errors."""
import base64
import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, decode, png_image, svg_rects

PDF417_FORMAT = zxingcpp.BarcodeFormat.PDF417


def make(**settings):
    p = bq.PDF417()
    for name, value in settings.items():
        getattr(p, "set_" + name)(value)
    return p


def geometry(p, code):
    """(module columns, rows) of the symbol: an SVG draw at one pixel per module, fit off."""
    p.set_output_format("svg")
    try:
        rects = svg_rects(p.draw_rect(code, 1, 2))[1:]  # after the background
    finally:
        p.set_output_format("png")
    return int(max(r[0] for r in rects)) + 1, int(max(r[1] for r in rects)) + 1


def codeword_layout(p, code):
    """(data columns, rows) of the symbol."""
    modules, rows = geometry(p, code)
    assert (modules - 69) % 17 == 0
    return (modules - 69) // 17, rows


def rect_png(p, code, width, height):
    """PNG bytes of a draw_rect (which hands back a data URI)."""
    return base64.b64decode(p.draw_rect(code, width, height).split(",", 1)[1])


def read(p, code):
    """Draws the symbol two pixels per module and six per row and decodes it."""
    modules, rows = geometry(p, code)
    return decode(rect_png(p, code, 2 * modules, 6 * rows + 1), formats=PDF417_FORMAT)  # never square


def assert_reads(p, code):
    result = read(p, code)
    assert result is not None, code[:80]
    assert result.bytes == code.encode("utf-8"), code[:80]
    return result


def ec_percent(level, columns, rows):
    """The error correction share zxing-cpp reports: EC codewords * 100 // all codewords."""
    return f"{(2 << level) * 100 // (columns * rows)}%"


# ---- data of every kind --------------------------------------------------------------------------

TEXT = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 &\r\t,:#-.$/+%*=^;<>@[\\]_`~!\n\"|()?{}'"
UNICODE = "éüßØ日本語コード€😀Ω"
CONTROL = "\x00\x01\x07\x1b\x7f"


def random_data(rng, kind, n):
    if kind == "text":
        return "".join(rng.choice(TEXT) for _ in range(n))
    if kind == "numeric":
        return "".join(rng.choice("0123456789") for _ in range(n))
    if kind == "bytes":
        return "".join(rng.choice(UNICODE + CONTROL) for _ in range(n))
    # mixed: runs of each kind, digit runs around the numeric threshold of 13
    parts = []
    while sum(map(len, parts)) < n:
        k = rng.choice(["text", "numeric", "bytes"])
        parts.append(random_data(rng, k, rng.choice([1, 2, 5, 12, 13, 14, 44, 45]) if k == "numeric" else rng.randint(1, 12)))
    return "".join(parts)[:n]


@pytest.mark.parametrize("kind", ["text", "numeric", "bytes", "mixed"])
def test_random_data_decodes(kind):
    rng = random.Random(f"pdf417-{kind}")
    for _ in range(cases(12)):
        code = random_data(rng, kind, rng.choice([1, 3, 10, 40, 150, 400]))
        assert_reads(make(), code)


@pytest.mark.parametrize("level", range(9))
def test_every_error_level_decodes(level):
    rng = random.Random(level)
    code = random_data(rng, "mixed", 60)
    p = make(error_level=level)
    result = assert_reads(p, code)
    columns, rows = codeword_layout(p, code)
    assert result.ec_level == ec_percent(level, columns, rows)


@pytest.mark.parametrize("columns", [1, 2, 3, 7, 16, 29, 30])
def test_fixed_columns(columns):
    code = random_data(random.Random(columns), "mixed", 50)
    p = make(columns=columns)
    assert codeword_layout(p, code)[0] == columns
    assert_reads(p, code)


@pytest.mark.parametrize("rows", [3, 4, 10, 33, 89, 90])
def test_fixed_rows(rows):
    code = random_data(random.Random(rows), "text", 90)
    p = make(rows=rows)
    assert codeword_layout(p, code)[1] == rows
    assert_reads(p, code)


@pytest.mark.parametrize("columns,rows,level", [(1, 90, 0), (5, 20, 3), (30, 3, 2), (24, 24, 8), (29, 32, 1)])
def test_fixed_columns_rows_and_level(columns, rows, level):
    p = make(columns=columns, rows=rows, error_level=level)
    code = "Fixed layout 0123456789012345"
    assert codeword_layout(p, code) == (columns, rows)
    result = assert_reads(p, code)
    assert result.ec_level == ec_percent(level, columns, rows)


@pytest.mark.parametrize("ratio", [0.001, 0.05, 0.3, 0.5, 1, 3, 1000])
@pytest.mark.parametrize("y_height", [1, 3, 8])
def test_aspect_ratios(ratio, y_height):
    code = random_data(random.Random(str(ratio)), "mixed", 120)
    p = make(aspect_ratio=ratio, y_height=y_height)
    assert_reads(p, code)


def test_shape_follows_the_aspect_ratio():
    code = "x" * 300
    tall = codeword_layout(make(aspect_ratio=10), code)
    wide = codeword_layout(make(aspect_ratio=0.05), code)
    assert tall[1] > tall[0] and wide[0] > wide[1]
    assert codeword_layout(make(aspect_ratio=1000), "HELLO") == (1, 12)
    assert codeword_layout(make(aspect_ratio=0.001), "A") == (30, 3)


@pytest.mark.parametrize(
    "code",
    [
        "A" * 1850,  # the most text one symbol holds
        "7" * 2710,  # the most digits
        "é" * 554,  # 1108 bytes, the most byte compaction holds
        "0123456789" * 90 + "ABC" * 100 + "é" * 50 + "lower;case" * 60,
    ],
    ids=["text", "numeric", "bytes", "mixed"],
)
def test_largest_symbols_decode(code):
    assert_reads(make(), code)


# ---- drawing --------------------------------------------------------------------------------------


def test_hello_geometry_and_square_width():
    p = make()
    assert geometry(p, "HELLO") == (86, 12)
    image = png_image(p.draw_bytes("HELLO", 300))
    assert image.size == (717, 300)  # round(300 * 86 / (12 * 3))
    assert png_image(rect_png(p, "HELLO", 400, 300)).size == (400, 300)
    p.set_y_height(6)  # taller rows: two data columns in 6 rows
    assert geometry(p, "HELLO") == (103, 6)
    assert png_image(p.draw_bytes("HELLO", 300)).size == (round(300 * 103 / (6 * 6)), 300)


def test_square_draws_decode():
    p = make()
    for code in ["HELLO", "Hello, World! 1234567890123", "日本語"]:
        result = decode(p.draw_bytes(code, 400), formats=PDF417_FORMAT)
        assert result is not None and result.bytes == code.encode("utf-8")


def test_svg_modules():
    p = make()
    p.set_output_format("svg")
    doc = p.draw("HELLO", 300)
    assert 'width="717" height="300"' in doc
    rects = svg_rects(doc)
    assert rects[0] == (0, 0, 717, 300, "rgb(255,255,255)")
    # 717 // 86 = 8 pixels per module, 300 // 12 = 25 per row, modules at their true size (a
    # larger one swallows narrow spaces at one or two pixels per module)
    assert rects[1] == (0, 0, 8, 25, "rgb(0,0,0)")


def test_shift_jis_string_encoding():
    p = make(string_encoding="shift_jis")
    result = read(p, "カタカナ")
    assert result.bytes == "カタカナ".encode("cp932")


# ---- settings and errors --------------------------------------------------------------------------


def test_out_of_range_settings_are_ignored():
    code = "Some text for the layout"
    default = codeword_layout(make(), code)
    for name, value in [("columns", 31), ("columns", -1), ("rows", 2), ("rows", 91), ("aspect_ratio", 0),
                        ("aspect_ratio", 1000.5), ("y_height", 0), ("y_height", -4)]:
        assert codeword_layout(make(**{name: value}), code) == default, (name, value)
    p = make(columns=4)
    p.set_columns(31)
    assert codeword_layout(p, code)[0] == 4
    p.set_columns(0)  # back to the aspect ratio
    assert codeword_layout(p, code) == default


def test_error_level_outside_0_to_8_is_automatic():
    code = "HELLO"
    p = make(error_level=0)
    assert read(p, code).ec_level == ec_percent(0, *codeword_layout(p, code))
    for automatic in (9, -1, 100):
        p.set_error_level(automatic)
        assert codeword_layout(p, code) == (1, 12)
        assert read(p, code).ec_level == ec_percent(2, 1, 12)


def test_empty_text_raises_runtime_error():
    p, code = make(), ""
    for draw in (lambda: p.draw(code, 300), lambda: p.draw_rect(code, 300, 100), lambda: p.draw_bytes(code, 300)):
        with pytest.raises(RuntimeError, match=r"^Text cannot be null\.$"):
            draw()


@pytest.mark.parametrize(
    "settings,code",
    [
        ({}, "A" * 5421),
        ({}, "a" * 1850),  # the lower-case latch makes it one codeword too many
        ({}, "é" * 555),
        ({}, "7" * 2711),
        ({"columns": 1, "rows": 3}, "HELLO"),
        ({"columns": 1}, "x" * 200),
        ({"rows": 3}, "x" * 200),
        ({"columns": 30, "rows": 90}, "A"),  # more than 928 codewords is no symbol
        ({"error_level": 8}, "x" * 900),
    ],
)
def test_too_big_raises_index_error(settings, code, tmp_path):
    p = make(**settings)
    with pytest.raises(IndexError, match=r"^The text is too big\.$"):
        p.draw_bytes(code, 300)
    target = tmp_path / "out.png"
    with pytest.raises(IndexError):
        p.draw_to_file(code, 300, str(target))
    assert not target.exists()


def test_draw_to_file(tmp_path):
    target = tmp_path / "pdf417.png"
    make().draw_to_file("File output", 300, str(target))
    result = decode(target.read_bytes(), formats=PDF417_FORMAT)
    assert result is not None and result.text == "File output"
