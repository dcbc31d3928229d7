"""'Did you mean' for symbology and option names: a near spelling of ours, or the name another
barcode tool gives the same thing."""
from __future__ import annotations

import difflib
from typing import Iterable

# Names other barcode tools use for our symbologies, compared after _key() (case, '-', '_' and
# spaces dropped); close spellings of our own names are found without a row here.
_SYMBOLOGY_NAMES = {
    "qrcode": "qr", "gs1qrcode": "gs1-qr", "dm": "datamatrix", "datamatrixecc200": "datamatrix",
    "gs1dm": "gs1-datamatrix", "ean": "ean13", "jan": "ean13", "upc": "upca", "gtin13": "ean13",
    "gtin8": "ean8", "isbn13": "isbn", "isbn10": "isbn", "ean128": "gs1-128", "ucc128": "gs1-128",
    "gtin14": "itf14", "itf14": "itf14", "i2of5": "itf", "interleaved2of5": "itf", "2of5interleaved": "itf",
    "code25": "itf", "rss14": "databar", "gs1databar": "databar", "databaromni": "databar",
    "databaromnidirectional": "databar", "rsslimited": "databar-limited", "rssexpanded": "databar-expanded",
    "rssexp": "databar-expanded", "rss14stacked": "databar-stacked", "micropdf": "micropdf417",
    "code3of9": "code39", "code39standard": "code39", "postal": "japanpost", "japanpostal": "japanpost",
    "jpostal": "japanpost", "kix": "japanpost", "code128auto": "code128", "usd4": "nw7", "ames": "nw7",
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
    "bar_height": "height", "barheight": "height", "height_px": "height", "resolution": "dpi",
    "ecc": "error", "eclevel": "error", "ec_level": "error", "error_correction": "error", "ecl": "error",
    "secure": "error", "level": "error", "vers": "version", "write_text": "show_text", "human_readable": "show_text",
    "hrt": "show_text", "show_hrt": "show_text", "notext": "show_text", "text_distance": "text_gap_mm",
    "font_size": "text_size_mm", "fontsize": "text_size_mm", "font_path": "font", "rotation": "rotate",
    "angle": "rotate", "orientation": "rotate", "nobackground": "background", "transparent": "background",
    "add_on": "addon", "addon_digits": "addon", "bearers": "bearer", "bearer_bars": "bearer", "box": "bearer",
    "ecc_level": "error_level", "security": "error_level", "cols": "columns", "check_digit": "validate",
}


def _key(name: str) -> str:
    return "".join(c for c in name.lower() if c.isalnum())


def symbology(name: str, names: Iterable[str]) -> str | None:
    """Our symbology name nearest to a name that is not one of ours, or None."""
    ours = {_key(n): n for n in names}
    key = _key(name)
    if key in ours:
        return ours[key]
    if key in _SYMBOLOGY_NAMES and _SYMBOLOGY_NAMES[key] in ours.values():
        return _SYMBOLOGY_NAMES[key]
    close = difflib.get_close_matches(key, list(ours), n=1, cutoff=0.75)
    return ours[close[0]] if close else None


def option(name: str, names: Iterable[str]) -> str | None:
    """Our option name nearest to a name that is not one of ours, or None."""
    ours = list(names)
    lowered = name.lower().replace("-", "_").lstrip("_")
    if lowered in ours:
        return lowered
    if lowered in _OPTION_NAMES and _OPTION_NAMES[lowered] in ours:
        return _OPTION_NAMES[lowered]
    close = difflib.get_close_matches(lowered, ours, n=1, cutoff=0.7)
    return close[0] if close else None


def did_you_mean(suggestion: str | None, spell: str = "{}") -> str:
    """"; did you mean 'x'?" or nothing; spell turns our name into how the caller writes it."""
    return f"; did you mean {spell.format(suggestion)!r}?" if suggestion else ""
