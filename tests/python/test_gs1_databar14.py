"""GS1 DataBar Omnidirectional and its stacked forms: validation, the Python methods, layout of the
rows, SVG, and decoding every form with a real reader."""
import random

import pytest
import zxingcpp

import barcode_quor as bq
from conftest import cases, dark_columns, svg_rects, svg_root
from databar_support import gtin14, random_digits, read, row_bands
from linear_checks import element_widths, svg_texts

FORMS = ["OMNIDIRECTIONAL", "STACKED", "STACKED_OMNIDIRECTIONAL"]


def make(form="OMNIDIRECTIONAL", fmt="png"):
    d = bq.GS1DataBar14()
    d.set_symbol_type(form)
    d.set_output_format(fmt)
    return d


@pytest.mark.parametrize("form", FORMS)
def test_every_form_decodes(form):
    rng = random.Random(FORMS.index(form))
    d = make(form)
    sizes = [(300, 100), (200, 80), (480, 200), (96, 40)] if form == "OMNIDIRECTIONAL" else [(150, 100), (100, 60), (300, 300)]
    for n in range(cases(60)):
        code = random_digits(rng, rng.randint(0, 13))
        width, height = sizes[n % len(sizes)]
        d.set_show_text(n % 2 == 0)
        assert read(d.draw_bytes(code, width, height), zxingcpp.BarcodeFormat.DataBar) == "01" + gtin14(code), code


def test_extreme_values_decode():
    for code in ["", "0", "9999999999999", "4537076", "4537077", "1597", "1596", "2000000000000"]:
        for form in FORMS:
            assert read(make(form).draw_bytes(code, 200, 150)) == "01" + gtin14(code), (code, form)


def test_symbol_type_names():
    d = bq.GS1DataBar14()
    assert d.get_symbol_type() == "OMNIDIRECTIONAL"
    for name in ["STACKED", "STACKED_OMNIDIRECTIONAL", "OMNIDIRECTIONAL"]:
        d.set_symbol_type(name)
        assert d.get_symbol_type() == name
    d.set_symbol_type("STACKED")
    for unknown in ["stacked", "", "LIMITED", "STACKED "]:
        d.set_symbol_type(unknown)
        assert d.get_symbol_type() == "STACKED"


def test_encode_and_check_digit():
    d = bq.GS1DataBar14()
    assert d.encode("0123456789012") is True
    assert d.encode("") is True
    with pytest.raises(RuntimeError, match="^GS1 DataBar requires numeric digits only$"):
        d.encode("12a")
    with pytest.raises(RuntimeError, match=r"^Input too long \(max 13 digits\)$"):
        d.encode("01234567890128")
    assert bq.GS1DataBar14.calculate_check_digit("0123456789012") == "8"
    assert bq.GS1DataBar14.calculate_check_digit(src="0950110153001") == "0"
    for bad in ["012345678901", "01234567890123", "", "01234567890A2"]:
        with pytest.raises(RuntimeError, match="^CalculateCheckDigit requires exactly 13 digits$"):
            bq.GS1DataBar14.calculate_check_digit(bad)


@pytest.mark.parametrize("code,message", [("12a", "GS1 DataBar requires numeric digits only"),
                                          ("12345678901234", "Input too long (max 13 digits)")])
def test_invalid_codes_report_on_stderr(code, message, stderr_lines):
    for fmt in ["png", "svg"]:
        d = make("STACKED", fmt)
        assert d.draw(code, 200, 100) == ""
        assert d.draw_bytes(code, 200, 100) == b""
        assert stderr_lines() == ["[GS1 DataBar] " + message] * 2


def test_one_row_module_widths_and_text():
    d = make()
    d.set_show_text(False)
    # 96 modules at 2 pixels each; the all-zero symbol's elements after its leading space.
    widths = element_widths(dark_columns(d.draw_bytes("", 200, 30)))
    expected = [1, 1, 1, 1, 2, 1, 8, 1, 3, 8, 2, 1, 1, 7, 2, 1, 1, 1, 1, 1, 1,
                1, 1, 1, 1, 1, 1, 2, 7, 1, 1, 9, 1, 3, 1, 8, 1, 2, 1, 1, 1, 1, 1, 1]
    assert widths == [2 * w for w in [1] + expected]
    d.set_show_text(True)
    d.set_output_format("svg")
    assert "".join(svg_texts(d.draw("1234567", 300, 100))) == "(01)00000012345670"


def test_stacked_row_heights():
    d = make("STACKED")
    d.set_show_text(False)
    # Height 130: gap max(1, int(130 x 0.03)) = 3, font 26: rows 101 high, 5/13, 1/13 and 7/13 of it.
    doc = make("STACKED", "svg")
    doc.set_show_text(False)
    rects = svg_rects(doc.draw("1234567890123", 100, 130))[1:]
    heights = sorted({round(h, 2) for _, _, _, h, _ in rects})
    assert heights == [round(101 / 13, 2), round(5 * 101 / 13, 2), round(7 * 101 / 13, 2)]
    # The text band stays free with the text off: the rows end at the same place either way.
    bands_off = row_bands(d.draw_bytes("1234567890123", 100, 130))
    assert bands_off[0][0] == 0 and bands_off[-1][1] == 100


def test_stacked_omnidirectional_rows():
    d = make("STACKED_OMNIDIRECTIONAL", "svg")
    d.set_show_text(False)
    # Width 100: 2 pixels per module, separator rows 2 high. Height 200: gap int(200 x 0.03) = 6,
    # font 40, so the rows take 154: the two main rows (154 - 3 x 2) / 2 = 74 each.
    rects = svg_rects(d.draw("", 100, 200))[1:]
    tops = sorted({round(y, 2) for _, y, _, _, _ in rects})
    assert tops == [0.0, 74.0, 76.0, 78.0, 80.0]
    assert {round(h, 2) for _, y, _, h, _ in rects if y in (0.0, 80.0)} == {74.0}
    # The middle separator: one dark module every other module from module 5 to 45.
    middle = sorted(x for x, y, _, _, _ in rects if round(y, 2) == 76.0)
    assert middle == [2.0 * m for m in range(5, 46, 2)]


@pytest.mark.parametrize("form", FORMS)
def test_svg_has_the_raster_geometry(form):
    d = make(form)
    d.set_show_text(False)
    png = d.draw_bytes("0950110153001", 150, 120)
    d.set_output_format("svg")
    doc = d.draw("0950110153001", 150, 120)
    root = svg_root(doc)
    assert (root.get("width"), root.get("height")) == ("150", "120")
    top_row = dark_columns(png, 0)
    covered = [False] * 150
    for x, y, w, _, _ in svg_rects(doc)[1:]:
        if y == 0:
            for i in range(int(x), int(x) + int(w)):
                covered[i] = True
    assert list(top_row) == covered
