"""Where a batch's files and manifest go: a directory or a zip file, each written whole or not at all."""
from __future__ import annotations

import csv
import os
import tempfile
import zipfile

from ._batch_draw import SKIPPED, RowResult, image_kind
from ._batch_rows import Row
from ._output import _umask

MANIFEST_COLUMNS = ("row", "output", "status", "size", "error")
# Already-compressed images gain nothing from deflate.
STORED_KINDS = {"png", "jpg", "jpeg"}


def temporary_beside(path: str) -> str:
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, temporary = tempfile.mkstemp(dir=folder, prefix="." + os.path.basename(path) + ".", suffix=".partial")
    os.close(fd)
    return temporary


def publish(temporary: str, path: str) -> None:
    """Renames a finished temporary file into place with the permissions a new file would have."""
    os.chmod(temporary, 0o666 & ~_umask())
    os.replace(temporary, path)


def default_manifest(output: str) -> str:
    """labels/ -> labels.manifest.csv, labels.zip -> labels.manifest.csv (beside the output, never in it)."""
    stem = output.rstrip("/" + os.sep)
    if stem.lower().endswith(".zip"):
        stem = stem[:-4]
    return stem + ".manifest.csv"


class Manifest:
    """One CSV line per input row, in input order; the file appears complete when the batch ends."""

    def __init__(self, path: str):
        self.path = path
        self._temporary = temporary_beside(path)
        self._file = open(self._temporary, "w", newline="", encoding="utf-8")
        self._writer = csv.writer(self._file)
        self._writer.writerow(MANIFEST_COLUMNS)

    def add(self, result: RowResult) -> None:
        self._writer.writerow([result.row, result.output, result.status, result.size, result.error])

    def finish(self) -> None:
        self._file.close()
        publish(self._temporary, self.path)

    def abort(self) -> None:
        self._file.close()
        os.unlink(self._temporary)


class DirectorySink:
    """Files go straight into a folder; the drawing processes write them (see _batch_draw.draw_row)."""

    def __init__(self, path: str):
        self.directory: str | None = os.path.abspath(path)
        os.makedirs(self.directory, exist_ok=True)

    def claim(self, row: Row) -> RowResult | None:
        return None

    def accept(self, result: RowResult) -> None:
        pass

    def finish(self) -> None:
        pass

    def abort(self) -> None:
        pass


class ZipSink:
    """Entries are written as results arrive into a temporary zip renamed over the target at the end.

    With skip_existing, rows already in an existing zip at the target are copied from it, not drawn."""

    directory: str | None = None

    def __init__(self, path: str, skip_existing: bool):
        self.path = path
        self._old = zipfile.ZipFile(path) if skip_existing and os.path.exists(path) else None
        self._existing = set(self._old.namelist()) if self._old else set()
        self._temporary = temporary_beside(path)
        self._zip = zipfile.ZipFile(self._temporary, "w")

    def claim(self, row: Row) -> RowResult | None:
        if row.error or row.output not in self._existing or self._old is None:
            return None
        payload = self._old.read(row.output)
        self._zip.writestr(self._old.getinfo(row.output), payload)
        return RowResult(row=row.number, output=row.output, status=SKIPPED, size=len(payload))

    def accept(self, result: RowResult) -> None:
        if result.payload is not None:
            stored = image_kind(result.output) in STORED_KINDS
            self._zip.writestr(result.output, result.payload,
                               compress_type=zipfile.ZIP_STORED if stored else zipfile.ZIP_DEFLATED)

    def _close(self) -> None:
        self._zip.close()
        if self._old:
            self._old.close()

    def finish(self) -> None:
        self._close()
        publish(self._temporary, self.path)

    def abort(self) -> None:
        self._close()
        os.unlink(self._temporary)


def open_sink(output: str, skip_existing: bool) -> DirectorySink | ZipSink:
    if output.lower().endswith(".zip"):
        return ZipSink(output, skip_existing)
    return DirectorySink(output)
