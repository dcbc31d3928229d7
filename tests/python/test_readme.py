"""The README's Python examples run as written: each saved as a script of its own and run by a fresh
interpreter in a scratch folder (so a batch started from a script without a __main__ guard is covered)."""
import os
import re
import subprocess
import sys

import pytest

README = os.path.join(os.path.dirname(__file__), "..", "..", "README.md")
BLOCKS = re.findall(r"```python\n(.*?)```", open(README, encoding="utf-8").read(), re.S)


@pytest.mark.parametrize("block", BLOCKS, ids=[f"example{i}" for i in range(len(BLOCKS))])
def test_readme_example_runs(block, tmp_path):
    script = tmp_path / "example.py"
    script.write_text(block, encoding="utf-8")
    result = subprocess.run([sys.executable, str(script)], cwd=tmp_path, capture_output=True, text=True,
                            env={**os.environ, "PYTHONPATH": os.pathsep.join(sys.path)}, timeout=120)
    assert result.returncode == 0, result.stderr
    assert "[" not in result.stderr  # no draw in the examples fails


def test_readme_has_examples():
    assert len(BLOCKS) >= 6
