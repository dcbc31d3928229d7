"""A zip file written entry by entry whose memory does not grow with the entry count: zipfile keeps
every entry's record (about 0.4 KB) until it writes the central directory at the end; here the
records go to a temporary file in blocks, and are copied into place when the zip is closed.

The records are formatted by zipfile itself (its end-record writer run on one block at a time), so
the archive is byte for byte what zipfile would write."""
from __future__ import annotations

import io
import shutil
import struct
import tempfile
import types
import zipfile
from typing import Any

SPILL_EVERY = 4096  # entries kept in memory at most before their records go to the spool
_END_RECORD = struct.calcsize(zipfile.structEndArchive)  # type: ignore[attr-defined]


class _CountedList(list):  # type: ignore[type-arg]
    """The entries still in memory, whose len() is every entry's: zipfile counts the central
    directory's records with len(filelist)."""

    spilled = 0

    def __len__(self) -> int:
        return super().__len__() + self.spilled


class SpilledZipFile(zipfile.ZipFile):
    def __init__(self, path: str) -> None:
        super().__init__(path, "w")
        self._entries = _CountedList()
        self.filelist = self._entries
        self._spool = tempfile.TemporaryFile(prefix="barcode-quor-zip-directory-")

    def writestr(self, *args: Any, **kwargs: Any) -> None:
        super().writestr(*args, **kwargs)
        if list.__len__(self.filelist) >= SPILL_EVERY:
            self._spill()

    def _spill(self) -> None:
        """Moves the records of the entries in memory to the spool, formatted as zipfile writes them."""
        block = _CountedList(list.__iter__(self.filelist))
        # What the end-record writer reads of a zip file: this block's entries, written from offset 0.
        scratch = types.SimpleNamespace(fp=io.BytesIO(), filelist=block, start_dir=0, _comment=b"", mode="w",
                                        _allowZip64=True)
        zipfile.ZipFile._write_end_record(scratch)  # type: ignore[attr-defined]
        self._spool.write(scratch.fp.getvalue()[:-_END_RECORD])  # the records, not the block's end record
        for info in block:
            del self.NameToInfo[info.filename]
        self._entries.spilled += list.__len__(self._entries)
        del self._entries[:]

    def _write_end_record(self) -> None:
        self._spool.seek(0)
        assert self.fp is not None  # open until the end record is written
        shutil.copyfileobj(self._spool, self.fp)
        self._spool.close()
        super()._write_end_record()  # type: ignore[misc]
