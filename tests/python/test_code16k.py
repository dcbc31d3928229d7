"""Code 16K through make(): its option as symbologies() lists it, what it does to the drawing, and
the typed errors. (zxing-cpp reads no Code 16K: the module rows are checked against zint in the
C++ tests.)"""
import pytest

import barcode_quor as bq


def test_listed_with_its_option():
    info = bq.symbologies()["code16k"]
    assert {o.name: o.accepted for o in info.options} == {"rows": 'an integer from 2 to 16, or None ("auto")'}


def test_rows_and_drawn_size():
    symbol = bq.make("code16k", "Code 16K 0123456789", rows=6, scale=1)
    assert len([1 for _, height in symbol.encoded.rows if height == 0]) == 6
    # 10 + 70 + 1 modules across (quiet zones inside the rows); a row every 10 modules, plus one.
    assert symbol.pixel_size == (81, 61)


def test_errors_name_the_option_or_position():
    with pytest.raises(bq.InvalidOptionError, match="rows=2 cannot hold the data: it needs 4 rows"):
        bq.make("code16k", "Code 16K 0123456789", rows=2)
    with pytest.raises(bq.InvalidDataError, match="ASCII"):
        bq.make("code16k", "Code 16K é")
    with pytest.raises(bq.DataTooLongError, match="16 rows hold 77"):
        bq.make("code16k", "abc" * 30)
