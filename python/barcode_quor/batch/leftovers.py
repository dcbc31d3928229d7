"""Temporary files named after the process that made them, so that a later run removes those of a
process that was killed (SIGKILL leaves them) and never those of a batch still running."""
from __future__ import annotations

import os
import re


def tag() -> str:
    """The part of a temporary file's name that says which process made it."""
    return f"{os.getpid()}."


def _alive(pid: int) -> bool:
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    except PermissionError:  # another user's process
        return True
    return True


def remove(folder: str, prefix: str, suffix: str) -> None:
    """Removes the files `prefix` + pid + "." ... + `suffix` in folder whose process is gone."""
    pattern = re.compile(re.escape(prefix) + r"(\d+)\..*" + re.escape(suffix), re.S)
    try:
        names = os.listdir(folder)
    except OSError:
        return
    for name in names:
        match = pattern.fullmatch(name)
        if match and int(match.group(1)) != os.getpid() and not _alive(int(match.group(1))):
            try:
                os.unlink(os.path.join(folder, name))
            except OSError:
                pass
