"""GS1-128: element strings read back as GS1 data, text layouts, the convenience-store payment form."""
import random
import string

import numpy as np
import pytest
import zxingcpp

import barcode_quor as bq
from conftest import SVG_NS, cases, decode, pixels, svg_rects, svg_root

CODE128 = zxingcpp.BarcodeFormat.Code128

# (identifier, fixed length or None, maximum length, alphabet)
ALNUM = string.ascii_uppercase + string.ascii_lowercase + string.digits + "-./:%&+_"
AIS = [
    ("00", 18, 18, string.digits),
    ("01", 14, 14, string.digits),
    ("11", 6, 6, string.digits),
    ("17", 6, 6, string.digits),
    ("3103", 6, 6, string.digits),
    ("410", 13, 13, string.digits),
    ("10", None, 20, ALNUM),
    ("21", None, 20, ALNUM),
    ("240", None, 30, ALNUM),
    ("30", None, 8, string.digits),
    ("37", None, 8, string.digits),
    ("400", None, 30, ALNUM),
    ("8020", None, 25, ALNUM),
    ("91", None, 90, ALNUM),
]


def element_string(rng, count):
    """(input with markers, raw GS1 data with GS separators, human-readable form)."""
    code, raw, hri = "{FNC1}", "", ""
    previous_variable = None
    for _ in range(count):
        ai, fixed, longest, alphabet = rng.choice(AIS)
        data = "".join(rng.choice(alphabet) for _ in range(fixed or rng.randint(1, longest)))
        if previous_variable is not None:
            code += "{FNC1}" if previous_variable else "{AI}"
            raw += "\x1d" if previous_variable else ""
        code += ai + data
        raw += ai + data
        hri += f"({ai}){data}"
        previous_variable = fixed is None
    return code, raw, hri


def draw_and_read(obj, method, code, width, height=60):
    data = getattr(obj, method)(code, width, height)
    assert data, code
    result = decode(data, formats=CODE128)
    assert result is not None, code
    return result


def test_element_strings_read_back_as_gs1_data():
    rng = random.Random(128)
    for n in range(cases(60)):
        code, raw, hri = element_string(rng, rng.choice([1, 2, 3, 5, 8]))
        g = bq.GS1_128()
        g.set_fit_width(False)
        g.set_show_text(n % 2 == 0)
        result = draw_and_read(g, "draw_bytes", code, 2 * 11 * (2 * len(code) + 4))
        assert result.content_type == zxingcpp.ContentType.GS1, code
        assert result.symbology_identifier == "]C1", code
        assert result.bytes == raw.encode("ascii"), code
        assert result.text == hri, code


def test_human_text_matches_the_reader():
    rng = random.Random(4)
    for _ in range(cases(20)):
        code, _, hri = element_string(rng, rng.randint(1, 4))
        g = bq.GS1_128()
        g.set_output_format("svg")
        g.set_text_even_spacing(False)
        texts = [t.text for t in svg_root(g.draw(code, 1200, 100)).iter(SVG_NS + "text")]
        assert texts == [hri], code


@pytest.mark.parametrize(
    "code,text",
    [
        ("{FNC1}01123456", "(01)123456"),
        ("{FNC1}011234{AI}10ABC{FNC1}21XYZ", "(01)1234(10)ABC(21)XYZ"),
        ("{FNC1}4300ABC", "(4300)ABC"),
        ("{FNC1}3103001234", "(3103)001234"),
        ("PLAIN text", "PLAIN text"),
    ],
)
def test_human_text_examples(code, text):
    g = bq.GS1_128()
    g.set_output_format("svg")
    g.set_text_even_spacing(False)
    assert [t.text for t in svg_root(g.draw(code, 600, 100)).iter(SVG_NS + "text")] == [text]
    g.set_show_text(False)
    assert list(svg_root(g.draw(code, 600, 100)).iter(SVG_NS + "text")) == []


def test_plain_ascii_reads_back():
    """Without markers the symbol is ordinary Code 128 and every byte up to DEL comes back."""
    rng = random.Random(7)
    pieces = ["{", "}", "~", "\x7f", "\x01", "\x1f", "123456", "7", "AZ", "az", "{F", "{A}", " "]
    for _ in range(cases(40)):
        code = "".join(rng.choice(pieces) for _ in range(rng.randint(1, 15)))
        g = bq.GS1_128()
        g.set_fit_width(False)
        result = draw_and_read(g, "draw_bytes", code, 2 * 11 * (2 * len(code) + 4))
        assert result.bytes == code.encode("ascii"), code


def test_non_ascii_bytes_fail(capfdbinary):
    g = bq.GS1_128()
    capfdbinary.readouterr()
    assert g.draw_bytes("{FNC1}10ABé", 400, 100) == b""
    g.set_output_format("svg")
    assert g.draw("{FNC1}10ABé", 400, 100) == ""
    assert capfdbinary.readouterr().err == b"[GS1-128] Invalid character in GS1-128: \xc3\n" * 2


def test_fit_width_is_on_by_default():
    g = bq.GS1_128()
    g.set_output_format("svg")
    bars = svg_rects(g.draw("{FNC1}0112345678901231", 500, 80))[1:]
    assert bars[-1][0] + bars[-1][2] == pytest.approx(500, abs=0.02)


# Convenience-store payment form

def check_digit(digits43):
    total = sum(int(d) * (3 if i % 2 == 0 else 1) for i, d in enumerate(reversed(digits43)))
    return str((10 - total % 10) % 10)


def random_payment_code(rng):
    return "91" + "".join(rng.choice(string.digits) for _ in range(41))


def test_convenience_codes_read_back_with_their_check_digit():
    rng = random.Random(44)
    for n in range(cases(30)):
        digits43 = random_payment_code(rng)
        full = digits43 + check_digit(digits43)
        code = [digits43, full, "{FNC1}" + full][n % 3]
        g = bq.GS1_128()
        g.set_fit_width(n % 2 == 0)
        result = draw_and_read(g, "draw_convenience_bytes", code, rng.choice([576, 600, 864]), 120)
        assert result.content_type == zxingcpp.ContentType.GS1
        assert result.bytes == full.encode("ascii")
        assert result.text == f"(91){full[2:]}"


@pytest.mark.parametrize("scale", [1, 2, 3])
def test_convenience_symbol_spans_288_modules(scale):
    rng = random.Random(scale)
    for _ in range(cases(5)):
        g = bq.GS1_128()
        g.set_fit_width(False)
        width = 288 * scale + 50
        dark = pixels(g.draw_convenience_bytes(random_payment_code(rng), width, 100))[0, :, :3].sum(axis=1) < 384
        columns = np.flatnonzero(dark)
        assert columns[0] == 0 and columns[-1] == 288 * scale - 1


def test_convenience_text_is_drawn_even_with_show_text_off():
    g = bq.GS1_128()
    g.set_show_text(False)
    g.set_text_even_spacing(False)
    code = "9191234500000000000000000000000000000000000"
    px = pixels(g.draw_convenience_bytes(code, 600, 150))
    assert (px[-20:, :, :3].sum(axis=2) < 384).any()  # glyphs in the text band
    g.set_output_format("svg")
    texts = [t.text for t in svg_root(g.draw_convenience(code, 600, 150)).iter(SVG_NS + "text")]
    assert texts == ["(91)912345-0000000000000000000000", "000000-0-000000-8"]
    g.set_text_even_spacing(True)
    texts = [t.text for t in svg_root(g.draw_convenience(code, 600, 150)).iter(SVG_NS + "text")]
    assert "".join(texts) == "(91)912345-0000000000000000000000" "000000-0-000000-8"


def test_convenience_svg_has_the_raster_bar_geometry():
    rng = random.Random(9)
    for _ in range(cases(5)):
        code = random_payment_code(rng)
        g = bq.GS1_128()
        g.set_fit_width(False)
        data = g.draw_convenience_bytes(code, 700, 120)
        g.set_output_format("svg")
        rects = svg_rects(g.draw_convenience(code, 700, 120))
        assert rects[0][:4] == (0, 0, 700, 120)
        row = np.zeros(700, dtype=bool)
        for x, _, w, _, _ in rects[1:]:
            row[int(x) : int(x + w)] = True
        assert np.array_equal(row, pixels(data)[0, :, :3].sum(axis=1) < 384)


@pytest.mark.parametrize(
    "code,message",
    [
        ("9191234500000000000000000000000000000000000" + "7", "Check digit mismatch"),
        ("919123450000000000000000000000000000000000", "Code length must be 43 or 44 digits"),
        ("", "Code length must be 43 or 44 digits"),
        ("919123450000000000000000000000000000000000X", "Non-digit character found"),
    ],
)
def test_convenience_failures_report_on_stderr(code, message, stderr_lines):
    g = bq.GS1_128()
    assert g.draw_convenience_bytes(code, 600, 150) == b""
    assert g.draw_convenience(code, 600, 150) == ""
    g.set_output_format("svg")
    assert g.draw_convenience(code, 600, 150) == ""
    assert stderr_lines() == [f"[GS1-128 Convenience] {message}"] * 3
