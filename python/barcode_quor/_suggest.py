""""Did you mean": the known name closest to one that is not known, and the names other barcode
tools give our symbologies and options."""
from __future__ import annotations

import difflib
from typing import Iterable

# Names other barcode tools use for our symbologies, compared after _plain(); close spellings of our
# own names are found without a row here.
_SYMBOLOGY_NAMES = {
    "qrcode": "qr", "gs1qrcode": "gs1-qr", "dm": "datamatrix", "datamatrixecc200": "datamatrix",
    "gs1dm": "gs1-datamatrix", "ean": "ean13", "jan": "ean13", "upc": "upca", "gtin13": "ean13",
    "gtin8": "ean8", "isbn13": "isbn", "isbn10": "isbn", "ean128": "gs1-128", "ucc128": "gs1-128",
    "gtin14": "itf14", "i2of5": "itf", "interleaved2of5": "itf", "2of5interleaved": "itf", "code25": "itf",
    "rss14": "databar", "gs1databar": "databar", "databaromni": "databar", "databaromnidirectional": "databar",
    "rsslimited": "databar-limited", "rssexpanded": "databar-expanded", "rssexp": "databar-expanded",
    "rss14stacked": "databar-stacked", "micropdf": "micropdf417", "code3of9": "code39", "postal": "japanpost",
    "japanpostal": "japanpost", "jpostal": "japanpost", "kix": "japanpost", "usd4": "nw7", "ames": "nw7",
}

# Option names of other tools (and common guesses) for make()'s own.
_OPTION_NAMES = {
    "border": "quiet_zone", "margin": "quiet_zone", "quietzone": "quiet_zone", "quiet": "quiet_zone",
    "whitespace": "quiet_zone", "whitesp": "quiet_zone", "padding": "quiet_zone",
    "dark": "foreground", "light": "background", "fg": "foreground", "bg": "background",
    "color": "foreground", "colour": "foreground", "fgcolor": "foreground", "bgcolor": "background",
    "fg_colour": "foreground", "bg_colour": "background", "fg_color": "foreground", "bg_color": "background",
    "module_width": "x_dim_mm", "modulewidth": "x_dim_mm", "xdim": "x_dim_mm", "x_dim": "x_dim_mm",
    "x_dimension": "x_dim_mm", "module_size": "scale", "modulesize": "scale", "module_height": "height",
    "bar_height": "height", "barheight": "height", "resolution": "dpi",
    "ecc": "error", "eclevel": "error", "ec_level": "error", "error_correction": "error", "ecl": "error",
    "secure": "error", "level": "error", "vers": "version", "write_text": "show_text", "human_readable": "show_text",
    "hrt": "show_text", "show_hrt": "show_text", "notext": "show_text", "text_distance": "text_gap_mm",
    "font_size": "text_size_mm", "fontsize": "text_size_mm", "font_path": "font", "rotation": "rotate",
    "angle": "rotate", "orientation": "rotate", "nobackground": "background", "transparent": "background",
    "add_on": "addon", "addon_digits": "addon", "bearers": "bearer", "bearer_bars": "bearer", "box": "bearer",
    "ecc_level": "error_level", "security": "error_level", "cols": "columns", "check_digit": "validate",
}


def _plain(name: str) -> str:
    return name.lower().replace("-", "").replace("_", "").replace(" ", "")


def closest(name: str, known: Iterable[str]) -> str | None:
    """The known name spelt the same but for case and '-'/'_', else one held inside the other
    ("qrcode" -> "qr"), else the most similar; None when nothing is close."""
    names = list(known)
    plain = {_plain(k): k for k in names}
    wanted = _plain(name)
    if wanted in plain:
        return plain[wanted]
    inside = [k for p, k in plain.items() if len(p) >= 2 and (p in wanted or wanted in p)]
    if inside:
        return min(inside, key=lambda k: abs(len(_plain(k)) - len(wanted)))
    close = difflib.get_close_matches(wanted, list(plain), n=1, cutoff=0.6)
    return plain[close[0]] if close else None


def symbology(name: str, names: Iterable[str]) -> str | None:
    """Our symbology name meant by a name that is not one of ours, or None."""
    ours = list(names)
    other = _SYMBOLOGY_NAMES.get(_plain(name))
    if other in ours and _plain(name) not in map(_plain, ours):
        return other
    return closest(name, ours)


def option(name: str, names: Iterable[str]) -> str | None:
    """Our option name meant by a name that is not one of ours, or None."""
    ours = list(names)
    other = _OPTION_NAMES.get(name.lower().replace("-", "_").lstrip("_"))
    return other if other in ours else closest(name, ours)


def did_you_mean(suggestion: str | None) -> str:
    """"; did you mean 'x'?" or nothing."""
    return f"; did you mean {suggestion!r}?" if suggestion else ""
