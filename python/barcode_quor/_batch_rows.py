"""Reading batch input: CSV or JSON Lines rows, streamed, and the duplicate-name check.

Every row becomes a `Row`; a row that cannot be read carries its error instead of failing the batch.
"""
from __future__ import annotations

import csv
import json
import os
import posixpath
import sqlite3
import tempfile
from dataclasses import dataclass, field
from typing import Any, Iterator

REQUIRED = ("symbology", "data", "output")
KNOWN = (*REQUIRED, "options")
FORMATS = {".csv": "csv", ".jsonl": "jsonl", ".ndjson": "jsonl"}


class BatchError(ValueError):
    """The batch as a whole cannot run (unreadable input, unknown columns, duplicate output names)."""


@dataclass(frozen=True)
class Row:
    number: int  # 1-based position among the input's rows
    output: str  # normalised output name, "" when the row has none
    symbology: str = ""
    data: str = ""
    options: dict[str, Any] = field(default_factory=dict)
    error: str = ""  # why the row cannot be drawn, found while reading it


def input_format(path: str, given: str | None) -> str:
    if given:
        if given not in ("csv", "jsonl"):
            raise BatchError(f"unknown input format {given!r}: csv, jsonl")
        return given
    found = FORMATS.get(os.path.splitext(path)[1].lower())
    if found is None:
        raise BatchError(f"cannot tell the format of {path!r} from its extension (.csv, .jsonl): give it")
    return found


def output_name(value: Any) -> tuple[str, str]:
    """(normalised name, error): a relative path with '/' separators that stays inside the output."""
    if not isinstance(value, str) or not value.strip():
        return "", "no output name"
    if "\\" in value or "\0" in value:
        return value, "output name holds a backslash or NUL"
    name = posixpath.normpath(value)
    if name.startswith("/") or name == ".." or name.startswith("../") or value.endswith("/"):
        return value, "output name must be a relative file path inside the output"
    if "." not in posixpath.basename(name).lstrip("."):
        return name, "output name has no extension to choose the image kind (.png, .jpg, .svg)"
    return name, ""


def make_row(number: int, fields: dict[str, Any]) -> Row:
    name, error = output_name(fields.get("output"))
    if error:
        return Row(number=number, output=name, error=error)
    unknown = sorted(set(fields) - set(KNOWN))
    if unknown:
        return Row(number=number, output=name, error=f"unknown key(s) {', '.join(unknown)}")
    symbology, data, options = fields.get("symbology"), fields.get("data"), fields.get("options")
    if not isinstance(symbology, str) or not symbology:
        return Row(number=number, output=name, error="no symbology")
    if not isinstance(data, str):
        return Row(number=number, output=name, error="data must be a string")
    if isinstance(options, str):  # CSV: a JSON object in the cell, empty for none
        try:
            options = json.loads(options) if options.strip() else {}
        except ValueError as e:
            return Row(number=number, output=name, error=f"options are not JSON: {e}")
    if options is None:
        options = {}
    if not isinstance(options, dict):
        return Row(number=number, output=name, error="options must be a JSON object")
    return Row(number=number, output=name, symbology=symbology, data=data, options=options)


def _csv_records(path: str) -> Iterator[dict[str, Any]]:
    with open(path, newline="", encoding="utf-8-sig") as f:
        reader = csv.DictReader(f)
        columns = reader.fieldnames or []
        missing = [c for c in REQUIRED if c not in columns]
        unknown = [c for c in columns if c not in KNOWN]
        if missing or unknown:
            raise BatchError(f"{path}: CSV columns must be {', '.join(KNOWN)} (options optional); "
                             f"missing {missing or 'none'}, unknown {unknown or 'none'}")
        for record in reader:
            # A short line leaves None in its last columns; a long one puts the extra cells under None.
            if None in record:
                yield {"output": record.get("output"), "": "too many cells"}
            else:
                yield {k: v for k, v in record.items() if v is not None}


def _jsonl_records(path: str) -> Iterator[dict[str, Any]]:
    with open(path, encoding="utf-8-sig") as f:
        for line in f:
            if not line.strip():
                continue
            try:
                record = json.loads(line)
            except ValueError as e:
                yield {"": f"not JSON: {e}"}
                continue
            yield record if isinstance(record, dict) else {"": "not a JSON object"}


def read_rows(path: str, fmt: str) -> Iterator[Row]:
    """The rows of the input, one at a time; memory does not grow with the input's length."""
    records = _csv_records(path) if fmt == "csv" else _jsonl_records(path)
    try:
        for number, record in enumerate(records, start=1):
            problem = record.pop("", None)
            row = make_row(number, record)
            yield Row(number=number, output=row.output, error=problem) if problem else row
    except (OSError, UnicodeDecodeError, csv.Error) as e:
        raise BatchError(f"{path}: {e}") from e


def check_names(rows: Iterator[Row]) -> int:
    """Counts the rows and raises BatchError naming duplicate output names, before anything is drawn.

    The names go to a temporary on-disk SQLite table, so memory stays flat however many rows there
    are; the temporary file holds about the size of the names."""
    fd, db_path = tempfile.mkstemp(prefix="barcode-quor-names-", suffix=".sqlite")
    os.close(fd)
    try:
        db = sqlite3.connect(db_path)
        db.execute("PRAGMA journal_mode=OFF")
        db.execute("PRAGMA synchronous=OFF")
        db.execute("CREATE TABLE names (name TEXT, row INTEGER)")
        count = 0
        pending: list[tuple[str, int]] = []
        for row in rows:
            count += 1
            if not row.error:  # rows that fail anyway write nothing, so their names cannot clash
                pending.append((row.output, row.number))
            if len(pending) >= 10000:
                db.executemany("INSERT INTO names VALUES (?, ?)", pending)
                pending.clear()
        db.executemany("INSERT INTO names VALUES (?, ?)", pending)
        duplicates = db.execute(
            "SELECT name, group_concat(row, ', ') FROM names GROUP BY name HAVING count(*) > 1 LIMIT 11"
        ).fetchall()
        db.close()
    finally:
        os.unlink(db_path)
    if duplicates:
        shown = "; ".join(f"{name!r} in rows {rows_}" for name, rows_ in duplicates[:10])
        more = " and more" if len(duplicates) > 10 else ""
        raise BatchError(f"duplicate output names: {shown}{more}")
    return count
