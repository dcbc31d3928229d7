"""The printer fit advisor and make(printer_dpi=...): whole dots inside the GS1 tables' X ranges."""
import subprocess
import sys

import pytest

import barcode_quor as bq
from barcode_quor import InvalidOptionError
from conftest import decode

# (symbology, application, dpi): the legal dots, the best one, the minimum bar height in dots.
# Worked by hand: dots from ceil(X min * dpi / 25.4) to floor(X max * dpi / 25.4), the best the
# nearest to the nominal X; heights are 22.85/0.330 X for EAN-13, 31.75 mm for GS1-128/ITF-14.
ROWS = [
    ("ean13", None, 203, (3, 4, 5), 3, 208),  # 3 dots = 0.375 mm is legal at 203 dpi
    ("ean13", None, 300, (4, 5, 6, 7), 4, 277),
    ("ean13", None, 600, tuple(range(7, 16)), 8, 554),
    ("gs1-128", None, 203, (4, 5, 6, 7, 8), 4, 254),
    ("gs1-128", None, 300, tuple(range(6, 13)), 6, 375),
    ("gs1-128", None, 600, tuple(range(12, 25)), 12, 750),
    ("gs1-128", "logistics", 203, (4, 5, 6, 7), 4, 254),
    ("gs1-128", "logistics", 600, tuple(range(12, 23)), 12, 750),
    ("itf14", None, 300, tuple(range(6, 13)), 6, 375),
    ("isbn", None, 203, (3, 4, 5), 3, 208),  # an EAN-13 symbol
    ("ean13", "general-distribution", 203, (4, 5), 5, 347),
    ("ean13", "general-distribution", 600, tuple(range(12, 16)), 15, 1039),
    ("gs1-datamatrix", None, 203, (4, 5, 6, 7), 4, None),
    ("gs1-datamatrix", None, 300, tuple(range(5, 12)), 6, None),
    ("gs1-qr", None, 600, tuple(range(10, 24)), 12, None),
]


@pytest.mark.parametrize("symbology, application, dpi, legal, best, height", ROWS)
def test_advisor_against_the_tables(symbology, application, dpi, legal, best, height):
    advice = bq.fit(symbology, dpi=dpi, application=application)
    assert tuple(dots for dots, _ in advice.sizes) == legal
    assert (advice.dots, advice.min_bar_height_dots) == (best, height)
    assert advice.x_dim_mm == pytest.approx(best * 25.4 / dpi, abs=1e-4)
    low, _, high = advice.x_range_mm
    assert all(low - 0.0005 <= mm <= high + 0.0005 for _, mm in advice.sizes)


def test_quiet_zones_and_reduction_in_dots():
    advice = bq.fit("ean13", dpi=203)
    assert advice.quiet_zone_dots[0] == 11 * 3 and advice.quiet_zone_dots[2] == 7 * 3
    assert advice.bar_width_reduction_dots == {"thermal": 0, "inkjet": 0, "laser": 0}
    assert bq.fit("ean13", dpi=600).bar_width_reduction_dots == {"thermal": 0, "inkjet": 1, "laser": 0}


def test_asked_x_and_impossible_dpi():
    assert bq.fit("ean13", dpi=300, x_dim_mm=0.5).dots == 6  # 0.508 mm, the nearest to 0.5
    assert bq.fit("code128", dpi=203, x_dim_mm=0.25).dots == 2  # no table: the dots around the X asked
    impossible = bq.fit("ean13", dpi=60, application="general-distribution")
    assert (impossible.dots, impossible.sizes, impossible.nearest_dpi) == (None, (), 51)  # 1 dot = 0.498 mm
    assert "nearest dpi that works: 51" in str(impossible)


@pytest.mark.parametrize("call, option", [
    (lambda: bq.fit("ean13", dpi=203, x_dim_mm=0.2), "x_dim_mm"),
    (lambda: bq.fit("code128", dpi=203), "x_dim_mm"),
    (lambda: bq.fit("ean13", dpi=203, application="logistics"), "application"),
    (lambda: bq.fit("ean13", dpi=203, application="nowhere"), "application"),
    (lambda: bq.fit("ean13", dpi=0), "dpi"),
    (lambda: bq.make("ean13", "400638133393", printer_dpi=203, scale=2), "scale"),
    (lambda: bq.make("gs1-128", "(01)09501101530003", printer_dpi=20), "printer_dpi"),
    (lambda: bq.make("ean13", "400638133393", printer_dpi=0), "printer_dpi"),
])
def test_refusals_name_the_option(call, option):
    with pytest.raises(InvalidOptionError) as raised:
        call()
    assert raised.value.option == option


def test_make_prints_whole_dots_and_the_minimum_height():
    ean = bq.make("ean13", "400638133393", printer_dpi=203)
    assert (ean.scale, ean.dpi, ean.x_dim_mm) == (3, 203, pytest.approx(0.3754, abs=1e-4))
    assert decode(ean.png()).text == "4006381333931"
    label = bq.make("gs1-128", "(00)106141411234567897", printer_dpi=203)
    assert label.scale == 4 and label.row_heights[0] * 4 >= 254  # 31.75 mm at 203 dpi


def test_fit_command():
    run = [sys.executable, "-m", "barcode_quor", "fit"]
    good = subprocess.run([*run, "ean13", "--dpi", "203"], capture_output=True, text=True)
    assert good.returncode == 0 and "best: 3 dots = 0.375 mm" in good.stdout
    bad = subprocess.run([*run, "ean13", "--dpi", "60", "--application", "general-distribution"],
                         capture_output=True, text=True)
    assert bad.returncode == 1 and "impossible at 60 dpi" in bad.stdout
