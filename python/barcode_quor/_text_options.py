"""make()'s options given as text (a URL's query, a form): each name parsed by what make() takes for
it, the symbology's own options by the option table, so no second list of them exists."""
from __future__ import annotations

from typing import Any, Callable, Iterable

from ._errors import InvalidOptionError
from ._options import Flag, Number, parse_quiet_zone
from ._suggest import closest
from ._symbologies import Symbology


def _number(integer: bool) -> Callable[[str, str], Any]:
    kind = Number(float("-inf"), float("inf"), integer=integer)  # make() checks the range

    def parse(name: str, text: str) -> Any:
        return kind.parse(name, text)
    return parse


def _text(name: str, text: str) -> str:
    return text


def _colour(name: str, text: str) -> Any:
    """A colour as make() takes it; "r,g,b[,a]" becomes the tuple."""
    parts = text.split(",")
    if len(parts) in (3, 4) and all(p.strip().isdigit() for p in parts):
        return tuple(int(p) for p in parts)
    return text


# make()'s own keyword parameters (besides data), as text.
COMMON: dict[str, Callable[[str, str], Any]] = {
    "scale": _number(True), "dpi": _number(True), "x_dim_mm": _number(False), "height": _number(False),
    "height_mm": _number(False), "quiet_zone": lambda name, text: parse_quiet_zone(text),
    "show_text": Flag().parse, "text": _text, "font": _text, "text_size_mm": _number(False),
    "text_gap_mm": _number(False), "text_position": _text, "light_margin_indicators": Flag().parse,
    "rotate": _number(True), "bar_width_reduction": _number(False), "foreground": _colour,
    "background": _colour, "max_pixels": _number(True), "cmyk": Flag().parse, "digital_link": _text,
    "domain": _text, "printer_dpi": _number(True),
}


def unknown_option(symbology: Symbology, name: str) -> InvalidOptionError:
    known = [*COMMON, *(o.name for o in symbology.options)]
    close = closest(name, known)
    hint = f"; did you mean {close!r}?" if close else ""
    return InvalidOptionError(f"{symbology.name} has no option {name!r}{hint}", option=name)


def options_from_text(symbology: Symbology, pairs: Iterable[tuple[str, str]]) -> dict[str, Any]:
    """make()'s keyword arguments from (name, text) pairs; an unknown or repeated name is refused."""
    own = {o.name: o for o in symbology.options}
    options: dict[str, Any] = {}
    for name, text in pairs:
        if name in options:
            raise InvalidOptionError(f"option {name!r} is given more than once", option=name)
        if name in own:
            options[name] = own[name].kind.parse(name, text)
        elif name in COMMON:
            options[name] = COMMON[name](name, text)
        else:
            raise unknown_option(symbology, name)
    return options
