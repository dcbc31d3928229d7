"""Barcode generation: linear, retail, GS1 DataBar, postal and 2D symbologies drawn as PNG, data URI or SVG."""
import os as _os

import _barcode_quor_native as _native
from _barcode_quor_native import *  # noqa: F401,F403

_native._set_module_path(_os.path.dirname(_os.path.abspath(__file__)))

__all__ = [name for name in dir(_native) if not name.startswith("_")]
