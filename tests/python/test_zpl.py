"""ZPL labels: the ^GFA graphic field decoded back to dots equals our PNG's pixels."""
import base64
import binascii
import re
import zlib

import numpy as np
import pytest

import barcode_quor as bq
from barcode_quor import InvalidOptionError
from conftest import decode, pixels

_COUNTS = {**{chr(ord("G") + i): i + 1 for i in range(19)}, **{chr(ord("g") + i): 20 * (i + 1) for i in range(20)}}


def field_dots(label: str) -> tuple[tuple[int, int], np.ndarray]:
    """The origin and the dots (1 printed) of the one ^GFA field in a label: Z64 (base64 of zlib
    data, its CRC-16/XMODEM checked) or the ASCII compression (repeat counts, ',' zeros to the
    row's end, '!' ones, ':' the row above)."""
    match = re.fullmatch(r"\^XA\n\^FO(\d+),(\d+)\^GFA,(\d+),(\d+),(\d+),([^^]*)\^FS\n\^XZ\n", label)
    assert match, label[:80]
    x, y, total, count, stride, data = match.groups()
    total, stride, width = int(total), int(stride), 2 * int(stride)
    assert count == str(total) and total % stride == 0
    if data.startswith(":Z64:"):
        text, crc = data[5:].split(":")
        assert int(crc, 16) == binascii.crc_hqx(text.encode("ascii"), 0)
        raw = zlib.decompress(base64.b64decode(text, validate=True))
        assert len(raw) == total
        packed = np.frombuffer(raw, dtype=np.uint8).reshape(total // stride, stride)
        return (int(x), int(y)), np.unpackbits(packed, axis=1)
    rows, row, repeat = [], "", 0
    for ch in data:
        if ch in _COUNTS:
            repeat += _COUNTS[ch]
        elif ch in ",!:":
            if ch == ":":
                row = rows[-1]
            else:
                row += ("0" if ch == "," else "F") * (width - len(row))
            rows.append(row)
            row = ""
        else:
            row += ch * (repeat or 1)
            repeat = 0
            if len(row) == width:
                rows.append(row)
                row = ""
    assert row == "" and len(rows) == total // stride and all(len(r) == width for r in rows)
    packed = np.frombuffer(bytes.fromhex("".join(rows)), dtype=np.uint8).reshape(len(rows), stride)
    return (int(x), int(y)), np.unpackbits(packed, axis=1)


def png_dots(png: bytes) -> np.ndarray:
    return (pixels(png)[:, :, 0] < 128).astype(np.uint8)


@pytest.mark.parametrize("symbology, data, options", [
    ("ean13", "400638133393", {"printer_dpi": 203}),
    ("gs1-128", "(00)106141411234567897", {"printer_dpi": 300}),
    ("qr", "https://example.com/zpl", {"printer_dpi": 600, "x_dim_mm": 0.5}),
    ("datamatrix", "ZPL 0123456789", {"scale": 5, "rotate": 90}),
    ("code39", "ZPL", {"scale": 3, "foreground": "navy", "background": "transparent"}),
])
def test_graphic_field_is_the_png(symbology, data, options):
    symbol = bq.make(symbology, data, **options)
    origin, dots = field_dots(symbol.zpl(origin=(30, 12)))
    expected = png_dots(bq.make(symbology, data, **{**options, "foreground": "black", "background": "white"}).png())
    assert origin == (30, 12)
    assert np.array_equal(dots[:, :expected.shape[1]], expected) and not dots[:, expected.shape[1]:].any()


def test_another_resolution_is_the_symbol_drawn_at_that_resolution():
    symbol = bq.make("ean13", "400638133393", printer_dpi=203)  # 3 dots = 0.375 mm
    _, dots = field_dots(symbol.zpl(dpi=600))
    again = bq.make("ean13", "400638133393", dpi=600, x_dim_mm=0.375, height=symbol.row_heights[0])  # 9 dots
    assert np.array_equal(dots[:, :again.pixel_size[0]], png_dots(again.png()))
    assert decode(again.png()).text == "4006381333931"


def test_ascii_form_for_a_tiny_image():
    symbol = bq.make("code39", "A", scale=1, height=1, show_text=False, quiet_zone=0)
    label = symbol.zpl()
    assert ":Z64:" not in label
    assert np.array_equal(field_dots(label)[1][:, :symbol.pixel_size[0]], png_dots(symbol.png()))


def test_compression_and_file_output(tmp_path):
    symbol = bq.make("gs1-128", "(00)106141411234567897", printer_dpi=203)
    label = symbol.zpl()
    assert ":Z64:" in label
    width, height = symbol.pixel_size
    assert len(label) < ((width + 7) // 8) * 2 * height / 10  # repeated rows and runs: under a tenth of the hex
    symbol.save(tmp_path / "label.zpl")
    assert (tmp_path / "label.zpl").read_text("ascii") == label


@pytest.mark.parametrize("call, option", [
    (lambda s: s.zpl(dpi=250), "dpi"),
    (lambda s: s.zpl(origin=(-1, 0)), "origin"),
    (lambda s: bq.make("qr", "no size").zpl(dpi=300), "dpi"),
])
def test_refusals_name_the_option(call, option):
    with pytest.raises(InvalidOptionError) as raised:
        call(bq.make("ean13", "400638133393", printer_dpi=203))
    assert raised.value.option == option
