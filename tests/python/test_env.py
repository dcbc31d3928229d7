"""scripts/env uses the host only when the host has every tool the tests use; else it says what lacks."""
import os
import subprocess

import pytest

ENV = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "env")


def path_without(tmp_path, left_out):
    """A PATH of one folder linking every program on the real PATH but those named in left_out."""
    folder = tmp_path / "bin"
    folder.mkdir()
    for directory in os.environ["PATH"].split(os.pathsep):
        if os.path.isdir(directory):
            for name in os.listdir(directory):
                if not name.startswith(left_out) and not (folder / name).exists():
                    (folder / name).symlink_to(os.path.join(directory, name))
    return str(folder)


@pytest.mark.parametrize("left_out, named", [((), None), (("clang",), "clang++"), (("zint",), "zint")])
def test_host_ready_only_with_every_tool(tmp_path, left_out, named):
    result = subprocess.run(["/bin/bash", ENV, "check"], capture_output=True, text=True, timeout=60,
                            env={**os.environ, "PATH": path_without(tmp_path, left_out)})
    assert result.returncode == (0 if named is None else 1), result.stderr
    if named:
        assert f"missing on this host: {named}" in result.stderr
