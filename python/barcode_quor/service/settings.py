"""What an operator sets for the service; every limit a request is held to."""
from __future__ import annotations

import json
import os
from dataclasses import asdict, dataclass, field

ENVIRONMENT_VARIABLE = "BARCODE_QUOR_SERVICE"


@dataclass(frozen=True)
class ServiceSettings:
    max_data: int = 4096  # characters of one symbol's data
    max_pixels: int = 16_000_000  # width x height of one image
    max_batch_rows: int = 10_000
    max_body: int = 8 << 20  # bytes of a batch request
    timeout: float = 10.0  # seconds for one request: its headers, its body and its drawing
    rate: float = 100.0  # requests a second each client may make on average (0: no limit)
    burst: int = 200  # requests a client may make at once
    trusted_proxies: tuple[str, ...] = ()  # addresses whose X-Forwarded-For names the client
    font_dir: str | None = None  # font= files allowed from this folder only; None: built-in faces only
    cors_origins: tuple[str, ...] = ()  # origins allowed to call the API from a page; none by default
    max_age: int = 86400  # seconds a client or cache may keep an image
    draw_threads: int = field(default_factory=lambda: max(2, os.cpu_count() or 2))

    def to_environment(self) -> str:
        return json.dumps(asdict(self))

    @classmethod
    def from_environment(cls) -> ServiceSettings:
        """The settings `barcode-quor serve` hands to its worker processes, or the defaults."""
        text = os.environ.get(ENVIRONMENT_VARIABLE)
        if not text:
            return cls()
        values = json.loads(text)
        for name in ("trusted_proxies", "cors_origins"):
            values[name] = tuple(values.get(name, ()))
        return cls(**values)
