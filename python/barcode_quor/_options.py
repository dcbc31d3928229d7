"""Option kinds: each checks a value given in Python, parses one given on the command line, and
describes what it accepts, so that a wrong value is refused at once with the accepted values listed."""
from __future__ import annotations

from dataclasses import dataclass

import _barcode_quor_native as _native

from ._errors import InvalidOptionError


def _refuse(name: str, value: object, accepted: str) -> InvalidOptionError:
    return InvalidOptionError(f"invalid {name}: {value!r}; accepted: {accepted}", option=name, accepted=accepted)


@dataclass(frozen=True)
class Choice:
    """One of a fixed list of words, matched without regard to case (and to '-' versus '_')."""

    values: tuple[str, ...]

    def describe(self) -> str:
        return ", ".join(self.values)

    def check(self, name: str, value: object) -> str:
        if isinstance(value, str):
            key = value.strip().lower().replace("-", "_")
            for v in self.values:
                if v.lower().replace("-", "_") == key:
                    return v
        raise _refuse(name, value, self.describe())

    def parse(self, name: str, text: str) -> str:
        return self.check(name, text)


@dataclass(frozen=True)
class Number:
    """An int (or float) from low to high inclusive; with ``auto`` set, None (or "auto") picks
    the symbology's own choice."""

    low: float
    high: float
    integer: bool = True
    auto: bool = False
    low_open: bool = False  # low itself excluded (sizes that must be above 0)

    def describe(self) -> str:
        kind = "an integer" if self.integer else "a number"
        low = f"above {self.low:g}" if self.low_open else f"from {self.low:g}"
        text = f"{kind} {low} to {self.high:g}"
        return text + (', or None ("auto")' if self.auto else "")

    def check(self, name: str, value: object) -> int | float | None:
        if value is None and self.auto:
            return None
        ok_type = isinstance(value, int) if self.integer else isinstance(value, (int, float))
        if ok_type and not isinstance(value, bool):
            number: float = value  # type: ignore[assignment]
            above_low = number > self.low if self.low_open else number >= self.low
            if above_low and number <= self.high:
                return value  # type: ignore[return-value]
        raise _refuse(name, value, self.describe())

    def parse(self, name: str, text: str) -> int | float | None:
        if self.auto and text.strip().lower() == "auto":
            return None
        try:
            value: float = int(text) if self.integer else float(text)
        except ValueError:
            raise _refuse(name, text, self.describe()) from None
        return self.check(name, value)


@dataclass(frozen=True)
class Text:
    """A string; what it may hold is the encoder's to check."""

    accepted: str

    def describe(self) -> str:
        return self.accepted

    def check(self, name: str, value: object) -> str:
        if isinstance(value, str):
            return value
        raise _refuse(name, value, self.describe())

    def parse(self, name: str, text: str) -> str:
        return self.check(name, text)


@dataclass(frozen=True)
class Flag:
    """True or False."""

    def describe(self) -> str:
        return "True or False"

    def check(self, name: str, value: object) -> bool:
        if isinstance(value, bool):
            return value
        raise _refuse(name, value, self.describe())

    def parse(self, name: str, text: str) -> bool:
        words = {"true": True, "yes": True, "on": True, "1": True, "false": False, "no": False, "off": False, "0": False}
        if text.strip().lower() in words:
            return words[text.strip().lower()]
        raise _refuse(name, text, "true or false")


Kind = Choice | Number | Flag | Text


@dataclass(frozen=True)
class Option:
    """A symbology's own option: its name, what it accepts, what it means, and the encoder option
    it sets (None, "auto", leaves the choice to the encoder)."""

    name: str
    kind: Kind
    default: object
    help: str
    field: str


RENDER_LIMITS = _native.render_limits()
_MARGIN_LIMIT = int(RENDER_LIMITS["margin_modules"])
QUIET_ZONE_ACCEPTED = (f"an integer from 0 to {_MARGIN_LIMIT} (modules on every side), or a tuple "
                       "(left, top, right, bottom) of them")


def check_quiet_zone(value: object) -> tuple[int, int, int, int]:
    """(left, top, right, bottom) in modules from one count for every side or four counts."""
    sides = (value,) * 4 if isinstance(value, int) else value
    if isinstance(sides, tuple) and len(sides) == 4:
        if all(isinstance(s, int) and not isinstance(s, bool) and 0 <= s <= _MARGIN_LIMIT for s in sides):
            return (sides[0], sides[1], sides[2], sides[3])
    raise _refuse("quiet_zone", value, QUIET_ZONE_ACCEPTED)


def parse_quiet_zone(text: str) -> tuple[int, int, int, int]:
    """The command-line form: "N" or "LEFT,TOP,RIGHT,BOTTOM"."""
    try:
        parts = tuple(int(p) for p in text.split(","))
        if len(parts) not in (1, 4):
            raise ValueError(text)
        return check_quiet_zone(parts[0] if len(parts) == 1 else parts)
    except (ValueError, InvalidOptionError):
        raise _refuse("quiet_zone", text, "N or LEFT,TOP,RIGHT,BOTTOM (integers >= 0)") from None


def whole_sides(sides: tuple[float, float, float, float]) -> tuple[float, float, float, float]:
    """Module counts as int where whole (all but a few standards' fractions), for plain display."""
    left, top, right, bottom = (int(v) if float(v).is_integer() else v for v in sides)
    return (left, top, right, bottom)
