"""Uvicorn's HTTP protocol with a deadline for a request's headers: a client that connects and then
sends them slowly (or not at all) is disconnected rather than holding a connection for ever."""
from __future__ import annotations

import asyncio
from typing import Any

from uvicorn.protocols.http.httptools_impl import HttpToolsProtocol

from .settings import ServiceSettings

HEADER_SECONDS = ServiceSettings.from_environment().timeout


class HeaderDeadlineProtocol(HttpToolsProtocol):
    _deadline: asyncio.TimerHandle | None = None

    def _arm(self) -> None:
        self._disarm()
        self._deadline = self.loop.call_later(HEADER_SECONDS, self._expire)

    def _disarm(self) -> None:
        if self._deadline is not None:
            self._deadline.cancel()
            self._deadline = None

    def _expire(self) -> None:
        if self.transport is not None and not self.transport.is_closing():
            self.transport.close()

    def connection_made(self, transport: Any) -> None:
        super().connection_made(transport)
        self._arm()

    def on_message_begin(self) -> None:
        super().on_message_begin()
        self._arm()

    def on_headers_complete(self) -> None:
        self._disarm()
        super().on_headers_complete()

    def connection_lost(self, exc: Exception | None) -> None:
        self._disarm()
        super().connection_lost(exc)
