"""The README's examples run as written: each Python block saved as a script of its own and run by a
fresh interpreter in a scratch folder (so a batch started from a script without a __main__ guard is
covered), and each shell block (```sh; set-up steps are ```console) run by bash there, with
`barcode-quor` the installed command would be, and `./barcode-quor` and `scripts/env` this checkout's."""
import os
import re
import subprocess
import sys

import pytest

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TEXT = open(os.path.join(TOP, "README.md"), encoding="utf-8").read()
BLOCKS = re.findall(r"```python\n(.*?)```", TEXT, re.S)
SHELL = re.findall(r"```sh\n(.*?)```", TEXT, re.S)


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


@pytest.mark.parametrize("block", SHELL, ids=[f"shell{i}" for i in range(len(SHELL))])
def test_readme_shell_block_runs(block, tmp_path):
    commands = tmp_path / "bin"
    commands.mkdir()
    (commands / "barcode-quor").write_text(f'#!/bin/sh\nexec {sys.executable} -m barcode_quor "$@"\n')
    (commands / "barcode-quor").chmod(0o755)
    script = block.replace("./barcode-quor", f'"{TOP}/barcode-quor"').replace("scripts/env ", f'"{TOP}/scripts/env" ')
    (tmp_path / "example.sh").write_text("set -eu\n" + script, encoding="utf-8")
    env = {**os.environ, "PATH": f"{commands}{os.pathsep}{os.environ['PATH']}",
           "PYTHONPATH": os.pathsep.join(sys.path)}
    result = subprocess.run(["bash", "example.sh"], cwd=tmp_path, capture_output=True, text=True, env=env, timeout=300)
    assert result.returncode == 0, result.stderr
    assert "Traceback" not in result.stderr
