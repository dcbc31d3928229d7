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


def run(*args, stdin=b"", cwd=None, closed_stdin=False):
    return subprocess.run([sys.executable, "-m", "barcode_quor", *args], capture_output=True, cwd=cwd,
                          input=None if closed_stdin else stdin, preexec_fn=(lambda: os.close(0)) if closed_stdin else None)


def test_file_output_reads_back(tmp_path):
    target = tmp_path / "label.png"
    result = run("ean13", "490123456789", "-o", str(target), "--x-dim-mm", "0.338", "--dpi", "300", "--no-text")
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


# Every command-line case with its exit status and a fragment of its one line on standard error:
# 0 draws (the note, if any), 1 refuses the data or an option, 2 is a usage error.
CASES = [
    (["code39", "a#b", "-o", "out.png"], 1, "character '#' at position 1"),
    (["qr", "x", "--error", "X", "-o", "out.png"], 1, "accepted: L, M, Q, H"),
    (["code128", "x", "--mode", "A", "--columns", "3", "-o", "out.png"], 1, "code128 has no option 'columns'"),
    (["nosuch", "x", "-o", "out.png"], 1, "unknown symbology"),
    (["scale", "X", "-o", "a.png"], 1, "SYMBOLOGY: unknown symbology 'scale'"),  # the name is not rewritten as a flag
    (["ean-13", "490123456789"], 1, "unknown symbology 'ean-13'; did you mean 'ean13'?"),
    (["qrcode", "x"], 1, "did you mean 'qr'?"),
    (["itf-14", "1540014128876"], 1, "did you mean 'itf14'?"),
    (["ean13", "4901234567890"], 1, "ean13: check digit '0' is wrong: expected '4'"),
    (["qr", "x", "--quiet-zone", "1,2", "-o", "out.png"], 1, "LEFT,TOP,RIGHT,BOTTOM"),
    (["code128", "x", "--height-mm", "10", "-o", "out.png"], 1, "--height-mm: height_mm needs dpi"),  # led by the flag
    (["qr", "x", "--scale", "1000", "-o", "out.png"], 1, "--max-pixels: qr: the image would be"),
    (["code128", "x", "-o", "out.gif"], 1, "give --format"),
    (["code128", "x", "--height", "0.1", "--no-text"], 1, "code128: height gives bars 0.1 modules high"),
    (["ean13", "490123456789", "--scale", "400"], 1, "ean13: text of 4236.6"),
    (["code128", "x", "--fg", "#12345"], 1, "--fg: invalid foreground: '#12345'"),
    (["qr", "--digital-link", "(01)09501101530003", "--domain", "https://a.example?x=1"], 1,
     "--domain: qr: the domain holds a character a URI prefix cannot"),
    (["datamatrix", "--digital-link", "(01)09501101530004"], 1, "datamatrix: digital_link: "),
    (["qr", "x", "--scael", "3"], 2, "--scael: did you mean --scale?"),
    (["qr", "x", "--border", "4"], 2, "--border: did you mean --quiet-zone?"),
    (["code128", "x", "--notext"], 2, "--notext: did you mean --no-text?"),
    (["qr"], 2, "give SYMBOLOGY DATA"),
    (["qr", "x", "--scale", "big"], 2, "invalid int value"),
    (["qr", os.fsdecode(b"\xff"), "-o", "a.png"], 1, "lone surrogate"),  # bytes other than UTF-8, once decoded
    (["qr", "-", "-o", "-"], 2, "standard input is not UTF-8"),
    (["qr", "-", "-o", "out.png", "<&-"], 2, "standard input is closed"),
    (["qr", "hello"], 0, "wrote qr.png (116 x 116 pixels)"),
    (["code128", "x", "--format", "svg", "--x-dim-mm", "0.25"], 0, "wrote code128.svg (16.5 x 13.6 mm)"),
    (["ean13", "490123456789", "--x-dim-mm", "0.33", "--dpi", "200", "-o", "e.png"], 0,
     "is 3 pixels a module: X = 0.381 mm (+15.5%); 339 x 236 pixels, 43.1 x 30.0 mm"),
    (["ean13", "490123456789", "--x-dim-mm", "0.33", "-o", "e.png"], 0, "--x-dim-mm without --dpi sizes SVG only"),
    (["qr", "--digital-link", "(01)09501101530003", "-o", "dl.png"], 0, ""),
    (["datamatrix", "--digital-link", "(01)09501101530003", "--domain", "https://example.com"], 0,
     "wrote datamatrix.png"),
    (["qr", "colours", "--fg", "000080", "--bg", "none", "-o", "c.png"], 0, ""),
    (["qr", "colours", "--fg", "0,0,128", "--bg", "255,255,255,0", "-o", "c.png"], 0, ""),
]


@pytest.mark.parametrize("args, status, message", CASES, ids=lambda v: " ".join(v) if isinstance(v, list) else None)
def test_command_line_cases(tmp_path, args, status, message):
    closed = "<&-" in args
    args = [a for a in args if a != "<&-"]
    result = run(*args, cwd=tmp_path, stdin=b"\xe9t\xe9\n", closed_stdin=closed)
    assert result.returncode == status, result.stderr
    lines = result.stderr.decode().splitlines()
    if status == 0:
        assert message in "".join(lines) and len(lines) == (1 if message else 0)
        return
    # one line (after argparse's usage lines for a usage error), and no file written
    assert lines[-1].startswith("barcode-quor: error: ") and message in lines[-1]
    assert status == 2 or len(lines) == 1
    assert list(tmp_path.iterdir()) == [] and result.stdout == b""


def test_written_files_read_back(tmp_path):
    for args in (c[0] for c in CASES if c[1] == 0 and "-o" in c[0] and c[0][-1].endswith(".png")):
        assert run(*args, cwd=tmp_path).returncode == 0
        image = Image.open(tmp_path / args[-1])
        text = zxingcpp.read_barcodes(image)[0].text
        assert text == {"dl.png": "https://id.gs1.org/01/09501101530003", "c.png": "colours"}.get(args[-1], text)
        if args[-1] == "c.png":
            assert image.convert("RGBA").getpixel((0, 0))[3] == 0  # --bg none / alpha 0: transparent
            assert (0, 0, 128) in {p[:3] for p in image.convert("RGBA").getdata()}


def test_standard_output_on_a_terminal_gets_text_not_image_bytes():
    import pty

    main_end, terminal = pty.openpty()
    chunks = []
    reader = threading.Thread(target=lambda: chunks.extend(iter(lambda: _read(main_end), b"")))
    reader.start()
    result = subprocess.run([sys.executable, "-m", "barcode_quor", "qr", "terminal", "-o", "-"], stdout=terminal,
                            stderr=subprocess.PIPE, timeout=60)
    os.close(terminal)
    reader.join(10)
    text = b"".join(chunks).decode()
    assert result.returncode == 0 and "\x89PNG" not in text
    assert set(text) <= set(" \u2580\u2584\u2588\r\n") and "\u2588" in text


def _read(fd):
    try:
        return os.read(fd, 4096)
    except OSError:  # the terminal side closed
        return b""


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
