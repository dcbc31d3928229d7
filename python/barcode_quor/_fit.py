"""The printer fit advisor: which whole numbers of printer dots make a module inside the X range
a symbology may print at (GS1's symbol size tables for GS1 applications; for other
symbologies the X the application asks for), the one closest to the nominal, and the bar height
and quiet zones that follow, in dots."""
from __future__ import annotations

import math
from dataclasses import dataclass
from typing import Any

import _barcode_quor_native as _native

from ._errors import InvalidOptionError
from ._options import Number, whole_sides
from ._symbologies import BY_NAME, Symbology

_MM_PER_INCH = 25.4
_DPI = Number(1, 100000)
_MM = Number(0, 1000, integer=False, low_open=True)
# Rule of thumb for the bar width reduction by printer kind (millimetres of spread on each dark
# bar, rounded to whole dots): a thermal head burns whole dots true to size when the bars run
# across the print direction, so it needs none; liquid ink spreads into the paper by a few
# hundredths of a millimetre, toner by less. Confirm with a verifier's grade on the real stock.
PRINTER_SPREAD_MM = {"thermal": 0.0, "inkjet": 0.04, "laser": 0.02}
_TABLE = _native.gs1_print_size_tables()
# Book and serial numbers print as EAN-13 symbols at the point of sale: the EAN-13 rows apply.
_PRINTED_AS = {"isbn": "ean13", "issn": "ean13", "ismn": "ean13"}
APPLICATIONS: tuple[str, ...] = tuple(dict.fromkeys(row["application"] for row in _TABLE))


@dataclass(frozen=True)
class Fit:
    """The advice for one symbology at one printer resolution.

    ``sizes`` are the legal module widths as (dots, mm), ``dots``/``x_dim_mm`` the one closest to
    the nominal (None when no whole number of dots fits: then ``nearest_dpi`` is the nearest
    resolution that has one). ``x_range_mm`` is (minimum, nominal, maximum); ``min_bar_height_dots``
    the table's minimum bar height (per row of bars; None for matrix symbols or without a table);
    ``quiet_zone_dots`` (left, top, right, bottom); ``bar_width_reduction_dots`` by printer kind."""

    symbology: str
    dpi: int
    application: str | None
    source: str
    x_range_mm: tuple[float, float, float]
    sizes: tuple[tuple[int, float], ...]
    dots: int | None
    x_dim_mm: float | None
    nearest_dpi: int | None
    min_bar_height_dots: int | None
    quiet_zone_dots: tuple[int, int, int, int] | None
    bar_width_reduction_dots: dict[str, int]

    def __str__(self) -> str:
        low, nominal, high = self.x_range_mm
        head = (f"{self.symbology} at {self.dpi} dpi ({self.application or 'asked X'}: X {low:.3f} to {high:.3f} mm, "
                f"nominal {nominal:.3f} mm; {self.source})")
        if self.dots is None:
            return f"{head}\nimpossible at {self.dpi} dpi: no whole number of dots fits; nearest dpi that works: " \
                   f"{self.nearest_dpi}\n"
        legal = ", ".join(f"{dots} dots = {mm:.3f} mm" for dots, mm in self.sizes)
        lines = [head, f"legal module sizes: {legal}", f"best: {self.dots} dots = {self.x_dim_mm:.3f} mm"]
        if self.min_bar_height_dots is not None:
            lines.append(f"minimum bar height: {self.min_bar_height_dots} dots")
        if self.quiet_zone_dots is not None:
            lines.append("quiet zones (left, top, right, bottom): " + ", ".join(map(str, self.quiet_zone_dots))
                         + " dots")
        lines.append("bar width reduction: " + ", ".join(
            f"{kind} {dots} dots" for kind, dots in self.bar_width_reduction_dots.items()))
        return "\n".join(lines) + "\n"


def _row(s: Symbology, application: str | None) -> dict[str, Any] | None:
    if application is not None and application not in APPLICATIONS:
        raise InvalidOptionError(f"unknown application {application!r}; accepted: {', '.join(APPLICATIONS)}",
                                 option="application", accepted=", ".join(APPLICATIONS))
    name = _PRINTED_AS.get(s.name, s.name)
    for row in _TABLE:
        if row["symbology"] == name and application in (None, row["application"]):
            found: dict[str, Any] = row
            return found
    if application is not None:
        listed = ", ".join(row["symbology"] for row in _TABLE if row["application"] == application)
        raise InvalidOptionError(f"the {application} table has no {s.name}; it lists {listed}",
                                 option="application")
    return None


def _legal_dots(dpi: int, low: float, high: float) -> range:
    """Whole dots whose width lies in [low, high] mm (a thousandth of a millimetre of slack for
    the tables' rounding)."""
    first = max(1, math.ceil((low - 0.0005) * dpi / _MM_PER_INCH))
    last = math.floor((high + 0.0005) * dpi / _MM_PER_INCH)
    return range(first, last + 1)


def _nearest_dpi(dpi: int, low: float, high: float) -> int:
    for step in range(1, dpi + 100000):
        for candidate in (dpi - step, dpi + step):
            if candidate >= 1 and _legal_dots(candidate, low, high):
                return candidate
    raise AssertionError("a range of positive width fits some resolution")


def _quiet_zone(s: Symbology, dots: int) -> tuple[int, int, int, int]:
    left, top, right, bottom = (math.ceil(v * dots) for v in whole_sides(s.standard.quiet_zone))
    return left, top, right, bottom


def fit(symbology: str, dpi: int, x_dim_mm: float | None = None, application: str | None = None) -> Fit:
    """The whole-dot module sizes a printer of ``dpi`` dots per inch can print ``symbology`` at.

    The allowed X range is GS1's symbol size table's for ``application``
    ("retail-pos", "general-distribution", "logistics"; by default the first table listing the
    symbology). ``x_dim_mm`` asks for a module width in that range (default the table's nominal);
    for a symbology no table lists it is required and the sizes are the whole dots around it.
    Raises InvalidOptionError naming the option for an unknown symbology or application, an X
    outside the table's range, or a missing X."""
    s = BY_NAME.get(symbology.lower() if isinstance(symbology, str) else "")
    if s is None:
        raise InvalidOptionError(f"unknown symbology {symbology!r}", option="symbology")
    dpi = int(_DPI.check("dpi", dpi) or 0)
    asked = None if x_dim_mm is None else float(_MM.check("x_dim_mm", x_dim_mm) or 0)
    row = _row(s, application)
    if row is None:
        if asked is None:
            raise InvalidOptionError(f"no GS1 table lists {s.name}: give x_dim_mm, the module width its "
                                     "application asks for", option="x_dim_mm")
        nearest = asked * dpi / _MM_PER_INCH
        low_dots, high_dots = max(1, math.floor(nearest)), max(1, math.ceil(nearest))
        x_range = (low_dots * _MM_PER_INCH / dpi, asked, high_dots * _MM_PER_INCH / dpi)
        source, height_rule, min_height = "the X asked for", "none", 0.0
    else:
        low, nominal, high = row["x_mm"]
        if asked is not None and not low - 0.0005 <= asked <= high + 0.0005:
            raise InvalidOptionError(f"x_dim_mm={asked:g} is outside {s.name}'s {row['application']} range "
                                     f"{low:.3f} to {high:.3f} mm", option="x_dim_mm")
        x_range = (low, nominal if asked is None else asked, high)
        source, height_rule, min_height = row["source"], row["height_rule"], row["min_height"]
    table: str | None = None if row is None else str(row["application"])
    low, target, high = x_range
    legal = _legal_dots(dpi, low, high)
    sizes = tuple((dots, round(dots * _MM_PER_INCH / dpi, 4)) for dots in legal)
    reduction = {kind: round(spread * dpi / _MM_PER_INCH) for kind, spread in PRINTER_SPREAD_MM.items()}
    if not sizes:
        return Fit(s.name, dpi, table, source, x_range, (), None, None,
                   _nearest_dpi(dpi, low, high), None, None, reduction)
    # Closest to the nominal; between two equally close, the larger (more tolerant) module.
    dots, mm = min(sizes, key=lambda size: (abs(size[1] - target), -size[0]))
    if height_rule == "modules":
        min_bar_height: int | None = math.ceil(min_height * dots - 1e-9)
    elif height_rule == "mm":
        min_bar_height = math.ceil(min_height * dpi / _MM_PER_INCH - 1e-9)
    else:
        min_bar_height = None
    reduction = {kind: min(value, dots - 1) for kind, value in reduction.items()}
    return Fit(s.name, dpi, table, source, x_range, sizes, dots, mm, None, min_bar_height,
               _quiet_zone(s, dots), reduction)
