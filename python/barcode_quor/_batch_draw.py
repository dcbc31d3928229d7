"""The worker side of a batch: draw a chunk of rows, in a local process or on a cluster worker.

With a directory output the worker writes each file itself (through a temporary file renamed into
place, so a file is whole or absent); with a zip output it hands the bytes back to the process writing the zip.
"""
from __future__ import annotations

import io
import os
import posixpath
from dataclasses import dataclass

from ._batch_rows import Row
from ._output import write

OK, SKIPPED, ERROR = "ok", "skipped", "error"


@dataclass(frozen=True)
class RowResult:
    """One manifest line: what became of one input row."""

    row: int
    output: str
    status: str  # "ok", "skipped" (already there, with skip_existing) or "error"
    size: int = 0  # bytes of the file, 0 for an error
    error: str = ""
    payload: bytes | None = None  # the file's bytes when they travel back to a zip writer


def image_kind(name: str) -> str:
    return posixpath.splitext(name)[1][1:].lower()


def draw(row: Row) -> bytes:
    """The file's bytes for one row; raises with a message for the manifest when it cannot be drawn."""
    import barcode_quor

    symbol = barcode_quor.make(row.symbology, row.data, **row.options)
    buffer = io.BytesIO()
    symbol.save(buffer, kind=image_kind(row.output))
    return buffer.getvalue()


def error_message(e: BaseException) -> str:
    import barcode_quor

    text = str(e) or type(e).__name__
    return text if isinstance(e, barcode_quor.BarcodeError) else f"{type(e).__name__}: {text}"


def draw_row(row: Row, directory: str | None, skip_existing: bool) -> RowResult:
    if row.error:
        return RowResult(row=row.number, output=row.output, status=ERROR, error=row.error)
    path = os.path.join(directory, row.output) if directory is not None else ""
    if skip_existing and path and os.path.exists(path):
        return RowResult(row=row.number, output=row.output, status=SKIPPED, size=os.path.getsize(path))
    try:
        payload = draw(row)
        if path:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            write(path, payload)
    except Exception as e:  # a bad row is a manifest line, never the end of the batch
        return RowResult(row=row.number, output=row.output, status=ERROR, error=error_message(e))
    return RowResult(row=row.number, output=row.output, status=OK, size=len(payload),
                     payload=None if path else payload)


def draw_chunk(rows: list[Row], directory: str | None, skip_existing: bool) -> list[RowResult]:
    """Draws rows in order. directory None: the bytes come back in the results (zip output)."""
    return [draw_row(row, directory, skip_existing) for row in rows]
