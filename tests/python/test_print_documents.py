"""PDF and EPS: their structure, their size in millimetres, their colours, and what readers make
of them once poppler or Ghostscript has rendered them."""
import re
import subprocess

import pytest
import zxingcpp
from PIL import Image

import barcode_quor as bq


def render(path, kind, dpi, out):
    if kind == "pdf":
        subprocess.run(["pdftoppm", "-r", str(dpi), "-singlefile", "-png", str(path), str(out)], check=True)
    else:
        subprocess.run(["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-dEPSCrop", "-sDEVICE=png16m", f"-r{dpi}",
                        f"-sOutputFile={out}.png", str(path)], check=True)
    return Image.open(f"{out}.png")


@pytest.mark.parametrize("kind", ["pdf", "eps"])
@pytest.mark.parametrize("symbology, data, options, size_mm", [
    ("ean13", "490123456789", {"x_dim_mm": 0.33}, (37.29, None)),
    ("qr", "https://example.com/print", {"x_dim_mm": 0.5}, (16.5, 16.5)),  # 25 + 8 modules
    ("datamatrix", "PRINT-0042", {"x_dim_mm": 0.4, "rotate": 90}, (None, None)),
    ("code128", "PRINT-0042", {"dpi": 300, "scale": 4}, (None, None)),
])
def test_documents_read_back_at_their_physical_size(tmp_path, kind, symbology, data, options, size_mm):
    symbol = bq.make(symbology, data, **options)
    path = tmp_path / f"symbol.{kind}"
    symbol.save(path)
    image = render(path, kind, 600, tmp_path / "page")
    assert zxingcpp.read_barcode(image).text == symbol.text
    width_mm = symbol.pixel_size[0] * 25.4 / symbol.dpi if symbol.dpi else size_mm[0]
    for measured, wanted in zip((image.width, image.height), (width_mm, size_mm[1])):
        if wanted is not None:
            assert measured * 25.4 / 600 == pytest.approx(wanted, abs=25.4 / 600 + 0.01)


def _content(path):
    return subprocess.run(["qpdf", "--qdf", "--object-streams=disable", str(path), "-"], capture_output=True,
                          check=True).stdout.decode("latin-1")


def test_pdf_has_no_fonts_and_passes_qpdf(tmp_path):
    path = tmp_path / "e.pdf"
    bq.make("ean13", "490123456789").save(path)
    subprocess.run(["qpdf", "--check", str(path)], check=True, capture_output=True)
    fonts = subprocess.run(["pdffonts", str(path)], capture_output=True, text=True, check=True).stdout
    assert len(fonts.strip().splitlines()) == 2  # the header lines only: text is outlines
    assert "/Producer (barcode_quor)" in path.read_bytes().decode("latin-1")


def test_cmyk_black_is_the_black_plate_alone(tmp_path):
    path = tmp_path / "k.pdf"
    bq.make("code128", "K", cmyk=True, foreground="black", background="#ffffff").save(path)
    content = _content(path)
    fills = re.findall(r"^(.*) (k|rg)$", content, re.M)
    assert fills == [("0 0 0 0", "k"), ("0 0 0 1", "k")]  # white paper, then 100 % black, no rich black
    eps = bq.make("code128", "K", cmyk=True).eps()
    assert b"setcmykcolor" in eps and b"%%LanguageLevel: 3" in eps


def test_translucent_colours(tmp_path):
    pdf = tmp_path / "t.pdf"
    bq.make("qr", "alpha", foreground="#00008080", background="transparent").save(pdf)
    assert "/ca 0.502" in _content(pdf)
    image = render(pdf, "pdf", 150, tmp_path / "t")
    assert zxingcpp.read_barcode(image).text == "alpha"


def test_documents_are_the_same_bytes_every_time():
    symbol = bq.make("ean13", "490123456789", x_dim_mm=0.33)
    assert symbol.pdf() == bq.make("ean13", "490123456789", x_dim_mm=0.33).pdf() and symbol.eps() == symbol.eps()


def test_cmyk_is_refused_for_other_kinds():
    symbol = bq.make("qr", "x", cmyk=True)
    with pytest.raises(bq.InvalidOptionError, match="cmyk"):
        symbol.png()
