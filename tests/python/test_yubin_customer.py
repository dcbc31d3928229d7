"""Japan Post customer barcode: geometry from the height, bar states read back from pixels and SVG,
and silent failure on invalid input."""
import base64
import random

import numpy as np
import pytest

import barcode_quor as bq
from conftest import cases, pixels, svg_root, svg_rects

# Start, 1 0 0 0 0 1 3 1 - 3 - 2 - 5 0 3, four CC4 fillers, check 9, stop (worked out by hand).
ADDRESS = "10000131-3-2-503"
ADDRESS_BARS = (
    "13" "114" "144" "144" "144" "144" "114" "312" "114" "414" "312" "414" "132" "414" "141" "144" "312"
    "432" "432" "432" "432" "411" "31"
)
CHARSET = "0123456789-ABCDEFGHIJKLMNOPQRSTUVWXYZ"
# Image width for a height: 67 pitches of H/3, one bar of H/6, plus one.
WIDTHS = {6: 136, 30: 676, 60: 1351, 90: 2026, 120: 2701}


def shape(top_dark, middle_dark, bottom_dark):
    assert middle_dark, "every bar covers the middle third"
    return "1" if top_dark and bottom_dark else "2" if top_dark else "3" if bottom_dark else "4"


def raster_bars(data, height, bar_width=None):
    """Bar shapes read from the pixels: each bar sampled in its centre column at three heights."""
    dark = pixels(data)[:, :, :3].sum(axis=2) < 384
    pitch, width = height / 3, bar_width or height / 6
    rows = (height // 6, height // 2, 5 * height // 6)
    return "".join(shape(*(dark[r, int(k * pitch + width / 2)] for r in rows)) for k in range(67))


def svg_bars(document, height):
    """Bar shapes from the rect elements after the background, checking each one's size and place."""
    rects = svg_rects(document)
    assert rects[0][:4] == (0, 0, WIDTHS.get(height, rects[0][2]), height)
    out = ""
    for k, (x, y, w, h, fill) in enumerate(rects[1:]):
        assert (x, w, fill) == (pytest.approx(k * height / 3, abs=0.01), pytest.approx(height / 6, abs=0.01), "rgb(0,0,0)")
        third = height / 3
        spans = {(0, 3): "1", (0, 2): "2", (1, 3): "3", (1, 2): "4"}
        out += spans[(round(y / third), round((y + h) / third))]
    return out


@pytest.mark.parametrize("height", sorted(WIDTHS))
def test_raster_size_and_bars_follow_the_height(height):
    data = bq.YubinCustomer().draw_bytes(ADDRESS, height)
    px = pixels(data)
    assert px.shape[:2] == (height, WIDTHS[height])
    assert raster_bars(data, height) == ADDRESS_BARS
    # Along the middle row every bar is H/6 wide at a pitch of H/3, nothing after the stop bar.
    expected = np.zeros(WIDTHS[height], dtype=bool)
    for k in range(67):
        expected[k * height // 3 : k * height // 3 + height // 6] = True
    assert np.array_equal(px[height // 2, :, :3].sum(axis=1) < 384, expected)


def test_bar_heights_at_height_60():
    dark = pixels(bq.YubinCustomer().draw_bytes(ADDRESS, 60))[:, :, :3].sum(axis=2) < 384
    # Rows covered by each shape: long 0-59, upper 0-39, lower 20-59, timing 20-39.
    spans = {"1": (0, 60), "2": (0, 40), "3": (20, 60), "4": (20, 40)}
    for k, s in enumerate(ADDRESS_BARS):
        top, bottom = spans[s]
        column = dark[:, 20 * k + 5]
        assert column[top:bottom].all() and not column[:top].any() and not column[bottom:].any(), k


def test_svg_has_the_geometry_of_the_raster():
    rng = random.Random(1351)
    y = bq.YubinCustomer()
    for _ in range(cases(20)):
        code = "".join(rng.choice(CHARSET + "abz!/ ") for _ in range(rng.randint(1, 25)))
        height = rng.choice(sorted(WIDTHS))
        y.set_output_format("png")
        raster = raster_bars(y.draw_bytes(code, height), height)
        y.set_output_format("svg")
        document = y.draw(code, height)
        root = svg_root(document)
        assert (root.get("width"), root.get("height")) == (str(WIDTHS[height]), str(height))
        assert root.get("viewBox") == f"0 0 {WIDTHS[height]} {height}"
        assert len(svg_rects(document)) == 68, code
        assert svg_bars(document, height) == raster, code
        assert "<text" not in document


def test_svg_of_the_known_address():
    y = bq.YubinCustomer()
    y.set_output_format("SVG")
    assert svg_bars(y.draw(ADDRESS, 60), 60) == ADDRESS_BARS
    assert svg_bars(y.draw_with_width(ADDRESS, 10, 60), 60) == ADDRESS_BARS


def test_width_argument_is_ignored():
    y = bq.YubinCustomer()
    uri = y.draw(ADDRESS, 60)
    assert uri.startswith("data:image/png;base64,")
    for width in (1, 500, 1351, 5000):
        assert y.draw_with_width(ADDRESS, width, 60) == uri
    assert base64.b64decode(uri.split(",", 1)[1]) == y.draw_bytes(ADDRESS, 60)


@pytest.mark.parametrize("adjust,bar_width", [(0, 10), (3, 13), (-4, 6), (-50, 1)])
def test_black_adjustment_widens_the_bars(adjust, bar_width):
    y = bq.YubinCustomer()
    y.set_px_adjust_black(adjust)
    y.set_px_adjust_white(7)  # no spaces are drawn: no effect
    data = y.draw_bytes(ADDRESS, 60)
    assert pixels(data).shape[1] == 1351
    row = pixels(data)[30, :, :3].sum(axis=1) < 384
    assert row[:40].tolist() == [True] * bar_width + [False] * (20 - bar_width) + [True] * bar_width + [False] * (
        20 - bar_width
    )
    assert raster_bars(data, 60, bar_width) == ADDRESS_BARS


def test_lower_case_dropped_characters_and_files(tmp_path):
    y = bq.YubinCustomer()
    assert y.draw_bytes("1000013 1-3-2-5/03 ", 60) == y.draw_bytes(ADDRESS, 60)
    assert y.draw_bytes("ab-cd", 30) == y.draw_bytes("AB-CD", 30)
    path = tmp_path / "yubin.png"
    assert y.draw_to_file(ADDRESS, 60, str(path)) is None
    assert path.read_bytes() == y.draw_bytes(ADDRESS, 60)


def test_text_without_encodable_characters_draws_fillers():
    # Start, 20 CC4 fillers (S = 280), check 5, stop.
    data = bq.YubinCustomer().draw_bytes("!!!", 30)
    assert raster_bars(data, 30) == "13" + "432" * 20 + "141" + "31"


@pytest.mark.parametrize("code,height", [("", 60), ("123", 0), ("123", -6)])
@pytest.mark.parametrize("output_format", ["png", "svg"])
def test_invalid_input_returns_empty_results_silently(code, height, output_format, tmp_path, stderr_lines):
    y = bq.YubinCustomer()
    y.set_output_format(output_format)
    path = tmp_path / "none.png"
    assert y.draw(code, height) == ""
    assert y.draw_bytes(code, height) == b""
    assert y.draw_with_width(code, 300, height) == ""
    y.draw_to_file(code, height, str(path))
    assert not path.exists()
    assert stderr_lines() == []
