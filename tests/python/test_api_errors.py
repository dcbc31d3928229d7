"""One error family: wrong options and data raise at make() with what is accepted or what is
wrong and where; nothing goes to standard error; a failed save leaves no file."""
import os

import pytest

import _barcode_quor_native as native
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
    ("qr", {"quiet_zone": -1}, "integer from 0 to 1000000"),
    ("qr", {"quiet_zone": (1, 2, 3)}, "(left, top, right, bottom)"),
    ("code128", {"codeset": "A"}, "its own options: mode"),
    ("qr", {"height": 10}, "qr has no height"),
    ("datamatrix", {"show_text": False}, "datamatrix has no show_text"),
    ("code128", {"x_dim_mm": 0.01, "dpi": 72}, "rounds to 0"),
    ("code128", {"scale": 2, "x_dim_mm": 0.33, "dpi": 300}, "not both"),
    ("code128", {"height_mm": 10}, "height_mm needs dpi or x_dim_mm"),
    ("code128", {"text_size_mm": 3}, "text_size_mm needs dpi or x_dim_mm"),
    ("code128", {"rotate": 45}, "0, 90, 180, 270"),
    ("code128", {"text_position": "left"}, "below, above"),
    ("code128", {"font": "comic-sans"}, "neither ocr-b nor roboto"),
    ("code128", {"bar_width_reduction": 2, "scale": 2}, "not less than the module (2 pixels)"),
    ("code128", {"background": "greige"}, "CSS colour name"),
    ("qr", {"text": "label"}, "qr has no text"),
    ("qr", {"scale": 1000}, "over the limit max_pixels=100,000,000"),
    ("datamatrix", {"max_pixels": 100}, "over the limit max_pixels=100"),
    ("code128", {"digital_link": "(01)09501101530003"}, "cannot carry a GS1 Digital Link"),
    ("pdf417", {"rows": 90, "columns": 30}, "more than the 928 codewords"),
    ("qr", {"scael": 3}, "qr has no option 'scael'; did you mean 'scale'?"),
    ("qr", {"border": 2}, "did you mean 'quiet_zone'?"),
    ("code128", {"dark": "red"}, "did you mean 'foreground'?"),
    ("code128", {"module_width": 0.3}, "did you mean 'x_dim_mm'?"),
    ("ean13", {"bearer": "frame"}, "ean13 has no option 'bearer' (itf, itf14 have it)"),
    ("code128", {"height": 0.2}, "rounds to 0: the bars would not be drawn"),
    ("code128", {"height_mm": 0.01, "dpi": 72}, "rounds to 0: the bars would not be drawn"),
    ("code128", {"scale": 600}, "code128: text of"),
])
def test_wrong_option_lists_what_is_accepted(symbology, options, accepted):
    with pytest.raises(bq.InvalidOptionError) as caught:
        bq.make(symbology, "12345678", **options)
    assert accepted in str(caught.value)
    assert isinstance(caught.value, ValueError)


def test_unknown_symbology_lists_the_names_or_the_one_meant():
    with pytest.raises(bq.InvalidOptionError, match="code128, gs1-128.*jan13.*qr"):
        bq.make("unheard-of", "x")
    for typed, meant in [("EAN-13", "ean13"), ("QRCode", "qr"), ("rss14", "databar"), ("datamatrx", "datamatrix")]:
        with pytest.raises(bq.InvalidOptionError, match=f"did you mean '{meant}'"):
            bq.make(typed, "x")


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
    ("qr", "ab\ud800", "\ud800", 2),  # a lone surrogate has no UTF-8 form
])
def test_invalid_character_and_position(symbology, data, character, position):
    options = {"mode": "numeric"} if symbology == "qr" else {}
    with pytest.raises(bq.InvalidDataError) as caught:
        bq.make(symbology, data, **options)
    assert (caught.value.character, caught.value.position) == (character, position)


@pytest.mark.parametrize("symbology, data, fragment", [
    ("code128", "", "(?i)empty"),
    ("nw7", "A123", "start/stop"),
    ("ean13", "49012345678", "12 or 13 digits"),
    ("ean13", "4901234567890", "check digit"),
    ("upce", "2123456", "number system"),
    ("databar", "09501101530004", "expected 3"),
    ("databar-limited", "2501234567890", "leading digit"),
    ("gs1-128-convenience", "91234", "43 or 44 digits"),
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
    ("pdf417", "x" * 5421, {}, 2710),
    ("databar", "0" * 15, {}, 14),
    ("japanpost", "1000013ABCDEFG", {}, 20),
], ids=lambda value: value[:12] if isinstance(value, str) else None)
def test_data_too_long_gives_the_capacity(symbology, data, options, capacity):
    with pytest.raises(bq.DataTooLongError) as caught:
        bq.make(symbology, data, **options)
    assert caught.value.capacity == capacity
    assert isinstance(caught.value, bq.InvalidDataError)


def test_nothing_reaches_file_descriptor_2(tmp_path):
    """Native code writes to fd 2 directly, below sys.stderr: watch the descriptor itself."""
    failing = [("code39", "a#", {}), ("datamatrix", "x" * 4000, {}), ("ean8", "1234", {}), ("qr", "x" * 3000, {}),
               ("pdf417", "x" * 6000, {}), ("databar-expanded", "(01)1", {}), ("upce", "99", {}),
               ("qr", "x", {"scale": 1000}), ("code128", "A", {"text": "漢字 ☃"})]  # glyphs the font lacks
    saved = os.dup(2)
    with open(tmp_path / "fd2", "wb") as sink:
        os.dup2(sink.fileno(), 2)
        try:
            for symbology, data, options in failing:
                with pytest.raises(bq.BarcodeError):
                    bq.make(symbology, data, **options)
            tall = bq.make("code128", "A", height=5000, scale=2)
            tall.png(), tall.svg(), tall.jpeg()
        finally:
            os.dup2(saved, 2)
            os.close(saved)
    assert (tmp_path / "fd2").read_bytes() == b""


def test_failed_save_leaves_no_file_and_keeps_the_old_one(tmp_path, monkeypatch):
    symbol = bq.make("code128", "ok")
    with pytest.raises(bq.InvalidOptionError, match="png, jpeg, jpg, svg"):
        symbol.save(tmp_path / "x.gif")
    with pytest.raises(FileNotFoundError) as missing:
        symbol.save(tmp_path / "missing" / "x.png")
    assert missing.value.filename == str(tmp_path / "missing" / "x.png")  # the caller's path, not a temporary
    existing = tmp_path / "keep.png"
    existing.write_bytes(b"old")

    def fail(*args):
        raise OSError("disk full")

    monkeypatch.setattr(os, "fdopen", fail)  # the trial copy beside the file cannot be written
    with pytest.raises(OSError, match="disk full"):
        symbol.save(existing)
    assert sorted(p.name for p in tmp_path.iterdir()) == ["keep.png"]
    assert existing.read_bytes() == b"old"


@pytest.mark.parametrize("kind, position, capacity, cls, attributes", [
    ("InvalidCharacter", 3, -1, bq.InvalidDataError, {"position": 3, "character": None}),
    ("InvalidData", -1, -1, bq.InvalidDataError, {"position": None}),
    ("TooLong", -1, 2331, bq.DataTooLongError, {"capacity": 2331}),
    ("TooLong", -1, -1, bq.DataTooLongError, {"capacity": None}),
    ("InvalidOption", -1, -1, bq.InvalidOptionError, {}),
    ("TooLarge", -1, -1, bq.InvalidOptionError, {}),
])
def test_native_error_kinds_become_the_package_classes(kind, position, capacity, cls, attributes):
    with pytest.raises(cls, match="^the message$") as caught:
        native._raise_encode_error(kind, "the message", position, capacity)
    assert type(caught.value) is cls
    assert {name: getattr(caught.value, name) for name in attributes} == attributes


def test_native_steps_refuse_unknown_and_mistyped_options():
    with pytest.raises(bq.InvalidOptionError, match="unknown encode option 'colour'"):
        native.encode("code128", "x", colour=1)
    with pytest.raises(bq.InvalidOptionError, match="invalid render option rotate='90'"):
        native.render(native.encode("code128", "x"), "png", rotate="90")


@pytest.mark.parametrize("accepted, refused", [
    ({"scale": 1}, {"scale": True}),
    ({"foreground": (0, 0, 1)}, {"foreground": (0, 0, True)}),
])
def test_settings_checked_before_do_not_pass_an_equal_value_of_another_type(accepted, refused):
    bq.make("code39", "12345678", **accepted)  # its checked settings are kept for later symbols
    with pytest.raises(bq.InvalidOptionError):
        bq.make("code39", "12345678", **refused)


def test_a_font_that_cannot_draw_is_refused(tmp_path):
    """A truncated font file opens, then draws nothing: refused by name, never a blank text."""
    font = tmp_path / "cut.ttf"
    roboto = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "Roboto_400Regular.ttf")
    with open(roboto, "rb") as whole:
        font.write_bytes(whole.read()[:20000])
    with pytest.raises(bq.InvalidOptionError, match="code128: the font has no outline for U[+]0041.*truncated") as e:
        bq.make("code128", "A B", font=font)
    assert e.value.option == "font"
