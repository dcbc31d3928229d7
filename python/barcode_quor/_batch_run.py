"""Running a batch: rows go out in chunks with a bounded number in flight and come back in input order.

A runner sends chunks to drawing processes (this module) or to a cluster (_batch_dask). When the
process that draws a chunk dies, the runner draws that chunk's rows again one by one in a process of
their own, so only a row that kills its process by itself ends as an error, and nothing is lost.
"""
from __future__ import annotations

import heapq
import itertools
import multiprocessing
from collections import deque
from concurrent.futures import Future, ProcessPoolExecutor
from concurrent.futures.process import BrokenProcessPool
from typing import Any, Callable, Iterable, Protocol

from ._batch_draw import ERROR, RowResult, draw_chunk
from ._batch_output import DirectorySink, ZipSink
from ._batch_rows import Row

CRASHED = "the drawing process died on this row"


class Runner(Protocol):
    window: int  # chunks in flight at most
    chunk_size: int

    def submit(self, rows: list[Row]) -> Any: ...

    def collect(self, handle: Any) -> list[RowResult]: ...

    def close(self) -> None: ...


def run_rows(rows: Iterable[Row], runner: Runner, sink: DirectorySink | ZipSink,
             on_result: Callable[[RowResult], None]) -> None:
    """Draws every row and hands each result to the sink, then to on_result, in input order."""
    pending: deque[tuple[Any, list[RowResult]]] = deque()

    def finish_oldest() -> None:
        handle, claimed = pending.popleft()
        drawn = runner.collect(handle) if handle is not None else []
        for result in heapq.merge(claimed, drawn, key=lambda r: r.row):
            sink.accept(result)
            on_result(result)

    source = iter(rows)
    while chunk := list(itertools.islice(source, runner.chunk_size)):
        claimed: list[RowResult] = []
        to_draw: list[Row] = []
        for row in chunk:
            result = sink.claim(row)
            if result is None:
                to_draw.append(row)
            else:
                claimed.append(result)
        pending.append((runner.submit(to_draw) if to_draw else None, claimed))
        while len(pending) >= runner.window:
            finish_oldest()
    while pending:
        finish_oldest()


def crashed(row: Row, message: str = CRASHED) -> RowResult:
    return RowResult(row=row.number, output=row.output, status=ERROR, error=message)


class ProcessRunner:
    """Chunks drawn by a pool of worker processes on this machine."""

    def __init__(self, jobs: int, directory: str | None, skip_existing: bool, chunk_size: int | None):
        # forkserver: the batch may run beside threads (a progress bar's), which fork does not survive.
        self._context = multiprocessing.get_context("forkserver")
        self._jobs = jobs
        self._arguments = (directory, skip_existing)
        self._pool = self._new_pool(jobs)
        # Rows of a chunk whose process died are drawn again here, one at a time, so a death is theirs.
        self._solo: ProcessPoolExecutor | None = None
        self.window = 4 * jobs
        self.chunk_size = chunk_size or 16

    def _new_pool(self, workers: int) -> ProcessPoolExecutor:
        return ProcessPoolExecutor(max_workers=workers, mp_context=self._context)

    def submit(self, rows: list[Row]) -> tuple[ProcessPoolExecutor, Future[list[RowResult]] | None, list[Row]]:
        try:
            return self._pool, self._pool.submit(draw_chunk, rows, *self._arguments), rows
        except BrokenProcessPool:  # broken by a chunk that is still to be collected
            return self._pool, None, rows

    def collect(self, handle: tuple[ProcessPoolExecutor, Future[list[RowResult]] | None, list[Row]]) -> list[RowResult]:
        pool, future, rows = handle
        try:
            if future is not None:
                return future.result()
        except BrokenProcessPool:
            if pool is self._pool:
                pool.shutdown(wait=False, cancel_futures=True)
                self._pool = self._new_pool(self._jobs)
        except Exception:  # the chunk failed as a whole (say, a result that would not pickle): row by row
            pass
        return [self._alone(row) for row in rows]

    def _alone(self, row: Row) -> RowResult:
        if self._solo is None:
            self._solo = self._new_pool(1)
        try:
            return self._solo.submit(draw_chunk, [row], *self._arguments).result()[0]
        except BrokenProcessPool:
            self._solo.shutdown(wait=False)
            self._solo = None
            return crashed(row)
        except Exception as e:
            return crashed(row, f"{type(e).__name__}: {e}")

    def close(self) -> None:
        for pool in (self._pool, self._solo):
            if pool is not None:
                pool.shutdown(wait=True, cancel_futures=True)
