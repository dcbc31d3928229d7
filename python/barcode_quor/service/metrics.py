"""The service's counters in the Prometheus text format (one process's own: each worker reports its
requests; a scraper sums them)."""
from __future__ import annotations

import bisect
import threading
from collections import Counter

DRAW_SECONDS_BUCKETS = (0.0001, 0.00025, 0.0005, 0.001, 0.0025, 0.005, 0.01, 0.025, 0.05, 0.1, 0.25, 1.0)


class Metrics:
    def __init__(self) -> None:
        self._lock = threading.Lock()
        self.requests: Counter[tuple[str, int]] = Counter()  # (route, status)
        self.errors: Counter[str] = Counter()  # by kind
        self._draw_counts = [0] * (len(DRAW_SECONDS_BUCKETS) + 1)
        self._draw_sum = 0.0

    def request(self, route: str, status: int) -> None:
        with self._lock:
            self.requests[(route, status)] += 1

    def error(self, kind: str) -> None:
        with self._lock:
            self.errors[kind] += 1

    def draw(self, seconds: float) -> None:
        with self._lock:
            self._draw_counts[bisect.bisect_left(DRAW_SECONDS_BUCKETS, seconds)] += 1
            self._draw_sum += seconds

    def text(self) -> str:
        with self._lock:
            lines = ["# HELP barcode_quor_requests_total Requests answered, by route and status.",
                     "# TYPE barcode_quor_requests_total counter"]
            lines += [f'barcode_quor_requests_total{{route="{route}",status="{status}"}} {count}'
                      for (route, status), count in sorted(self.requests.items())]
            lines += ["# HELP barcode_quor_errors_total Requests refused, by the kind of fault.",
                      "# TYPE barcode_quor_errors_total counter"]
            lines += [f'barcode_quor_errors_total{{kind="{kind}"}} {count}' for kind, count in sorted(self.errors.items())]
            lines += ["# HELP barcode_quor_draw_seconds Time to make and draw one symbol.",
                      "# TYPE barcode_quor_draw_seconds histogram"]
            total = 0
            for bound, count in zip((*DRAW_SECONDS_BUCKETS, float("inf")), self._draw_counts):
                total += count
                le = "+Inf" if bound == float("inf") else repr(bound)
                lines.append(f'barcode_quor_draw_seconds_bucket{{le="{le}"}} {total}')
            lines += [f"barcode_quor_draw_seconds_sum {self._draw_sum}", f"barcode_quor_draw_seconds_count {total}"]
        return "\n".join(lines) + "\n"
