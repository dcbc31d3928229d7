"""Where a batch's files and manifest go: a directory or a zip file, each written whole or not at all."""
from __future__ import annotations

import contextlib
import csv
import os
import signal
import tempfile
import zipfile
from collections.abc import Iterator

from .._output import new_file_mode
from . import leftovers
from .spilled_zip import SpilledZipFile
from .draw import ERROR, OK, SKIPPED, RowResult, image_kind
from .rows import BatchError, Row

MANIFEST_COLUMNS = ("row", "line", "output", "status", "size", "error")
# Already-compressed images gain nothing from deflate.
STORED_KINDS = {"png", "jpg", "jpeg"}
# A spreadsheet opening the manifest would run a cell starting with one of these as a formula.
FORMULA_STARTS = ("=", "+", "-", "@", "\t", "\r")


@contextlib.contextmanager
def interrupts_held() -> Iterator[None]:
    """SIGINT and SIGTERM wait until a zip entry is written whole: an interrupt raised inside zipfile
    leaves the archive with an entry open that can no longer be closed, and the batch then fails
    rather than stopping with what it has written."""
    held = {signal.SIGINT, signal.SIGTERM}
    previous = signal.pthread_sigmask(signal.SIG_BLOCK, held)
    try:
        yield
    finally:
        signal.pthread_sigmask(signal.SIG_SETMASK, previous)


def temporary_beside(path: str) -> str:
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, temporary = tempfile.mkstemp(dir=folder, prefix=f".{os.path.basename(path)}.{leftovers.tag()}",
                                     suffix=".partial")
    os.close(fd)
    return temporary


def remove_leftovers(path: str) -> None:
    """Removes the temporaries a killed batch left beside `path` (a zip or a manifest)."""
    leftovers.remove(os.path.dirname(os.path.abspath(path)), f".{os.path.basename(path)}.", ".partial")


def publish(temporary: str, path: str) -> None:
    """Renames a finished temporary file into place with the permissions a new file would have."""
    os.chmod(temporary, new_file_mode())
    os.replace(temporary, path)


def default_manifest(output: str) -> str:
    """labels/ -> labels.manifest.csv, labels.zip -> labels.zip.manifest.csv (beside the output)."""
    return output.rstrip("/" + os.sep) + ".manifest.csv"


def cell(value: str) -> str:
    return "'" + value if value.startswith(FORMULA_STARTS) else value


class _WrittenWhole:
    """A file written under a temporary name: renamed into place when finished, removed when not."""

    path: str
    _temporary: str

    def _close(self) -> None:
        raise NotImplementedError

    def _complete(self) -> None:
        self._close()

    def finish(self) -> None:
        try:
            with interrupts_held():  # an interrupt now waits until the file is in place, or gone
                self._complete()
                publish(self._temporary, self.path)
        except BaseException:
            self.abort()
            raise

    def abort(self) -> None:
        try:
            self._close()
        except (OSError, ValueError):
            pass
        if os.path.exists(self._temporary):
            os.unlink(self._temporary)


class Manifest(_WrittenWhole):
    """One CSV line per input row, in input order; the file appears complete when the batch ends."""

    def __init__(self, path: str):
        self.path = path
        self._temporary = temporary_beside(path)
        self._file = open(self._temporary, "w", newline="", encoding="utf-8")
        self._writer = csv.writer(self._file)
        self._writer.writerow(MANIFEST_COLUMNS)

    def add(self, result: RowResult) -> None:
        self._writer.writerow([result.row, result.line, cell(result.output), result.status, result.size,
                               cell(result.error)])

    def _close(self) -> None:
        self._file.close()

    def disown(self, reason: str) -> None:
        """Publishes the manifest with its "ok" rows turned into errors giving `reason`: the output
        they were written to could not be finished, so they are in no file. The manifest is read
        back line by line, so memory stays flat."""
        rewritten = ""
        try:
            self._file.close()
            rewritten = temporary_beside(self.path)
            with open(self._temporary, newline="", encoding="utf-8") as old, \
                    open(rewritten, "w", newline="", encoding="utf-8") as new:
                writer = csv.writer(new)
                for line in csv.reader(old):
                    writer.writerow(line[:3] + [ERROR, "", reason] if line[3] == OK else line)
            os.replace(rewritten, self._temporary)
            publish(self._temporary, self.path)
        except BaseException:
            if rewritten and os.path.exists(rewritten):
                os.unlink(rewritten)
            self.abort()
            raise


class DirectorySink:
    """Files go straight into a folder; the drawing processes write them (see draw.draw_row)."""

    def __init__(self, path: str):
        if os.path.exists(path) and not os.path.isdir(path):
            raise BatchError(f"{path} exists and is not a directory")
        os.makedirs(path, exist_ok=True)
        self.directory: str | None = os.path.abspath(path)

    def claim(self, row: Row) -> RowResult | None:
        return None

    def accept(self, result: RowResult) -> None:
        pass

    def finish(self) -> None:
        pass

    def abort(self) -> None:
        pass


class ZipSink(_WrittenWhole):
    """Entries are written as results arrive into a temporary zip renamed over the target at the end
    (also when the batch is interrupted, so that --skip-existing resumes it).

    With skip_existing, the entries of an existing zip at the target are kept, and rows already
    there are copied from it, not drawn."""

    directory: str | None = None

    def __init__(self, path: str, skip_existing: bool):
        if os.path.isdir(path):
            raise BatchError(f"{path} is a directory, not a zip file")
        self.path = path
        try:
            self._old = zipfile.ZipFile(path) if skip_existing and os.path.exists(path) else None
        except (OSError, zipfile.BadZipFile) as e:
            raise BatchError(f"{path}: {e}") from e
        self._kept = set(self._old.namelist()) if self._old else set()
        self._temporary = temporary_beside(path)
        self._zip = SpilledZipFile(self._temporary)  # memory flat however many entries

    def claim(self, row: Row) -> RowResult | None:
        if row.error or row.output not in self._kept or self._old is None:
            return None
        self._kept.discard(row.output)
        info = self._old.getinfo(row.output)
        with interrupts_held():
            self._zip.writestr(info, self._old.read(info))
        return RowResult(row=row.number, line=row.line, output=row.output, status=SKIPPED, size=info.file_size)

    def accept(self, result: RowResult) -> None:
        if result.payload is not None:
            stored = image_kind(result.output) in STORED_KINDS
            with interrupts_held():
                self._zip.writestr(result.output, result.payload,
                                   compress_type=zipfile.ZIP_STORED if stored else zipfile.ZIP_DEFLATED)

    def _complete(self) -> None:
        if self._old is not None:
            for name in sorted(self._kept):  # entries of rows not reached, or not in this input
                with interrupts_held():
                    self._zip.writestr(self._old.getinfo(name), self._old.read(name))
            self._old.close()
        self._zip.close()

    def _close(self) -> None:
        self._zip.close()


def open_sink(output: str, skip_existing: bool) -> DirectorySink | ZipSink:
    try:
        if output.lower().endswith(".zip"):
            return ZipSink(output, skip_existing)
        return DirectorySink(output)
    except OSError as e:
        raise BatchError(f"{output}: {e.strerror or e}") from e
