"""An HTTP service that draws symbols: `barcode-quor serve`, or `create_app()` mounted in any ASGI
server. GET /<symbology>?data=...&<make() option>=...&format=png|svg|jpeg answers the image."""
from .app import create_app
from .settings import ServiceSettings

__all__ = ["ServiceSettings", "create_app"]
