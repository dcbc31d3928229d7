"""Chunks drawn on a Dask distributed cluster.

The scheduler already moves the task of a worker that dies to another worker; a chunk that keeps
killing workers (the scheduler gives up with KilledWorker) is drawn again one row per task, so only
the row that kills workers by itself ends as an error.
"""
from __future__ import annotations

from typing import Any

from ._batch_draw import RowResult, draw_chunk
from ._batch_rows import Row
from ._batch_run import crashed

KILLED = "the cluster's workers died drawing this row"


class DaskRunner:
    def __init__(self, cluster: Any, directory: str | None, skip_existing: bool, chunk_size: int | None):
        from distributed import Client

        self._own = not isinstance(cluster, Client)
        self._client = Client(cluster, set_as_default=False) if self._own else cluster  # type: ignore[no-untyped-call]
        self._arguments = (directory, skip_existing)
        threads = sum(self._client.nthreads().values())
        self.window = max(4, 2 * threads)
        self.chunk_size = chunk_size or 64

    def submit(self, rows: list[Row]) -> tuple[Any, list[Row]]:
        return self._client.submit(draw_chunk, rows, *self._arguments, pure=False), rows

    def collect(self, handle: tuple[Any, list[Row]]) -> list[RowResult]:
        from distributed import KilledWorker

        future, rows = handle
        try:
            results: list[RowResult] = future.result()
            return results
        except KilledWorker:
            return [self._alone(row) for row in rows]

    def _alone(self, row: Row) -> RowResult:
        from distributed import KilledWorker

        try:
            results: list[RowResult] = self._client.submit(draw_chunk, [row], *self._arguments, pure=False).result()
            return results[0]
        except KilledWorker:
            return crashed(row, KILLED)

    def close(self) -> None:
        if self._own:
            self._client.close()
