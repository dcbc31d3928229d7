"""The command line end to end: files, standard output, exit status, one-line errors."""
import io
import subprocess
import sys
import types

import pytest
import zxingcpp
from PIL import Image

from barcode_quor import cli


def run(*args):
    return subprocess.run([sys.executable, "-m", "barcode_quor", *args], capture_output=True)


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


@pytest.mark.parametrize("args, message", [
    (["code39", "a#b"], "character '#' at position 1"),
    (["qr", "x", "--error", "X"], "accepted: L, M, Q, H"),
    (["code128", "x", "--mode", "A", "--columns", "3"], "code128 has no option 'columns'"),
    (["nosuch", "x"], "unknown symbology"),
    (["qr", "x", "--quiet-zone", "1,2"], "LEFT,TOP,RIGHT,BOTTOM"),
])
def test_errors_are_one_line_and_write_nothing(tmp_path, args, message):
    target = tmp_path / "out.png"
    result = run(*args, "-o", str(target))
    assert result.returncode == 1
    lines = result.stderr.decode().splitlines()
    assert len(lines) == 1 and lines[0].startswith("barcode-quor: error: ") and message in lines[0]
    assert list(tmp_path.iterdir()) == [] and result.stdout == b""


def test_usage_errors_exit_2():
    assert run("qr").returncode == 2
    assert run("qr", "x", "--scale", "big", "-o", "-").returncode == 2


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
