"""A drawing process of the local pool (see pool): reads chunks from standard input, answers with
their results on standard output, one length-prefixed pickle frame each.

It is started as a fresh interpreter that imports only this package, never the caller's script, so a
batch started from a script without an ``if __name__ == "__main__"`` guard works. It dies with its
parent (PR_SET_PDEATHSIG, and end of input) and ignores SIGINT (the parent ends the batch). On
SIGTERM it stops after the row it is drawing, so no file is left half written.
"""
from __future__ import annotations

import ctypes
import os
import pickle
import signal
import struct
import sys
from typing import Any, BinaryIO

PARENT = "BARCODE_QUOR_BATCH_PARENT"
HEADER = struct.Struct("<Q")
READY = "ready"
PR_SET_PDEATHSIG = 1


def send(stream: BinaryIO, message: Any) -> None:
    frame = pickle.dumps(message, protocol=pickle.HIGHEST_PROTOCOL)
    stream.write(HEADER.pack(len(frame)) + frame)
    stream.flush()


def read_exactly(fd: int, size: int) -> bytes | None:
    """size bytes from fd, or None at the end of input (the other side has gone)."""
    parts = []
    while size:
        part = os.read(fd, min(size, 1 << 20))
        if not part:
            return None
        parts.append(part)
        size -= len(part)
    return b"".join(parts)


def receive(fd: int) -> Any:
    header = read_exactly(fd, HEADER.size)
    frame = read_exactly(fd, HEADER.unpack(header)[0]) if header is not None else None
    return pickle.loads(frame) if frame is not None else None


_drawing = False
_stop_asked = False


def _stop(signum: int, frame: object) -> None:
    global _stop_asked
    if not _drawing:  # waiting for work: nothing to finish
        raise SystemExit(128 + signum)
    _stop_asked = True


def _between_rows() -> None:
    if _stop_asked:
        raise SystemExit(128 + signal.SIGTERM)


def _die_with_parent() -> None:
    if sys.platform.startswith("linux"):
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)
    if os.getppid() != int(os.environ[PARENT]):  # the parent died before the line above
        raise SystemExit(1)


def serve() -> None:
    replies = os.fdopen(os.dup(1), "wb")
    os.dup2(2, 1)  # whatever else prints cannot corrupt the frames
    signal.signal(signal.SIGINT, signal.SIG_IGN)
    signal.signal(signal.SIGTERM, _stop)
    _die_with_parent()
    from .draw import draw_chunk

    import barcode_quor  # noqa: F401  (a worker that cannot draw fails here, before any row)

    send(replies, READY)
    global _drawing
    while (job := receive(0)) is not None:
        rows, directory, skip_existing = job
        _drawing = True
        results = draw_chunk(rows, directory, skip_existing, _between_rows)
        _drawing = False
        _between_rows()
        send(replies, results)


if __name__ == "__main__":
    serve()
