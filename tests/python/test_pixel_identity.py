"""Raster output keeps its pixels and SVG output its documents across changes to the drawing code.

The digests were recorded from the SDL renderer and libpng encoder that drew before the direct
pixel painter and the igzip encoder replaced them (the decoded pixels of all 400 draws agreed);
the SVG digests include the two geometry mends of that change (whole-pixel EAN/UPC margins,
PDF417 modules at their true width), and both include the GS1 DataBar mends made since (stacked
separators, whole AIs in the text). make() is guarded the same way over every symbology name, by
cases stored with their digests (make_cases.py records them)."""
import json
import pathlib

import pytest

import barcode_quor
from conftest import SANITIZED
from draw_cases import draw_cases, output_digest
import make_cases

RECORDED = json.loads((pathlib.Path(__file__).parent / "data" / "pixel_hashes.json").read_text())
CASES = draw_cases()
STEP = 10 if SANITIZED else 1
MAKE_RECORDED = json.loads(make_cases.RECORDING.read_text())


@pytest.mark.parametrize("output", ["png", "svg"])
def test_outputs_match_recorded_digests(output):
    changed = [
        (i, CASES[i][0]) for i in range(0, len(CASES), STEP)
        if output_digest(barcode_quor, CASES[i], output) != RECORDED[output][i]
    ]
    assert changed == []


@pytest.mark.parametrize("output", ["png", "svg"])
def test_make_outputs_match_recorded_digests(output):
    changed = [
        row["case"] for row in MAKE_RECORDED[::STEP]
        if make_cases.output_digest(barcode_quor, row["case"], output) != row[output]
    ]
    assert changed == []
