"""Writing files below one output directory without ever following a symbolic link below it.

Every folder on the way is opened relative to its parent's descriptor with O_NOFOLLOW, so a link
planted inside the output (by anyone, at any time) cannot send a file elsewhere. A file is written
under a temporary name that holds the writer's process id, then renamed, so it is whole or absent;
the process that runs the writers can remove what a killed writer left (discard_partial).
"""
from __future__ import annotations

import errno
import os
import stat
from collections import OrderedDict

FOLDER_FLAGS = os.O_RDONLY | os.O_DIRECTORY | os.O_NOFOLLOW | os.O_CLOEXEC
FILE_FLAGS = os.O_WRONLY | os.O_CREAT | os.O_EXCL | os.O_NOFOLLOW | os.O_CLOEXEC
OPEN_FOLDERS = 64  # descriptors kept open per writer


class OutputPathError(OSError):
    """An output name whose way goes through a symbolic link or something that is not a folder."""


def partial_name(base: str, pid: int) -> str:
    return f".{base}.{pid}.partial"


class OutputDirectory:
    def __init__(self, root: str):
        self.root = root
        self._root_fd = os.open(root, os.O_RDONLY | os.O_DIRECTORY | os.O_CLOEXEC)
        self._folders: OrderedDict[tuple[str, ...], int] = OrderedDict()

    def _folder(self, parts: tuple[str, ...], create: bool) -> int:
        if not parts:
            return self._root_fd
        fd = self._folders.get(parts)
        if fd is not None:
            self._folders.move_to_end(parts)
            return fd
        parent = self._folder(parts[:-1], create)
        try:
            fd = self._open_folder(parts[-1], parent, create)
        except OSError as e:
            if e.errno in (errno.ELOOP, errno.ENOTDIR):
                raise OutputPathError(e.errno, f"{'/'.join(parts)} is a symbolic link or not a folder") from None
            raise
        self._folders[parts] = fd
        if len(self._folders) > OPEN_FOLDERS:
            os.close(self._folders.popitem(last=False)[1])
        return fd

    @staticmethod
    def _open_folder(name: str, parent: int, create: bool) -> int:
        try:
            return os.open(name, FOLDER_FLAGS, dir_fd=parent)
        except FileNotFoundError:
            if not create:
                raise
        try:
            os.mkdir(name, 0o777, dir_fd=parent)
        except FileExistsError:  # made meanwhile by another writer
            pass
        return os.open(name, FOLDER_FLAGS, dir_fd=parent)

    @staticmethod
    def _split(name: str) -> tuple[tuple[str, ...], str]:
        parts = tuple(name.split("/"))
        return parts[:-1], parts[-1]

    def existing_size(self, name: str) -> int | None:
        """The size of the regular file `name`, None when there is none (a link does not count)."""
        folder, base = self._split(name)
        try:
            info = os.stat(base, dir_fd=self._folder(folder, create=False), follow_symlinks=False)
        except (FileNotFoundError, OutputPathError):
            return None
        return info.st_size if stat.S_ISREG(info.st_mode) else None

    def write(self, name: str, content: bytes) -> None:
        folder_parts, base = self._split(name)
        folder = self._folder(folder_parts, create=True)
        temporary = partial_name(base, os.getpid())
        try:
            fd = os.open(temporary, FILE_FLAGS, 0o666, dir_fd=folder)
        except FileExistsError:  # left by a killed writer that had this process id
            os.unlink(temporary, dir_fd=folder)
            fd = os.open(temporary, FILE_FLAGS, 0o666, dir_fd=folder)
        try:
            try:
                rest = memoryview(content)
                while rest:  # a regular file takes it all at once, short only on a signal or a full disk
                    rest = rest[os.write(fd, rest):]
            finally:
                os.close(fd)
            os.rename(temporary, base, src_dir_fd=folder, dst_dir_fd=folder)
        except BaseException:
            os.unlink(temporary, dir_fd=folder)
            raise

    def discard_partial(self, name: str, pid: int) -> None:
        """Removes the temporary file that process `pid` may have left for `name`."""
        folder_parts, base = self._split(name)
        try:
            os.unlink(partial_name(base, pid), dir_fd=self._folder(folder_parts, create=False))
        except (FileNotFoundError, OutputPathError):
            pass

    def close(self) -> None:
        for fd in self._folders.values():
            os.close(fd)
        self._folders.clear()
        os.close(self._root_fd)
