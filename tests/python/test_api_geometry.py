"""Geometry of what make() draws: quiet zones, module sizes, bar heights, resolution, SVG
physical size, text kept inside the image, per family."""
import io
import re
import struct

import numpy as np
import pytest
from PIL import Image

import barcode_quor as bq


def dark(png):
    """Boolean array (rows, columns): which pixels are dark."""
    return np.asarray(Image.open(io.BytesIO(png)).convert("L")) < 128


def extent(mask):
    """(first, last) index of a True in a 1-D array."""
    where = np.flatnonzero(mask)
    return where[0], where[-1]


@pytest.mark.parametrize("symbology, data", [("code128", "Quiet"), ("code39", "QZ"), ("itf", "1234"),
                                             ("gs1-128", "(01)09501101530003")])
@pytest.mark.parametrize("scale", [1, 3])
def test_linear_quiet_zone_and_width(symbology, data, scale):
    symbol = bq.make(symbology, data, scale=scale)
    pixels = dark(symbol.png())
    assert pixels.shape[1] == (symbol.size[0] + 20) * scale
    assert extent(pixels[0]) == (10 * scale, (symbol.size[0] + 10) * scale - 1)


@pytest.mark.parametrize("symbology, data, left, right", [("ean13", "490123456789", 11, 7), ("ean8", "4901234", 7, 7),
                                                          ("upca", "03600029145", 9, 9), ("upce", "0123456", 9, 7)])
@pytest.mark.parametrize("height", [None, 25])
def test_retail_quiet_zones_hold_the_outside_digits(symbology, data, left, right, height):
    scale = 2
    pixels = dark(bq.make(symbology, data, scale=scale, height=height).png())
    bars = extent(pixels[0])
    light = (bars[0], pixels.shape[1] - 1 - bars[1])
    # At least the standard quiet zone; the outside digits sit in it (a tall symbol's larger
    # digits need more, a short one's get the standard zone to within a module).
    assert light[0] >= left * scale and light[1] >= right * scale
    if height is not None:
        assert light < ((left + 1) * scale, (right + 1) * scale)
    assert not pixels[:, 0].any() and not pixels[:, -1].any()  # digits not cut at the edges
    if symbology != "ean8":
        assert pixels[:, : left * scale].any()  # the leading digit sits in the left quiet zone


@pytest.mark.parametrize("symbology, data, zone", [("qr", "QR", 4), ("datamatrix", "DM", 1), ("pdf417", "PDF", 2),
                                                   ("gs1-qr", "(01)09501101530003", 4)])
def test_matrix_quiet_zone_and_modules(symbology, data, zone):
    scale = 3
    symbol = bq.make(symbology, data, scale=scale)
    pixels = dark(symbol.png())
    columns, rows = symbol.size
    row_height = 3 if symbology == "pdf417" else 1
    assert pixels.shape == ((rows * row_height + 2 * zone) * scale, (columns + 2 * zone) * scale)
    assert extent(pixels.any(axis=0))[0] == zone * scale
    assert extent(pixels.any(axis=1))[0] == zone * scale


@pytest.mark.parametrize("zone", [0, (1, 2, 3, 4)])
def test_quiet_zone_is_settable(zone):
    pixels = dark(bq.make("qr", "zone", scale=2, quiet_zone=zone).png())
    left, top, right, bottom = (zone,) * 4 if isinstance(zone, int) else zone
    assert extent(pixels.any(axis=0)) == (2 * left, pixels.shape[1] - 1 - 2 * right)
    assert extent(pixels.any(axis=1)) == (2 * top, pixels.shape[0] - 1 - 2 * bottom)


def test_databar_needs_no_quiet_zone():
    symbol = bq.make("databar", "0950110153000", scale=2)
    assert dark(symbol.png()).shape[1] == symbol.size[0] * 2


@pytest.mark.parametrize("options, bar_pixels", [({"height": 20, "scale": 2}, 40), ({"height": 33, "scale": 1}, 33),
                                                 ({"height_mm": 10, "dpi": 300, "scale": 3}, 118)])
@pytest.mark.parametrize("show_text", [True, False])
def test_bar_height(options, bar_pixels, show_text):
    pixels = dark(bq.make("code128", "Height", show_text=show_text, **options).png())
    first_bar = extent(pixels[0])[0]
    assert extent(pixels[:, first_bar]) == (0, bar_pixels - 1)
    assert pixels[bar_pixels:].any() == show_text  # the text below the bars, inside the image
    if not show_text:
        assert pixels.shape[0] == bar_pixels


def test_japan_post_quiet_zone_on_every_side():
    pixels = dark(bq.make("japanpost", "10000131-3-2-503", scale=2).png())
    columns, rows = extent(pixels.any(axis=0)), extent(pixels.any(axis=1))
    assert columns[0] == rows[0] == 8
    assert pixels.shape[1] - 1 - columns[1] >= 8 and pixels.shape[0] - 1 - rows[1] == 8


def physical_dpi(png):
    """Dots per inch from the pHYs chunk (None without one)."""
    position = png.find(b"pHYs")
    if position < 0:
        return None
    x, y, unit = struct.unpack(">IIB", png[position + 4 : position + 13])
    assert (x, unit) == (y, 1)
    return x


@pytest.mark.parametrize("symbology", ["code128", "qr", "japanpost"])
def test_png_resolution(symbology):
    data = "10000131-3-2-503" if symbology == "japanpost" else "1234"
    assert physical_dpi(bq.make(symbology, data).png()) is None
    assert physical_dpi(bq.make(symbology, data, dpi=300).png()) == 11811
    assert physical_dpi(bq.make(symbology, data, x_dim_mm=0.5, dpi=600).png()) == 23622


@pytest.mark.parametrize("symbology, x_dim_mm, dpi, scale", [("code128", 0.33, 300, 4),  # 3.90 pixels
                                                              ("code128", 0.33, 203, 3),  # 2.64 pixels
                                                              ("qr", 0.5, 600, 12)])  # 11.81 pixels
def test_x_dimension_rounds_to_whole_pixels(symbology, x_dim_mm, dpi, scale):
    symbol = bq.make(symbology, "x", x_dim_mm=x_dim_mm, dpi=dpi)
    assert (symbol.scale, symbol.x_dim_mm) == (scale, pytest.approx(scale * 25.4 / dpi, abs=1e-6))
    assert dark(symbol.png()).shape[::-1] == symbol.pixel_size


def test_x_dimension_without_dpi_is_exact_in_svg_and_scale_in_raster():
    symbol = bq.make("qr", "exact", x_dim_mm=0.25, scale=3)
    columns, rows = symbol.size
    root = re.search(r"<svg [^>]*>", symbol.svg()).group(0)
    width, height = (float(v) for v in re.findall(r'(?:width|height)="([\d.]+)mm"', root))
    assert (width, height) == (pytest.approx((columns + 8) * 0.25), pytest.approx((rows + 8) * 0.25))
    assert symbol.x_dim_mm == 0.25 and dark(symbol.png()).shape == ((rows + 8) * 3, (columns + 8) * 3)


@pytest.mark.parametrize("symbology, data", [("code128", "SVG"), ("ean13", "490123456789"), ("qr", "SVG")])
def test_svg_physical_size(symbology, data):
    symbol = bq.make(symbology, data, x_dim_mm=0.33, dpi=600)
    png_height, png_width = dark(symbol.png()).shape
    root = re.search(r"<svg [^>]*>", symbol.svg()).group(0)
    width, height = (float(v) for v in re.findall(r'(?:width|height)="([\d.]+)mm"', root))
    assert width == pytest.approx(png_width * 25.4 / 600, abs=0.001)
    assert height == pytest.approx(png_height * 25.4 / 600, abs=0.001)
    assert re.search(r'width="\d+" height="\d+"', bq.make(symbology, data, scale=8).svg())


@pytest.mark.parametrize("symbology, data", [("ean13", "490123456789"), ("ean8", "4901234")])
def test_light_margin_indicators_stand_in_the_quiet_zone_when_asked(symbology, data):
    plain, marked = (dark(bq.make(symbology, data, scale=3, light_margin_indicators=on).png()) for on in (False, True))
    assert plain.shape == marked.shape
    last_bar = extent(plain[0])[1]
    assert not plain[:, last_bar + 1:].any() and marked[:, last_bar + 1:].any()  # '>' right of the bars


def runs(flags):
    """(start, length) of each run of True in a 1-D array."""
    edges = np.flatnonzero(np.diff(np.concatenate(([0], flags.astype(int), [0]))))
    return [(int(start), int(end - start)) for start, end in zip(edges[::2], edges[1::2])]


@pytest.mark.parametrize("bearer", ["frame", "top-bottom", "none"])
@pytest.mark.parametrize("scale", [1, 3])
def test_itf14_bearers_and_the_quiet_zone_inside_them(bearer, scale):
    symbol = bq.make("itf14", "1234567890123", scale=scale, bearer=bearer)
    pixels = dark(symbol.png())
    # bearers 5 modules thick, as zint draws ITF-14's; the 10-module quiet zone inside the frame
    thick, zone = (0 if bearer == "none" else 5 * scale), 10 * scale
    side = thick if bearer == "frame" else 0
    across = runs(pixels.all(axis=1))  # rows dark from edge to edge: the top and bottom bearers
    assert across == ([] if bearer == "none" else [(0, thick), (across[-1][0], thick)])
    assert pixels.shape[1] == symbol.size[0] * scale + 2 * (zone + side)
    bars = runs(pixels[thick])  # the first row under the top bearer: the frame's sides and the bars
    if side:
        assert bars[0] == (0, side) and bars[-1] == (pixels.shape[1] - side, side)
        assert pixels[: across[-1][0], :side].all() and pixels[: across[-1][0], -side:].all()
        bars = bars[1:-1]
    assert bars[0][0] == side + zone and sum(bars[-1]) == pixels.shape[1] - side - zone


def test_postal_codes_print_at_their_standards_module():
    # Intelligent Mail: 1/44 inch a module, 7 pixels at 300 dpi; full bars 6.38 modules (0.145 inch
    # at 1/44), three bands of 15 pixels, 0.15 inch at the achieved module.
    symbol = bq.make("imb", "01234567094987654321-01234567891", dpi=300)
    assert symbol.scale == 7
    top, bottom = extent(dark(symbol.png()).any(axis=1))
    assert bottom - top + 1 == 45
    svg = bq.make("imb", "01234567094987654321").svg()
    width_mm = float(re.search(r'width="([\d.]+)mm"', svg).group(1))
    assert width_mm == pytest.approx((129 + 12) * 25.4 / 44, abs=0.01)
    assert bq.make("rm4scc", "BX11LT1A", scale=3).scale == 3  # a scale given wins
    assert bq.symbologies()["imb"].x_dim_mm == pytest.approx(25.4 / 44)
    assert bq.symbologies()["code128"].x_dim_mm is None
    with pytest.raises(bq.InvalidOptionError):
        bq.make("imb", "01234567094987654321", height_mm=5, dpi=300)


@pytest.mark.parametrize("scale", [1, 2, 3, 8])
@pytest.mark.parametrize("symbology, data", [("ean13", "490123456789+12345"), ("upce", "0123456+12"),
                                             ("isbn", "978-0-306-40615-7+51299")])
def test_add_on_digits_stand_whole_inside_the_image(symbology, data, scale):
    """The digits over an add-on's shorter bars are whole: light added above the symbol shows
    nothing more of them."""
    symbol = bq.make(symbology, data, scale=scale)
    left, top, right, bottom = symbol.quiet_zone
    raised = bq.make(symbology, data, scale=scale, quiet_zone=(left, top + 10, right, bottom))
    pixels = np.asarray(symbol.to_pil().convert("L"))
    assert np.array_equal(np.asarray(raised.to_pil().convert("L"))[10 * scale:], pixels)
