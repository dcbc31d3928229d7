"""Output names: each one a relative path that stays inside the output wherever it is unpacked, and
no two that one file system (case-insensitive, or normalising Unicode) would make the same file."""
from __future__ import annotations

import os
import posixpath
import sqlite3
import tempfile
import unicodedata
from typing import Any, Iterable

from . import leftovers

# A zip extractor on Windows reads a backslash as a folder and "C:" as a drive; NUL ends C strings.
UNSAFE = ("\\", ":", "\0")
ESCAPES = "output name leads outside the output (.., an absolute path, a backslash, colon or NUL)"


def escapes(value: str) -> bool:
    """True for a name that some file system or zip extractor would put outside the output."""
    name = posixpath.normpath(value)
    return any(c in value for c in UNSAFE) or name.startswith("/") or name == ".." or name.startswith("../")


def output_name(value: Any) -> tuple[str, str]:
    """(normalised name, error): a relative path with '/' separators that stays inside the output."""
    if not isinstance(value, str) or not value.strip():
        return "", "no output name"
    if not value.isascii():
        try:
            value.encode("utf-8")
        except UnicodeEncodeError:  # half of a surrogate pair (JSON "\ud800", a non-UTF-8 byte): no file name
            shown = value.encode("utf-8", "backslashreplace").decode("ascii", "backslashreplace")
            return shown, "output name holds a lone surrogate, which is not text"
    if escapes(value):
        return value, ESCAPES
    name = posixpath.normpath(value)
    if value.endswith("/"):
        return value, "output name must be a file path, not a folder"
    if "." not in posixpath.basename(name).lstrip("."):
        return name, "output name has no extension to choose the image kind (.png, .jpg, .svg)"
    return name, ""


def clash_key(name: str) -> str:
    """Names with the same key are one file on a case-insensitive or normalising file system."""
    return unicodedata.normalize("NFC", unicodedata.normalize("NFC", name).casefold())


def check_names(rows: Iterable[Any], error: type[Exception]) -> int:
    """Counts the rows and raises `error` naming clashing output names, or names that lead outside
    the output, before anything is drawn.

    The names go to a temporary on-disk SQLite table, so memory stays flat however many rows there
    are; the temporary file holds about the size of the names."""
    leftovers.remove(tempfile.gettempdir(), "barcode-quor-names-", ".sqlite")  # of killed batches
    fd, db_path = tempfile.mkstemp(prefix=f"barcode-quor-names-{leftovers.tag()}", suffix=".sqlite")
    os.close(fd)
    try:
        db = sqlite3.connect(db_path)
        db.execute("PRAGMA journal_mode=OFF")
        db.execute("PRAGMA synchronous=OFF")
        db.execute("CREATE TABLE names (key TEXT, name TEXT, row INTEGER)")
        count = 0
        pending: list[tuple[str, str, int]] = []
        outside: list[str] = []
        for row in rows:
            count += 1
            if row.error == ESCAPES and len(outside) < 10:
                outside.append(f"{row.output!r} in row {row.number}")
            if not row.error:  # rows that fail anyway write nothing, so their names cannot clash
                pending.append((clash_key(row.output), row.output, row.number))
            if len(pending) >= 10000:
                db.executemany("INSERT INTO names VALUES (?, ?, ?)", pending)
                pending.clear()
        db.executemany("INSERT INTO names VALUES (?, ?, ?)", pending)
        clashes = db.execute(
            "SELECT group_concat(name, ' / '), group_concat(row, ', ') FROM names GROUP BY key "
            "HAVING count(*) > 1 LIMIT 11").fetchall()
        db.close()
    finally:
        os.unlink(db_path)
    if outside:
        raise error(f"output names that lead outside the output: {'; '.join(outside)}")
    if clashes:
        shown = "; ".join(f"{names!r} in rows {rows_}" for names, rows_ in clashes[:10])
        more = " and more" if len(clashes) > 10 else ""
        raise error(f"duplicate output names (letter case and Unicode forms count as the same): {shown}{more}")
    return count
