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
from .sinks import Manifest, default_manifest, interrupts_held, open_sink, remove_leftovers
from .templates import TemplateError, fields_of, fill

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
                   dask_timeout: float = 10.0, data: str | None = None) -> BatchResult:
    """Draws every row of `source` (CSV, JSON Lines or text; "-" reads standard input) into `output`
    (a directory, or a .zip file).

    jobs: drawing processes (default: every core, at most four a core). dask: a scheduler address
    ("tcp://host:8786") or a ``distributed.Client``: the rows are drawn on that cluster instead (a
    directory output must be the same path on every worker); dask_timeout: seconds to reach it.
    progress: None shows a bar when standard error is a terminal, True/False force it, a callable is
    called with each row's RowResult. input_format_name: "csv", "jsonl" or "text" when the extension
    does not tell. manifest: the manifest's path (default beside the output). chunk_size: rows per
    task. symbology, options, name: batch-wide settings (see the module's documentation); data: a
    template of each row's data over its fields (a CSV's columns, any names). Raises
    BatchError when the batch cannot start (unreadable input, wrong columns, clashing output names);
    failed rows are counted, never raised. Interrupted (KeyboardInterrupt, or Interrupted) the batch
    keeps what was drawn, with its manifest, and re-raises.
    """
    source, output = os.fspath(source), os.fspath(output)
    if chunk_size is not None and not 1 <= chunk_size <= MAX_CHUNK:
        raise BatchError(f"chunk size must be from 1 to {MAX_CHUNK}")
    defaults = Defaults(symbology=symbology or "", options=dict(options or {}), name=name or "", data=data or "")
    fmt = input_format(source, input_format_name, defaults)
    _check_templates(defaults)
    if fmt == "text" and not (defaults.symbology and defaults.name):
        raise BatchError("a text input (one data line a row) needs a symbology and an output name template "
                         "(--symbology, --name)")
    manifest = manifest or default_manifest(output)
    _check_places(source, output, manifest)
    for path in (output, manifest):
        remove_leftovers(path)
    with readable_twice(source) as readable:
        # Text rows named by a template with a row or line number cannot clash: no first pass.
        total = None if fmt == "text" and defaults.numbers_names() else check_names(
            read_rows(readable, fmt, defaults, source), BatchError)
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
        return _run(read_rows(readable, fmt, defaults, source), total, runner, sink, record, progress)


def _finish(sink: Any, record: Manifest) -> None:
    """Publishes the output, then its manifest. When the output cannot be finished (a full disk while
    a zip's directory is written), the rows drawn into it are in no file: the manifest says so."""
    with interrupts_held():  # Ctrl-C now waits until both are in place
        try:
            sink.finish()
        except BaseException as e:
            reason = e.strerror if isinstance(e, OSError) and e.strerror else type(e).__name__
            record.disown(f"not written: {sink.path} could not be finished ({reason})")
            raise
        record.finish()


def _check_templates(defaults: Defaults) -> None:
    """Templates must be usable, and a name template must not lead outside the output whatever the row."""
    try:
        for template in (defaults.name, defaults.data):
            fields_of(template)
    except TemplateError as e:
        raise BatchError(str(e)) from None
    if defaults.name:
        sample = {field: 1 if field in ("row", "line") else "x" for field in fields_of(defaults.name)}
        try:
            named = fill(defaults.name, sample)
        except TemplateError:
            return  # a number format over a column: each row is checked as it is named
        if escapes(named):
            raise BatchError(f"output name template {defaults.name!r} leads outside the output")


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
        _finish(sink, record)  # what was drawn stays, listed in the manifest, for --skip-existing
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
    _finish(sink, record)
    return BatchResult(total=sum(counts.values()) if total is None else total, written=counts[OK],
                       skipped=counts[SKIPPED], failed=counts[ERROR],
                       manifest=record.path, stopped=stopped)
