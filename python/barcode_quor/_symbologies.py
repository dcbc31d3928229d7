"""Every symbology of the high-level API: its names, the clause its quiet zone comes from, its
own options and the encoder option each sets. The quiet zones, bar heights and every data check
are the native encoder's."""
from __future__ import annotations

from dataclasses import dataclass
from functools import cached_property
from typing import Any, Callable

import _barcode_quor_native as _native

from ._options import Choice, Flag, Number, Option, Text


@dataclass(frozen=True)
class Symbology:
    name: str
    title: str
    quiet_zone_source: str  # where the standard minimum quiet zone comes from
    example: str  # data it encodes, to read its quiet zone and bar height from the encoder
    default_scale: int = 2
    options: tuple[Option, ...] = ()
    aliases: tuple[str, ...] = ()
    digital_link_as: str | None = None  # the symbology a GS1 Digital Link URI is encoded in

    @cached_property
    def standard(self) -> _native.EncodedSymbol:
        """The encoder's answer for the example: its quiet zone and default bar height."""
        return _native.encode(self.name, self.example)


def _auto(zero: object) -> Callable[[Any], Any]:
    """None ("auto") as the encoder's value for it."""
    return lambda value: zero if value is None else value


# Options shared by several symbologies.
_SHOW_START_STOP = Option("show_start_stop", Flag(), True, "print the start/stop characters in the text",
                          "show_start_stop")
_EXTENDED_GUARD = Option("extended_guard", Flag(), True, "guard bars reach into the text, digits in groups",
                         "extended_guard")
_VALIDATE = Option("validate", Flag(), True, "check the element string against GS1's rules first", "gs1_validate")
_ENCODING = Option("encoding", Choice(("utf-8", "shift_jis")), "utf-8", "bytes the text is encoded as", "encoding")
_QR_ERROR = Option("error", Choice(("L", "M", "Q", "H")), "M", "error correction level", "error")
_QR_VERSION = Option("version", Number(1, 40, auto=True), None,
                     "smallest version (size) to use; a larger one is taken when the data needs it", "version",
                     _auto(0))
_ADDON = Option("addon", Text(r"(\d{2}|\d{5})?", '"", or 2 or 5 digits'), "",
                "EAN-2/EAN-5 add-on digits (also written after '+' in the data)", "addon")
_COMPOSITE = (Option("composite", Text(r"(\(\d{2,4}\).*)?", 'an element string, e.g. "(10)ABC123"'), "",
                     "element string of a GS1 composite component above the bars", "composite"),
              Option("composite_type", Choice(("auto", "a", "b", "c")), "auto",
                     "composite component CC-A, CC-B or CC-C (C over GS1-128 only; auto: the smallest)",
                     "composite_type"))
_ECI = Option("eci", Number(0, 999999, auto=True), None,
              "ECI designator: the character set the text is written in (auto: ISO-8859-1 when the text "
              "fits it, else UTF-8 behind ECI 26)", "eci", _auto(-1))
_MICRO_QR_VERSIONS = ("auto", "M1", "M2", "M3", "M4")
_RMQR_SIZES = ("auto",) + tuple(f"R{h}x{w}" for h, widths in (
    (7, (43, 59, 77, 99, 139)), (9, (43, 59, 77, 99, 139)), (11, (27, 43, 59, 77, 99, 139)),
    (13, (27, 43, 59, 77, 99, 139)), (15, (43, 59, 77, 99, 139)), (17, (43, 59, 77, 99, 139))) for w in widths)
_DM_SIZES = ("auto", "10x10", "12x12", "14x14", "16x16", "18x18", "20x20", "22x22", "24x24", "26x26", "32x32",
             "36x36", "40x40", "44x44", "48x48", "52x52", "64x64", "72x72", "80x80", "88x88", "96x96", "104x104",
             "120x120", "132x132", "144x144", "8x18", "8x32", "12x26", "12x36", "16x36", "16x48")
_DM_SIZE = Option("size", Choice(_DM_SIZES), "auto", "symbol size, rows x columns (auto: the smallest of the shape)",
                  "size", lambda value: "" if value == "auto" else value)
_DM_SHAPE = Option("shape", Choice(("any", "square", "rectangle")), "any",
                   "sizes the automatic size takes (any: the smallest area, square on a tie)", "shape")

_LINEAR_10X = "no published standard: 10 as ITF, ISO/IEC 16390:2007 4.4"
_BEARERS = ("none", "frame", "top-bottom")
_RETAIL = "ISO/IEC 15420:2009 5.2.4; GS1 General Specifications 5.2.3.4.1"
_GS1_128 = "GS1 General Specifications 21.0.1 5.4.4.2"
_DATABAR = "GS1 General Specifications 21.0.1 5.5.1.1: none required"
_QR = "ISO/IEC 18004:2015 9.1"
_DM = "ISO/IEC 16022:2006 7.1"
_GTIN = "09501101530003"
_ELEMENT_STRING = "(01)09501101530003"

SYMBOLOGIES: tuple[Symbology, ...] = (
    Symbology("code39", "Code 39", "ISO/IEC 16388:2007 4.4 (d)", "A", options=(_SHOW_START_STOP,)),
    Symbology("code93", "Code 93", "ANSI/AIM BC5-1995 2.4", "A"),
    Symbology("code128", "Code 128", "ISO/IEC 15417:2007 4.4.2", "A",
              options=(Option("mode", Choice(("auto", "A", "B", "C")), "auto", "code set (auto: shortest mix)",
                              "mode"),)),
    Symbology("gs1-128", "GS1-128", _GS1_128, _ELEMENT_STRING, options=(_VALIDATE, *_COMPOSITE)),
    Symbology("gs1-128-convenience", "GS1-128 convenience-store payment form", _GS1_128, "91" + "1" * 41),
    Symbology("nw7", "NW-7 (Codabar)", "EN 798:1995 4.4.1 (d)", "A1B", options=(_SHOW_START_STOP,),
              aliases=("codabar",)),
    Symbology("itf", "ITF (Interleaved 2 of 5)", "ISO/IEC 16390:2007 4.4", "12",
              options=(Option("bearer", Choice(_BEARERS), "none", "bearer bars", "bearer"),)),
    Symbology("itf14", "ITF-14 (GTIN-14)", "ISO/IEC 16390:2007 4.4; GS1 General Specifications (ITF-14: 10X)",
              "1234567890123", options=(Option("bearer", Choice(_BEARERS), "frame", "bearer bars", "bearer"),)),
    Symbology("matrix2of5", "Matrix 2 of 5", _LINEAR_10X, "1"),
    Symbology("nec2of5", "NEC 2 of 5", _LINEAR_10X, "1"),
    Symbology("ean13", "EAN-13 (JAN-13)", _RETAIL, "490123456789", options=(_EXTENDED_GUARD, _ADDON, *_COMPOSITE),
              aliases=("jan13",)),
    Symbology("ean8", "EAN-8 (JAN-8)", _RETAIL, "4901234", options=(_EXTENDED_GUARD, _ADDON, *_COMPOSITE), aliases=("jan8",)),
    Symbology("upca", "UPC-A", _RETAIL, "03600029145", options=(_EXTENDED_GUARD, _ADDON, *_COMPOSITE)),
    Symbology("upce", "UPC-E", _RETAIL, "0123456", options=(_EXTENDED_GUARD, _ADDON, *_COMPOSITE)),
    Symbology("isbn", "ISBN (EAN-13 with its caption)", _RETAIL, "978-0-306-40615-7", options=(_ADDON,)),
    Symbology("issn", "ISSN (EAN-13 with its caption)", _RETAIL, "0317-8471", options=(_ADDON,)),
    Symbology("ismn", "ISMN (EAN-13 with its caption)", _RETAIL, "M-2306-7118-7", options=(_ADDON,)),
    Symbology("jp-book", "Japanese book code (ISBN and price bars)", _RETAIL, "9784003261842 C0197 940"),
    Symbology("databar", "GS1 DataBar Omnidirectional", _DATABAR, _GTIN, options=_COMPOSITE),
    Symbology("databar-stacked", "GS1 DataBar Stacked", _DATABAR, _GTIN, options=_COMPOSITE),
    Symbology("databar-stacked-omni", "GS1 DataBar Stacked Omnidirectional", _DATABAR, _GTIN, options=_COMPOSITE),
    Symbology("databar-limited", "GS1 DataBar Limited", _DATABAR, "15012345678907", options=_COMPOSITE),
    Symbology("databar-expanded", "GS1 DataBar Expanded", _DATABAR, _ELEMENT_STRING,
              options=(_VALIDATE, *_COMPOSITE)),
    Symbology("databar-expanded-stacked", "GS1 DataBar Expanded Stacked", _DATABAR, _ELEMENT_STRING,
              options=(_VALIDATE, Option("columns", Number(1, 10), 2, "segment pairs per row", "columns"),
                       *_COMPOSITE)),
    Symbology("japanpost", "Japan Post customer barcode",
              "Japan Post customer barcode manual: 2 mm on every side at X = 0.6 mm, 3.33 modules rounded up",
              "1000013"),
    Symbology("qr", "QR Code", _QR, "A", default_scale=4, digital_link_as="qr",
              options=(_QR_ERROR, _QR_VERSION,
                       Option("mode", Choice(("auto", "byte", "numeric", "alphanumeric", "kanji")), "auto",
                              "encodation mode (kanji: Shift-JIS bytes in byte mode)", "mode"),
                       _ENCODING, _ECI)),
    Symbology("gs1-qr", "GS1 QR Code", _QR, _ELEMENT_STRING, default_scale=4, digital_link_as="qr",
              options=(_QR_ERROR, _QR_VERSION, _VALIDATE)),
    Symbology("microqr", "Micro QR Code", "ISO/IEC 18004:2015 9.1: 2 modules", "1", default_scale=4,
              options=(Option("error", Choice(("L", "M", "Q")), "L",
                              "error correction level (M1: detection only; Q: M4 only)", "error"),
                       Option("version", Choice(_MICRO_QR_VERSIONS), "auto",
                              "symbol size M1 to M4, fixed (auto: the smallest that holds the data)", "version",
                              lambda value: _MICRO_QR_VERSIONS.index(value)),
                       _ENCODING),
              aliases=("micro-qr",)),
    Symbology("rmqr", "rMQR (rectangular Micro QR)", "ISO/IEC 23941:2022 6.3.8: 2 modules", "1", default_scale=4,
              options=(Option("error", Choice(("M", "H")), "M", "error correction level", "error"),
                       Option("version", Choice(_RMQR_SIZES), "auto",
                              "symbol size, fixed (auto: the smallest area that holds the data)", "size",
                              lambda value: "" if value == "auto" else value),
                       Option("rows", Number(7, 17, auto=True), None,
                              "symbol height in modules (7, 9, ..., 17) when the size is chosen: for narrow labels",
                              "rows", _auto(0)),
                       _ECI, _ENCODING)),
    Symbology("datamatrix", "Data Matrix (ECC 200)", _DM, "A", default_scale=4, digital_link_as="datamatrix",
              options=(_DM_SIZE, _DM_SHAPE,
                       Option("scheme", Choice(("ascii", "auto", "c40", "text", "x12", "edifact", "base256")),
                              "auto", "encodation scheme (auto: fewest codewords)", "scheme"),
                       _ENCODING)),
    Symbology("gs1-datamatrix", "GS1 Data Matrix", _DM, _ELEMENT_STRING, default_scale=4,
              digital_link_as="datamatrix", options=(_DM_SIZE, _DM_SHAPE, _VALIDATE)),
    Symbology("pdf417", "PDF417", "ISO/IEC 15438:2015 5.8.3", "A",
              options=(Option("error_level", Number(0, 8, auto=True), None,
                              "error correction level (auto: from the data size)", "error_level", _auto(-1)),
                       Option("columns", Number(1, 30, auto=True), None, "data columns (auto: by aspect ratio)",
                              "columns", _auto(0)),
                       Option("rows", Number(3, 90, auto=True), None, "rows (auto: as the data needs)", "rows",
                              _auto(0)),
                       Option("aspect_ratio", Number(0.001, 1000, integer=False, auto=True), None,
                              "height / width the column count aims at", "aspect_ratio", _auto(0.0)),
                       Option("row_height", Number(1, 100), 3, "row height in modules", "row_height"),
                       Option("compact", Flag(), False,
                              "compact PDF417: no right row indicator, a one-module stop bar", "compact"),
                       _ENCODING, _ECI)),
    Symbology("micropdf417", "MicroPDF417", "ISO/IEC 24728:2006: 1 module every side", "A",
              options=(Option("columns", Number(1, 4, auto=True), None, "data columns (auto: the smallest size)",
                              "columns", _auto(0)), _ECI)),
)

BY_NAME: dict[str, Symbology] = {name: s for s in SYMBOLOGIES for name in (s.name, *s.aliases)}
