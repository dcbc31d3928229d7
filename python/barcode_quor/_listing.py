"""What symbologies() tells: every symbology's names, own options and standard quiet zone."""
from __future__ import annotations

from dataclasses import dataclass

from ._options import whole_sides
from ._symbologies import SYMBOLOGIES


@dataclass(frozen=True)
class OptionInfo:
    name: str
    accepted: str
    default: object
    help: str


@dataclass(frozen=True)
class SymbologyInfo:
    name: str
    title: str
    aliases: tuple[str, ...]
    options: tuple[OptionInfo, ...]
    quiet_zone: tuple[float, float, float, float]  # left, top, right, bottom, in modules
    quiet_zone_source: str
    bar_height: float | None  # default bar height in modules (None: fixed by the symbology or 2D)
    example: str  # data it encodes, e.g. for a sample
    x_dim_mm: float | None = None  # module width its standard prints at when no size is given


def symbologies() -> dict[str, SymbologyInfo]:
    """Every symbology make() takes, by canonical name, with its aliases, own options (what each
    accepts and its default) and the quiet zone used unless quiet_zone= says otherwise."""
    return {
        s.name: SymbologyInfo(
            name=s.name,
            title=s.title,
            aliases=s.aliases,
            options=tuple(OptionInfo(name=o.name, accepted=o.kind.describe(), default=o.default, help=o.help)
                          for o in s.options),
            quiet_zone=whole_sides(s.standard.quiet_zone),
            quiet_zone_source=s.quiet_zone_source,
            bar_height=s.standard.bar_height if s.standard.shape == "linear" else None,
            example=s.example,
            x_dim_mm=s.x_dim_mm,
        )
        for s in SYMBOLOGIES
    }
