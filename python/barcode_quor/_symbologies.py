"""Every symbology of the high-level API: its names, native class, layout, standard quiet zone
(with the clause it comes from), default bar height, own options and data checks."""
from __future__ import annotations

import enum
from dataclasses import dataclass
from typing import Any, Callable, Mapping

import _barcode_quor_native as _native

from . import _data, _gs1
from ._errors import DataTooLongError, InvalidDataError
from ._options import Choice, Flag, Number, Option


class Layout(enum.Enum):
    ROW = "row"  # one row of bars with the text below
    STACKED = "stacked"  # stacked DataBar rows; the height given is that of all rows together
    POSTAL = "postal"  # Japan Post: the whole geometry follows from the module size
    MATRIX = "matrix"  # 2D: square modules (PDF417 rows are row_height modules tall)


@dataclass(frozen=True)
class QuietZone:
    """Standard minimum light margin in modules on each side, and where the figure comes from."""

    left: int
    top: int
    right: int
    bottom: int
    source: str

    @property
    def sides(self) -> tuple[int, int, int, int]:
        return (self.left, self.top, self.right, self.bottom)


Prepare = Callable[[str, Mapping[str, Any]], str]


@dataclass(frozen=True)
class Symbology:
    name: str
    title: str
    native: Callable[[], Any]
    layout: Layout
    quiet_zone: QuietZone
    prepare: Prepare  # checks the data and returns the native input
    bar_height: float | None = None  # default in modules; None where the symbology fixes it
    bar_height_per_row: bool = False  # bar_height is per data row (+3 separator modules between rows)
    default_scale: int = 2
    options: tuple[Option, ...] = ()
    aliases: tuple[str, ...] = ()
    setup: Callable[[Any], None] | None = None  # fixed settings that make the native class this symbology
    payment_form: bool = False  # drawn by the GS1-128 convenience-store payment form methods


def _checked(check: Callable[[str], None]) -> Prepare:
    def prepare(data: str, options: Mapping[str, Any]) -> str:
        check(data)
        return data

    return prepare


def _element_string(name: str, form: str) -> Prepare:
    return lambda data, options: _gs1.prepare(name, data, form, options["validate"])


def _gtin(name: str) -> Prepare:
    """DataBar GTINs: up to 13 digits as the native class takes them, or 14 with the check digit
    (verified, then dropped), optionally after "(01)"."""

    def prepare(data: str, options: Mapping[str, Any]) -> str:
        offset = 4 if data.startswith("(01)") else 0
        digits = data[offset:]
        _data.digits(name)(digits)
        if len(digits) > 14:
            raise DataTooLongError(f"{name}: a GTIN has 13 digits, or 14 with its check digit", capacity=14)
        if len(digits) == 14:
            expected = _native.GS1DataBar14.calculate_check_digit(digits[:13])
            if digits[13] != expected:
                raise InvalidDataError(
                    f"{name}: check digit {digits[13]} is wrong, expected {expected}",
                    character=digits[13],
                    position=len(data) - 1,
                )
            return digits[:13]
        return digits

    return prepare


def _payment_form(data: str, options: Mapping[str, Any]) -> str:
    digits = data.removeprefix("{FNC1}")
    _data.digits("gs1-128-convenience")(digits)
    _data.lengths("gs1-128-convenience", digits, (43, 44), "it takes 43 digits, or 44 with the check digit")
    return data


def _qr(data: str, options: Mapping[str, Any]) -> str:
    _data.not_empty("qr", data)
    _data.qr_mode(options["mode"])(data)
    return data


def _not_empty(name: str) -> Prepare:
    return _checked(lambda data: _data.not_empty(name, data))


# Options shared by several symbologies.
_SHOW_START_STOP = Option("show_start_stop", Flag(), True, "print the start/stop characters in the text",
                          lambda n, v: n.set_show_start_stop(v))
_EXTENDED_GUARD = Option("extended_guard", Flag(), True, "guard bars reach into the text, digits in groups",
                         lambda n, v: n.set_extended_guard(v))
_VALIDATE = Option("validate", Flag(), True, "check the element string against GS1's rules first",
                   lambda n, v: None)
_ENCODING = Option("encoding", Choice(("utf-8", "shift_jis")), "utf-8", "bytes the text is encoded as",
                   lambda n, v: n.set_string_encoding(v))
_QR_ERROR = Option("error", Choice(("L", "M", "Q", "H")), "M", "error correction level",
                   lambda n, v: n.set_error_correction_level(v))
_QR_VERSION = Option("version", Number(1, 40, auto=True), None,
                     "smallest version (size) to use; a larger one is taken when the data needs it",
                     lambda n, v: n.set_version(v))
_DM_SIZES = ("auto", "10x10", "12x12", "14x14", "16x16", "18x18", "20x20", "22x22", "24x24", "26x26", "32x32",
             "36x36", "40x40", "44x44", "48x48", "52x52", "64x64", "72x72", "80x80", "88x88", "96x96", "104x104",
             "120x120", "132x132", "144x144", "8x18", "8x32", "12x26", "12x36", "16x36", "16x48")
_DM_SIZE = Option("size", Choice(_DM_SIZES), "auto", "symbol size, rows x columns",
                  lambda n, v: n.set_code_size(v.upper() if v == "auto" else v))

def _sides(left: int, right: int, source: str, vertical: int = 0) -> QuietZone:
    return QuietZone(left=left, top=vertical, right=right, bottom=vertical, source=source)


SYMBOLOGIES: tuple[Symbology, ...] = (
    Symbology("code39", "Code 39", _native.Code39, Layout.ROW, _sides(10, 10, "ISO/IEC 16388:2007 4.4 (d)"),
              _checked(_data.code39), bar_height=50, options=(_SHOW_START_STOP,)),
    Symbology("code93", "Code 93", _native.Code93, Layout.ROW, _sides(10, 10, "ANSI/AIM BC5-1995 2.4"),
              _checked(_data.code93), bar_height=50),
    Symbology("code128", "Code 128", _native.Code128, Layout.ROW, _sides(10, 10, "ISO/IEC 15417:2007 4.4.2"),
              _checked(_data.code128), bar_height=50,
              options=(Option("mode", Choice(("auto", "A", "B", "C")), "auto", "code set (auto: shortest mix)",
                              lambda n, v: n.set_code_mode(v.upper())),)),
    Symbology("gs1-128", "GS1-128", _native.GS1_128, Layout.ROW,
              _sides(10, 10, "GS1 General Specifications 21.0.1 5.4.4.2"),
              _element_string("gs1-128", "gs1_128"), bar_height=50, options=(_VALIDATE,)),
    Symbology("gs1-128-convenience", "GS1-128 convenience-store payment form", _native.GS1_128, Layout.ROW,
              _sides(10, 10, "GS1 General Specifications 21.0.1 5.4.4.2"),
              _payment_form, bar_height=50, payment_form=True),
    Symbology("nw7", "NW-7 (Codabar)", _native.NW7, Layout.ROW, _sides(10, 10, "EN 798:1995 4.4.1 (d)"),
              _checked(_data.codabar), bar_height=50, options=(_SHOW_START_STOP,), aliases=("codabar",)),
    Symbology("itf", "ITF (Interleaved 2 of 5)", _native.ITF, Layout.ROW, _sides(10, 10, "ISO/IEC 16390:2007 4.4"),
              _checked(_data.digits("itf")), bar_height=50),
    Symbology("matrix2of5", "Matrix 2 of 5", _native.Matrix2of5, Layout.ROW,
              _sides(10, 10, "no published standard: 10 as ITF, ISO/IEC 16390:2007 4.4"),
              _checked(_data.digits("matrix2of5")), bar_height=50),
    Symbology("nec2of5", "NEC 2 of 5", _native.NEC2of5, Layout.ROW,
              _sides(10, 10, "no published standard: 10 as ITF, ISO/IEC 16390:2007 4.4"),
              _checked(_data.digits("nec2of5")), bar_height=50),
    # EAN/UPC bar heights: the nominal 22.85 mm (EAN-8 18.23 mm) at the nominal X of 0.33 mm.
    Symbology("ean13", "EAN-13 (JAN-13)", _native.Jan13, Layout.ROW,
              _sides(11, 7, "ISO/IEC 15420:2009 5.2.4; GS1 General Specifications 5.2.3.4.1"),
              _checked(_data.retail("ean13", 12)), bar_height=69, options=(_EXTENDED_GUARD,), aliases=("jan13",)),
    Symbology("ean8", "EAN-8 (JAN-8)", _native.Jan8, Layout.ROW,
              _sides(7, 7, "ISO/IEC 15420:2009 5.2.4; GS1 General Specifications 5.2.3.4.1"),
              _checked(_data.retail("ean8", 7)), bar_height=55, options=(_EXTENDED_GUARD,), aliases=("jan8",)),
    Symbology("upca", "UPC-A", _native.UPC_A, Layout.ROW,
              _sides(9, 9, "ISO/IEC 15420:2009 5.2.4; GS1 General Specifications 5.2.3.4.1"),
              _checked(_data.retail("upca", 11)), bar_height=69, options=(_EXTENDED_GUARD,)),
    Symbology("upce", "UPC-E", _native.UPC_E, Layout.ROW,
              _sides(9, 7, "ISO/IEC 15420:2009 5.2.4; GS1 General Specifications 5.2.3.4.1"),
              _checked(_data.upce), bar_height=69, options=(_EXTENDED_GUARD,)),
    # DataBar heights: the ISO/IEC 24724 minimum (33X omnidirectional, 5X + 1X + 7X stacked,
    # 33X + 3X + 33X stacked omnidirectional, 10X Limited, 34X per Expanded row).
    Symbology("databar", "GS1 DataBar Omnidirectional", _native.GS1DataBar14, Layout.ROW,
              _sides(0, 0, "GS1 General Specifications 21.0.1 5.5.1.1: none required"),
              _gtin("databar"), bar_height=33, setup=lambda n: n.set_symbol_type("OMNIDIRECTIONAL")),
    Symbology("databar-stacked", "GS1 DataBar Stacked", _native.GS1DataBar14, Layout.STACKED,
              _sides(0, 0, "GS1 General Specifications 21.0.1 5.5.1.1: none required"),
              _gtin("databar-stacked"), bar_height=13, setup=lambda n: n.set_symbol_type("STACKED")),
    Symbology("databar-stacked-omni", "GS1 DataBar Stacked Omnidirectional", _native.GS1DataBar14, Layout.STACKED,
              _sides(0, 0, "GS1 General Specifications 21.0.1 5.5.1.1: none required"),
              _gtin("databar-stacked-omni"), bar_height=69,
              setup=lambda n: n.set_symbol_type("STACKED_OMNIDIRECTIONAL")),
    Symbology("databar-limited", "GS1 DataBar Limited", _native.GS1DataBarLimited, Layout.ROW,
              _sides(0, 0, "GS1 General Specifications 21.0.1 5.5.1.1: none required"),
              _gtin("databar-limited"), bar_height=10),
    Symbology("databar-expanded", "GS1 DataBar Expanded", _native.GS1DataBarExpanded, Layout.ROW,
              _sides(0, 0, "GS1 General Specifications 21.0.1 5.5.1.1: none required"),
              _element_string("databar-expanded", "databar_expanded"), bar_height=34, options=(_VALIDATE,),
              setup=lambda n: n.set_symbol_type("UNSTACKED")),
    Symbology("databar-expanded-stacked", "GS1 DataBar Expanded Stacked", _native.GS1DataBarExpanded,
              Layout.STACKED, _sides(0, 0, "GS1 General Specifications 21.0.1 5.5.1.1: none required"),
              _element_string("databar-expanded-stacked", "databar_expanded"), bar_height=34, bar_height_per_row=True,
              options=(_VALIDATE, Option("columns", Number(1, 10), 2, "segment pairs per row",
                                         lambda n, v: n.set_no_of_columns(v))),
              setup=lambda n: n.set_symbol_type("STACKED")),
    Symbology("japanpost", "Japan Post customer barcode", _native.YubinCustomer, Layout.POSTAL,
              QuietZone(left=4, top=4, right=4, bottom=4,
                        source="Japan Post customer barcode manual: 2 mm on every side at X = 0.6 mm, "
                               "3.33 modules rounded up"),
              _checked(_data.japan_post)),
    Symbology("qr", "QR Code", _native.QR, Layout.MATRIX,
              QuietZone(left=4, top=4, right=4, bottom=4, source="ISO/IEC 18004:2015 9.1"),
              _qr, default_scale=4,
              options=(_QR_ERROR, _QR_VERSION,
                       Option("mode", Choice(("auto", "byte", "numeric", "alphanumeric", "kanji")), "auto",
                              "encodation mode (kanji: Shift-JIS bytes in byte mode)",
                              lambda n, v: n.set_encode_mode(v.upper())),
                       _ENCODING)),
    Symbology("gs1-qr", "GS1 QR Code", _native.QR, Layout.MATRIX,
              QuietZone(left=4, top=4, right=4, bottom=4, source="ISO/IEC 18004:2015 9.1"),
              _element_string("gs1-qr", "bracketed"), default_scale=4, options=(_QR_ERROR, _QR_VERSION, _VALIDATE),
              setup=lambda n: n.set_gs1(True)),
    Symbology("datamatrix", "Data Matrix (ECC 200)", _native.DataMatrix, Layout.MATRIX,
              QuietZone(left=1, top=1, right=1, bottom=1, source="ISO/IEC 16022:2006 7.1"),
              _not_empty("datamatrix"), default_scale=4,
              options=(_DM_SIZE,
                       Option("scheme", Choice(("ascii", "auto", "c40", "text", "x12", "edifact", "base256")),
                              "ascii", "encodation scheme (auto: fewest codewords)",
                              lambda n, v: n.set_encode_scheme(v.upper())),
                       _ENCODING)),
    Symbology("gs1-datamatrix", "GS1 Data Matrix", _native.DataMatrix, Layout.MATRIX,
              QuietZone(left=1, top=1, right=1, bottom=1, source="ISO/IEC 16022:2006 7.1"),
              _element_string("gs1-datamatrix", "bracketed"), default_scale=4, options=(_DM_SIZE, _VALIDATE),
              setup=lambda n: n.set_gs1(True)),
    Symbology("pdf417", "PDF417", _native.PDF417, Layout.MATRIX,
              QuietZone(left=2, top=2, right=2, bottom=2, source="ISO/IEC 15438:2015 5.8.3"),
              _not_empty("pdf417"), default_scale=2,
              options=(Option("error_level", Number(0, 8, auto=True), None,
                              "error correction level (auto: from the data size)", lambda n, v: n.set_error_level(v)),
                       Option("columns", Number(1, 30, auto=True), None, "data columns (auto: by aspect ratio)",
                              lambda n, v: n.set_columns(v)),
                       Option("rows", Number(3, 90, auto=True), None, "rows (auto: as the data needs)",
                              lambda n, v: n.set_rows(v)),
                       Option("aspect_ratio", Number(0.001, 1000, integer=False, auto=True), None,
                              "height / width the column count aims at", lambda n, v: n.set_aspect_ratio(v)),
                       Option("row_height", Number(1, 100), 3, "row height in modules",
                              lambda n, v: n.set_y_height(v)),
                       _ENCODING)),
)

BY_NAME: dict[str, Symbology] = {name: s for s in SYMBOLOGIES for name in (s.name, *s.aliases)}
