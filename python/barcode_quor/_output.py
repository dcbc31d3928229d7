"""Output kinds, and writing a file whole or not at all."""
from __future__ import annotations

import os
import tempfile
from typing import BinaryIO, Union

from ._errors import InvalidOptionError

KINDS = ("png", "jpeg", "jpg", "svg")
MEDIA_TYPES = {"png": "image/png", "jpeg": "image/jpeg", "jpg": "image/jpeg", "svg": "image/svg+xml"}
KINDS_ACCEPTED = ", ".join(KINDS)

Target = Union[str, "os.PathLike[str]", BinaryIO]


def check_kind(kind: object) -> str:
    if isinstance(kind, str) and kind.lower() in KINDS:
        return kind.lower()
    raise InvalidOptionError(f"unknown kind {kind!r}; accepted: {KINDS_ACCEPTED}", option="kind",
                             accepted=KINDS_ACCEPTED)


def kind_of(target: object, kind: str | None) -> str:
    """kind= when given, else the file name's extension (a file object's name too)."""
    if not isinstance(target, (str, os.PathLike)) and not callable(getattr(target, "write", None)):
        raise TypeError(f"save() needs a path or a binary file object, not {type(target).__name__}")
    if kind is not None:
        return check_kind(kind)
    name = target if isinstance(target, (str, os.PathLike)) else getattr(target, "name", None)
    extension = os.path.splitext(os.fspath(name))[1].lstrip(".") if isinstance(name, (str, os.PathLike)) else ""
    if extension.lower() in KINDS:
        return extension.lower()
    raise InvalidOptionError(
        f"cannot tell the kind of output from {extension or 'no extension'!r}: give kind= ({KINDS_ACCEPTED})",
        option="kind", accepted=KINDS_ACCEPTED)


def write(target: Target, content: bytes) -> None:
    """Writes content to a path through a temporary file renamed into place, so that a failure
    leaves neither a partial file nor a temporary one; or to a binary file object."""
    if not isinstance(target, (str, os.PathLike)):
        target.write(content)
        return
    path = os.fspath(target)
    folder = os.path.dirname(os.path.abspath(path))
    handle, temporary = tempfile.mkstemp(dir=folder, prefix=f".{os.path.basename(path)}.", suffix=".tmp")
    try:
        with os.fdopen(handle, "wb") as stream:
            stream.write(content)
        os.chmod(temporary, 0o666 & ~_umask())
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def _umask() -> int:
    mask = os.umask(0)
    os.umask(mask)
    return mask
