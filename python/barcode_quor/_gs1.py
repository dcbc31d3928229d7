"""GS1 element strings: the bracketed form users write, "(01)09501101530003(17)251231", and the
marker forms the native classes take; validation and conversion are the native module's."""
from __future__ import annotations

import _barcode_quor_native as _native

from ._errors import InvalidDataError

# The length of an application identifier follows from its first two digits (GS1 General
# Specifications, section 3: every AI beginning with these digits has this many).
_AI_LENGTH = {
    **dict.fromkeys(("00", "01", "02", "03", "10", "11", "12", "13", "15", "16", "17", "20", "21", "22"), 2),
    **dict.fromkeys(("23", "24", "25", "40", "41", "42", "71"), 3),
    **dict.fromkeys(("31", "32", "33", "34", "35", "36", "39", "43", "70", "72", "80", "81", "82"), 4),
    "30": 2, "37": 2,
    **dict.fromkeys((f"9{d}" for d in "0123456789"), 2),
}

# Native inputs with a marker form of their own ("{FNC1}", "{AI}", "["); the matrix codes take brackets.
MARKER_FORMS = frozenset({"gs1_128", "databar_expanded"})


def _bracketed_from_markers(symbology: str, data: str) -> str:
    """"{FNC1}01...{AI}17..." (GS1-128) or "01...{AI}17...[" (DataBar Expanded) as "(01)...(17)..."."""
    body = data.removeprefix("{FNC1}").replace("[", "")
    out = []
    for segment in body.split("{AI}"):
        length = _AI_LENGTH.get(segment[:2])
        if length is None or len(segment) < length or not segment[:length].isdigit():
            raise InvalidDataError(f"{symbology}: {segment[:4]!r} does not begin with a known GS1 application identifier")
        out.append(f"({segment[:length]}){segment[length:]}")
    return "".join(out)


def prepare(symbology: str, data: str, form: str, validate: bool) -> str:
    """The native input for data given in either form; with validate, the element string is
    checked first (unknown AI, length, digits, check digit, date, character set)."""
    if not data:
        raise InvalidDataError(f"{symbology}: the data is empty")
    if not data.startswith("("):
        if not validate and form in MARKER_FORMS:
            return data  # already the native form, taken as it is
        if form not in MARKER_FORMS:
            raise InvalidDataError(f"{symbology}: give the element string in the bracketed form, e.g. (01)09501101530003")
        data = _bracketed_from_markers(symbology, data)
    try:
        if validate:
            _native.gs1_validate(data)
        return _native.gs1_convert(data, form)
    except ValueError as error:
        raise InvalidDataError(f"{symbology}: {error}") from None
