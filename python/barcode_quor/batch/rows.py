"""Reading batch input: CSV, JSON Lines or plain data lines, one row at a time, never losing a line.

The physical line is the unit: a line that is too long, not UTF-8 or not parseable becomes an error
row carrying its line number, and reading goes on with the next line. A CSV record may continue over
further lines only inside a quoted field that closes within MAX_RECORD_LINES lines; otherwise its
first line is the error and the lines after it are read again as records of their own.
"""
from __future__ import annotations

import csv
import json
import os
import shutil
import stat
import string
import sys
import tempfile
from collections import deque
from contextlib import contextmanager
from dataclasses import dataclass, field
from typing import Any, BinaryIO, Iterator

from .names import output_name
from .templates import TemplateError, check, fill

KNOWN = ("symbology", "data", "output", "options")
FORMATS = {".csv": "csv", ".jsonl": "jsonl", ".ndjson": "jsonl", ".txt": "text"}
MAX_LINE = 131072  # bytes of one line, without its line break
MAX_RECORD_LINES = 64  # lines one CSV record may span (newlines inside a quoted field)


class BatchError(ValueError):
    """The batch as a whole cannot run (unreadable input, unknown columns, duplicate output names)."""


@dataclass(frozen=True)
class Defaults:
    """Batch-wide settings: what a row leaves out."""

    symbology: str = ""
    options: dict[str, Any] = field(default_factory=dict)
    name: str = ""  # output name template, e.g. "{row:06d}.png"; fields: row, line and a CSV's columns
    data: str = ""  # data template over a row's fields, e.g. "(01){gtin}(10){lot}"; empty: the data field

    def numbers_names(self) -> bool:
        """True when the name template holds the row or line number, so no two rows share a name."""
        return any(field in ("row", "line") for _, field, _, _ in string.Formatter().parse(self.name))


@dataclass(frozen=True)
class Row:
    number: int  # 1-based position among the input's rows
    line: int  # the input file's line where the row starts
    output: str  # normalised output name, "" when the row has none
    symbology: str = ""
    data: str = ""
    options: dict[str, Any] = field(default_factory=dict)
    error: str = ""  # why the row cannot be drawn, found while reading it


def input_format(path: str, given: str | None, defaults: Defaults) -> str:
    if given:
        if given not in ("csv", "jsonl", "text"):
            raise BatchError(f"unknown input format {given!r}: csv, jsonl, text")
        return given
    found = FORMATS.get(os.path.splitext(path)[1].lower())
    if found is None and defaults.symbology:
        return "text"
    if found is None:
        raise BatchError(f"cannot tell the format of {path!r} from its extension (.csv, .jsonl, .txt): "
                         "give --format")
    return found


@contextmanager
def readable_twice(path: str) -> Iterator[str]:
    """The input as a regular file: standard input ("-") or a pipe is copied once to a temporary file,
    since the rows are read twice (names first, then drawing)."""
    if path != "-":
        try:
            mode = os.stat(path).st_mode
        except OSError as e:
            raise BatchError(f"{path}: {e.strerror}") from e
        if stat.S_ISREG(mode):
            yield path
            return
    with tempfile.NamedTemporaryFile(prefix="barcode-quor-input-") as spool:
        try:
            if path == "-":
                if sys.stdin is None:  # started with standard input closed
                    raise BatchError("-: standard input is closed")
                shutil.copyfileobj(sys.stdin.buffer, spool)
            else:
                with open(path, "rb") as stream:
                    shutil.copyfileobj(stream, spool)
        except OSError as e:
            raise BatchError(f"{path}: {e.strerror}") from e
        spool.flush()
        yield spool.name


Line = tuple[int, str | None, str]  # (line number, text without the line break or None, problem)


def physical_lines(stream: BinaryIO) -> Iterator[Line]:
    number = 0
    while chunk := stream.readline(MAX_LINE + 2):
        number += 1
        cut = len(chunk) == MAX_LINE + 2 and not chunk.endswith(b"\n")
        while cut and chunk and not chunk.endswith(b"\n"):  # skip the rest without holding it
            chunk = stream.readline(1 << 20)
        content = chunk.rstrip(b"\n").rstrip(b"\r")
        if number == 1 and content.startswith(b"\xef\xbb\xbf"):
            content = content[3:]
        if cut or len(content) > MAX_LINE:
            yield number, None, f"line longer than {MAX_LINE} bytes"
            continue
        try:
            yield number, content.decode("utf-8"), ""
        except UnicodeDecodeError as e:
            yield number, None, f"not UTF-8: byte 0x{content[e.start]:02x} at byte {e.start + 1} of the line"


DELIMITERS = (",", ";", "\t")


def sniff_delimiter(header: str) -> str:
    """The header line's delimiter: the one of comma, semicolon and tab it holds most of, outside
    quotes (a comma on a tie or when it has none)."""
    outside = "".join(part for i, part in enumerate(header.split('"')) if i % 2 == 0)
    return max(DELIMITERS, key=outside.count)


def _csv_cells(text: str, delimiter: str = ",") -> list[str]:
    if '"' not in text:
        return text.split(delimiter)
    cells = list(csv.reader(text.splitlines(keepends=True), strict=True, delimiter=delimiter))
    if len(cells) != 1:
        raise csv.Error("a quoted field is not closed")
    return cells[0]


def _csv_records(lines: Iterator[Line]) -> Iterator[tuple[int, list[str] | None, str]]:
    """(first line, cells or None, problem) per record; empty lines are no records. The delimiter is
    the header's (see sniff_delimiter)."""
    again: deque[Line] = deque()
    delimiter = ""

    def next_line() -> Line | None:
        if again:
            return again.popleft()
        return next(lines, None)

    while (first := next_line()) is not None:
        number, text, problem = first
        if text is None or not text.strip():
            if problem:
                yield number, None, problem
            continue
        taken: list[Line] = []
        parts = [text]
        first_error = ""
        delimiter = delimiter or sniff_delimiter(text)
        while True:
            try:
                yield number, _csv_cells("\n".join(parts), delimiter), ""
                break
            except csv.Error as e:
                first_error = first_error or str(e)
                follow = next_line() if len(taken) < MAX_RECORD_LINES else None
                if follow is not None:
                    taken.append(follow)
                if follow is None or follow[1] is None or sum(map(len, parts)) > MAX_LINE:
                    again.extendleft(reversed(taken))
                    yield number, None, f"not CSV: {first_error}"
                    break
                parts.append(follow[1])


def _field_records(path: str, fmt: str, defaults: Defaults,
                   shown: str) -> Iterator[tuple[int, dict[str, Any], str]]:
    with open(path, "rb") as stream:
        lines = physical_lines(stream)
        if fmt == "text":
            for number, text, problem in lines:
                if problem or (text and text.strip()):
                    yield number, {"data": text}, problem
        elif fmt == "jsonl":
            for number, text, problem in lines:
                if problem or text is None or not text.strip():
                    if problem:
                        yield number, {}, problem
                    continue
                try:
                    record = json.loads(text)
                except ValueError as e:
                    yield number, {}, f"not JSON: {e}"
                    continue
                yield (number, record, "") if isinstance(record, dict) else (number, {}, "not a JSON object")
        else:
            records = _csv_records(lines)
            header_line, columns, problem = next(records, (0, None, "no header line"))
            if columns is None:
                raise BatchError(f"{shown}: line {header_line}: {problem}")
            _check_columns(shown, columns, defaults)
            for number, cells, problem in records:
                if cells is None:
                    yield number, {}, problem
                elif len(cells) != len(columns):
                    yield number, {}, f"{len(cells)} cells where the header has {len(columns)}"
                else:
                    yield number, dict(zip(columns, cells)), ""


def _check_columns(path: str, columns: list[str], defaults: Defaults) -> None:
    if defaults.data:  # a sheet as users keep it: any columns, the templates naming them
        try:
            if len(set(columns)) != len(columns):
                raise TemplateError(f"the header names a column twice: {', '.join(columns)}")
            check(defaults.data, columns + ["row", "line"], "--data")
            if defaults.name:
                check(defaults.name, columns + ["row", "line"], "--name")
        except TemplateError as e:
            raise BatchError(f"{path}: {e}") from None
        if not defaults.symbology and "symbology" not in columns:
            raise BatchError(f"{path}: no symbology column: give --symbology")
        if not defaults.name and "output" not in columns:
            raise BatchError(f"{path}: no output column: give --name, e.g. \"{{row:06d}}.png\"")
        return
    required = ["data"] + ([] if defaults.symbology else ["symbology"]) + ([] if defaults.name else ["output"])
    missing = [c for c in required if c not in columns]
    unknown = [c for c in columns if c not in KNOWN]
    if missing or unknown or len(set(columns)) != len(columns):
        raise BatchError(f"{path}: CSV columns must be {', '.join(KNOWN)} (options optional; symbology and output "
                         f"optional with --symbology and --name); missing {missing or 'none'}, "
                         f"unknown {unknown or 'none'}")


def _named(number: int, line: int, fields: dict[str, Any], defaults: Defaults) -> tuple[Any, str]:
    """The row's output name as given or from the template, and why there is none."""
    if fields.get("output") or not defaults.name:
        return fields.get("output"), ""
    try:
        return fill(defaults.name, {**fields, "row": number, "line": line}), ""
    except TemplateError as e:
        return "", f"--name: {e}"


def _tuples(value: Any) -> Any:
    """JSON lists as the tuples make() takes (a quiet zone per side, an RGB colour)."""
    return tuple(_tuples(v) for v in value) if isinstance(value, list) else value


def make_row(number: int, line: int, fields: dict[str, Any], defaults: Defaults) -> Row:
    named, problem = _named(number, line, fields, defaults)
    name, error = output_name(named) if not problem else ("", problem)
    if error:
        return Row(number=number, line=line, output=name, error=error)
    unknown = [] if defaults.data else sorted(set(fields) - set(KNOWN))
    if unknown:
        return Row(number=number, line=line, output=name, error=f"unknown key(s) {', '.join(unknown)}")
    symbology = fields.get("symbology") or defaults.symbology
    data, options = fields.get("data"), fields.get("options")
    if defaults.data:
        try:
            data = fill(defaults.data, {**fields, "row": number, "line": line})
        except TemplateError as e:
            return Row(number=number, line=line, output=name, error=f"--data: {e}")
    if not isinstance(symbology, str) or not symbology:
        return Row(number=number, line=line, output=name, error="no symbology")
    if not isinstance(data, str):
        return Row(number=number, line=line, output=name, error="data must be a string")
    if isinstance(options, str):  # CSV: a JSON object in the cell, empty for none
        try:
            options = json.loads(options) if options.strip() else {}
        except ValueError as e:
            return Row(number=number, line=line, output=name, error=f"options are not JSON: {e}")
    if options is None:
        options = {}
    if not isinstance(options, dict):
        return Row(number=number, line=line, output=name, error="options must be a JSON object")
    return Row(number=number, line=line, output=name, symbology=symbology, data=data,
               options={key: _tuples(value) for key, value in {**defaults.options, **options}.items()})


def read_rows(path: str, fmt: str, defaults: Defaults, shown: str = "") -> Iterator[Row]:
    """The rows of the input, one at a time; memory does not grow with the input's length. Messages
    call the input `shown` ("-" for standard input read through a temporary copy), else its path."""
    shown = shown or path
    try:
        for number, (line, record, problem) in enumerate(_field_records(path, fmt, defaults, shown), start=1):
            if problem:
                named = _named(number, line, {}, defaults)[0]
                yield Row(number=number, line=line, output=output_name(named)[0] if named else "",
                          error=f"line {line}: {problem}")
            else:
                yield make_row(number, line, record, defaults)
    except OSError as e:
        raise BatchError(f"{shown}: {e.strerror}") from e
