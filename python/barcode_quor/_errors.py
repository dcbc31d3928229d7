"""The one error family of the high-level API: every failure it reports is a BarcodeError."""
from __future__ import annotations

import _barcode_quor_native as _native


class BarcodeError(ValueError):
    """Base of every error that :func:`barcode_quor.make` and the symbol object raise."""


class InvalidOptionError(BarcodeError):
    """An option name or value that the symbology does not accept.

    ``option`` is the option's name; ``accepted`` describes the values it takes (empty when the
    name itself is unknown)."""

    def __init__(self, message: str, option: str = "", accepted: str = "") -> None:
        super().__init__(message)
        self.option = option
        self.accepted = accepted


class InvalidDataError(BarcodeError):
    """Data the symbology cannot encode.

    ``character`` and ``position`` (0-based, in the string as given) name the first offending
    character when it is known, else they are None."""

    def __init__(self, message: str, character: str | None = None, position: int | None = None) -> None:
        super().__init__(message)
        self.character = character
        self.position = position


class DataTooLongError(InvalidDataError):
    """Data longer than the symbol can hold; ``capacity`` is the limit (in the unit the message
    names) when it is known, else None."""

    def __init__(self, message: str, capacity: int | None = None) -> None:
        super().__init__(message)
        self.capacity = capacity


# The native encode and render steps raise these, by the kind of fault.
_native._set_error_types(InvalidDataError, DataTooLongError, InvalidOptionError)
