""""Did you mean": the known name closest to one that is not known."""
from __future__ import annotations

import difflib
from typing import Iterable


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
