"""A fixed, seeded set of make() calls over every symbology name with random drawing settings, and the
digest of what each one outputs (decoded RGBA pixels for PNG, the document for SVG).

The cases are stored with their digests, so the recording does not depend on the option table or the
examples; run this file to record them again after a deliberate change of the drawing."""
import hashlib
import io
import json
import pathlib
import random
import sys

import numpy as np
from PIL import Image

RECORDING = pathlib.Path(__file__).parent / "data" / "make_hashes.json"


def _settings(rng, linear):
    kwargs = {"scale": rng.choice([1, 2, 3, 5])}
    if rng.random() < 0.3:
        kwargs["quiet_zone"] = rng.choice([0, 3, [1, 2, 3, 4]])
    if rng.random() < 0.3:
        kwargs["rotate"] = rng.choice([90, 180, 270])
    if rng.random() < 0.3:
        kwargs["bar_width_reduction"] = rng.choice([0.25, 0.5])
    if rng.random() < 0.3:
        kwargs["foreground"] = rng.choice(["navy", "#102030", [10, 20, 30, 200]])
    if rng.random() < 0.3:
        kwargs["background"] = rng.choice(["transparent", "#ffeedd"])
    if rng.random() < 0.3:
        kwargs["dpi"] = rng.choice([300, 600])
    if linear:
        if rng.random() < 0.3:
            kwargs["height"] = rng.choice([10, 30, 80])
        if rng.random() < 0.2:
            kwargs["show_text"] = False
        if rng.random() < 0.2:
            kwargs["font"] = rng.choice(["ocr-b", "roboto"])
        if rng.random() < 0.2:
            kwargs["text_position"] = "above"
    return kwargs


def record_cases(symbologies, per_name=4, seed=20261207):
    """(name, data, keyword arguments) for every symbology: its example data with random settings."""
    rng = random.Random(seed)
    return [(s.name, s.example, _settings(rng, s.standard.shape == "linear"))
            for s in symbologies for _ in range(per_name)]


def output_digest(module, case, output_format):
    """The digest of one make() draw, or the error class when it refuses."""
    name, data, kwargs = case
    kwargs = {key: tuple(value) if isinstance(value, list) else value for key, value in kwargs.items()}
    try:
        symbol = module.make(name, data, **kwargs)
        if output_format == "svg":
            return hashlib.sha256(symbol.svg().encode()).hexdigest()
        image = Image.open(io.BytesIO(symbol.png()))
    except module.BarcodeError as error:
        return "error:" + type(error).__name__
    image.load()
    pixels = np.asarray(image.convert("RGBA"))
    return hashlib.sha256(repr(pixels.shape).encode() + pixels.tobytes()).hexdigest()


if __name__ == "__main__":
    import barcode_quor
    from barcode_quor._symbologies import SYMBOLOGIES
    cases = record_cases(SYMBOLOGIES)
    rows = [json.dumps({"case": case, "png": output_digest(barcode_quor, case, "png"),
                        "svg": output_digest(barcode_quor, case, "svg")}) for case in cases]
    RECORDING.write_text("[\n" + ",\n".join(rows) + "\n]\n")
    sys.exit(0)
