"""Real-scan conditions: what make() draws decodes with zxing-cpp as it is, with no margin added
by the test, at several scales and print resolutions."""
import io

import pytest
import zxingcpp
from PIL import Image

import barcode_quor as bq

F = zxingcpp.BarcodeFormat
# symbology, data, reader format, text zxing-cpp reads
CASES = [
    ("code39", "HELLO-39", F.Code39, "HELLO-39"),
    ("code93", "CODE-93", F.Code93, "CODE-93"),
    ("code128", "Code-128 0123456789", F.Code128, "Code-128 0123456789"),
    ("gs1-128", "(01)09501101530003(17)251231(10)ABC123", F.Code128, "(01)09501101530003(17)251231(10)ABC123"),
    ("gs1-128", "{FNC1}0109501101530003{AI}17251231", F.Code128, "(01)09501101530003(17)251231"),
    ("gs1-128-convenience", "91" + "1" * 41, F.Code128, None),
    ("nw7", "A40156B", F.Codabar, "A40156B"),
    ("itf", "12345670", F.ITF, "12345670"),
    ("itf14", "1234567890123", F.ITF, "12345678901231"),
    ("ean13", "490123456789", F.EAN13, "4901234567894"),
    ("ean8", "4901234", F.EAN8, "49012347"),
    ("upca", "03600029145", F.UPCA, "036000291452"),
    ("upce", "0123456", F.UPCE, "01234565"),
    ("isbn", "978-0-306-40615-7", F.EAN13, "9780306406157"),
    ("jp-book", "9784003261842 C0197 940", F.EAN13, None),
    ("databar", "09501101530003", F.DataBar, "(01)09501101530003"),
    ("databar-stacked", "0950110153000", F.DataBar, "(01)09501101530003"),
    ("databar-stacked-omni", "0950110153000", F.DataBar, "(01)09501101530003"),
    ("databar-limited", "1501234567890", F.DataBarLimited, "(01)15012345678907"),
    ("databar-expanded", "(01)90012345678908(3103)001750", F.DataBarExpanded, "(01)90012345678908(3103)001750"),
    ("databar-expanded-stacked", "(01)90012345678908(10)ABC123(21)XYZ", F.DataBarExpanded,
     "(01)90012345678908(10)ABC123(21)XYZ"),
    ("qr", "https://example.com/", F.QRCode, "https://example.com/"),
    ("gs1-qr", "(01)09501101530003(10)ABC123", F.QRCode, "(01)09501101530003(10)ABC123"),
    ("datamatrix", "DataMatrix 0123456789", F.DataMatrix, "DataMatrix 0123456789"),
    ("gs1-datamatrix", "(01)09501101530003(10)ABC123", F.DataMatrix, "(01)09501101530003(10)ABC123"),
    ("pdf417", "PDF417 0123456789012345", F.PDF417, "PDF417 0123456789012345"),
    ("leitcode", "2134807501640", F.ITF, "21348075016401"),
    ("identcode", "56310243031", F.ITF, "563102430313"),
    ("upu-s10", "ee87654321ca", F.Code128, "EE876543216CA"),
    ("dpd", "000393206219912345678101040", F.Code128, "%000393206219912345678101040"),
]
SIZES = [{"scale": 1}, {"scale": 3}, {"x_dim_mm": 0.33, "dpi": 300}, {"x_dim_mm": 0.25, "dpi": 600}]


def read(png, format, **options):
    image = Image.open(io.BytesIO(png)).convert("L")
    results = zxingcpp.read_barcodes(image, formats=format, **options)
    return results[0] if results else None


@pytest.mark.parametrize("size", SIZES, ids=lambda s: "-".join(f"{k}{v}" for k, v in s.items()))
@pytest.mark.parametrize("symbology, data, format, text", CASES, ids=[f"{c[0]}:{c[1][:12]}" for c in CASES])
def test_reads_without_added_margin(symbology, data, format, text, size):
    if symbology in ("databar-stacked", "pdf417") and size.get("scale") == 1:
        pytest.skip("rows of one pixel are below what the reader resolves")
    result = read(bq.make(symbology, data, **size).png(), format)
    assert result is not None
    assert result.text == (text if text is not None else result.text)
    if symbology.startswith("gs1-") or symbology.startswith("databar"):
        assert result.content_type == zxingcpp.ContentType.GS1


# every main symbol with a two- and a five-digit add-on, a book number's and the magazine code
ADD_ONS = [
    ("ean13", "490123456789+12", F.EAN13, "4901234567894 12"),
    ("ean13", "490123456789+12345", F.EAN13, "4901234567894 12345"),
    ("upca", "03600029145+12", F.UPCA, "036000291452 12"),
    ("upca", "03600029145+12345", F.UPCA, "036000291452 12345"),
    ("upce", "0123456+12", F.UPCE, "01234565 12"),
    ("upce", "0123456+54321", F.UPCE, "01234565 54321"),
    ("ean8", "4901234+12", F.EAN8, "49012347 12"),
    ("ean8", "4901234+12345", F.EAN8, "49012347 12345"),
    ("isbn", "978-0-306-40615-7+51995", F.EAN13, "9780306406157 51995"),
    ("issn", "0317-8471+03", F.EAN13, "9770317847001 03"),  # issue 03 in the add-on
    ("ean13", "4910123450469+01500", F.EAN13, "4910123450469 01500"),  # the Japanese magazine code
]


@pytest.mark.parametrize("symbology, data, format, text", ADD_ONS, ids=[f"{c[0]}:{c[1]}" for c in ADD_ONS])
def test_add_on_reads_with_its_main_symbol(symbology, data, format, text):
    result = read(bq.make(symbology, data).png(), format, ean_add_on_symbol=zxingcpp.EanAddOnSymbol.Require)
    assert result is not None and result.text == text
    # zxing-cpp marks a main symbol read with its add-on ]E3, but an EAN-8 ]E4 either way
    assert result.symbology_identifier == ("]E4" if format == F.EAN8 else "]E3")


def test_jpeg_and_colours_read():
    for foreground, background in [("#202060", (255, 255, 224)), ("navy", "#ffd"), ("DarkSlateGray", "#ffffe0c0")]:
        symbol = bq.make("qr", "colours", foreground=foreground, background=background)
        result = zxingcpp.read_barcodes(Image.open(io.BytesIO(symbol.jpeg())))
        assert result[0].text == "colours"


@pytest.mark.parametrize("rotate", [0, 90, 180, 270])
@pytest.mark.parametrize("symbology, data, format", [("code128", "Turn 128", F.Code128),
                                                     ("ean13", "490123456789", F.EAN13),
                                                     ("datamatrix", "Turned", F.DataMatrix)])
def test_rotated_symbols_read_with_width_and_height_swapped(symbology, data, format, rotate):
    upright = bq.make(symbology, data, scale=3)
    turned = bq.make(symbology, data, scale=3, rotate=rotate)
    width, height = upright.pixel_size
    assert turned.pixel_size == ((height, width) if rotate in (90, 270) else (width, height))
    assert Image.open(io.BytesIO(turned.png())).size == turned.pixel_size
    assert read(turned.png(), format).text == upright.text


@pytest.mark.parametrize("symbology, format", [("qr", F.QRCode), ("gs1-datamatrix", F.DataMatrix)])
def test_digital_link_reads_as_its_uri(symbology, format):
    symbol = bq.make(symbology, digital_link="(01)09501101530003(10)ABC123", domain="https://example.com")
    uri = "https://example.com/01/09501101530003/10/ABC123"
    assert read(symbol.png(), format).text == uri
    assert bq.gs1_digital_link("(01)09501101530003(10)ABC123", domain="https://example.com") == uri
    assert bq.gs1_from_digital_link(uri) == "(01)09501101530003(10)ABC123"
    with pytest.raises(bq.InvalidDataError):
        bq.make(symbology, digital_link="(10)ABC123")  # a lot number without its GTIN has no URI
    with pytest.raises(bq.InvalidOptionError, match="not both"):
        bq.make(symbology, "data", digital_link="(01)09501101530003")


@pytest.mark.parametrize("symbology, data, format, text", [
    ("gs1-128", "(01)09501101530003", F.Code128, "(01)09501101530003"),
    ("ean13", "950110153000", F.EAN13, "9501101530003"),
    ("databar", "09501101530003", F.DataBar, "(01)09501101530003"),
    ("ean13", "950110153000+12", F.EAN13, "9501101530003 12"),  # the add-on beside the linear part
])
def test_composite_component_stands_above_a_linear_part_that_reads(symbology, data, format, text):
    plain = bq.make(symbology, data, scale=3)
    composite = bq.make(symbology, data, scale=3, composite="[10]AB(C)")  # any form the native reader takes
    assert composite.size[1] > plain.size[1]  # the component's rows and the separator
    add_on = zxingcpp.EanAddOnSymbol.Require if " " in text else zxingcpp.EanAddOnSymbol.Ignore
    assert read(composite.png(), format, ean_add_on_symbol=add_on).text == text


def test_kanji_mode_takes_13_bits_a_character():
    text = "漢字" * 42 + "漢"  # 85 characters: 170 bytes in byte mode
    kanji = bq.make("qr", text, mode="kanji")
    assert kanji.size == (49, 49) and bq.make("qr", text, mode="byte", encoding="shift_jis").size == (53, 53)
    assert read(kanji.png(), F.QRCode).text == text
