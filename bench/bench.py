"""Draw rates of every sample symbol: PNG with and without text, data URI and SVG, with bytes per draw,
plus the time to PNG-encode an already drawn canvas as a floor. Not a test.

    make bench            (or: PYTHONPATH=build/python python3.13 bench/bench.py [seconds per case])
"""
import os
import subprocess
import sys
import time

import _barcode_quor_native

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
from samples import SAMPLES  # noqa: E402


def rate(fn, seconds):
    n, start = 0, time.perf_counter()
    result = fn()
    while True:
        result = fn()
        n += 1
        elapsed = time.perf_counter() - start
        if elapsed >= seconds:
            return n / elapsed, len(result)


def cases(s):
    png = s.make("png")
    yield "png", lambda: getattr(png, s.draw_bytes)(*s.args)
    if hasattr(png, "set_show_text"):
        bare = s.make("png")
        bare.set_show_text(False)
        yield "png, no text", lambda: getattr(bare, s.draw_bytes)(*s.args)
    uri = s.make("png")
    yield "data URI", lambda: getattr(uri, s.draw)(*s.args)
    svg = s.make("svg")
    yield "svg", lambda: getattr(svg, s.draw)(*s.args)


def main(seconds):
    print(f"{'symbol':32} {'output':14} {'draws/s':>10} {'bytes/draw':>11}")
    for s in SAMPLES:
        for label, fn in cases(s):
            per_second, size = rate(fn, seconds)
            print(f"{s.title:32} {label:14} {per_second:10.0f} {size:11d}")
    # Built next to the module's folder by CMake: PNG encoding of a drawn canvas, no drawing.
    floor = os.path.join(os.path.dirname(_barcode_quor_native.__file__), "..", "bench_encode_floor")
    if os.path.exists(floor):
        subprocess.run([floor], check=True)


if __name__ == "__main__":
    main(float(sys.argv[1]) if len(sys.argv) > 1 else 0.5)
