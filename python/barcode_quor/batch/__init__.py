"""Batch generation: many symbols from a CSV, JSON Lines or plain text file, on every core or on a Dask cluster.

Input, one symbol a row:

- CSV with a header row and the columns ``symbology``, ``data``, ``output`` and, optionally,
  ``options`` (a JSON object, empty for none), for example::

      symbology,data,output,options
      qr,https://example.com/1,tickets/1.png,"{""scale"": 4}"
      code128,ABC-123,labels/abc.svg,

- JSON Lines, one object a line with the keys ``symbology``, ``data``, ``output`` and, optionally,
  ``options`` (an object)::

      {"symbology": "qr", "data": "https://example.com/1", "output": "tickets/1.png", "options": {"scale": 4}}

- plain text, one data line a row, with a batch-wide symbology and an output name template.

Batch-wide settings fill what rows leave out: ``symbology``, ``options`` (under each row's own) and
``name``, a template for the output name with the fields ``row`` and ``line`` (``"{row:06d}.png"``).
``symbology``, ``data`` and ``options`` go to ``barcode_quor.make(symbology, data, **options)``.
``output`` is the file's path relative to the output, with ``/`` between folders; its extension
chooses the image kind (``.png``, ``.jpg``/``.jpeg``, ``.svg``).

Output: a directory, or a zip file when the output name ends in ``.zip``, and a manifest
(``<output>.manifest.csv`` beside it) with one line per input row, in input order: ``row``
(1-based), ``line`` (where the row starts in the input), ``output``, ``status`` (``ok``,
``skipped`` or ``error``), ``size`` (bytes) and ``error`` (why the row failed).

Guarantees: a bad line never stops the batch and ends as an error line; a file is whole or absent;
nothing is written through a symbolic link inside the output; ``skip_existing`` resumes an
interrupted batch (directory or zip). Clashing output names (also by letter case or Unicode form),
and names that lead outside the output (``..``, absolute, a backslash or a colon as in ``C:``),
are refused before anything is drawn: the first pass keeps the names in a temporary on-disk SQLite
table, so memory stays flat however long the input is.
"""
from __future__ import annotations

import os
import sys
from dataclasses import dataclass
from typing import Any, Callable

from .command import main
from .draw import ERROR, OK, SKIPPED, RowResult
from .names import check_names, escapes
from .pool import LOCAL_CHUNK, ProcessRunner
from .rows import BatchError, Defaults, input_format, read_rows, readable_twice
from .run import MAX_CHUNK, Runner, run_rows
from .sinks import Manifest, default_manifest, open_sink

__all__ = ["BatchError", "BatchResult", "Interrupted", "RowResult", "generate_batch", "main"]
JOBS_PER_CORE = 4  # more processes than this only compete for the cores


class Interrupted(BaseException):
    """Raised (by the command line's SIGTERM handler) to stop a batch as Ctrl-C does."""


@dataclass(frozen=True)
class BatchResult:
    total: int
    written: int
    skipped: int
    failed: int
    manifest: str
    stopped: str = ""  # why the batch ended before its last row (a full disk, a lost cluster)

    @property
    def ok(self) -> bool:
        """True when every row was drawn or skipped."""
        return self.failed == 0 and not self.stopped


def _progress_bar(total: int | None) -> Any:
    from tqdm import tqdm  # type: ignore[import-untyped]

    return tqdm(total=total, unit="row", file=sys.stderr, dynamic_ncols=True)


def _same_file(a: str, b: str) -> bool:
    return os.path.realpath(a) == os.path.realpath(b)


def _check_places(source: str, output: str, manifest: str) -> None:
    """The manifest and the output must not be the input, nor the manifest inside the output."""
    if source != "-" and (_same_file(source, manifest) or _same_file(source, output)):
        raise BatchError(f"{source}: the input would be overwritten by the output or the manifest")
    if _same_file(output, manifest):
        raise BatchError(f"{manifest}: the manifest cannot be the output")
    if not output.lower().endswith(".zip"):
        inside = os.path.commonpath([os.path.realpath(output), os.path.realpath(manifest)])
        if inside == os.path.realpath(output):
            raise BatchError(f"{manifest}: the manifest cannot be inside the output directory")


def _jobs(jobs: int | None) -> int:
    cores = os.process_cpu_count() or 1
    if jobs is not None and jobs < 1:
        raise BatchError("jobs must be at least 1")
    return min(jobs or cores, JOBS_PER_CORE * cores)


def generate_batch(source: str | os.PathLike[str], output: str | os.PathLike[str], *, jobs: int | None = None,
                   skip_existing: bool = False, progress: bool | Callable[[RowResult], None] | None = None,
                   dask: Any = None, input_format_name: str | None = None, manifest: str | None = None,
                   chunk_size: int | None = None, symbology: str | None = None,
                   options: dict[str, Any] | None = None, name: str | None = None,
                   dask_timeout: float = 10.0) -> BatchResult:
    """Draws every row of `source` (CSV, JSON Lines or text; "-" reads standard input) into `output`
    (a directory, or a .zip file).

    jobs: drawing processes (default: every core, at most four a core). dask: a scheduler address
    ("tcp://host:8786") or a ``distributed.Client``: the rows are drawn on that cluster instead (a
    directory output must be the same path on every worker); dask_timeout: seconds to reach it.
    progress: None shows a bar when standard error is a terminal, True/False force it, a callable is
    called with each row's RowResult. input_format_name: "csv", "jsonl" or "text" when the extension
    does not tell. manifest: the manifest's path (default beside the output). chunk_size: rows per
    task. symbology, options, name: batch-wide settings (see the module's documentation). Raises
    BatchError when the batch cannot start (unreadable input, wrong columns, clashing output names);
    failed rows are counted, never raised. Interrupted (KeyboardInterrupt, or Interrupted) the batch
    keeps what was drawn, with its manifest, and re-raises.
    """
    source, output = os.fspath(source), os.fspath(output)
    if chunk_size is not None and not 1 <= chunk_size <= MAX_CHUNK:
        raise BatchError(f"chunk size must be from 1 to {MAX_CHUNK}")
    defaults = Defaults(symbology=symbology or "", options=dict(options or {}), name=name or "")
    fmt = input_format(source, input_format_name, defaults)
    if defaults.name and escapes(defaults.name.format(row=1, line=1)):
        raise BatchError(f"output name template {defaults.name!r} leads outside the output")
    if fmt == "text" and not (defaults.symbology and defaults.name):
        raise BatchError("a text input (one data line a row) needs a symbology and an output name template "
                         "(--symbology, --name)")
    manifest = manifest or default_manifest(output)
    _check_places(source, output, manifest)
    with readable_twice(source) as readable:
        # Text rows named by a template with a row or line number cannot clash: no first pass.
        total = None if fmt == "text" and defaults.numbers_names() else check_names(
            read_rows(readable, fmt, defaults), BatchError)
        sink = open_sink(output, skip_existing)
        try:
            record = Manifest(manifest)
        except OSError as e:
            sink.abort()
            raise BatchError(f"{manifest}: {e.strerror or e}") from e
        runner: Runner
        try:
            if dask is not None:
                from .cluster import DaskRunner

                runner = DaskRunner(dask, sink.directory, skip_existing, chunk_size, dask_timeout)
            else:
                processes = _jobs(jobs)
                if chunk_size is None and total is not None:  # a small batch still reaches every process
                    chunk_size = max(1, min(LOCAL_CHUNK, -(-total // (4 * processes))))
                runner = ProcessRunner(processes, sink.directory, skip_existing, chunk_size)
        except BaseException:
            sink.abort()
            record.abort()
            raise
        return _run(read_rows(readable, fmt, defaults), total, runner, sink, record, progress)


def _run(rows: Any, total: int | None, runner: Runner, sink: Any, record: Manifest,
         progress: bool | Callable[[RowResult], None] | None) -> BatchResult:
    counts = {OK: 0, SKIPPED: 0, ERROR: 0}
    bar = _progress_bar(total) if (sys.stderr.isatty() if progress is None else progress is True) else None
    callback = progress if callable(progress) else None

    def on_result(result: RowResult) -> None:
        record.add(result)
        counts[result.status] += 1
        if bar is not None:
            bar.update(1)
        if callback is not None:
            callback(result)

    try:
        stopped = run_rows(rows, runner, sink, on_result)
    except (KeyboardInterrupt, Interrupted):
        runner.close(abort=True)
        sink.finish()  # what was drawn stays, listed in the manifest, for --skip-existing
        record.finish()
        raise
    except BaseException:
        runner.close(abort=True)
        sink.abort()
        record.abort()
        raise
    finally:
        if bar is not None:
            bar.close()
    runner.close()
    try:
        sink.finish()
    finally:
        record.finish()
    return BatchResult(total=sum(counts.values()) if total is None else total, written=counts[OK],
                       skipped=counts[SKIPPED], failed=counts[ERROR],
                       manifest=record.path, stopped=stopped)
