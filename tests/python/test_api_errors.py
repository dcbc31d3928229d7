"""One error family: wrong options and data raise at make() with what is accepted or what is
wrong and where; nothing goes to standard error; a failed save leaves no file."""
import os

import pytest

import barcode_quor as bq


@pytest.mark.parametrize("symbology, options, accepted", [
    ("qr", {"error": "X"}, "L, M, Q, H"),
    ("qr", {"version": 41}, "from 1 to 40"),
    ("qr", {"mode": "kanjii"}, "numeric, alphanumeric"),
    ("datamatrix", {"size": "11x11"}, "10x10, 12x12"),
    ("pdf417", {"columns": 31}, "from 1 to 30"),
    ("pdf417", {"error_level": 9}, "from 0 to 8"),
    ("code128", {"mode": "D"}, "auto, A, B, C"),
    ("databar-expanded-stacked", {"columns": 0}, "from 1 to 10"),
    ("ean13", {"extended_guard": "yes"}, "True or False"),
    ("code39", {"foreground": (300, 0, 0)}, "integers 0-255"),
    ("code39", {"background": "#12345"}, "#rrggbb"),
    ("code39", {"scale": 0}, "from 1 to 1000"),
    ("qr", {"quiet_zone": -1}, "integer >= 0"),
    ("qr", {"quiet_zone": (1, 2, 3)}, "(left, top, right, bottom)"),
    ("code128", {"codeset": "A"}, "its own options: mode"),
    ("qr", {"height": 10}, "qr has no height"),
    ("datamatrix", {"show_text": False}, "datamatrix has no show_text"),
    ("code128", {"x_dim_mm": 0.33}, "x_dim_mm needs dpi"),
    ("code128", {"x_dim_mm": 0.01, "dpi": 72}, "rounds to 0"),
    ("code128", {"scale": 2, "x_dim_mm": 0.33, "dpi": 300}, "not both"),
    ("code128", {"height_mm": 10}, "height_mm needs dpi"),
])
def test_wrong_option_lists_what_is_accepted(symbology, options, accepted):
    with pytest.raises(bq.InvalidOptionError) as caught:
        bq.make(symbology, "12345678", **options)
    assert accepted in str(caught.value)
    assert isinstance(caught.value, ValueError)


def test_unknown_symbology_lists_the_names():
    with pytest.raises(bq.InvalidOptionError, match="code128, gs1-128.*jan13.*qr"):
        bq.make("code-one", "x")


@pytest.mark.parametrize("symbology, data, character, position", [
    ("code39", "AB#C", "#", 2),
    ("code39", "A*B", "*", 1),
    ("code93", "abc,", ",", 3),
    ("code128", "café", "é", 3),
    ("nw7", "A12B34B", "B", 3),
    ("itf", "12 34", " ", 2),
    ("matrix2of5", "1.5", ".", 1),
    ("ean13", "49012345678x", "x", 11),
    ("databar", "12a", "a", 2),
    ("japanpost", "1000013#3", "#", 7),
    ("qr", "123a", "a", 3),
])
def test_invalid_character_and_position(symbology, data, character, position):
    options = {"mode": "numeric"} if symbology == "qr" else {}
    with pytest.raises(bq.InvalidDataError) as caught:
        bq.make(symbology, data, **options)
    assert (caught.value.character, caught.value.position) == (character, position)
    assert f"position {position}" in str(caught.value)


@pytest.mark.parametrize("symbology, data, fragment", [
    ("code128", "", "empty"),
    ("nw7", "A123", "both ends"),
    ("ean13", "49012345678", "12 digits"),
    ("ean13", "4901234567890", "check digit"),
    ("upce", "2123456", "number system"),
    ("databar", "09501101530004", "expected 3"),
    ("databar-limited", "2501234567890", "leading digit"),
    ("gs1-128-convenience", "91234", "43 digits"),
    ("japanpost", "10-0013", "seven-digit postal code"),
    ("datamatrix", "", "empty"),
])
def test_invalid_data_says_why(symbology, data, fragment):
    with pytest.raises(bq.InvalidDataError, match=fragment):
        bq.make(symbology, data)


@pytest.mark.parametrize("symbology, data, options, capacity", [
    ("qr", "x" * 1274, {"error": "H"}, 1273),
    ("qr", "1" * 7090, {"error": "L", "mode": "numeric"}, 7089),
    ("datamatrix", "ABCDEFGH", {"size": "10x10"}, 3),
    ("pdf417", "x" * 5421, {}, None),
    ("databar", "0" * 15, {}, 14),
    ("japanpost", "1000013ABCDEFG", {}, 20),
])
def test_data_too_long_gives_the_capacity(symbology, data, options, capacity):
    with pytest.raises(bq.DataTooLongError) as caught:
        bq.make(symbology, data, **options)
    assert caught.value.capacity == capacity
    assert isinstance(caught.value, bq.InvalidDataError)


def test_nothing_on_standard_error(capfd):
    for symbology, data in [("code39", "a#"), ("datamatrix", "x" * 4000), ("ean8", "1234"), ("qr", "x" * 3000),
                            ("pdf417", "x" * 6000), ("databar-expanded", "(01)1"), ("upce", "99")]:
        with pytest.raises(bq.BarcodeError):
            bq.make(symbology, data)
    bq.make("code128", "ok").png()
    assert capfd.readouterr().err == ""


def test_failed_save_leaves_no_file_and_keeps_the_old_one(tmp_path, monkeypatch):
    symbol = bq.make("code128", "ok")
    with pytest.raises(bq.InvalidOptionError, match="png, jpeg, jpg, svg"):
        symbol.save(tmp_path / "x.gif")
    with pytest.raises(OSError):
        symbol.save(tmp_path / "missing" / "x.png")
    existing = tmp_path / "keep.png"
    existing.write_bytes(b"old")

    def fail(*args):
        raise OSError("disk full")

    monkeypatch.setattr(os, "fdopen", fail)  # the trial copy beside the file cannot be written
    with pytest.raises(OSError, match="disk full"):
        symbol.save(existing)
    assert sorted(p.name for p in tmp_path.iterdir()) == ["keep.png"]
    assert existing.read_bytes() == b"old"
