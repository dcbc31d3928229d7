"""A fixed, seeded set of draws over every class with random settings, and what each one outputs.

The raster output is compared by its decoded pixels, so the PNG encoder may change while the image
may not; SVG documents are compared byte for byte."""
import hashlib
import io
import random

import numpy as np
from PIL import Image

LINEAR_DATA = {
    "Code39": ["HELLO-39", "ABC 123", "CODE39$/+%", "x"],
    "Code93": ["CODE-93 TEST", "abc<>?!", "12345"],
    "Code128": ["Code-128 0123456789", "12345678", "A\x01B", "hello world"],
    "GS1_128": ["{FNC1}0104912345123459{AI}17251231{AI}10ABC123", "{FNC1}0195012345678903{AI}3103000123"],
    "NW7": ["A40156B", "123456", "C12-34$D"],
    "ITF": ["1234567890", "12345", "0"],
    "Matrix2of5": ["1234567", "0"],
    "NEC2of5": ["1234567", "98"],
    "Jan13": ["490123456789", "4901234567894"],
    "Jan8": ["4901234", "49012347"],
    "UPC_A": ["03600029145", "036000291452"],
    "UPC_E": ["0123456", "1123456", "01234565"],
    "GS1DataBar14": ["0950110153001", "1", "2001234567890"],
    "GS1DataBarLimited": ["1501234567890", "0000000000000"],
    "GS1DataBarExpanded": ["0190012345678908{AI}3103001750", "0100012345678905{AI}17251231{AI}10LOT-42[{AI}21abc/123"],
}
MATRIX_DATA = ["https://example.com/qr?id=0123456789", "HELLO WORLD 2024", "31415926535897932384", "Data Matrix ÄÖÜ 0123"]


def _colour(rng):
    return [rng.randrange(256) for _ in range(3)] + [rng.choice([255, 255, 128, 0, rng.randrange(256)])]


def _colours(rng):
    setup = []
    for setter in ("set_foreground_color", "set_background_color"):
        if rng.random() < 0.3:
            setup.append((setter, _colour(rng)))
    return setup


def _linear_setup(rng, cls):
    setup = _colours(rng)
    if rng.random() < 0.3:
        setup.append(("set_px_adjust_black", [rng.randint(-3, 3)]))
    if rng.random() < 0.3:
        setup.append(("set_px_adjust_white", [rng.randint(-3, 3)]))
    if cls == "YubinCustomer":
        return setup
    if rng.random() < 0.3:
        setup.append(("set_fit_width", [rng.random() < 0.5]))
    if rng.random() < 0.2:
        setup.append(("set_show_text", [False]))
    if rng.random() < 0.3:
        setup.append(("set_text_font_scale", [rng.choice([0.5, 0.8, 1.2, 1.5])]))
    if rng.random() < 0.2:
        setup.append(("set_text_gap", [rng.choice([0.5, 2.0])]))
    if rng.random() < 0.3:
        setup.append(("set_text_even_spacing", [False]))
    if cls in ("Code39", "NW7") and rng.random() < 0.5:
        setup.append(("set_show_start_stop", [False]))
    if cls == "Code128" and rng.random() < 0.4:
        setup.append(("set_code_mode", [rng.choice(["AUTO", "B", "C"])]))
    if cls in ("Jan13", "Jan8", "UPC_A", "UPC_E") and rng.random() < 0.4:
        setup.append(("set_extended_guard", [False]))
    if cls == "GS1DataBar14":
        setup.append(("set_symbol_type", [rng.choice(["OMNIDIRECTIONAL", "STACKED", "STACKED_OMNIDIRECTIONAL"])]))
    if cls == "GS1DataBarExpanded" and rng.random() < 0.5:
        setup.append(("set_symbol_type", ["STACKED"]))
        setup.append(("set_no_of_columns", [rng.randint(1, 4)]))
    return setup


def _matrix_setup(rng, cls):
    setup = _colours(rng)
    if rng.random() < 0.3:
        setup.append(("set_fit_width", [rng.random() < 0.5]))
    if cls == "QR":
        setup.append(("set_error_correction_level", [rng.choice("LMQH")]))
    if cls == "DataMatrix" and rng.random() < 0.3:
        setup.append(("set_encode_scheme", [rng.choice(["AUTO", "ASCII", "C40", "BASE256"])]))
    if cls == "PDF417":
        if rng.random() < 0.5:
            setup.append(("set_columns", [rng.randint(1, 8)]))
        if rng.random() < 0.3:
            setup.append(("set_error_level", [rng.randint(0, 5)]))
        if rng.random() < 0.3:
            setup.append(("set_y_height", [rng.randint(1, 5)]))
    return setup


def draw_cases(count_per_class=20, seed=20261207):
    """(class name, setup calls, draw method, draw arguments), the same list on every run."""
    rng = random.Random(seed)
    cases = []
    for cls, pool in LINEAR_DATA.items():
        for _ in range(count_per_class):
            args = [rng.choice(pool), rng.randint(40, 700), rng.randint(20, 260)]
            cases.append((cls, _linear_setup(rng, cls), "draw_bytes", args))
    for _ in range(count_per_class):
        cases.append(("GS1_128", _linear_setup(rng, "GS1_128"), "draw_convenience_bytes",
                      ["9191234500000000000000000000000000000000000", rng.randint(200, 900), rng.randint(60, 260)]))
        cases.append(("YubinCustomer", _linear_setup(rng, "YubinCustomer"), "draw_bytes",
                      [rng.choice(["10000131-3-2-503", "0200014B1-2-3", "15400231-5"]), rng.randint(8, 90)]))
    for cls in ("QR", "DataMatrix", "PDF417"):
        for _ in range(count_per_class):
            data = rng.choice(MATRIX_DATA)
            if rng.random() < 0.5:
                cases.append((cls, _matrix_setup(rng, cls), "draw_bytes", [data, rng.randint(40, 600)]))
            else:
                cases.append((cls, _matrix_setup(rng, cls), "draw_rect", [data, rng.randint(40, 600), rng.randint(40, 600)]))
    return cases


def output_digest(module, case, output_format):
    """The digest of one draw: of the decoded RGBA pixels and size for raster, of the text for SVG."""
    cls, setup, method, args = case
    obj = getattr(module, cls)()
    obj.set_output_format(output_format)
    for name, call_args in setup:
        getattr(obj, name)(*call_args)
    if output_format == "svg":
        method = {"draw_bytes": "draw", "draw_convenience_bytes": "draw_convenience"}.get(method, method)
        return hashlib.sha256(getattr(obj, method)(*args).encode()).hexdigest()
    if method == "draw_rect":  # the string form: a data URI
        import base64
        uri = obj.draw_rect(*args)
        data = base64.b64decode(uri.split(",", 1)[1]) if uri.startswith("data:") else b""
    else:
        data = getattr(obj, method)(*args)
    if not data:
        return "empty"
    image = Image.open(io.BytesIO(data))
    image.load()
    pixels = np.asarray(image.convert("RGBA"))
    return hashlib.sha256(repr(pixels.shape).encode() + pixels.tobytes()).hexdigest()
