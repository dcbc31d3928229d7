"""Side by side with libzint: the same tasks drawn by our module and by libzint's C API (through
ctypes, in this one process), median microseconds per call for the whole job (encode, draw, image
into memory) and the ratio ours / libzint; first make() against the native class, and the cost of
a second format from a made symbol. Then the PNG file sizes per task: the classes' RGBA file, the
same pixels in the smallest exact layout with the mean time of each writer, and libzint's file.
Last the render step's PNG (encode, draw, write) against libzint's of the same symbol at the same
pixels per module, with text and quiet zones: bytes and median µs. Not a test.

    make bench      (or: PYTHONPATH=build/python python3.13 bench/compare.py [seconds per task])
"""
import ctypes
import os
import statistics
import sys
import time

import _barcode_quor_native as native

BUILD = os.path.join(os.path.dirname(native.__file__), "..")


def median_us(fn, seconds):
    return paired_median_us([fn], seconds)[0]


def paired_median_us(fns, seconds):
    """Median µs per call of each function, timed in alternation so that both see the same machine."""
    for fn in fns:
        fn()
    samples = [[] for _ in fns]
    spent = 0.0
    while spent < seconds or len(samples[0]) < 20:
        for fn, own in zip(fns, samples):
            start = time.perf_counter()
            fn()
            elapsed = time.perf_counter() - start
            own.append(elapsed)
            spent += elapsed
    return [statistics.median(own) * 1e6 for own in samples]


def ours(cls, output="png", **settings):
    obj = getattr(native, cls)()
    obj.set_output_format(output)
    for name, value in settings.items():
        getattr(obj, "set_" + name)(value)
    return obj


QR_100 = "https://example.com/" + "0123456789abcdef" * 5
QR_1000 = ("Lorem ipsum dolor sit amet, consectetur adipiscing elit " * 18)[:1000]
DM_50 = "Data Matrix payload 0123456789 ABCDEFGHIJKLMNOPQRS"
PDF_100 = ("PDF417 sample text, 0123456789. " * 4)[:100]
CODE128 = "Code-128 0123456789"

# (zint task index, label, our draw, data for libzint)
TASKS = [
    (0, "Code 128 PNG 300x100, text", lambda o: o.draw_bytes(CODE128, 300, 100), ours("Code128"), CODE128),
    (1, "Code 128 PNG, no text", lambda o: o.draw_bytes(CODE128, 300, 100), ours("Code128", show_text=False), CODE128),
    (2, "JAN-13 PNG 300x100", lambda o: o.draw_bytes("490123456789", 300, 100), ours("Jan13"), "490123456789"),
    (3, "QR 100 bytes PNG 300 px", lambda o: o.draw_bytes(QR_100, 300), ours("QR"), QR_100),
    (4, "QR 1000 bytes PNG 600 px", lambda o: o.draw_bytes(QR_1000, 600), ours("QR"), QR_1000),
    (5, "Data Matrix 50 bytes PNG 200 px", lambda o: o.draw_bytes(DM_50, 200), ours("DataMatrix"), DM_50),
    (6, "PDF417 100 chars PNG height 300", lambda o: o.draw_bytes(PDF_100, 300), ours("PDF417"), PDF_100),
    (7, "Code 128 SVG", lambda o: o.draw(CODE128, 300, 100), ours("Code128", "svg"), CODE128),
]

# make().png() against libzint drawing the same symbol at the same pixels per module, quiet zones
# included: (zint task index, label, symbology, data, make() options).
MICRO_QR_M4 = "MICRO QR M4 0123456789"
RMQR_R13X77 = "rMQR R13x77 sample 0123456789"
MAKE_TASKS = [
    (8, "Micro QR M4 make().png()", "microqr", MICRO_QR_M4, {"version": "M4", "error": "L"}),
    (9, "rMQR R13x77 make().png()", "rmqr", RMQR_R13X77, {"version": "R13x77", "error": "M"}),
    (10, "UPN QR make().png()", "upnqr", "UPNQR\n\n\n\n\nJanez Novak\nDunajska 1\n1000 Ljubljana\nPlačilo", {}),
]

# Large symbols: ours only, for the rate against earlier builds.
LARGE = [
    ("QR version 40 PNG 600 px", lambda o: o.draw_bytes("31415926535897932384626433832795" * 200, 600),
     ours("QR", error_correction_level="L", encode_mode="NUMERIC")),
    ("Data Matrix 144x144 PNG 576 px", lambda o: o.draw_bytes("Data Matrix 0123456789 ÄÖÜ " * 40, 576), ours("DataMatrix")),
    ("Japan Post PNG height 1200", lambda o: o.draw_bytes("10000131-3-2-503", 1200), ours("YubinCustomer")),
]


# make() against the native class drawing the same data at the made symbol's pixel size:
# (symbology, data, class, draw_bytes arguments after the data from the pixel size).
MADE = [("code128", CODE128, "Code128", lambda w, h: (w, h)),
        ("ean13", "490123456789", "Jan13", lambda w, h: (w, h)), ("qr", QR_100, "QR", lambda w, h: (w,)), ("datamatrix", DM_50, "DataMatrix", lambda w, h: (w,)),
        ("pdf417", PDF_100, "PDF417", lambda w, h: (h,))]


# make().png() beside libzint's PNG of the same symbol at the same pixels per module, for the
# symbologies that have no native class: (label, name, data, options, libzint's BARCODE_ number).
AZTEC_100 = ("Aztec Code ticket 0123456789 " * 4)[:100]
MADE_VS_ZINT = [("Aztec 100 bytes", "aztec", AZTEC_100, {}, 92), ("QR 100 bytes", "qr", QR_100, {}, 58)]


def made_vs_zint(zint, seconds):
    import barcode_quor

    zint.zint_symbol_png.argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_int, ctypes.c_int]
    print(f"\n{'make().png() vs libzint, same X':34} {'px/X':>4} {'make µs':>9} {'libzint µs':>11} {'ours/zint':>10}")
    for label, name, data, options, symbology in MADE_VS_ZINT:
        encoded = data.encode()
        for module_pixels in (2, 4):
            assert zint.zint_symbol_png(symbology, encoded, len(encoded), module_pixels) > 0, label
            mine, theirs = paired_median_us(
                [lambda: barcode_quor.make(name, data, scale=module_pixels, **options).png(),
                 lambda: zint.zint_symbol_png(symbology, encoded, len(encoded), module_pixels)], 2 * seconds)
            print(f"{label:34} {module_pixels:4} {mine:9.1f} {theirs:11.1f} {mine / theirs:10.2f}")


def make_tasks(seconds):
    """make().png() against the native class's draw_bytes, and what a second output of a made
    symbol costs: a render only, next to an encode alone and a whole make()."""
    import barcode_quor

    print(f"{'make().png() / draw_bytes':34} {'make µs':>9} {'class µs':>11} {'difference':>10}")
    for name, data, cls, size in MADE:
        native_class = ours(cls)
        arguments = size(*barcode_quor.make(name, data).pixel_size)
        made, drawn = paired_median_us([lambda: barcode_quor.make(name, data).png(),
                                        lambda: native_class.draw_bytes(data, *arguments)], 2 * seconds)
        print(f"{name:34} {made:9.1f} {drawn:11.1f} {made - drawn:10.1f}")
    symbol = barcode_quor.make("code128", CODE128)
    symbol.png()
    rows = [("encode alone", lambda: native.encode("code128", CODE128)),
            ("2nd format: symbol.svg()", symbol.svg),
            ("make(...).svg()", lambda: barcode_quor.make("code128", CODE128).svg())]
    for label, task in rows:
        print(f"{'Code 128 ' + label:34} {median_us(task, seconds):9.1f}")


def main(seconds):
    make_tasks(seconds)
    zint = ctypes.CDLL(os.path.join(BUILD, "libzint_tasks.so"))
    zint.zint_task.argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
    print(f"{'task':34} {'ours µs':>9} {'libzint µs':>11} {'ours/zint':>10}")
    for index, label, draw, obj, data in TASKS:
        encoded = data.encode()
        assert draw(obj), label
        assert zint.zint_task(index, encoded, len(encoded)) > 0, label
        mine, theirs = paired_median_us(
            [lambda: draw(obj), lambda: zint.zint_task(index, encoded, len(encoded))], 2 * seconds)
        print(f"{label:34} {mine:9.1f} {theirs:11.1f} {mine / theirs:10.2f}")
    import barcode_quor
    for index, label, name, data, options in MAKE_TASKS:
        encoded = data.encode()
        assert barcode_quor.make(name, data, **options).png() and zint.zint_task(index, encoded, len(encoded)) > 0, label
        mine, theirs = paired_median_us(
            [lambda: barcode_quor.make(name, data, **options).png(),
             lambda: zint.zint_task(index, encoded, len(encoded))], 2 * seconds)
        print(f"{label:34} {mine:9.1f} {theirs:11.1f} {mine / theirs:10.2f}")
    for label, draw, obj in LARGE:
        assert draw(obj), label
        print(f"{label:34} {median_us(lambda: draw(obj), seconds):9.1f}")
    made_vs_zint(zint, seconds)
    print_png_sizes(zint)
    print_render_step_sizes(zint, seconds)
    print_made_beside_zint(zint, seconds)
    print_postal(zint, seconds)
    print_stacked(zint, seconds)
    print_zpl(seconds)


def print_png_sizes(zint):
    """Bytes of each PNG task's file, and µs of each of our writers on the same pixels."""
    writers = ctypes.CDLL(os.path.join(BUILD, "libpng_encoders.so"))
    writers.png_encode.argtypes = [ctypes.c_char_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                   ctypes.POINTER(ctypes.c_double)]
    print(f"\n{'PNG file bytes':34} {'RGBA':>7} {'µs':>7} {'smallest':>9} {'µs':>7} {'libzint':>8}")
    rows = [(label, draw, obj, index, data) for index, label, draw, obj, data in TASKS if label.find("PNG") >= 0]
    rows += [(label, draw, obj, None, None) for label, draw, obj in LARGE]
    for label, draw, obj, index, data in rows:
        png = draw(obj)
        rgba_us, smallest_us = ctypes.c_double(), ctypes.c_double()
        repeats = max(3, 3_000_000 // len(png))
        rgba = writers.png_encode(png, len(png), 0, repeats, ctypes.byref(rgba_us))
        smallest = writers.png_encode(png, len(png), 1, repeats, ctypes.byref(smallest_us))
        theirs = "" if index is None else zint.zint_task(index, data.encode(), len(data.encode()))
        print(f"{label:34} {rgba:7} {rgba_us.value:7.1f} {smallest:9} {smallest_us.value:7.1f} {theirs:>8}")


# The render step's symbols (make_png in bench/png_encoders.cpp), in its order, with the data for both sides.
RENDER_STEP = [("Code 128", CODE128), ("EAN-13", "490123456789"), ("QR 100 bytes", QR_100),
               ("Data Matrix 50 bytes", DM_50), ("PDF417 100 chars", PDF_100)]


def print_render_step_sizes(zint, seconds):
    """Bytes and median µs of the render step's PNG and libzint's, the same symbol and module size.

    At 1 px/X libzint prints no Code 128 or EAN-13 text (ours stays legible there), so those two are
    also compared without text on either side."""
    writers = ctypes.CDLL(os.path.join(BUILD, "libpng_encoders.so"))
    for lib, name in ((writers, "make_png"), (zint, "zint_png")):
        getattr(lib, name).argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_int, ctypes.c_int, ctypes.c_char_p,
                                       ctypes.c_int]
    print(f"\n{'render step PNG vs libzint':26} {'px/X':>4} {'ours B':>7} {'zint B':>7} {'ours µs':>8} "
          f"{'zint µs':>8} {'B ratio':>8} {'µs ratio':>9}")
    rows = [(index, label, data, module_pixels, True)
            for index, (label, data) in enumerate(RENDER_STEP) for module_pixels in (1, 2, 3, 4, 6, 8)]
    rows += [(index, label + ", no text", data, 1, False) for index, (label, data) in enumerate(RENDER_STEP[:2])]
    for index, label, data, module_pixels, show_text in rows:
        text = data.encode()
        calls = [lambda: writers.make_png(index, text, module_pixels, show_text, None, 0),
                 lambda: zint.zint_png(index, text, module_pixels, show_text, None, 0)]
        mine, theirs = (call() for call in calls)
        mine_us, theirs_us = paired_median_us(calls, seconds / 2)
        print(f"{label:26} {module_pixels:4} {mine:7} {theirs:7} {mine_us:8.1f} {theirs_us:8.1f} "
              f"{mine / theirs:8.2f} {mine_us / theirs_us:9.2f}")


# make().png() of the symbologies drawn on make() only, against libzint's PNG of the same data at the
# same pixels per module: (name, data, zint's symbology number).
MADE_BESIDE_ZINT = [("code39-ascii", "Full ASCII 39", 9), ("pzn", "1234567", 52), ("code32", "12345678", 129),
                    ("pharmacode", "117480", 51), ("pharmacode-two-track", "117480", 53), ("logmars", "LOGMARS-1", 50),
                    ("hibc-128", "A123BJC5D6E71", 98), ("hibc-39", "A123BJC5D6E71", 99),
                    ("hibc-datamatrix", "A123BJC5D6E71", 102), ("hibc-qr", "A123BJC5D6E71", 104),
                    ("hibc-pdf417", "A123BJC5D6E71", 106), ("hibc-micropdf417", "A123BJC5D6E71", 108),
                    ("msi", "1234567", 47), ("plessey", "1234ABCD", 86), ("code11", "123-45", 1),
                    ("telepen", "Telepen 1", 32), ("telepen-numeric", "12345", 87),
                    ("code93-ascii", "Code 93: a~{}", 25), ("ean14", "0950110153000", 72),
                    ("sscc18", "09501101530000001", 75), ("vin", "1M8GDM9AXKP042788", 73),
                    ("industrial2of5", "1234567", 7), ("iata2of5", "1234567", 4), ("datalogic2of5", "1234567", 6),
                    ("dx-film-edge", "77-2/12A", 147), ("flattermarken", "1304", 28)]


def print_made_beside_zint(zint, seconds):
    """Median µs of make(...).png() and of libzint's PNG, 2 pixels a module, each with its text."""
    import barcode_quor

    zint.zint_png_of.argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_int, ctypes.c_int]
    print(f"\n{'make().png() vs libzint, 2 px/X':34} {'ours µs':>9} {'libzint µs':>11} {'ours/zint':>10}")
    for name, data, number in MADE_BESIDE_ZINT:
        text = data.encode()
        assert zint.zint_png_of(number, text, 2, 1) > 0, name
        mine, theirs = paired_median_us([lambda: barcode_quor.make(name, data, scale=2).png(),
                                         lambda: zint.zint_png_of(number, text, 2, 1)], 2 * seconds)
        print(f"{name:34} {mine:9.1f} {theirs:11.1f} {mine / theirs:10.2f}")
# Postal codes in zint_postal_png's order: (our name, data both sides take).
POSTAL = [("imb", "01234567094987654321-01234567891"), ("rm4scc", "BX11LT1A"), ("postnet", "12345678901"),
          ("planet", "4012345235636"), ("kix", "2500GG30250"), ("auspost", "32211324Ab #3"),
          ("auspost-reply", "12345678"), ("auspost-route", "34567890"), ("auspost-redirect", "98765432"),
          ("cepnet", "01311000"), ("daft", "FADTTDAFFADT"), ("fim", "A"), ("leitcode", "2134807501640"),
          ("identcode", "56310243031"), ("upu-s10", "EE876543216CA"), ("dpd", "%000393206219912345678101040")]


def print_postal(zint, seconds):
    """make().png() of each postal code against libzint's PNG, same pixels per module, quiet zones on."""
    import barcode_quor

    zint.zint_postal_png.argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
    print(f"\n{'postal make().png() vs libzint':30} {'px/X':>4} {'ours µs':>8} {'zint µs':>8} {'µs ratio':>9}")
    for index, (name, data) in enumerate(POSTAL):
        text = data.encode()
        for module_pixels in (2, 4, 8):
            assert zint.zint_postal_png(index, text, module_pixels) > 0, name
            calls = [lambda: barcode_quor.make(name, data, scale=module_pixels).png(),
                     lambda: zint.zint_postal_png(index, text, module_pixels)]
            mine, theirs = paired_median_us(calls, seconds / 2)
            print(f"{name:30} {module_pixels:4} {mine:8.1f} {theirs:8.1f} {mine / theirs:9.2f}")


# Stacked codes in zint_stacked_png's order: (our name, data both sides take).
STACKED = [("codablock-f", "Codablock-F 40 characters: ABCDEF 012345"), ("code16k", "Code 16K 0123456789")]


def print_stacked(zint, seconds):
    """make().png() of each stacked code against libzint's PNG, same pixels per module, quiet zones on."""
    import barcode_quor

    zint.zint_stacked_png.argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
    print(f"\n{'stacked make().png() vs libzint':30} {'px/X':>4} {'ours µs':>8} {'zint µs':>8} {'µs ratio':>9}")
    for index, (name, data) in enumerate(STACKED):
        text = data.encode()
        for module_pixels in (2, 4, 8):
            assert zint.zint_stacked_png(index, text, module_pixels) > 0, name
            calls = [lambda: barcode_quor.make(name, data, scale=module_pixels).png(),
                     lambda: zint.zint_stacked_png(index, text, module_pixels)]
            mine, theirs = paired_median_us(calls, seconds / 2)
            print(f"{name:30} {module_pixels:4} {mine:8.1f} {theirs:8.1f} {mine / theirs:9.2f}")


# Label printer output: (label, symbology, data, printer dpi).
ZPL = [("EAN-13", "ean13", "490123456789", 203), ("GS1-128 SSCC", "gs1-128", "(00)106141411234567897", 300),
       ("QR 100 bytes", "qr", QR_100, 203), ("Data Matrix 50 bytes", "datamatrix", DM_50, 600)]


def print_zpl(seconds):
    """ZPL labels (make(..., printer_dpi=N).zpl()): bytes against the plain hex of the same dots, and
    µs against png() of the same symbol. zint writes no ZPL."""
    import barcode_quor

    print(f"\n{'ZPL label':24} {'dpi':>4} {'dots':>9} {'hex B':>7} {'ZPL B':>6} {'zpl µs':>7} {'png µs':>7}")
    for label, name, data, dpi in ZPL:
        symbol = barcode_quor.make(name, data, printer_dpi=dpi)
        width, height = symbol.pixel_size
        zpl_us, png_us = paired_median_us([symbol.zpl, symbol.png], seconds / 2)
        print(f"{label:24} {dpi:4} {f'{width}x{height}':>9} {2 * (width + 7) // 8 * height:7} {len(symbol.zpl()):6} "
              f"{zpl_us:7.1f} {png_us:7.1f}")


if __name__ == "__main__":
    main(float(sys.argv[1]) if len(sys.argv) > 1 else 0.5)
