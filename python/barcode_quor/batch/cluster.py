"""Chunks drawn on a Dask distributed cluster.

Before any row is drawn the cluster is checked: the scheduler answers within the timeout, and every
worker imports barcode_quor and (for a directory output) writes a probe file that this machine sees.
The scheduler moves the task of a worker that dies to another worker; a chunk that keeps killing
workers (KilledWorker) is drawn again one row per task, so only the row that kills workers by itself
ends as an error. With no worker left for the timeout, or with the scheduler gone, the batch stops
with the manifest of what was done instead of waiting forever.
"""
from __future__ import annotations

import os
import secrets
import time
from concurrent.futures import CancelledError
from typing import Any

from .draw import ERROR, RowResult, draw_chunk
from .outdir import OutputDirectory
from .pool import crashed
from .rows import BatchError, Row

KILLED = "the cluster's workers died drawing this row"
POLL_SECONDS = 0.5


def probe(directory: str | None, token: str) -> str:
    """Runs on each worker: the name of the probe file it wrote ("" for a zip output)."""
    import barcode_quor  # noqa: F401

    if directory is None:
        return ""
    name = f".barcode-quor-probe-{token}-{os.getpid()}-{secrets.token_hex(4)}"
    folder = OutputDirectory(directory)
    try:
        folder.write(name, b"")
    finally:
        folder.close()
    return name


class DaskRunner:
    def __init__(self, cluster: Any, directory: str | None, skip_existing: bool, chunk_size: int | None,
                 timeout: float):
        from distributed import Client

        self._own = not isinstance(cluster, Client)
        self._timeout = timeout
        try:
            self._client = (Client(cluster, set_as_default=False, timeout=timeout)  # type: ignore[no-untyped-call]
                            if self._own else cluster)
            self._client.wait_for_workers(1, timeout=timeout)
        except Exception as e:
            self.close()
            raise BatchError(f"the Dask cluster at {cluster} cannot be used within {timeout:g} s: "
                             f"{e or type(e).__name__}") from None
        self._arguments = (directory, skip_existing)
        self._check_workers(directory)
        threads = sum(self._client.nthreads().values())
        self.window = max(4, 2 * threads)
        self.chunk_size = chunk_size or 64
        self._lost = ""

    def _check_workers(self, directory: str | None) -> None:
        try:
            written = self._client.run(probe, directory, secrets.token_hex(8))
        except Exception as e:
            self.close()
            raise BatchError(f"a Dask worker cannot draw into {directory or 'a zip'}: "
                             f"{type(e).__name__}: {e}") from None
        if directory is None:
            return
        unseen = []
        for worker, name in written.items():
            path = os.path.join(directory, name)
            if os.path.exists(path):
                os.unlink(path)
            else:
                unseen.append(worker)
        if unseen:
            self.close()
            raise BatchError(f"{directory}: files the Dask worker(s) {', '.join(unseen)} write there do not "
                             "show on this machine: the directory must be shared at the same path")

    def submit(self, rows: list[Row]) -> tuple[Any, list[Row]]:
        return self._client.submit(draw_chunk, rows, *self._arguments, pure=False), rows

    def _result(self, future: Any) -> list[RowResult]:
        """The future's result; sets _lost and raises TimeoutError when the cluster is gone."""
        idle_since = None
        while not self._lost:
            try:
                results: list[RowResult] = future.result(timeout=POLL_SECONDS)
                return results
            except TimeoutError:
                pass
            running = self._client.status == "running"
            if running and self._client.scheduler_info().get("workers"):  # kept up to date, never blocks
                idle_since = None
            elif idle_since is None:
                idle_since = time.monotonic()
            elif time.monotonic() - idle_since > self._timeout:
                self._lost = (f"no Dask worker left for {self._timeout:g} s" if running
                              else "lost the Dask scheduler")
        raise TimeoutError(self._lost)

    def collect(self, handle: tuple[Any, list[Row]]) -> list[RowResult]:
        from distributed import KilledWorker

        future, rows = handle
        try:
            return self._result(future)
        except KilledWorker:
            return [self._alone(row) for row in rows]
        except (TimeoutError, OSError, CancelledError):  # cancelled: the client lost the scheduler
            self._lost = self._lost or "lost the Dask scheduler"
            return [RowResult(row=row.number, line=row.line, output=row.output, status=ERROR,
                              error=f"not drawn: {self._lost}", stop=self._lost) for row in rows]

    def _alone(self, row: Row) -> RowResult:
        from distributed import KilledWorker

        try:
            return self._result(self._client.submit(draw_chunk, [row], *self._arguments, pure=False))[0]
        except KilledWorker:
            return crashed(row, KILLED)
        except (TimeoutError, OSError, CancelledError):
            self._lost = self._lost or "lost the Dask scheduler"
            return RowResult(row=row.number, line=row.line, output=row.output, status=ERROR,
                             error=f"not drawn: {self._lost}", stop=self._lost)

    def close(self, abort: bool = False) -> None:
        client = getattr(self, "_client", None)
        if self._own and client is not None:
            client.close(timeout=self._timeout)
