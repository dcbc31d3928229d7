"""Many threads drawing every class, on shared and on separate objects, give the bytes one thread gives."""
import os
import sys
from concurrent.futures import ThreadPoolExecutor

import pytest
from conftest import cases

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from samples import SAMPLES  # noqa: E402

THREADS = 8


def draw(sample, obj, output_format):
    method = sample.draw_bytes if output_format == "png" else sample.draw
    return getattr(obj, method)(*sample.args)


@pytest.mark.parametrize("output_format", ["png", "svg"])
@pytest.mark.parametrize("shared", [False, True], ids=["separate", "shared"])
def test_threads_draw_the_same_bytes(output_format, shared):
    expected = [draw(s, s.make(output_format), output_format) for s in SAMPLES]
    assert all(expected)
    objects = [s.make(output_format) for s in SAMPLES] if shared else None

    def one_round(_):
        return [draw(s, objects[i] if shared else s.make(output_format), output_format)
                for i, s in enumerate(SAMPLES)]

    with ThreadPoolExecutor(THREADS) as pool:
        for result in pool.map(one_round, range(cases(2 * THREADS))):
            assert result == expected
