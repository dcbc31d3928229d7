"""Barcode generation: linear, retail, GS1 DataBar, postal and 2D symbologies drawn as PNG, JPEG or SVG.

The high-level API is :func:`make` (a symbol with quiet zone and physical size, validated at once)
and :func:`symbologies`; errors are :class:`BarcodeError` and its subclasses. The native classes
(``Code39``, ``QR``, ...) are re-exported unchanged."""
import os as _os

import _barcode_quor_native as _native
from _barcode_quor_native import *  # noqa: F401,F403

from ._fit import Fit, fit
from ._errors import BarcodeError, DataTooLongError, InvalidDataError, InvalidOptionError
from ._listing import OptionInfo, SymbologyInfo, symbologies
from ._symbol import Symbol, make

_native._set_module_path(_os.path.dirname(_os.path.abspath(__file__)))

__version__: str = _native.ProductInfo.get_version()

__all__ = [
    "BarcodeError",
    "DataTooLongError",
    "Fit",
    "InvalidDataError",
    "InvalidOptionError",
    "OptionInfo",
    "Symbol",
    "SymbologyInfo",
    "fit",
    "make",
    "symbologies",
    *(name for name in dir(_native) if not name.startswith("_")),
]
