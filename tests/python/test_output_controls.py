"""The native output controls every class has: fixed module size, quiet zone, size in modules,
failure reporting and resolution."""
import io

import pytest
import zxingcpp
from PIL import Image

import barcode_quor as bq
from conftest import png_image, svg_root

F = zxingcpp.BarcodeFormat

# class, data, draw arguments after the data, zxing-cpp format (None: not read by zxing-cpp)
SYMBOLS = [
    (bq.Code39, "QUIET-39", (0, 60), F.Code39),
    (bq.Code93, "QUIET-93", (0, 60), F.Code93),
    (bq.Code128, "Quiet 128", (0, 60), F.Code128),
    (bq.GS1_128, "{FNC1}0104912345123459", (0, 60), F.Code128),
    (bq.NW7, "A40156B", (0, 60), F.Codabar),
    (bq.ITF, "1234567890", (0, 60), F.ITF),
    (bq.Jan13, "490123456789", (0, 80), F.EAN13),
    (bq.Jan8, "4901234", (0, 80), F.EAN8),
    (bq.UPC_A, "03600029145", (0, 80), F.UPCA),
    (bq.UPC_E, "0123456", (0, 80), F.UPCE),
    (bq.GS1DataBar14, "0950110153001", (0, 60), F.DataBar),
    (bq.GS1DataBarLimited, "1501234567890", (0, 60), F.DataBarLimited),
    (bq.GS1DataBarExpanded, "0190012345678908{AI}3103001750", (0, 60), F.DataBarExpanded),
    (bq.QR, "quiet zone", (0,), F.QRCode),
    (bq.DataMatrix, "quiet zone", (0,), F.DataMatrix),
    (bq.PDF417, "quiet zone", (0,), F.PDF417),
    (bq.Matrix2of5, "1234567", (0, 60), None),
    (bq.YubinCustomer, "10000131-3-2-503", (0,), None),
]
IDS = [s[0].__name__ for s in SYMBOLS]


@pytest.mark.parametrize("cls, data, args, fmt", SYMBOLS, ids=IDS)
def test_module_size_and_quiet_zone_give_a_scannable_image_without_padding(cls, data, args, fmt):
    obj = cls()
    obj.set_module_size(3)
    obj.set_quiet_zone(10, 4, 10, 4)
    image = png_image(obj.draw_bytes(data, *args))
    columns, rows = obj.symbol_size(data)
    # The quiet zone is background all round: 30 pixels across, 12 down (beside the bars: EAN/UPC
    # digits printed outside the bars stand in it, lower down).
    gray = image.convert("L")
    beside_bars = image.height // 2
    assert gray.crop((0, 0, 30, beside_bars)).getextrema() == (255, 255)
    assert gray.crop((image.width - 30, 0, image.width, beside_bars)).getextrema() == (255, 255)
    assert gray.crop((0, 0, image.width, 12)).getextrema() == (255, 255)
    if cls in (bq.QR, bq.DataMatrix):
        assert image.size == (3 * columns + 60, 3 * rows + 24)
    if fmt is not None:
        results = zxingcpp.read_barcodes(image, formats=fmt, try_rotate=False)
        assert results, "not read without padding"


def test_retail_digit_margins_count_towards_the_quiet_zone():
    plain, quiet = bq.Jan13(), bq.Jan13()
    for obj in (plain, quiet):
        obj.set_module_size(2)
    quiet.set_quiet_zone(11, 0, 7, 0)
    bare = png_image(plain.draw_bytes("490123456789", 0, 100)).width
    # The 100-pixel drawing keeps a 19-pixel margin for the leading digit (20 x 0.96, whole
    # pixels): 22 pixels of quiet zone need 3 more on the left, 14 on the right.
    assert png_image(quiet.draw_bytes("490123456789", 0, 100)).width == bare + 3 + 14


def test_height_for_bars_inverts_the_bar_height_rule():
    c = bq.Code128()
    assert c.height_for_bars(75) == 98  # 19-point text, a 4-pixel gap, 75 of bars; 97 gives 74 (worked by hand)
    c.set_show_text(False)
    assert c.height_for_bars(75) == 75


def test_module_size_fixes_every_module_and_the_width():
    c = bq.Code128()
    c.set_module_size(2)
    modules, rows = c.symbol_size("Code 128")
    assert rows == 1
    assert png_image(c.draw_bytes("Code 128", 5, 80)).size == (2 * modules, 80)  # the width is ignored
    p = bq.PDF417()
    p.set_module_size(2)
    p.set_y_height(4)
    columns, rows = p.symbol_size("PDF417 rows")
    assert png_image(p.draw_bytes("PDF417 rows", 1)).size == (2 * columns, 2 * 4 * rows)


def test_svg_document_grows_by_the_quiet_zone():
    q = bq.QR()
    q.set_output_format("svg")
    q.set_module_size(4)
    q.set_quiet_zone(4, 4, 4, 4)
    columns, _ = q.symbol_size("svg quiet zone")
    root = svg_root(q.draw("svg quiet zone", 0))
    side = 4 * columns + 32
    assert (root.get("width"), root.get("height")) == (str(side), str(side))
    first_module = [r for r in root if r.tag.endswith("rect")][1]
    assert (first_module.get("x"), first_module.get("y")) == ("16.00", "16.00")


def test_symbol_size_of_invalid_data_raises_value_error():
    with pytest.raises(ValueError, match="Invalid character in CODE39"):
        bq.Code39().symbol_size("lower~")
    assert bq.QR().symbol_size("12345") == (21, 21)


def test_failures_are_kept_and_reported_only_when_asked(stderr_lines):
    c = bq.Code39()
    assert c.draw_bytes("BAD~", 200, 60) == b""
    assert stderr_lines() == ["[Code39] Invalid character in CODE39: ~"]
    assert c.last_error() == "[Code39] Invalid character in CODE39: ~"
    c.set_report_errors(False)
    assert c.draw_bytes("BAD~", 200, 60) == b""
    assert c.draw_bytes("OK", 0, 60) == b""  # a canvas that cannot be made: the message is UTF-8
    assert stderr_lines() == []
    assert c.last_error() == "サーフェス作成に失敗: invalid canvas size 0x60"
    assert c.draw_bytes("OK", 200, 60) != b""
    assert c.last_error() == ""


def test_text_that_cannot_be_drawn_is_reported_on_the_same_channel(stderr_lines):
    c = bq.Code128()
    c.set_report_errors(False)
    assert c.draw_bytes("A", 300, 9000) != b""  # the text is left out; the draw still succeeds
    assert stderr_lines() == [] and c.last_error() == ""
    c.set_report_errors(True)
    assert c.draw_bytes("A", 300, 9000) != b""
    assert stderr_lines() == ["TTF_OpenFont error: point size 1350 is above 1000"]


def test_exceptions_of_qr_are_kept_as_the_last_failure():
    q = bq.QR()
    q.set_encode_mode("NUMERIC")
    with pytest.raises(RuntimeError) as raised:
        q.draw_bytes("not digits", 100)
    assert q.last_error() == str(raised.value)


def test_resolution_is_recorded_in_png_and_jpeg():
    c = bq.Code128()
    c.set_dpi(300)
    png = png_image(c.draw_bytes("dpi", 200, 60))
    assert png.info["dpi"] == pytest.approx((300, 300), abs=0.01)  # 11811 dots per metre
    c.set_output_format("jpeg")
    jpeg = Image.open(io.BytesIO(c.draw_bytes("dpi", 200, 60)))
    assert jpeg.info["dpi"] == (300, 300)
    c.set_output_format("png")
    c.set_dpi(0)
    assert "dpi" not in png_image(c.draw_bytes("dpi", 200, 60)).info
