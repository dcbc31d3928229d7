"""Helpers shared by the retail symbology tests: check digits worked independently of the library,
and drawing a code in both forms and reading it back."""
import random

from conftest import cases, decode


def gs1_check_digit(digits: str) -> str:
    """Modulo-10 check digit, weights 3, 1, 3, ... from the rightmost digit."""
    total = sum(int(d) * (3 if i % 2 == 0 else 1) for i, d in enumerate(reversed(digits)))
    return str((10 - total % 10) % 10)


def random_digits(rng: random.Random, n: int) -> str:
    return "".join(rng.choice("0123456789") for _ in range(n))


def leading_digit_codes(seed: int, digits: int):
    """(given, expected) pairs of `digits` data digits, the first running through 0-9, given
    alternately with and without the check digit and expected with it."""
    rng = random.Random(seed)
    codes = []
    for i in range(cases(40)):
        data = str(i % 10) + random_digits(rng, digits - 1)
        full = data + gs1_check_digit(data)
        codes.append((data if i % 2 else full, full))
    return codes


def assert_decodes(obj, given: str, expected: str, fmt, rng: random.Random, modules: int):
    """Draws `given` at a random module size and height and reads it back as `expected`."""
    height = rng.randint(40, 220)
    # room for the side margins (at most 2 x 0.16 of the height) so the bars are not cut off
    width = modules * rng.randint(1, 4) + int(0.32 * height) + rng.randint(0, 40)
    png = obj.draw_bytes(given, width, height)
    assert png, (given, width, height)
    result = decode(png, formats=fmt)
    assert result is not None and result.text == expected, (given, width, height, result and result.text)


def decode_many(cls, fmt, codes, modules: int, seed: int):
    """Each (given, expected) pair drawn in the extended and the plain form and decoded."""
    rng = random.Random(seed)
    for extended in (True, False):
        obj = cls()
        obj.set_extended_guard(extended)
        for given, expected in codes:
            assert_decodes(obj, given, expected, fmt, rng, modules)


__all__ = ["cases", "decode_many", "gs1_check_digit", "leading_digit_codes", "random_digits"]
