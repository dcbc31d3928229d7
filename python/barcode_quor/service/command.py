"""barcode-quor serve: the service on Uvicorn, with worker processes and the operator's limits."""
from __future__ import annotations

import argparse
import logging
import os
import sys

from .settings import ENVIRONMENT_VARIABLE, ServiceSettings


def _parser() -> argparse.ArgumentParser:
    d = ServiceSettings()
    parser = argparse.ArgumentParser(
        prog="barcode-quor serve", description="Serve symbols over HTTP: GET /<symbology>?data=...&format=png, "
        "POST /batch, GET /symbologies, /health, /metrics, and a preview page at /.")
    parser.add_argument("--host", default="127.0.0.1", help="address to listen on (default 127.0.0.1: this machine only)")
    parser.add_argument("--port", type=int, default=8000)
    parser.add_argument("--workers", type=int, default=1, help="worker processes (default 1; one per core scales)")
    parser.add_argument("--max-data", type=int, default=d.max_data, help="characters of data a symbol may have")
    parser.add_argument("--max-pixels", type=int, default=d.max_pixels, help="pixels an image may have")
    parser.add_argument("--max-batch-rows", type=int, default=d.max_batch_rows)
    parser.add_argument("--max-body", type=int, default=d.max_body, help="bytes a batch request may have")
    parser.add_argument("--timeout", type=float, default=d.timeout, help="seconds a request may take")
    parser.add_argument("--rate", type=float, default=d.rate, help="requests a second per client (0: no limit)")
    parser.add_argument("--burst", type=int, default=d.burst, help="requests a client may make at once")
    parser.add_argument("--trusted-proxy", action="append", default=[], metavar="ADDRESS",
                        help="a reverse proxy whose X-Forwarded-For names the client (repeatable)")
    parser.add_argument("--font-dir", help="allow font= files from this folder (default: built-in faces only)")
    parser.add_argument("--cors-origin", action="append", default=[], metavar="ORIGIN",
                        help="a web origin allowed to call the API from its pages (repeatable; default none)")
    parser.add_argument("--max-age", type=int, default=d.max_age, help="seconds clients may cache an image")
    parser.add_argument("--no-access-log", action="store_true", help="no line per request on standard error")
    return parser


def main(argv: list[str]) -> int:
    args = _parser().parse_args(argv)
    try:
        import uvicorn
    except ModuleNotFoundError:
        print("barcode-quor serve: error: the service needs uvicorn and starlette (Debian: python3-uvicorn "
              "python3-starlette python3-httptools)", file=sys.stderr)
        return 2
    settings = ServiceSettings(
        max_data=args.max_data, max_pixels=args.max_pixels, max_batch_rows=args.max_batch_rows,
        max_body=args.max_body, timeout=args.timeout, rate=args.rate, burst=args.burst,
        trusted_proxies=tuple(args.trusted_proxy),
        font_dir=os.path.realpath(args.font_dir) if args.font_dir else None,
        cors_origins=tuple(args.cors_origin), max_age=args.max_age)
    os.environ[ENVIRONMENT_VARIABLE] = settings.to_environment()  # the workers read it
    if not args.no_access_log:
        logging.basicConfig(level=logging.INFO, format="%(message)s", stream=sys.stderr)
    from .protocol import HeaderDeadlineProtocol

    uvicorn.run("barcode_quor.service:create_app", factory=True, host=args.host, port=args.port,
                workers=args.workers, http=HeaderDeadlineProtocol, access_log=False, server_header=False,
                timeout_keep_alive=5, log_level="warning")
    return 0
