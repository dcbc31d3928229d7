"""Batch generation: many symbols from a CSV or JSON Lines file, on every core or on a Dask cluster.

Input, one symbol a row:

- CSV with a header row and the columns ``symbology``, ``data``, ``output`` and, optionally,
  ``options`` (a JSON object, empty for none), for example::

      symbology,data,output,options
      qr,https://example.com/1,tickets/1.png,"{""scale"": 4}"
      code128,ABC-123,labels/abc.svg,

- JSON Lines, one object a line with the keys ``symbology``, ``data``, ``output`` and, optionally,
  ``options`` (an object)::

      {"symbology": "qr", "data": "https://example.com/1", "output": "tickets/1.png", "options": {"scale": 4}}

``symbology``, ``data`` and ``options`` go to ``barcode_quor.make(symbology, data, **options)``.
``output`` is the file's path relative to the output, with ``/`` between folders; its extension
chooses the image kind (``.png``, ``.jpg``/``.jpeg``, ``.svg``).

Output: a directory, or a zip file when the output name ends in ``.zip``, and a manifest
(``<output>.manifest.csv`` beside it, without a ``.zip``) with one line per input row, in input order:
``row`` (1-based), ``output``, ``status`` (``ok``, ``skipped`` or ``error``), ``size`` (bytes) and
``error`` (why the row failed).

Guarantees: a bad row never stops the batch and ends as an error line; a file is written under a
temporary name and renamed, so it is whole or absent, and ``skip_existing`` resumes an interrupted
directory batch safely (a zip is renamed into place only when complete; with ``skip_existing`` the
entries of an existing zip are kept). Duplicate output names are refused before anything is drawn:
the first pass over the input keeps the names in a temporary on-disk SQLite table, so memory stays
flat however long the input is, and the rows are then read again as a stream with a bounded number
of chunks in flight.
"""
from __future__ import annotations

import argparse
import os
import sys
import zipfile
from dataclasses import dataclass
from typing import Any, Callable, Sequence

from ._batch_draw import ERROR, OK, SKIPPED, RowResult
from ._batch_output import Manifest, default_manifest, open_sink
from ._batch_rows import BatchError, check_names, input_format, read_rows
from ._batch_run import ProcessRunner, Runner, run_rows

__all__ = ["BatchError", "BatchResult", "RowResult", "generate_batch", "main"]


@dataclass(frozen=True)
class BatchResult:
    total: int
    written: int
    skipped: int
    failed: int
    manifest: str

    @property
    def ok(self) -> bool:
        """True when no row failed."""
        return self.failed == 0


def _progress_bar(total: int) -> Any:
    from tqdm import tqdm  # type: ignore[import-untyped]

    return tqdm(total=total, unit="row", file=sys.stderr, dynamic_ncols=True)


def generate_batch(source: str | os.PathLike[str], output: str | os.PathLike[str], *, jobs: int | None = None,
                   skip_existing: bool = False, progress: bool | Callable[[RowResult], None] | None = None,
                   dask: Any = None, input_format_name: str | None = None, manifest: str | None = None,
                   chunk_size: int | None = None) -> BatchResult:
    """Draws every row of `source` (CSV or JSON Lines) into `output` (a directory, or a .zip file).

    jobs: drawing processes (default: every core). dask: a scheduler address ("tcp://host:8786") or a
    ``distributed.Client``: the rows are drawn on that cluster instead (a directory output must be
    the same path on every worker). progress: None shows a bar when standard error is a terminal,
    True/False force it, a callable is called with each row's RowResult. input_format_name: "csv" or
    "jsonl" when the extension does not tell. manifest: the manifest's path (default beside the
    output). chunk_size: rows per task. Raises BatchError when the batch cannot start (unreadable
    input, wrong columns, duplicate output names); failed rows are counted, never raised.
    """
    source, output = os.fspath(source), os.fspath(output)
    fmt = input_format(source, input_format_name)
    total = check_names(read_rows(source, fmt))
    try:
        sink = open_sink(output, skip_existing)
    except (OSError, zipfile.BadZipFile) as e:
        raise BatchError(f"{output}: {e}") from e
    runner: Runner
    if dask is not None:
        from ._batch_dask import DaskRunner

        runner = DaskRunner(dask, sink.directory, skip_existing, chunk_size)
    else:
        runner = ProcessRunner(jobs or os.process_cpu_count() or 1, sink.directory, skip_existing, chunk_size)
    record = Manifest(manifest or default_manifest(output))
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
        run_rows(read_rows(source, fmt), runner, sink, on_result)
    except BaseException:
        sink.abort()
        record.abort()
        raise
    finally:
        runner.close()
        if bar is not None:
            bar.close()
    sink.finish()
    record.finish()
    return BatchResult(total=total, written=counts[OK], skipped=counts[SKIPPED], failed=counts[ERROR],
                       manifest=record.path)


def _parser() -> argparse.ArgumentParser:
    parser = argparse.ArgumentParser(
        prog="barcode-quor batch",
        description="Draw one symbol per row of a CSV or JSON Lines file into a directory or a zip file, "
                    "with a manifest of every row. Exit status 0: every row drawn; 1: some rows failed "
                    "(see the manifest); 2: the batch could not start.")
    parser.add_argument("input", help="CSV (columns symbology,data,output[,options]) or JSON Lines file")
    parser.add_argument("-o", "--output", required=True, help="output directory, or a file ending in .zip")
    parser.add_argument("--jobs", type=int, default=None, help="drawing processes (default: every core)")
    parser.add_argument("--skip-existing", action="store_true",
                        help="keep files already in the output (resumes an interrupted batch)")
    parser.add_argument("--dask", metavar="ADDRESS", help="draw on the Dask cluster at this scheduler address")
    parser.add_argument("--format", choices=("csv", "jsonl"), help="input format (default: from the extension)")
    parser.add_argument("--manifest", help="manifest path (default: <output>.manifest.csv beside the output)")
    parser.add_argument("--chunk-size", type=int, default=None, help="rows per task")
    return parser


def main(argv: Sequence[str]) -> int:
    """The ``batch`` subcommand: ``barcode-quor batch INPUT -o OUT [options]``; returns the exit status."""
    args = _parser().parse_args(list(argv))
    if args.jobs is not None and args.jobs < 1:
        print("barcode-quor batch: --jobs must be at least 1", file=sys.stderr)
        return 2
    try:
        result = generate_batch(args.input, args.output, jobs=args.jobs, skip_existing=args.skip_existing,
                                dask=args.dask, input_format_name=args.format, manifest=args.manifest,
                                chunk_size=args.chunk_size)
    except BatchError as e:
        print(f"barcode-quor batch: {e}", file=sys.stderr)
        return 2
    except KeyboardInterrupt:
        print("barcode-quor batch: interrupted; run again with --skip-existing to resume", file=sys.stderr)
        return 130
    if not result.ok:
        print(f"barcode-quor batch: {result.failed} of {result.total} rows failed; see {result.manifest}",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
