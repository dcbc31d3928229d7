"""The extended-guard and plain forms shared by JAN-13, JAN-8, UPC-A and UPC-E."""
import math
from dataclasses import dataclass

import numpy as np
import pytest

import barcode_quor as bq
from conftest import SVG_NS, pixels, svg_rects, svg_root


@dataclass
class Retail:
    cls: type
    code: str  # completed code
    elements: int
    modules: int
    tall: list  # element ranges [start, end) drawn at guard height
    margin_factor: float  # side margin as a fraction of t = 0.2 x height
    right_margin: bool
    guard_factor: float
    groups: list  # the digit strings as printed with even spacing off
    outside: str  # the digits printed outside the bars


RETAIL = [
    Retail(bq.Jan13, "4901234567894", 59, 95, [(0, 3), (27, 32), (56, 59)], 0.96, False, 0.275,
           ["4", "901234", "567894"], "4"),
    Retail(bq.Jan8, "49012347", 43, 67, [(0, 3), (19, 24), (40, 43)], 0.0, False, 0.275, ["4901", "2347"], ""),
    Retail(bq.UPC_A, "036000291452", 59, 95, [(0, 7), (28, 31), (52, 59)], 0.8, True, 0.495,
           ["0", "36000", "29145", "2"], "02"),
    Retail(bq.UPC_E, "01234565", 33, 51, [(0, 3), (27, 33)], 0.8, True, 0.495, ["0", "123456", "5"], "05"),
]
IDS = [r.cls.__name__ for r in RETAIL]


def dark(px):
    return px[..., :3].sum(axis=-1) < 384


def bar_runs(row):
    """(start, width) of each dark run in one boolean pixel row."""
    edges = np.flatnonzero(np.diff(np.concatenate(([0], row.astype(np.int8), [0]))))
    return [(int(a), int(b - a)) for a, b in zip(edges[::2], edges[1::2])]


def dark_height(column):
    """How many pixels a column is dark from the top."""
    light = np.flatnonzero(~column)
    return int(light[0]) if light.size else column.size


@pytest.mark.parametrize("r", RETAIL, ids=IDS)
@pytest.mark.parametrize("width", [300, 420])
def test_extended_raster_zones_margins_and_guard_heights(r, width):
    height = 100  # font 20, gap 5: bars 75 high; t = 20
    png = r.cls().draw_bytes(r.code, width, height)
    px = dark(pixels(png))
    margin = math.floor(20 * r.margin_factor)
    module = max(1, (width - margin * (2 if r.right_margin else 1)) // r.modules)
    bars = bar_runs(px[0])
    assert len(bars) == (r.elements + 1) // 2
    assert bars[0][0] == margin
    assert bars[-1][0] + bars[-1][1] == margin + r.modules * module
    guard = 75 + math.floor(20 * r.guard_factor)
    for i, (x, w) in enumerate(bars):
        element = 2 * i
        tall = any(a <= element < b for a, b in r.tall)
        assert dark_height(px[:, x + w // 2]) == (guard if tall else 75), (element, x)


@pytest.mark.parametrize("r", RETAIL, ids=IDS)
def test_extended_svg_zones_margins_and_text(r):
    c = r.cls()
    c.set_output_format("svg")
    doc = c.draw(r.code, 300, 100)
    rects = svg_rects(doc)[1:]  # after the background
    assert len(rects) == (r.elements + 1) // 2
    # The margin is whole pixels, so every bar edge renders sharp at one pixel per module.
    assert rects[0][0] == math.floor(20 * r.margin_factor + 1e-6)
    guard = 75 + 20 * r.guard_factor
    for i, (_, y, _, h, _) in enumerate(rects):
        tall = any(a <= 2 * i < b for a, b in r.tall)
        assert (y, h) == (0, pytest.approx(guard if tall else 75, abs=0.006)), i
    texts = list(svg_root(doc).iter(SVG_NS + "text"))
    assert "".join(t.text for t in texts) == r.code
    assert len(texts) == len(r.code)  # one element per digit with even spacing
    assert {t.get("y") for t in texts} == {"78.00"}  # bar bottom + int(3 % of the height)
    anchors = [t.get("text-anchor") for t in texts]
    assert anchors.count("start") == len(r.outside)


@pytest.mark.parametrize("r", RETAIL, ids=IDS)
@pytest.mark.parametrize("output", ["png", "svg"])
def test_bars_match_between_raster_and_svg(r, output):
    c = r.cls()
    png = c.draw_bytes(r.code, 300, 100)
    c.set_output_format("svg")
    rects = svg_rects(c.draw(r.code, 300, 100))[1:]
    raster = bar_runs(dark(pixels(png))[0])
    assert [(x, w) for x, _, w, _, _ in rects] == [(float(x), float(w)) for x, w in raster]


@pytest.mark.parametrize("r", RETAIL, ids=IDS)
def test_even_spacing_off_prints_one_string_per_group(r):
    c = r.cls()
    c.set_output_format("svg")
    c.set_text_even_spacing(False)
    texts = [t.text for t in svg_root(c.draw(r.code, 300, 100)).iter(SVG_NS + "text")]
    assert texts == r.groups


@pytest.mark.parametrize("r", RETAIL, ids=IDS)
def test_too_narrow_groups_are_left_out(r):
    c = r.cls()
    c.set_output_format("svg")
    texts = [t.text for t in svg_root(c.draw(r.code, 1, 300)).iter(SVG_NS + "text")]
    assert "".join(texts) == r.outside


@pytest.mark.parametrize("r", RETAIL, ids=IDS)
def test_show_text_off_guards_reach_past_the_canvas_and_no_margin(r):
    c = r.cls()
    c.set_show_text(False)
    extended = c.draw_bytes(r.code, 300, 80)
    px = dark(pixels(extended))
    bars = bar_runs(px[0])
    assert bars[0][0] == 0
    assert all(dark_height(px[:, x]) == 80 for x, _ in bars)  # cut off at the canvas bottom
    c.set_extended_guard(False)
    assert c.draw_bytes(r.code, 300, 80) == extended
    c.set_output_format("svg")
    c.set_extended_guard(True)
    heights = {h for _, _, _, h, _ in svg_rects(c.draw(r.code, 300, 80))[1:]}
    assert heights == {80, 84}


@pytest.mark.parametrize("r", RETAIL, ids=IDS)
def test_plain_form_has_equal_bars_and_evenly_spaced_text(r):
    c = r.cls()
    c.set_extended_guard(False)
    c.set_output_format("svg")
    doc = c.draw(r.code[:-1] if r.cls is not bq.UPC_E else r.code, 300, 100)
    rects = svg_rects(doc)[1:]
    assert rects[0][0] == 0 and {h for _, _, _, h, _ in rects} == {75}
    texts = list(svg_root(doc).iter(SVG_NS + "text"))
    assert "".join(t.text for t in texts) == r.code
    xs = [float(t.get("x")) for t in texts]
    assert len(set(np.diff(xs).round(2))) == 1


@pytest.mark.parametrize("r", RETAIL, ids=IDS)
@pytest.mark.parametrize(
    "setup",
    [
        [],
        [("set_text_font_scale", (float("nan"),))],
        [("set_text_font_scale", (1e30,))],
        [("set_text_font_scale", (-3.0,))],
        [("set_text_gap", (float("inf"),))],
        [("set_px_adjust_black", (2**31 - 1,)), ("set_px_adjust_white", (-(2**31),))],
        [("set_fit_width", (True,))],
    ],
)
@pytest.mark.parametrize("output", ["png", "svg"])
def test_extreme_settings_and_sizes_never_crash(r, setup, output):
    c = r.cls()
    c.set_output_format(output)
    for name, args in setup:
        getattr(c, name)(*args)
    for width, height in [(300, 100), (1, 1), (2, 3000), (0, 50), (-5, 40)]:
        result = c.draw(r.code, width, height)
        assert isinstance(result, str)
        if output == "svg" and result:
            svg_root(result)


def test_set_extended_guard_takes_its_keyword():
    for cls in (bq.Jan8, bq.Jan13, bq.UPC_A, bq.UPC_E):
        cls().set_extended_guard(extended=False)
