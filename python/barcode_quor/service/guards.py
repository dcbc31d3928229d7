"""Per-client rate limiting and the client's address as a trusted proxy reports it."""
from __future__ import annotations

import time
from collections import OrderedDict


class RateLimiter:
    """A token bucket per client: `rate` tokens a second up to `burst`; a request takes one.

    At most `max_clients` buckets are kept, the least recently seen dropped first (a dropped
    client starts again with a full bucket)."""

    def __init__(self, rate: float, burst: int, max_clients: int = 100_000) -> None:
        self.rate = rate
        self.burst = float(burst)
        self.max_clients = max_clients
        self._buckets: OrderedDict[str, tuple[float, float]] = OrderedDict()  # client: (tokens, when)

    def wait_for(self, client: str, now: float | None = None) -> float:
        """0 when the request may go ahead (a token is taken), else the seconds until one is there."""
        if self.rate <= 0:
            return 0.0
        now = time.monotonic() if now is None else now
        tokens, when = self._buckets.pop(client, (self.burst, now))
        tokens = min(self.burst, tokens + (now - when) * self.rate)
        wait = 0.0 if tokens >= 1 else (1 - tokens) / self.rate
        self._buckets[client] = (tokens - 1 if wait == 0 else tokens, now)
        if len(self._buckets) > self.max_clients:
            self._buckets.popitem(last=False)
        return wait


def client_address(peer: str, forwarded_for: str | None, trusted_proxies: tuple[str, ...]) -> str:
    """The peer, or when the peer is a proxy the operator trusts, the last address before the
    trusted proxies in X-Forwarded-For (a client can write anything before that)."""
    if not forwarded_for or peer not in trusted_proxies:
        return peer
    hops = [hop.strip() for hop in forwarded_for.split(",") if hop.strip()]
    while hops and hops[-1] in trusted_proxies:
        hops.pop()
    return hops[-1] if hops else peer
