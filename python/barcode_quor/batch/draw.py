"""The worker side of a batch: draw a chunk of rows, in a local process or on a cluster worker.

With a directory output the worker writes each file itself (see outdir); with a zip output it hands
the bytes back to the process writing the zip.
"""
from __future__ import annotations

import errno
import posixpath
from dataclasses import dataclass
from typing import Callable

from .._output import check_kind
from .outdir import OutputDirectory
from .rows import Row

OK, SKIPPED, ERROR = "ok", "skipped", "error"
# Errors after which no further row can be written either: the batch stops instead of failing each row.
STOPPING = {errno.ENOSPC: "the disk is full", errno.EDQUOT: "the disk quota is used up",
            errno.EROFS: "the output is on a read-only file system"}


@dataclass(frozen=True)
class RowResult:
    """One manifest line: what became of one input row."""

    row: int
    line: int
    output: str
    status: str  # "ok", "skipped" (already there, with skip_existing) or "error"
    size: int = 0  # bytes of the file, 0 for an error
    error: str = ""
    payload: bytes | None = None  # the file's bytes when they travel back to a zip writer
    stop: str = ""  # why the whole batch must stop after this row (full disk)


def image_kind(name: str) -> str:
    return posixpath.splitext(name)[1][1:].lower()


def draw(row: Row) -> bytes:
    """The file's bytes for one row; raises with a message for the manifest when it cannot be drawn."""
    import barcode_quor

    symbol = barcode_quor.make(row.symbology, row.data, **row.options)
    return symbol._content(check_kind(image_kind(row.output)))


def error_message(e: BaseException) -> str:
    import barcode_quor

    text = (e.strerror if isinstance(e, OSError) and e.strerror else str(e)) or type(e).__name__
    return text if isinstance(e, (barcode_quor.BarcodeError, OSError)) else f"{type(e).__name__}: {text}"


_directories: dict[str, OutputDirectory] = {}  # one per output, kept open for the worker's life


def _directory(path: str) -> OutputDirectory:
    if path not in _directories:
        _directories[path] = OutputDirectory(path)
    return _directories[path]


def draw_row(row: Row, directory: str | None, skip_existing: bool) -> RowResult:
    def failed(message: str, stop: str = "") -> RowResult:
        return RowResult(row=row.number, line=row.line, output=row.output, status=ERROR, error=message, stop=stop)

    if row.error:
        return failed(row.error)
    folder = _directory(directory) if directory is not None else None
    if skip_existing and folder is not None and (size := folder.existing_size(row.output)) is not None:
        return RowResult(row=row.number, line=row.line, output=row.output, status=SKIPPED, size=size)
    try:
        payload = draw(row)
        if folder is not None:
            folder.write(row.output, payload)
    except OSError as e:
        return failed(error_message(e), STOPPING.get(e.errno or 0, ""))
    except Exception as e:  # a bad row is a manifest line, never the end of the batch
        return failed(error_message(e))
    return RowResult(row=row.number, line=row.line, output=row.output, status=OK, size=len(payload),
                     payload=None if folder is not None else payload)


def draw_chunk(rows: list[Row], directory: str | None, skip_existing: bool,
               between_rows: Callable[[], None] | None = None) -> list[RowResult]:
    """Draws rows in order, up to a row that stops the batch. directory None: the bytes come back in
    the results (zip output). between_rows is called after each row (it may raise to stop)."""
    results = []
    for row in rows:
        results.append(draw_row(row, directory, skip_existing))
        if between_rows is not None:
            between_rows()
        if results[-1].stop:
            break
    return results
