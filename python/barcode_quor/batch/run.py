"""Running a batch: rows go out in chunks with a bounded number in flight and come back in input order.

A runner sends chunks to drawing processes (pool) or to a cluster (cluster). A result that stops the
batch (a full disk) ends the run once the chunks in flight are in, so that their files are listed.
"""
from __future__ import annotations

import heapq
import itertools
from collections import deque
from dataclasses import replace
from typing import Any, Callable, Iterable, Protocol

from .draw import ERROR, STOPPING, RowResult
from .rows import Row
from .sinks import DirectorySink, ZipSink, interrupts_held

MAX_CHUNK = 10000  # rows per task at most


class Runner(Protocol):
    window: int  # chunks in flight at most
    chunk_size: int

    def submit(self, rows: list[Row]) -> Any: ...

    def collect(self, handle: Any) -> list[RowResult]: ...

    def close(self, abort: bool = False) -> None: ...


def run_rows(rows: Iterable[Row], runner: Runner, sink: DirectorySink | ZipSink,
             on_result: Callable[[RowResult], None]) -> str:
    """Draws every row and hands each result to the sink, then to on_result, in input order.
    Returns why the batch stopped early, "" when every row was drawn."""
    pending: deque[tuple[Any, list[RowResult]]] = deque()
    stopped = ""

    def finish_oldest() -> None:
        nonlocal stopped
        handle, claimed = pending.popleft()
        drawn = runner.collect(handle) if handle is not None else []
        for result in heapq.merge(claimed, drawn, key=lambda r: r.row):
            with interrupts_held():  # Ctrl-C waits until the entry written is also listed
                try:
                    sink.accept(result)
                except OSError as e:  # the zip cannot grow: this row is not in it, and the batch stops
                    if e.errno not in STOPPING:
                        raise
                    result = replace(result, status=ERROR, size=0, error=STOPPING[e.errno], stop=STOPPING[e.errno])
                on_result(result)
            stopped = stopped or result.stop

    source = iter(rows)
    while not stopped and (chunk := list(itertools.islice(source, runner.chunk_size))):
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
    return stopped
