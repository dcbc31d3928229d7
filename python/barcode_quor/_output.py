"""Output kinds, and writing a file whole or not at all."""
from __future__ import annotations

import os
import stat
import tempfile
from typing import BinaryIO, Union

from ._errors import InvalidOptionError

KINDS = ("png", "jpeg", "jpg", "svg", "pdf", "eps", "zpl")
MEDIA_TYPES = {"png": "image/png", "jpeg": "image/jpeg", "jpg": "image/jpeg", "svg": "image/svg+xml",
               "pdf": "application/pdf", "eps": "application/postscript",
               "zpl": "text/plain; charset=us-ascii"}
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
    """Writes content to a path, or to a binary file object.

    A new file is written under a temporary name and renamed into place, so a failure leaves neither
    a partial file nor a temporary one. An existing regular file keeps its identity (mode, owner,
    hard links): the content goes to a temporary file first, so a full disk shows before the old
    content is touched, then into the file itself. A FIFO or a device is written as it is."""
    if not isinstance(target, (str, os.PathLike)):
        target.write(content)
        return
    path = os.fspath(target)
    try:
        mode = os.stat(path).st_mode
    except FileNotFoundError:
        _write_new(path, content)
        return
    if stat.S_ISREG(mode):
        _write_over(path, content)
    else:
        with open(path, "wb") as stream:
            stream.write(content)


def _write_new(path: str, content: bytes) -> None:
    folder = os.path.dirname(os.path.abspath(path))
    try:
        handle, temporary = tempfile.mkstemp(dir=folder, prefix=f".{os.path.basename(path)}.", suffix=".tmp")
    except OSError as error:  # named by the caller's path, not the temporary name it was tried under
        raise type(error)(error.errno, error.strerror, path) from None
    try:
        with os.fdopen(handle, "wb") as stream:
            stream.write(content)
        os.chmod(temporary, new_file_mode())
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def _write_over(path: str, content: bytes) -> None:
    folder = os.path.dirname(os.path.abspath(path))
    try:
        handle, temporary = tempfile.mkstemp(dir=folder, prefix=f".{os.path.basename(path)}.", suffix=".tmp")
    except PermissionError:  # a writable file in a folder that is not: nothing to try it out in
        temporary = ""
    if temporary:
        try:
            with os.fdopen(handle, "wb") as stream:
                stream.write(content)
        finally:
            os.unlink(temporary)
    with open(path, "r+b") as stream:
        stream.write(content)
        stream.truncate()


def new_file_mode() -> int:
    """The permissions a file created now gets (0666 less the umask)."""
    mask = os.umask(0)
    os.umask(mask)
    return 0o666 & ~mask
