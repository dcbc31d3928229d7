"""mypy --strict against the package laid out as pip installs it: correct user code passes,
each wrong line of the incorrect sample is reported."""
import os
import subprocess
import sys

CORRECT = '''
import io
import pathlib
import barcode_quor
from barcode_quor import QR, BarcodeError, Code128, InvalidDataError, Symbol, make, symbologies

png: bytes = QR().draw_bytes("hello", 300)
uri: str = Code128().draw("Code-128", 300, 100)
symbol: Symbol = make("qr", "hello", scale=4, dpi=300, quiet_zone=(4, 4, 4, 4), error="H")
size: tuple[int, int] = symbol.size
document: str = symbol.svg()
symbol.save(pathlib.Path("qr.png"))
symbol.save(io.BytesIO(), kind="svg")
linear = make("ean13", "490123456789", x_dim_mm=0.33, dpi=600, height_mm=10.0, foreground=(0, 0, 64))
jpeg: bytes = linear.jpeg()
names: list[str] = list(symbologies())
version: str = barcode_quor.__version__
try:
    make("code39", "a#b")
except InvalidDataError as error:
    where: int | None = error.position
except BarcodeError:
    pass
'''

INCORRECT = '''
from barcode_quor import QR, make
QR().draw_bytes("hello", "300")  # wrong
make("qr", 12)  # wrong
text: str = make("qr", "x").png()  # wrong
make("qr", "x", scale="4")  # wrong
make("qr", "x").save(42)  # wrong
QR().set_version()  # wrong
'''


def run_mypy(tmp_path, source=None):
    """mypy --strict on a sample (or, without one, on the package itself)."""
    targets = ["-p", "barcode_quor"]
    if source is not None:
        (tmp_path / "sample.py").write_text(source)
        targets = ["sample.py"]
    return subprocess.run(
        [sys.executable, "-m", "mypy", "--strict", "--no-incremental", "--cache-dir", str(tmp_path / "cache"), *targets],
        cwd=tmp_path, capture_output=True, text=True, env=os.environ.copy(),
    )


def test_package_itself_checks_strictly(tmp_path):
    result = run_mypy(tmp_path)
    assert result.returncode == 0, result.stdout


def test_correct_user_code_passes(tmp_path):
    result = run_mypy(tmp_path, CORRECT)
    assert result.returncode == 0, result.stdout


def test_each_wrong_line_is_reported(tmp_path):
    result = run_mypy(tmp_path, INCORRECT)
    wrong = {i + 1 for i, line in enumerate(INCORRECT.splitlines()) if line.endswith("# wrong")}
    reported = {int(line.split(":")[1]) for line in result.stdout.splitlines() if ": error:" in line}
    assert result.returncode == 1
    assert reported == wrong, result.stdout
