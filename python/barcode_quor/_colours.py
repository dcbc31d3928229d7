"""Colours as CSS writes them: a name, "#rgb", "#rgba", "#rrggbb", "#rrggbbaa" or "transparent";
or a tuple (r, g, b) or (r, g, b, a) of integers 0-255. As typed on a command line or in a sheet,
also the hex digits without "#", "r,g,b" or "r,g,b,a", and "none" for transparent."""
from __future__ import annotations

import re

from ._errors import InvalidOptionError

ACCEPTED = ('a CSS colour name, "transparent" (or "none"), "#rgb", "#rgba", "#rrggbb", "#rrggbbaa" (the "#" '
            'optional), "r,g,b[,a]", or a tuple (r, g, b) or (r, g, b, a) of integers 0-255')

# The named colours of CSS Color Module Level 4 (section 6.1), as #rrggbb.
_NAMED = {
    "aliceblue": "f0f8ff", "antiquewhite": "faebd7", "aqua": "00ffff", "aquamarine": "7fffd4", "azure": "f0ffff",
    "beige": "f5f5dc", "bisque": "ffe4c4", "black": "000000", "blanchedalmond": "ffebcd", "blue": "0000ff",
    "blueviolet": "8a2be2", "brown": "a52a2a", "burlywood": "deb887", "cadetblue": "5f9ea0", "chartreuse": "7fff00",
    "chocolate": "d2691e", "coral": "ff7f50", "cornflowerblue": "6495ed", "cornsilk": "fff8dc", "crimson": "dc143c",
    "cyan": "00ffff", "darkblue": "00008b", "darkcyan": "008b8b", "darkgoldenrod": "b8860b", "darkgray": "a9a9a9",
    "darkgreen": "006400", "darkgrey": "a9a9a9", "darkkhaki": "bdb76b", "darkmagenta": "8b008b",
    "darkolivegreen": "556b2f", "darkorange": "ff8c00", "darkorchid": "9932cc", "darkred": "8b0000",
    "darksalmon": "e9967a", "darkseagreen": "8fbc8f", "darkslateblue": "483d8b", "darkslategray": "2f4f4f",
    "darkslategrey": "2f4f4f", "darkturquoise": "00ced1", "darkviolet": "9400d3", "deeppink": "ff1493",
    "deepskyblue": "00bfff", "dimgray": "696969", "dimgrey": "696969", "dodgerblue": "1e90ff", "firebrick": "b22222",
    "floralwhite": "fffaf0", "forestgreen": "228b22", "fuchsia": "ff00ff", "gainsboro": "dcdcdc",
    "ghostwhite": "f8f8ff", "gold": "ffd700", "goldenrod": "daa520", "gray": "808080", "green": "008000",
    "greenyellow": "adff2f", "grey": "808080", "honeydew": "f0fff0", "hotpink": "ff69b4", "indianred": "cd5c5c",
    "indigo": "4b0082", "ivory": "fffff0", "khaki": "f0e68c", "lavender": "e6e6fa", "lavenderblush": "fff0f5",
    "lawngreen": "7cfc00", "lemonchiffon": "fffacd", "lightblue": "add8e6", "lightcoral": "f08080",
    "lightcyan": "e0ffff", "lightgoldenrodyellow": "fafad2", "lightgray": "d3d3d3", "lightgreen": "90ee90",
    "lightgrey": "d3d3d3", "lightpink": "ffb6c1", "lightsalmon": "ffa07a", "lightseagreen": "20b2aa",
    "lightskyblue": "87cefa", "lightslategray": "778899", "lightslategrey": "778899", "lightsteelblue": "b0c4de",
    "lightyellow": "ffffe0", "lime": "00ff00", "limegreen": "32cd32", "linen": "faf0e6", "magenta": "ff00ff",
    "maroon": "800000", "mediumaquamarine": "66cdaa", "mediumblue": "0000cd", "mediumorchid": "ba55d3",
    "mediumpurple": "9370db", "mediumseagreen": "3cb371", "mediumslateblue": "7b68ee", "mediumspringgreen": "00fa9a",
    "mediumturquoise": "48d1cc", "mediumvioletred": "c71585", "midnightblue": "191970", "mintcream": "f5fffa",
    "mistyrose": "ffe4e1", "moccasin": "ffe4b5", "navajowhite": "ffdead", "navy": "000080", "oldlace": "fdf5e6",
    "olive": "808000", "olivedrab": "6b8e23", "orange": "ffa500", "orangered": "ff4500", "orchid": "da70d6",
    "palegoldenrod": "eee8aa", "palegreen": "98fb98", "paleturquoise": "afeeee", "palevioletred": "db7093",
    "papayawhip": "ffefd5", "peachpuff": "ffdab9", "peru": "cd853f", "pink": "ffc0cb", "plum": "dda0dd",
    "powderblue": "b0e0e6", "purple": "800080", "rebeccapurple": "663399", "red": "ff0000", "rosybrown": "bc8f8f",
    "royalblue": "4169e1", "saddlebrown": "8b4513", "salmon": "fa8072", "sandybrown": "f4a460", "seagreen": "2e8b57",
    "seashell": "fff5ee", "sienna": "a0522d", "silver": "c0c0c0", "skyblue": "87ceeb", "slateblue": "6a5acd",
    "slategray": "708090", "slategrey": "708090", "snow": "fffafa", "springgreen": "00ff7f", "steelblue": "4682b4",
    "tan": "d2b48c", "teal": "008080", "thistle": "d8bfd8", "tomato": "ff6347", "turquoise": "40e0d0",
    "violet": "ee82ee", "wheat": "f5deb3", "white": "ffffff", "whitesmoke": "f5f5f5", "yellow": "ffff00",
    "yellowgreen": "9acd32",
}
_HEX = re.compile(r"#?([0-9a-f]{3,4}|[0-9a-f]{6}|[0-9a-f]{8})")
_COMPONENTS = re.compile(r"\d{1,3}(\s*,\s*\d{1,3}){2,3}")


def _from_hex(digits: str) -> tuple[int, int, int, int]:
    if len(digits) <= 4:
        digits = "".join(d * 2 for d in digits)  # "#abc" is "#aabbcc"
    if len(digits) == 6:
        digits += "ff"
    r, g, b, a = (int(digits[i : i + 2], 16) for i in range(0, 8, 2))
    return (r, g, b, a)


_NAMED_RGBA = {name: _from_hex(digits) for name, digits in _NAMED.items()}


def check_colour(name: str, value: object) -> tuple[int, int, int, int]:
    """The RGBA tuple of a colour (alpha 255 unless given); InvalidOptionError naming the option."""
    if isinstance(value, str):
        text = value.strip().lower()
        if text in ("transparent", "none"):
            return (0, 0, 0, 0)
        if text in _NAMED_RGBA:
            return _NAMED_RGBA[text]
        match = _HEX.fullmatch(text)
        if match:
            return _from_hex(match.group(1))
        if _COMPONENTS.fullmatch(text):
            value = tuple(int(part) for part in text.split(","))
    if isinstance(value, tuple) and len(value) in (3, 4):
        if all(isinstance(c, int) and not isinstance(c, bool) and 0 <= c <= 255 for c in value):
            return (value[0], value[1], value[2], value[3] if len(value) == 4 else 255)
    raise InvalidOptionError(f"invalid {name}: {value!r}; accepted: {ACCEPTED}", option=name, accepted=ACCEPTED)


def _over(top: tuple[int, int, int, int], under: tuple[int, int, int]) -> tuple[int, int, int, int]:
    alpha = top[3] / 255
    r, g, b = (round(t * alpha + u * (1 - alpha)) for t, u in zip(top[:3], under))
    return (r, g, b, 255)


def on_white(foreground: tuple[int, int, int, int],
             background: tuple[int, int, int, int]) -> tuple[tuple[int, int, int, int], tuple[int, int, int, int]]:
    """The opaque colours a translucent pair shows on white paper: the background over white, the
    bars over that background (for outputs without transparency, such as JPEG)."""
    flat_background = _over(background, (255, 255, 255))
    return _over(foreground, flat_background[:3]), flat_background
