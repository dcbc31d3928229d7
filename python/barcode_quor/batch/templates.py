"""Templates of output names and data ("{row:06d}.png", "(01){gtin}(10){lot}"): fields are a row's
own values only, by plain name, with format widths bounded, so that no template reaches into
Python objects or builds a huge string."""
from __future__ import annotations

import functools
import re
import string
from typing import Any, Iterable

MAX_WIDTH = 1000  # widths and precisions in a format field ("{row:06d}")
_NAME = re.compile(r"[^\W\d]\w*|\d+", re.UNICODE)  # a column name as str.format reads one: no . or [


class TemplateError(ValueError):
    """A template that cannot be used, or a row it cannot be filled from."""


@functools.lru_cache(maxsize=16)  # a batch fills one or two templates row after row
def _parts(template: str) -> tuple[tuple[str, str | None, str], ...]:
    try:
        parsed = list(string.Formatter().parse(template))
    except ValueError as e:
        raise TemplateError(f"template {template!r}: {e}") from None
    parts = []
    for literal, field, format_field, conversion in parsed:
        if field is not None:
            if not _NAME.fullmatch(field):
                raise TemplateError(f"template {template!r}: field {{{field}}} is not a plain name "
                                    "(no attributes, indexes or empty braces)")
            if conversion is not None or "{" in (format_field or ""):
                raise TemplateError(f"template {template!r}: field {{{field}}} has a conversion or a nested field")
            if any(int(n) > MAX_WIDTH for n in re.findall(r"\d+", format_field or "")):
                raise TemplateError(f"template {template!r}: widths above {MAX_WIDTH} in {{{field}:{format_field}}}")
        parts.append((literal, field, format_field or ""))
    return tuple(parts)


def fields_of(template: str) -> list[str]:
    """The field names a template uses; TemplateError for one that is not a plain name."""
    return [field for _, field, _ in _parts(template) if field is not None]


def check(template: str, names: Iterable[str], what: str) -> None:
    """TemplateError unless every field of the template is one of names."""
    known = list(names)
    missing = [f for f in fields_of(template) if f not in known]
    if missing:
        raise TemplateError(f"{what} {template!r}: no field {', '.join(map(repr, missing))}; "
                            f"the fields are {', '.join(known)}")


def fill(template: str, values: dict[str, Any]) -> str:
    """The template with a row's values; TemplateError for a field the row lacks or a value the
    format field does not take ("{row:d}" with text)."""
    out = []
    for literal, field, format_field in _parts(template):
        out.append(literal)
        if field is None:
            continue
        if field not in values:
            raise TemplateError(f"no field {field!r} in this row")
        try:
            out.append(format(values[field], format_field))
        except (ValueError, TypeError) as e:
            raise TemplateError(f"{{{field}:{format_field}}} of {values[field]!r}: {e}") from None
    return "".join(out)
