"""Checks shared by the tests of the one-row linear classes: stderr messages, SVG against raster
geometry, element widths read back from the pixels, and the SVG text line."""
import numpy as np

from conftest import SVG_NS, dark_columns, svg_rects, svg_root


def assert_rejected(make, code, line, stderr_lines):
    """Every draw path of the object `make()` returns (a class, or a factory that configures one)
    returns its empty result and writes `line` once per draw."""
    obj = make()
    assert obj.draw_bytes(code, 300, 100) == b""
    assert obj.draw(code, 300, 100) == ""
    obj.set_output_format("svg")
    assert obj.draw(code, 300, 100) == ""
    assert stderr_lines() == [line] * 3


def svg_bar_row(document, width, fractional):
    """Which pixel columns the bar rectangles of an SVG document cover (background left out), by the
    raster rule: a pixel is covered when its centre lies in [x, x + w). Also returns the columns where,
    for fractional geometry, the document's two-decimal rounding hides which side of a centre an edge is."""
    row = np.zeros(width, dtype=bool)
    unsure = np.zeros(width, dtype=bool)
    for x, _, w, _, _ in svg_rects(document)[1:]:
        start, end = int(np.ceil(x - 0.5)), int(np.ceil(x + w - 0.5))
        row[max(0, start) : max(0, end)] = True
        if fractional:
            for edge, value in ((start, x), (end, x + w)):
                if abs(value - np.floor(value) - 0.5) < 0.01:
                    unsure[max(0, edge - 1) : edge + 1] = True
    return row, unsure


def fitted(cls, fit):
    """A factory for `cls` objects with fit-width set to `fit`."""

    def make():
        obj = cls()
        obj.set_fit_width(fit)
        return obj

    return make


def assert_svg_matches_raster(make, code, width, height=30, fractional=False):
    """The SVG document is well-formed and covers the same columns as the raster bars. With fractional
    geometry pick a width that is not a simple multiple of the module count, so few columns are unsure."""
    png = make()
    png.set_show_text(False)
    data = png.draw_bytes(code, width, height)
    svg = make()
    svg.set_show_text(False)
    svg.set_output_format("svg")
    document = svg.draw(code, width, height)
    assert svg_root(document).get("width") == str(width)
    row, unsure = svg_bar_row(document, width, fractional)
    assert np.array_equal(row[~unsure], dark_columns(data)[~unsure]), code
    assert unsure.sum() < width // 20, code


def element_widths(row):
    """Pixel widths of the alternating bar and space runs from the first to the last dark pixel."""
    dark = np.flatnonzero(row)
    if dark.size == 0:
        return []
    row = row[dark[0] : dark[-1] + 1]
    edges = np.flatnonzero(row[1:] != row[:-1]) + 1
    bounds = np.concatenate(([0], edges, [row.size]))
    return list(np.diff(bounds))


def svg_texts(document):
    """Contents of the text elements, in document order."""
    return [t.text for t in svg_root(document).iter(SVG_NS + "text")]
