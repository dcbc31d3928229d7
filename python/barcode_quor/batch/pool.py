"""The local pool: drawing processes on this machine, each fed one chunk at a time through a pipe.

When a process dies with a chunk, that chunk's rows are drawn again one per task, so only a row that
kills its process by itself ends as an error, and nothing is lost; the dead process is replaced. A
process that exits by itself before it is ready means the pool cannot work at all: that raises PoolError.
"""
from __future__ import annotations

import os
import selectors
import subprocess
import sys
import tempfile
from collections import deque
from dataclasses import dataclass

from .draw import ERROR, RowResult
from .outdir import OutputDirectory
from .rows import BatchError, Row
from .worker import PARENT, READY, receive, send

CRASHED = "the drawing process died on this row"
BOOT = "from barcode_quor.batch.worker import serve; serve()"
LOCAL_CHUNK = 128  # rows per task by default: a few ms of drawing, so the pipe's cost does not show
GRACE_SECONDS = 5.0  # for processes to finish their chunk (close) or clean up (abort)


class PoolError(BatchError):
    """The drawing processes cannot start."""


def crashed(row: Row, message: str = CRASHED) -> RowResult:
    return RowResult(row=row.number, line=row.line, output=row.output, status=ERROR, error=message)


@dataclass
class Task:
    chunk: int  # the submitted chunk this task belongs to
    rows: list[Row]
    alone: bool  # one row of a chunk redrawn after its process died


class Worker:
    def __init__(self) -> None:
        path = os.pathsep.join(p for p in sys.path if p)
        self.errors = tempfile.TemporaryFile()
        # -P: the current folder is not searched, so no file there can stand in for a module.
        self.process = subprocess.Popen(
            [sys.executable, "-P", "-c", BOOT], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=self.errors, bufsize=0, env={**os.environ, "PYTHONPATH": path, PARENT: str(os.getpid())})
        self.ready = False
        self.task: Task | None = None

    def error_tail(self) -> str:
        self.errors.seek(0)
        lines = self.errors.read().decode(errors="replace").strip().splitlines()
        return lines[-1] if lines else f"exit status {self.process.wait()}"

    def stop(self, kill: bool) -> None:
        if self.process.stdin is not None:
            try:
                self.process.stdin.close()
            except OSError:
                pass
        if kill:
            self.process.terminate()


class ProcessRunner:
    def __init__(self, jobs: int, directory: str | None, skip_existing: bool, chunk_size: int | None):
        self._arguments = (directory, skip_existing)
        self._directory = OutputDirectory(directory) if directory is not None else None
        self._selector = selectors.DefaultSelector()
        self._workers: list[Worker] = []
        for _ in range(jobs):
            self._start()
        self._queue: deque[Task] = deque()
        self._results: dict[int, dict[int, RowResult]] = {}  # per chunk, by row number
        self._expected: dict[int, int] = {}  # results a chunk is complete with
        self._next_chunk = 0
        self.window = 2 * jobs
        self.chunk_size = chunk_size or LOCAL_CHUNK

    def _start(self) -> None:
        worker = Worker()
        assert worker.process.stdout is not None
        self._selector.register(worker.process.stdout, selectors.EVENT_READ, worker)
        self._workers.append(worker)

    def submit(self, rows: list[Row]) -> int:
        chunk = self._next_chunk
        self._next_chunk += 1
        self._results[chunk] = {}
        self._expected[chunk] = len(rows)
        self._queue.append(Task(chunk=chunk, rows=rows, alone=False))
        self._dispatch()
        return chunk

    def collect(self, chunk: int) -> list[RowResult]:
        while len(self._results[chunk]) < self._expected[chunk]:
            for key, _ in self._selector.select():
                self._receive(key.data)
            self._dispatch()
        del self._expected[chunk]
        results = self._results.pop(chunk)
        return [results[number] for number in sorted(results)]

    def _dispatch(self) -> None:
        for worker in self._workers:
            if not self._queue:
                return
            if worker.ready and worker.task is None:
                worker.task = self._queue.popleft()
                assert worker.process.stdin is not None
                try:
                    send(worker.process.stdin, (worker.task.rows, *self._arguments))  # type: ignore[arg-type]
                except BrokenPipeError:
                    pass  # it died: its end of output says so next

    def _receive(self, worker: Worker) -> None:
        assert worker.process.stdout is not None
        message = receive(worker.process.stdout.fileno())
        if message is None:
            self._died(worker)
        elif message == READY:
            worker.ready = True
        elif worker.task is not None:
            task, worker.task = worker.task, None
            self._record(task, message)

    def _record(self, task: Task, results: list[RowResult]) -> None:
        self._results[task.chunk].update((r.row, r) for r in results)
        if results and results[-1].stop:  # the chunk ended early: it is complete as it is
            self._expected[task.chunk] = len(self._results[task.chunk])

    def _died(self, worker: Worker) -> None:
        assert worker.process.stdout is not None
        self._selector.unregister(worker.process.stdout)
        self._workers.remove(worker)
        worker.process.wait()
        if not worker.ready and worker.process.returncode >= 0:  # it gave up by itself: it cannot work
            raise PoolError(f"the drawing processes cannot start: {worker.error_tail()}")
        task = worker.task
        if task is not None:
            if self._directory is not None:
                for row in task.rows:
                    self._directory.discard_partial(row.output, worker.process.pid)
            if task.alone:
                self._record(task, [crashed(task.rows[0])])
            else:
                self._queue.extendleft(Task(chunk=task.chunk, rows=[row], alone=True) for row in reversed(task.rows))
        self._start()

    def close(self, abort: bool = False) -> None:
        """Ends the processes: each finishes its chunk (or, with abort, stops at once and cleans up)."""
        for worker in self._workers:
            worker.stop(kill=abort)
        for worker in self._workers:
            try:
                worker.process.wait(GRACE_SECONDS)
            except subprocess.TimeoutExpired:
                worker.process.kill()
                worker.process.wait()
            if worker.task is not None and self._directory is not None:
                for row in worker.task.rows:
                    self._directory.discard_partial(row.output, worker.process.pid)
        for worker in self._workers:
            if worker.process.stdout is not None:
                worker.process.stdout.close()
            worker.errors.close()
        self._workers.clear()
        self._selector.close()
        if self._directory is not None:
            self._directory.close()
