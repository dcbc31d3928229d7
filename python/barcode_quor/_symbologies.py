"""Every symbology of the high-level API, as the native option table lists it: its names, the
clause its quiet zone comes from, an example, and its own options with what each accepts. The
quiet zones, bar heights and every data check are the native encoder's."""
from __future__ import annotations

from dataclasses import dataclass
from functools import cached_property
from typing import Any

import _barcode_quor_native as _native

from ._options import Choice, Flag, Kind, Number, Option, Text


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
    # The module width its standard prints at (postal codes: half the bar pitch), used when
    # neither scale nor x_dim_mm is given; None: no such figure.
    x_dim_mm: float | None = None

    @cached_property
    def standard(self) -> _native.EncodedSymbol:
        """The encoder's answer for the example: its quiet zone and default bar height."""
        return _native.encode(self.name, self.example)


def _kind(row: dict[str, Any]) -> Kind:
    kind = row["kind"]
    if kind == "flag":
        return Flag()
    if kind == "choice":
        return Choice(tuple(row["choices"]))
    if kind == "text":
        return Text(row["accepted"])
    return Number(row["low"], row["high"], integer=kind == "integer", auto=row["auto"])


def _option(row: dict[str, Any]) -> Option:
    return Option(row["name"], _kind(row), row["default"], row["help"], row["field"])


SYMBOLOGIES: tuple[Symbology, ...] = tuple(
    Symbology(row["name"], row["title"], row["quiet_zone_source"], row["example"], row["default_scale"],
              tuple(_option(o) for o in row["options"]), tuple(row["aliases"]), row["digital_link_as"],
              row["x_dim_mm"])
    for row in _native.symbology_table())

BY_NAME: dict[str, Symbology] = {name: s for s in SYMBOLOGIES for name in (s.name, *s.aliases)}
