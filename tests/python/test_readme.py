"""The README's Python examples run as written (in a scratch folder, since some write files)."""
import os
import re

import pytest

README = os.path.join(os.path.dirname(__file__), "..", "..", "README.md")
BLOCKS = re.findall(r"```python\n(.*?)```", open(README, encoding="utf-8").read(), re.S)


@pytest.mark.parametrize("block", BLOCKS, ids=[f"example{i}" for i in range(len(BLOCKS))])
def test_readme_example_runs(block, tmp_path, monkeypatch, capfd):
    monkeypatch.chdir(tmp_path)
    exec(compile(block, "README.md", "exec"), {})
    assert "[" not in capfd.readouterr().err  # no draw in the examples fails


def test_readme_has_examples():
    assert len(BLOCKS) >= 6
