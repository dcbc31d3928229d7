"""The HTTP API: an image per GET, a zip per batch POST, the symbology table, health and metrics, and
a preview page. Every option is parsed by the option table that make() checks against."""
from __future__ import annotations

import csv
import hashlib
import io
import logging
import os
import tempfile
import time
import zipfile
from importlib import resources
from typing import Any, AsyncIterator, Awaitable, Callable

import anyio
from starlette.applications import Starlette
from starlette.middleware import Middleware
from starlette.middleware.cors import CORSMiddleware
from starlette.requests import Request
from starlette.responses import JSONResponse, PlainTextResponse, Response, StreamingResponse
from starlette.routing import Route
from starlette.types import ASGIApp, Message, Receive, Scope, Send

from .._errors import BarcodeError
from .._output import MEDIA_TYPES, check_kind
from .._symbol import make
from .._symbologies import BY_NAME, SYMBOLOGIES
from .._suggest import closest
from .._text_options import options_from_text
from ..batch.draw import ERROR, OK, RowResult, draw_row
from ..batch.rows import BatchError, Defaults, Row, read_rows
from ..batch.sinks import MANIFEST_COLUMNS, cell
from .guards import RateLimiter, client_address
from .metrics import Metrics
from .settings import ServiceSettings

ACCESS_LOG = logging.getLogger("barcode_quor.service.access")
_BUILT_IN_FONTS = ("ocr-b", "roboto")


class _Refused(Exception):
    """A request answered with an error body: {kind, option, position, message}."""

    def __init__(self, status: int, kind: str, message: str, option: str = "", position: int | None = None,
                 headers: dict[str, str] | None = None) -> None:
        super().__init__(message)
        self.status, self.kind, self.option, self.position = status, kind, option, position
        self.headers = headers or {}

    def response(self) -> JSONResponse:
        body = {"kind": self.kind, "option": self.option or None, "position": self.position, "message": str(self)}
        return JSONResponse(body, status_code=self.status, headers=self.headers)


def _refusal(error: BarcodeError) -> _Refused:
    option = getattr(error, "option", "") or ""
    status = 413 if option == "max_pixels" else 400
    return _Refused(status, type(error).__name__, str(error), option, getattr(error, "position", None))


def _symbology(name: str) -> Any:
    entry = BY_NAME.get(name.lower())
    if entry is None:
        close = closest(name, BY_NAME)
        hint = f"; did you mean {close!r}?" if close else "; GET /symbologies lists them"
        raise _Refused(404, "UnknownSymbology", f"unknown symbology {name!r}{hint}", "symbology")
    return entry


class Service:
    def __init__(self, settings: ServiceSettings) -> None:
        self.settings = settings
        self.metrics = Metrics()
        self.draw_threads = anyio.CapacityLimiter(settings.draw_threads)

    # Limits every request is held to, whatever its route.
    def held_options(self, options: dict[str, Any]) -> dict[str, Any]:
        font = options.get("font")
        if isinstance(font, str) and font.lower() not in _BUILT_IN_FONTS:
            folder = self.settings.font_dir
            inside = folder is not None and os.path.commonpath(
                [os.path.realpath(font if os.path.isabs(font) else os.path.join(folder, font)),
                 os.path.realpath(folder)]) == os.path.realpath(folder)
            if not inside:
                raise _Refused(400, "InvalidOptionError", "font files are not allowed here: give ocr-b or roboto"
                               + ("" if folder is None else " or a file in the service's font folder"), "font")
            options = {**options, "font": os.path.realpath(os.path.join(folder or "", font))}
        limit = self.settings.max_pixels
        given = options.get("max_pixels", limit)
        if not isinstance(given, int) or given > limit:
            raise _Refused(413, "InvalidOptionError", f"max_pixels is at most {limit:,} here", "max_pixels")
        return {**options, "max_pixels": given}

    def _draw(self, symbology: str, data: str | None, options: dict[str, Any], kind: str) -> bytes:
        started = time.perf_counter()
        content = make(symbology, data, **options)._content(kind)
        self.metrics.draw(time.perf_counter() - started)
        return content

    async def image(self, request: Request) -> Response:
        entry = _symbology(request.path_params["symbology"])
        data: str | None = None
        kind = "png"
        pairs = []
        for name, value in request.query_params.multi_items():
            if name == "data":
                data = value
            elif name == "format":
                kind = check_kind(value)
            else:
                pairs.append((name, value))
        if data is not None and len(data) > self.settings.max_data:
            raise _Refused(413, "DataTooLongError", f"data is at most {self.settings.max_data} characters here",
                           "data")
        options = self.held_options(options_from_text(entry, pairs))
        with anyio.fail_after(self.settings.timeout):
            body = await anyio.to_thread.run_sync(self._draw, entry.name, data, options, kind,
                                                  limiter=self.draw_threads)
        etag = '"' + hashlib.blake2b(body, digest_size=16).hexdigest() + '"'
        headers = {"ETag": etag, "Cache-Control": f"public, max-age={self.settings.max_age}, immutable"}
        if etag in [tag.strip() for tag in request.headers.get("if-none-match", "").split(",")]:
            return Response(status_code=304, headers=headers)
        return Response(body, media_type=MEDIA_TYPES[kind], headers=headers)

    async def symbologies(self, request: Request) -> Response:
        return JSONResponse([_listing(s) for s in SYMBOLOGIES])

    async def health(self, request: Request) -> Response:
        return JSONResponse({"status": "ok"})

    async def metrics_text(self, request: Request) -> Response:
        return PlainTextResponse(self.metrics.text(), media_type="text/plain; version=0.0.4")

    async def preview(self, request: Request) -> Response:
        page = resources.files(__package__).joinpath("preview.html").read_text(encoding="utf-8")
        return Response(page, media_type="text/html; charset=utf-8")

    async def _body(self, request: Request) -> bytes:
        declared = request.headers.get("content-length")
        if declared is not None and declared.isdigit() and int(declared) > self.settings.max_body:
            raise _Refused(413, "TooLarge", f"the body is at most {self.settings.max_body:,} bytes here")
        chunks, size = [], 0
        with anyio.fail_after(self.settings.timeout):
            async for chunk in request.stream():
                size += len(chunk)
                if size > self.settings.max_body:
                    raise _Refused(413, "TooLarge", f"the body is at most {self.settings.max_body:,} bytes here")
                chunks.append(chunk)
        return b"".join(chunks)

    async def batch(self, request: Request) -> Response:
        fmt = request.query_params.get("format") or _format_of(request.headers.get("content-type", ""))
        if fmt not in ("csv", "jsonl"):
            raise _Refused(400, "InvalidOptionError", "give a CSV or JSON Lines body (Content-Type text/csv or "
                           "application/jsonl, or ?format=csv|jsonl)", "format")
        defaults = Defaults(symbology=request.query_params.get("symbology", ""),
                            name=request.query_params.get("name", "{row:06d}.png"))
        body = await self._body(request)
        spool = tempfile.NamedTemporaryFile(prefix="barcode-quor-batch-", delete=False)
        with spool:
            spool.write(body)
        try:
            rows = list(_first_rows(read_rows(spool.name, fmt, defaults), self.settings.max_batch_rows + 1))
        except BatchError as e:
            raise _Refused(400, "BatchError", str(e)) from None
        finally:
            os.unlink(spool.name)
        return StreamingResponse(self._zip(rows), media_type="application/zip",
                                 headers={"Content-Disposition": 'attachment; filename="barcodes.zip"'})

    def _draw_row(self, row: Row) -> RowResult:
        try:
            held = Row(number=row.number, line=row.line, output=row.output, symbology=row.symbology,
                       data=row.data, options=self.held_options(row.options), error=row.error)
        except _Refused as refused:
            return RowResult(row=row.number, line=row.line, output=row.output, status=ERROR, error=str(refused))
        return draw_row(held, None, False)

    async def _zip(self, rows: list[Row]) -> AsyncIterator[bytes]:
        stream = _ZipStream()
        names: dict[str, int] = {}
        manifest = io.StringIO()
        writer = csv.writer(manifest)
        writer.writerow(MANIFEST_COLUMNS)
        with zipfile.ZipFile(stream, "w") as archive:
            for row in rows[:self.settings.max_batch_rows]:
                if row.output in names and not row.error:
                    result = RowResult(row=row.number, line=row.line, output=row.output, status=ERROR,
                                       error=f"output name used by row {names[row.output]}")
                else:
                    names.setdefault(row.output, row.number)
                    result = await anyio.to_thread.run_sync(self._draw_row, row, limiter=self.draw_threads)
                if result.status == OK and result.payload is not None:
                    archive.writestr(zipfile.ZipInfo(result.output, (1980, 1, 1, 0, 0, 0)), result.payload)
                    yield stream.take()
                writer.writerow([result.row, result.line, cell(result.output), result.status, result.size,
                                 cell(result.error)])
            if len(rows) > self.settings.max_batch_rows:
                writer.writerow(["", "", "", ERROR, 0, f"rows after the first {self.settings.max_batch_rows:,} "
                                                       "were not drawn: the limit here"])
            archive.writestr(zipfile.ZipInfo("manifest.csv", (1980, 1, 1, 0, 0, 0)), manifest.getvalue())
        yield stream.take()


def _first_rows(rows: Any, count: int) -> Any:
    for number, row in enumerate(rows):
        if number >= count:
            return
        yield row


def _format_of(content_type: str) -> str:
    media = content_type.split(";")[0].strip().lower()
    return {"text/csv": "csv", "application/jsonl": "jsonl", "application/x-ndjson": "jsonl",
            "application/jsonlines": "jsonl", "application/x-jsonlines": "jsonl"}.get(media, "")


def _listing(s: Any) -> dict[str, Any]:
    def option(o: Any) -> dict[str, Any]:
        kind = o.kind
        described: dict[str, Any] = {"name": o.name, "accepted": kind.describe(), "default": o.default,
                                     "help": o.help, "kind": type(kind).__name__.lower()}
        if hasattr(kind, "values"):
            described["choices"] = list(kind.values)
        if hasattr(kind, "low"):
            described.update(low=kind.low, high=kind.high, integer=kind.integer, auto=kind.auto)
        return described
    return {"name": s.name, "title": s.title, "aliases": list(s.aliases), "standard": s.quiet_zone_source,
            "example": s.example, "options": [option(o) for o in s.options]}


class _ZipStream(io.RawIOBase):
    """What zipfile writes, handed on in pieces: a stream that cannot seek, so entries carry data
    descriptors and nothing is held beyond the entry being written."""

    def __init__(self) -> None:
        self._pieces: list[bytes] = []
        self._position = 0

    def writable(self) -> bool:
        return True

    def write(self, b: Any) -> int:
        piece = bytes(b)
        self._pieces.append(piece)
        self._position += len(piece)
        return len(piece)

    def tell(self) -> int:
        return self._position

    def seekable(self) -> bool:
        return False

    def seek(self, *args: Any) -> int:
        raise io.UnsupportedOperation("not seekable")

    def take(self) -> bytes:
        taken = b"".join(self._pieces)
        self._pieces.clear()
        return taken


class _Guard:
    """Around every request: the client's rate limit, the request counters and an access log line
    without the query (the data may be personal)."""

    def __init__(self, app: ASGIApp, service: Service) -> None:
        self.app = app
        self.service = service
        self.limiter = RateLimiter(service.settings.rate, service.settings.burst)

    async def __call__(self, scope: Scope, receive: Receive, send: Send) -> None:
        if scope["type"] != "http":
            await self.app(scope, receive, send)
            return
        started = time.perf_counter()
        peer = (scope.get("client") or ("-", 0))[0]
        headers = dict(scope.get("headers") or ())
        forwarded = headers.get(b"x-forwarded-for")
        client = client_address(peer, forwarded.decode("latin-1") if forwarded else None,
                                self.service.settings.trusted_proxies)
        status = 500

        async def counted(message: Message) -> None:
            nonlocal status
            if message["type"] == "http.response.start":
                status = message["status"]
            await send(message)

        wait = self.limiter.wait_for(client)
        if wait > 0:
            self.service.metrics.error("RateLimited")
            refused = _Refused(429, "RateLimited", "too many requests from this client",
                               headers={"Retry-After": str(max(1, round(wait + 0.5)))})
            await refused.response()(scope, receive, counted)
        else:
            await self.app(scope, receive, counted)
        path = scope.get("path", "")
        route = path if path in ("/", "/health", "/metrics", "/symbologies", "/batch") else "/{symbology}"
        self.service.metrics.request(route, status)
        ACCESS_LOG.info('%s "%s %s" %d %.1f ms', client, scope.get("method", "-"), path, status,
                        (time.perf_counter() - started) * 1000)


def create_app(settings: ServiceSettings | None = None) -> ASGIApp:
    """The service as an ASGI application (by default with the settings `barcode-quor serve` gives
    its workers, else the defaults): mount it in any ASGI server."""
    service = Service(settings or ServiceSettings.from_environment())

    def route(path: str, handler: Callable[[Request], Awaitable[Response]], methods: list[str]) -> Route:
        return Route(path, handler, methods=methods)

    def refused(request: Request, error: Exception) -> Response:
        answer = error if isinstance(error, _Refused) else _refusal(error) if isinstance(error, BarcodeError) else \
            _Refused(503, "Timeout", f"the request took over {service.settings.timeout:g} s")
        service.metrics.error(answer.kind)
        return answer.response()

    cors = service.settings.cors_origins
    app = Starlette(
        exception_handlers={_Refused: refused, BarcodeError: refused, TimeoutError: refused},
        routes=[route("/", service.preview, ["GET"]), route("/health", service.health, ["GET"]),
                route("/metrics", service.metrics_text, ["GET"]), route("/symbologies", service.symbologies, ["GET"]),
                route("/batch", service.batch, ["POST"]), route("/{symbology}", service.image, ["GET"])],
        middleware=[Middleware(CORSMiddleware, allow_origins=list(cors), allow_methods=["GET", "POST"],
                               expose_headers=["ETag"])] if cors else [])
    return _Guard(app, service)

