"""Codablock-F through make(): its options as symbologies() lists them, what they do to the drawing,
and the typed errors. (zxing-cpp reads no Codablock-F: the module rows are checked against zint
in the C++ tests.)"""
import pytest

import barcode_quor as bq


def bar_rows(symbol):
    return [modules for modules, height in symbol.encoded.rows if height == 0]


def test_listed_with_its_options_and_quiet_zone():
    info = bq.symbologies()["codablock-f"]
    assert {o.name: o.accepted for o in info.options} == {
        "columns": 'an integer from 4 to 62, or None ("auto")', "rows": 'an integer from 2 to 44, or None ("auto")'}
    assert info.quiet_zone == (10, 0, 10, 0)


def test_columns_and_rows_shape_the_symbol():
    text = "CODABLOCK-F 0123456789 codablock"
    wide = bq.make("codablock-f", text, columns=20)
    assert len(bar_rows(wide)[0]) == 11 * (20 + 5) + 2
    tall = bq.make("codablock-f", text, rows=12)
    assert len(bar_rows(tall)) == 12
    # Rows 9 modules tall under one-module separators, a bar above and below: 10 per row + 1.
    width, height = bq.make("codablock-f", text, columns=20, scale=1).pixel_size
    assert (width, height) == (11 * 25 + 2 + 20, 10 * len(bar_rows(wide)) + 1)


@pytest.mark.parametrize("settings, option", [
    ({"columns": 3}, "columns"),
    ({"rows": 45}, "rows"),
    ({"columns": 4, "rows": 2}, "columns"),
])
def test_options_that_cannot_hold_the_data(settings, option):
    with pytest.raises(bq.InvalidOptionError, match=option):
        bq.make("codablock-f", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", **settings)


def test_bad_data_is_refused_before_drawing():
    with pytest.raises(bq.InvalidDataError, match="8859-1"):
        bq.make("codablock-f", "Ab\u0100")
    with pytest.raises(bq.DataTooLongError, match="44 rows of 62 columns"):
        bq.make("codablock-f", "A" * 2800)
