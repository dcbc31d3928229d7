"""Checks of the data each symbology takes, done before the native encoder sees it, so that the
error names the offending character and its position (the native messages do not)."""
from __future__ import annotations

from typing import Callable

from ._errors import DataTooLongError, InvalidDataError

DIGITS = "0123456789"
CODE39 = DIGITS + "ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"
CODE93 = CODE39 + "<>?!"  # the four shift characters, written as these bytes
CODABAR = DIGITS + "-$:/.+"
CODABAR_START_STOP = "ABCD"
JAPAN_POST = DIGITS + "-ABCDEFGHIJKLMNOPQRSTUVWXYZ"
QR_ALPHANUMERIC = DIGITS + "ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:"


def not_empty(symbology: str, data: str) -> None:
    if not data:
        raise InvalidDataError(f"{symbology}: the data is empty")


def first_outside(symbology: str, data: str, allowed: str, what: str, upper: bool = False) -> None:
    """Refuses the first character of data (upper-cased first when upper) that is not in allowed."""
    for position, character in enumerate(data):
        if (character.upper() if upper else character) not in allowed:
            raise InvalidDataError(
                f"{symbology}: character {character!r} at position {position} is not allowed; it takes {what}",
                character=character,
                position=position,
            )


def lengths(symbology: str, data: str, allowed: tuple[int, ...], what: str) -> None:
    if len(data) not in allowed:
        raise InvalidDataError(f"{symbology}: {what}, got {len(data)}")


def code39(data: str) -> None:
    not_empty("code39", data)
    if "*" in data:
        position = data.index("*")
        raise InvalidDataError(
            f"code39: character '*' at position {position} is not allowed: it is the start/stop character",
            character="*",
            position=position,
        )
    first_outside("code39", data, CODE39, "digits, A-Z and - . space $ / + %", upper=True)


def code93(data: str) -> None:
    not_empty("code93", data)
    first_outside("code93", data, CODE93, "digits, A-Z, - . space $ / + % and the shifts < > ? !", upper=True)


def code128(data: str) -> None:
    not_empty("code128", data)
    first_outside("code128", data, "".join(map(chr, range(127))), "ASCII characters 0-126")


def codabar(data: str) -> None:
    """Start/stop characters A-D at both ends or at neither (then C...C is added); data characters between."""
    not_empty("nw7", data)
    upper = data.upper()
    ends = [upper[0] in CODABAR_START_STOP, upper[-1] in CODABAR_START_STOP]
    if ends[0] != ends[1] or (len(data) == 1 and ends[0]):
        raise InvalidDataError("nw7: the start/stop characters A-D go at both ends or at neither")
    body_start = 1 if ends[0] else 0
    body = data[body_start : len(data) - body_start]
    try:
        first_outside("nw7", body, CODABAR, "digits and - $ : / . + (A-D only as start/stop at both ends)")
    except InvalidDataError as error:
        assert error.position is not None
        raise InvalidDataError(
            str(error).replace(f"position {error.position}", f"position {error.position + body_start}"),
            character=error.character,
            position=error.position + body_start,
        ) from None


def digits(symbology: str) -> Callable[[str], None]:
    def check(data: str) -> None:
        not_empty(symbology, data)
        first_outside(symbology, data, DIGITS, "digits only")

    return check


def retail(symbology: str, data_digits: int) -> Callable[[str], None]:
    """EAN/UPC: the data digits, optionally followed by their check digit."""

    def check(data: str) -> None:
        digits(symbology)(data)
        lengths(symbology, data, (data_digits, data_digits + 1),
                f"it takes {data_digits} digits, or {data_digits + 1} with the check digit")

    return check


def upce(data: str) -> None:
    """6 digits (number system 0), 7 (number system 0 or 1 first) or 8 (with the check digit)."""
    digits("upce")(data)
    lengths("upce", data, (6, 7, 8), "it takes 6 digits, 7 with the number system, or 8 with the check digit")
    if len(data) >= 7 and data[0] not in "01":
        raise InvalidDataError("upce: the number system (first of 7 or 8 digits) must be 0 or 1",
                               character=data[0], position=0)


def japan_post(data: str) -> None:
    """Seven-digit postal code then the address number; letters take two of the 20 data positions."""
    not_empty("japanpost", data)
    first_outside("japanpost", data, JAPAN_POST, "digits, A-Z and -", upper=True)
    if len(data) < 7 or not data[:7].isdigit() or not data[:7].isascii():
        raise InvalidDataError("japanpost: the data starts with the seven-digit postal code")
    positions = sum(2 if c.isalpha() else 1 for c in data)
    if positions > 20:
        raise DataTooLongError(
            f"japanpost: the data needs {positions} of the 20 data positions (a letter takes two)", capacity=20
        )


def qr_mode(mode: str) -> Callable[[str], None]:
    """The character checks the QR numeric and alphanumeric modes need (the encoder does none)."""

    def check(data: str) -> None:
        if mode == "numeric":
            first_outside("qr", data, DIGITS, "digits only in numeric mode")
        elif mode == "alphanumeric":
            first_outside("qr", data, QR_ALPHANUMERIC, "0-9, A-Z, space and $ % * + - . / : in alphanumeric mode")

    return check
