"""Draw rates with one thread and with one thread per core (separate objects per thread): draws
release the interpreter lock, so the rate should grow with the cores. Not a test.

    make bench      (or: PYTHONPATH=build/python python3.13 bench/threads.py [seconds])
"""
import os
import sys
import threading
import time

import _barcode_quor_native as native

JOBS = [
    ("QR PNG 300 px", "png", lambda: native.QR(), lambda o: o.draw_bytes("https://example.com/qr?id=0123456789", 300)),
    ("Code 128 PNG 300x100", "png", lambda: native.Code128(), lambda o: o.draw_bytes("Code-128 0123456789", 300, 100)),
    ("QR SVG", "svg", lambda: native.QR(), lambda o: o.draw("https://example.com/qr?id=0123456789", 300)),
    ("Code 128 SVG", "svg", lambda: native.Code128(), lambda o: o.draw("Code-128 0123456789", 300, 100)),
]


def rate(threads, make, draw, output, seconds):
    counts = [0] * threads
    stop = time.perf_counter() + seconds

    def work(i):
        obj = make()
        obj.set_output_format(output)
        while time.perf_counter() < stop:
            draw(obj)
            counts[i] += 1

    pool = [threading.Thread(target=work, args=(i,)) for i in range(threads)]
    for t in pool:
        t.start()
    for t in pool:
        t.join()
    return sum(counts) / seconds


def main(seconds):
    cores = os.cpu_count() or 1
    print(f"{'job':24} {'1 thread/s':>11} {f'{cores} threads/s':>12} {'speed-up':>9}")
    for label, output, make, draw in JOBS:
        one = rate(1, make, draw, output, seconds)
        many = rate(cores, make, draw, output, seconds)
        print(f"{label:24} {one:11.0f} {many:12.0f} {many / one:9.2f}")


if __name__ == "__main__":
    main(float(sys.argv[1]) if len(sys.argv) > 1 else 1.0)
