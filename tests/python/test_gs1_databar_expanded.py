"""GS1 DataBar Expanded, one row and stacked: the element strings it takes, silent refusal of what
it cannot encode, the stacked layout, SVG, and decoding with a real reader."""
import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, svg_rects
from databar_support import check_digit, random_digits, read, row_bands
from linear_checks import svg_texts

ALPHANUMERIC = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ*,-./"
ISO646 = ALPHANUMERIC + "abcdefghijklmnopqrstuvwxyz!\"%&'()+:;<=>?_ "


def gtin(rng, indicator=None):
    body = (indicator if indicator is not None else str(rng.randrange(10))) + random_digits(rng, 12)
    return body + check_digit(body)


def date(rng):
    return "%02d%02d%02d" % (rng.randrange(100), rng.randint(1, 12), rng.randint(0, 31))


def field(rng):
    """(identifier, data, variable length) of one random element."""
    kind = rng.randrange(6)
    if kind == 0:
        return "10", "".join(rng.choice(ALPHANUMERIC) for _ in range(rng.randint(1, 20))), True
    if kind == 1:
        return "21", "".join(rng.choice(ISO646) for _ in range(rng.randint(1, 20))), True
    if kind == 2:
        return "400", random_digits(rng, rng.randint(1, 30)), True
    if kind == 3:
        return "3103", "%06d" % rng.randrange(100000), False
    return rng.choice(["11", "13", "15", "17"]), date(rng), False


def element_string(rng):
    """A random element string as the class takes it and as a reader returns it (FNC1 as GS)."""
    parts = []
    kind = rng.randrange(4)
    if kind == 0:  # the compressed forms of a variable-measure GTIN
        parts.append(("01", gtin(rng, "9"), False))
        ai = rng.choice(["3103", "3202", "3203", "3922", "3932", "3101"])
        if ai in ("3922", "3932"):
            prefix = "978" if ai == "3932" else ""
            parts.append((ai, prefix + random_digits(rng, rng.randint(1, 12)), True))
        else:
            parts.append((ai, "%06d" % rng.randrange(40000 if ai != "3202" else 12000), False))
            if rng.random() < 0.5:
                parts.append((rng.choice(["11", "13", "15", "17"]), date(rng), False))
    elif kind == 1:
        parts.append(("01", gtin(rng), False))
    for _ in range(rng.randrange(4) if parts else rng.randint(1, 3)):
        parts.append(field(rng))
    code, data = "", ""
    for i, (ai, value, variable) in enumerate(parts):
        code += ("{AI}" if i else "") + ai + value
        data += ai + value
        if variable and i + 1 < len(parts):
            code += "["
            data += "\x1d"
    return code, data


def expanded(fmt="png", stacked=False, columns=None):
    x = bq.GS1DataBarExpanded()
    x.set_output_format(fmt)
    x.set_symbol_type("STACKED" if stacked else "UNSTACKED")
    if columns is not None:
        x.set_no_of_columns(columns)
    return x


def test_one_row_decodes_random_element_strings():
    rng = random.Random(3)
    x = expanded()
    drawn = 0
    for n in range(cases(60)):
        code, data = element_string(rng)
        x.set_show_text(n % 2 == 0)
        png = x.draw_bytes(code, 1100, 70)  # the longest symbol is 543 modules: 2 pixels each
        if png == b"":  # more than the symbol holds
            continue
        drawn += 1
        assert read(png, zxingcpp.BarcodeFormat.DataBarExpanded) == data, code
    assert drawn >= cases(60) * 2 // 3


@pytest.mark.parametrize("columns", [1, 2, 3, 4, 5, 6, 10])
def test_stacked_decodes_with_every_column_count(columns):
    rng = random.Random(100 + columns)
    x = expanded(stacked=True, columns=columns)
    for _ in range(cases(15)):
        code, data = element_string(rng)
        png = x.draw_bytes(code, 100 * columns + 10, 100 + 600 // columns)  # 2 pixels per module
        if png == b"":
            continue
        assert read(png, zxingcpp.BarcodeFormat.DataBarExpanded) == data, (code, columns)


@pytest.mark.parametrize("blocks", range(2, 12))
@pytest.mark.parametrize("columns", [2, 3, 4])
def test_stacked_last_rows_of_every_length(blocks, columns):
    # n digits in the general field give 5 + 7 n / 2 bits: pick n for blocks x 2 - 1 symbol characters.
    data_characters = 2 * blocks - 2
    digits = 2 * ((12 * data_characters - 5) // 7)
    code = "1" * digits
    png = expanded(stacked=True, columns=columns).draw_bytes(code, 100 * columns + 10, 400)
    assert read(png) == code, (blocks, columns)


def test_compressed_methods_decode():
    for code, data in [
        ("0190012345678908{AI}3103001750", "01900123456789083103001750"),
        ("0190012345678908{AI}3203022767", "01900123456789083203022767"),
        ("0190012345678908{AI}3202009999", "01900123456789083202009999"),
        ("0190012345678908{AI}3922123", "01900123456789083922123"),
        ("0190012345678908{AI}3932978123", "01900123456789083932978123"),
        ("0190012345678908{AI}3103001750{AI}11991231", "0190012345678908310300175011991231"),
        ("0190012345678908{AI}3203001750{AI}17000100", "0190012345678908320300175017000100"),
        ("0100012345678905", "0100012345678905"),
    ]:
        assert read(expanded().draw_bytes(code, 800, 80)) == data, code


def test_human_readable_text():
    x = expanded("svg")
    x.set_text_even_spacing(False)
    for code, text in [
        ("0190012345678908{AI}3103001750", "(01)90012345678908(3103)001750"),
        ("0100012345678905{AI}10ABC[{AI}21x", "(01)00012345678905(10)ABC(21)x"),
        ("10ABC[{AI}8020XYZ[{AI}4000", "(10)ABC(8020)XYZ(400)0"),
    ]:
        assert svg_texts(x.draw(code, 800, 100)) == [text]


@pytest.mark.parametrize("code", [
    "10AB#C", "10]", "10AB]C", "21caf\u00e9", "10A[[21B", "10\x1f", "10{", "10A\x00B",
    "0100012345678900",            # wrong GTIN check digit
    "01000123456A8905",            # a letter in the GTIN
    "1" * 72,                      # 257 bits
])
def test_refused_silently(code, stderr_lines):
    for fmt in ["png", "svg"]:
        x = expanded(fmt)
        assert x.draw(code, 600, 100) == ""
        assert x.draw_bytes(code, 600, 100) == b""
        assert x.draw_stacked(code, 600, 300) == ""
    assert stderr_lines() == []


def test_longest_symbol():
    code = "1" * 70  # 250 bits: 21 data characters and the check character
    assert read(expanded().draw_bytes(code, 3000, 80)) == code
    assert read(expanded(stacked=True, columns=3).draw_bytes(code, 400, 900)) == code


def test_symbol_type_and_draw_stacked():
    x = expanded("svg")
    x.set_show_text(False)
    code = "0190012345678908{AI}3103001750{AI}11991231"  # 4 blocks
    one_row = x.draw(code, 600, 100)
    stacked = x.draw_stacked(code, 600, 300)
    assert stacked != one_row
    assert x.draw(code, 600, 300) == stacked  # draw_stacked leaves the stacked form on
    x.set_symbol_type("unstacked")             # unknown names change nothing
    assert x.draw(code, 600, 300) == stacked
    x.set_symbol_type("UNSTACKED")
    assert x.draw(code, 600, 100) == one_row
    # Columns outside 1..10 mean two.
    x.set_symbol_type("STACKED")
    x.set_no_of_columns(2)
    two = x.draw(code, 600, 300)
    for columns in [0, 11, -1]:
        x.set_no_of_columns(columns)
        assert x.draw(code, 600, 300) == two


def test_stacked_layout():
    x = expanded(stacked=True, columns=1)
    x.set_show_text(False)
    code = "0190012345678908{AI}3103001750{AI}11991231"  # 4 blocks: 4 rows of 53 modules
    # 2 pixels per module, separator rows 2 high. Height 300: gap int(300 x 0.04) = 12, font 45, so
    # the rows take 243: nine separator rows of 2 and four data rows of (243 - 18) / 4 = 56.25.
    png = x.draw_bytes(code, 106, 300)
    bands = row_bands(png)
    assert bands[0][0] == 0 and bands[-1][1] == 242
    doc = expanded("svg", stacked=True, columns=1)
    doc.set_show_text(False)
    rects = svg_rects(doc.draw(code, 106, 300))[1:]
    assert sorted({round(h, 2) for _, _, _, h, _ in rects}) == [2.0, 56.25]
    assert max(x + w for x, _, w, _, _ in rects) <= 106
