"""The ``batch`` subcommand: ``barcode-quor batch INPUT -o OUT [options]``."""
from __future__ import annotations

import argparse
import json
import signal
import sys
import time
from typing import Any, NoReturn, Sequence

from .run import MAX_CHUNK
from .templates import TemplateError, fields_of

PROG = "barcode-quor batch"


def _parser() -> argparse.ArgumentParser:
    parser = argparse.ArgumentParser(
        prog=PROG,
        description="Draw one symbol per row of a CSV, JSON Lines or text file into a directory or a zip file, "
                    "with a manifest of every row. Exit status 0: every row drawn; 1: some rows failed "
                    "(see the manifest) or the batch stopped early; 2: the batch could not start; "
                    "130/143: interrupted (what was drawn is kept: resume with --skip-existing).")
    parser.add_argument("input", help="CSV (columns symbology,data,output[,options], or any columns with --data; "
                                      "comma, semicolon or tab), JSON Lines, or text (one data line a row, with "
                                      "--symbology and --name); - reads standard input")
    parser.add_argument("-o", "--output", required=True, help="output directory, or a file ending in .zip")
    parser.add_argument("--jobs", type=int, default=None,
                        help="drawing processes (default: every core; at most four a core)")
    parser.add_argument("--skip-existing", action="store_true",
                        help="keep files already in the output (resumes an interrupted batch)")
    parser.add_argument("--dask", metavar="ADDRESS", help="draw on the Dask cluster at this scheduler address")
    parser.add_argument("--dask-timeout", type=float, default=10.0, metavar="SECONDS",
                        help="how long to wait for the Dask cluster (default 10)")
    parser.add_argument("--format", choices=("csv", "jsonl", "text"),
                        help="input format (default: from the extension; text with --symbology)")
    parser.add_argument("--manifest", help="manifest path (default: <output>.manifest.csv beside the output)")
    parser.add_argument("--chunk-size", type=int, default=None, help=f"rows per task (1 to {MAX_CHUNK})")
    parser.add_argument("--symbology", help="symbology of rows that name none")
    parser.add_argument("--options", metavar="JSON", help='options of every row, a JSON object, e.g. \'{"scale": 3}\'; '
                                                          "a row's own options win")
    parser.add_argument("--name", metavar="TEMPLATE",
                        help='output name of rows that give none, e.g. "{row:06d}.png" or "{gtin}.png" '
                             "(fields: row, line, and a CSV's columns)")
    parser.add_argument("--data", metavar="TEMPLATE",
                        help='data of every row from its fields, e.g. "(01){gtin}(10){lot}(17){expiry}" over a CSV '
                             "with the columns gtin, lot and expiry (any columns, then)")
    return parser


def _options(text: str | None) -> dict[str, Any]:
    if text is None:
        return {}
    try:
        value = json.loads(text)
    except ValueError as e:
        raise ValueError(f"--options is not JSON: {e}") from None
    if not isinstance(value, dict):
        raise ValueError("--options must be a JSON object")
    return value


def _check_template(flag: str, template: str | None) -> None:
    if template is not None:
        try:
            template.encode("utf-8")
        except UnicodeEncodeError:  # a byte that is not UTF-8 arrives as a lone surrogate
            raise ValueError(f"{flag} is not UTF-8") from None
        try:
            fields_of(template)
        except TemplateError as e:
            raise ValueError(f"{flag}: {e}") from None


def _terminate(signum: int, frame: object) -> NoReturn:
    from . import Interrupted

    raise Interrupted(signum)


def main(argv: Sequence[str]) -> int:
    """Runs the subcommand with argv; returns the exit status."""
    from . import BatchError, Interrupted, generate_batch

    args = _parser().parse_args(list(argv))
    try:
        options = _options(args.options)
        _check_template("--name", args.name)
        _check_template("--data", args.data)
        if args.jobs is not None and args.jobs < 1:
            raise ValueError("--jobs must be at least 1")
        if args.chunk_size is not None and not 1 <= args.chunk_size <= MAX_CHUNK:
            raise ValueError(f"--chunk-size must be from 1 to {MAX_CHUNK}")
    except ValueError as e:
        print(f"{PROG}: {e}", file=sys.stderr)
        return 2
    previous = signal.signal(signal.SIGTERM, _terminate)
    started = time.monotonic()
    try:
        result = generate_batch(args.input, args.output, jobs=args.jobs, skip_existing=args.skip_existing,
                                dask=args.dask, input_format_name=args.format, manifest=args.manifest,
                                chunk_size=args.chunk_size, symbology=args.symbology, options=options,
                                name=args.name, dask_timeout=args.dask_timeout, data=args.data)
    except BatchError as e:
        print(f"{PROG}: {' '.join(str(e).splitlines())}", file=sys.stderr)  # one line, whatever a cluster says
        return 2
    except OSError as e:
        print(f"{PROG}: {e.filename + ': ' if e.filename else ''}{e.strerror or e}", file=sys.stderr)
        return 1
    except (KeyboardInterrupt, Interrupted) as e:
        print(f"{PROG}: interrupted; what was drawn is kept: run again with --skip-existing to resume",
              file=sys.stderr)
        return 128 + (e.args[0] if isinstance(e, Interrupted) else signal.SIGINT)
    finally:
        signal.signal(signal.SIGTERM, previous)
    seconds = time.monotonic() - started
    unreached = result.total - result.written - result.skipped - result.failed
    summary = (f"{result.total} rows: {result.written} written, {result.skipped} kept, {result.failed} failed"
               f"{f', {unreached} not reached' if unreached > 0 else ''} in {seconds:.1f} s; manifest {result.manifest}")
    if result.stopped:
        print(f"{PROG}: stopped: {result.stopped}; {summary}", file=sys.stderr)
        return 1
    print(f"{PROG}: {summary}", file=sys.stderr)
    return 0 if result.ok else 1
