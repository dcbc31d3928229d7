"""The command line end to end: files, standard output, exit status, one-line errors."""
import io
import os
import stat
import subprocess
import threading
import sys
import types

import pytest
import zxingcpp
from PIL import Image

from barcode_quor import cli


def run(*args, stdin=b""):
    return subprocess.run([sys.executable, "-m", "barcode_quor", *args], capture_output=True, input=stdin)


def test_file_output_reads_back(tmp_path):
    target = tmp_path / "label.png"
    result = run("ean13", "490123456789", "-o", str(target), "--x-dim-mm", "0.33", "--dpi", "300", "--no-text")
    assert (result.returncode, result.stdout, result.stderr) == (0, b"", b"")
    assert zxingcpp.read_barcodes(Image.open(target))[0].text == "4901234567894"


def test_standard_output_and_format():
    png = run("qr", "stdout", "-o", "-", "--error", "H", "--vers", "5", "--scale", "2")
    assert png.returncode == 0
    image = Image.open(io.BytesIO(png.stdout))
    assert (zxingcpp.read_barcodes(image)[0].text, image.size) == ("stdout", (2 * (37 + 8),) * 2)  # version 5
    svg = run("code39", "ABC", "-o", "-", "--format", "svg", "--no-show-start-stop", "--fg", "navy")
    assert svg.stdout.startswith(b"<?xml") and b'"#000080"' in svg.stdout


def test_appearance_flags_reach_make():
    upright = run("code128", "FLAGS", "-o", "-", "--text", "Shelf 12", "--text-position", "above")
    turned = run("code128", "FLAGS", "-o", "-", "--text", "Shelf 12", "--text-position", "above", "--rotate", "90",
                 "--max-pixels", "100000", "--bar-width-reduction", "0.5")
    width, height = Image.open(io.BytesIO(upright.stdout)).size
    image = Image.open(io.BytesIO(turned.stdout))
    assert (turned.returncode, image.size) == (0, (height, width))
    assert zxingcpp.read_barcodes(image)[0].text == "FLAGS"


@pytest.mark.parametrize("args, name, message", [
    (["code39", "a#b"], "out.png", "character '#' at position 1"),
    (["qr", "x", "--error", "X"], "out.png", "accepted: L, M, Q, H"),
    (["code128", "x", "--mode", "A", "--columns", "3"], "out.png", "code128 has no option 'columns'"),
    (["nosuch", "x"], "out.png", "unknown symbology"),
    (["scale", "X"], "a.png", "SYMBOLOGY: unknown symbology 'scale'"),  # the name is not rewritten as a flag
    (["qr", "x", "--quiet-zone", "1,2"], "out.png", "LEFT,TOP,RIGHT,BOTTOM"),
    (["code128", "x", "--height-mm", "10"], "out.png", "--height-mm: height_mm needs dpi"),  # led by the flag
    (["qr", "x", "--scale", "1000"], "out.png", "--max-pixels: qr: the image would be"),
    (["code128", "x"], "out.gif", "give --format"),
])
def test_errors_are_one_line_and_write_nothing(tmp_path, args, name, message):
    result = run(*args, "-o", str(tmp_path / name))
    assert result.returncode == 1
    lines = result.stderr.decode().splitlines()
    assert len(lines) == 1 and lines[0].startswith("barcode-quor: error: ") and message in lines[0]
    assert list(tmp_path.iterdir()) == [] and result.stdout == b""


@pytest.mark.parametrize("args, stdin, message", [
    (["qr"], b"", "give SYMBOLOGY DATA"),
    (["qr", "x", "--scale", "big"], b"", "invalid int value"),
    (["qr", os.fsdecode(b"\xff")], b"", "DATA is not UTF-8"),  # a lone surrogate once decoded
    (["qr", "-"], b"\xe9t\xe9\n", "standard input is not UTF-8"),
])
def test_usage_errors_exit_2_in_one_line(args, stdin, message):
    result = run(*args, "-o", "-", stdin=stdin)
    assert result.returncode == 2 and result.stdout == b""
    last = result.stderr.decode().splitlines()[-1]  # after argparse's usage lines, if any
    assert last.startswith("barcode-quor: error: ") and message in last


def test_data_from_standard_input_drops_one_newline():
    result = run("qr", "-", "-o", "-", stdin=b"two lines\nhere\n")
    assert zxingcpp.read_barcodes(Image.open(io.BytesIO(result.stdout)))[0].text == "two lines\nhere"


@pytest.mark.parametrize("target", ["fifo", "device", "hard-linked file"])
def test_output_to_existing_targets_writes_through(tmp_path, target):
    """A FIFO or device is written as it is; an existing file keeps its mode and its hard links."""
    path = tmp_path / "target"
    received = []
    if target == "fifo":
        os.mkfifo(path)
        reader = threading.Thread(target=lambda: received.append(path.read_bytes()))
        reader.start()
    elif target == "device":
        path = "/dev/null"
    else:
        path.write_bytes(b"old")
        os.chmod(path, 0o640)
        os.link(path, tmp_path / "other name")
    result = run("qr", "through", "-o", str(path))
    assert result.returncode == 0, result.stderr
    if target == "fifo":
        reader.join(10)
        assert received and received[0].startswith(b"\x89PNG")
    elif target == "hard-linked file":
        info = os.stat(path)
        assert (stat.S_IMODE(info.st_mode), info.st_nlink) == (0o640, 2)
        assert (tmp_path / "other name").read_bytes() == path.read_bytes() != b"old"
        assert sorted(os.listdir(tmp_path)) == ["other name", "target"]


def test_list_and_version():
    listed = run("--list")
    assert listed.returncode == 0
    assert b"ean13 (also jan13)" in listed.stdout and b"--error: error correction level" in listed.stdout
    assert run("--version").stdout.startswith(b"barcode-quor 1.")


def test_batch_goes_to_the_batch_module(monkeypatch, capsys):
    monkeypatch.setitem(sys.modules, "barcode_quor.batch", types.SimpleNamespace(main=lambda argv: len(argv)))
    assert cli.main(["batch", "rows.csv", "-o", "out"]) == 3
    monkeypatch.setitem(sys.modules, "barcode_quor.batch", None)
    assert cli.main(["batch", "rows.csv"]) == 2
    assert "batch command is not part of this installation" in capsys.readouterr().err
