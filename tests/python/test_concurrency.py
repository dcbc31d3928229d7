"""Threads drawing every sample at once, on shared and on separate objects, give exactly the image
one thread gives: the same SVG bytes, the same PNG chunks and scanlines."""
import os
import sys
import threading
import zlib
from concurrent.futures import ThreadPoolExecutor

import pytest
from conftest import cases

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from samples import SAMPLES  # noqa: E402

# More threads than cores, so that draws are preempted part way.
THREADS = 8


def draw(sample, obj, output_format):
    method = sample.draw_bytes if output_format == "png" else sample.draw
    return getattr(obj, method)(*sample.args)


def image(drawn, output_format):
    """An SVG document as it is; a PNG as its chunks with the IDAT stream inflated: the filtered
    scanlines, every byte the writer chose. ISA-L's level-1 match finder has been seen to pick
    other, equally valid matches for the same rows when the CPU is shared (its SSE and AVX-512
    code, not its C code, on a virtual machine): deflate's choices are the library's, not ours."""
    if output_format != "png":
        return drawn
    chunks, idat, pos = [], b"", 8
    while pos < len(drawn):
        length = int.from_bytes(drawn[pos:pos + 4], "big")
        kind, data = drawn[pos + 4:pos + 8], drawn[pos + 8:pos + 8 + length]
        if kind == b"IDAT":
            idat += data
        else:
            chunks.append((kind, data))
        pos += 12 + length
    return drawn[:8], chunks, zlib.decompress(idat)


@pytest.mark.parametrize("output_format", ["png", "svg"])
@pytest.mark.parametrize("shared", [False, True], ids=["separate", "shared"])
def test_threads_draw_the_same_image(output_format, shared):
    expected = [image(draw(s, s.make(output_format), output_format), output_format) for s in SAMPLES]
    assert all(expected)
    objects = [s.make(output_format) for s in SAMPLES] if shared else None
    rounds = cases(4)
    start = threading.Barrier(THREADS, timeout=60)

    def differing(thread):
        """Every sample `rounds` times, from a sample of its own on, so that the threads draw different
        classes at the same moment: the titles of the draws whose image differs."""
        order = [(i + thread) % len(SAMPLES) for i in range(len(SAMPLES))]
        start.wait()
        found = []
        for r in range(rounds):
            for i in order:
                sample = SAMPLES[i]
                obj = objects[i] if shared else sample.make(output_format)
                if image(draw(sample, obj, output_format), output_format) != expected[i]:
                    found.append(f"thread {thread} round {r}: {sample.title}")
        return found

    with ThreadPoolExecutor(THREADS) as pool:
        found = [d for result in pool.map(differing, range(THREADS)) for d in result]
    assert found == []
