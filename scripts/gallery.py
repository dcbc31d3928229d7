"""Renders a gallery of make()'s symbols into a folder with an index.html: every symbology that
symbologies() lists, with its example data, standard quiet zone and text, then the features (add-ons,
captions, bearers, composites, Digital Link, rotation, colours, text options). Each image shows the
call that made it and its printed size. Usage: gallery.py [OUT_DIR] (default out/gallery)."""
import html
import os
import sys

import barcode_quor
from barcode_quor import make  # noqa: F401  (the calls below are evaluated as shown)

SIZE = "x_dim_mm=0.33, dpi=300"  # every image at a printable X-dimension, its PNG recording 300 dpi
SHOWN = 160  # characters of a call shown before it is cut

# The features, as the arguments of the make() call that shows each.
FEATURES = [
    ("EAN-13 with an EAN-2 add-on", '"ean13", "4901234567894+12"'),
    ("UPC-A with an EAN-5 add-on", '"upca", "03600029145", addon="12345"'),
    ("ISBN with its caption and price add-on", '"isbn", "978-0-306-40615-7", addon="51995"'),
    ("ISSN with its issue number", '"issn", "0317-8471", addon="03"'),
    ("ISMN", '"ismn", "9790260000438"'),
    ("Japanese magazine code", '"ean13", "4910123450469+01500"'),
    ("Japanese two-tier book code", '"jp-book", "ISBN978-4-00-326184-2 C0197 ¥940E"'),
    ("ITF-14 with its bearer frame", '"itf14", "1540014128876"'),
    ("ITF-14 with top and bottom bearers", '"itf14", "15400141288763", bearer="top-bottom"'),
    ("GS1-128 element string", '"gs1-128", "(01)09501101530003(17)251231(10)ABC123"'),
    ("GS1 Composite: DataBar Limited with CC-A", '"databar-limited", "(01)04912345678904", '
                                                 'composite="(17)261231(10)LOT123"'),
    ("GS1 Composite: EAN-13 with CC-A", '"ean13", "4901234567894", composite="(17)261231"'),
    ("GS1 Composite: GS1-128 with CC-C", '"gs1-128", "(01)09501101530003", composite="(10)ABC123", '
                                         'composite_type="c"'),
    ("GS1 Digital Link in QR", '"qr", digital_link="(01)09501101530003(10)ABC123"'),
    ("GS1 Digital Link in Data Matrix, own domain", '"datamatrix", digital_link="(01)09501101530003", '
                                                    'domain="https://example.com"'),
    ("GS1 DataBar Expanded Stacked, one column", '"databar-expanded-stacked", "(01)09501101530003(10)ABC123", '
                                                 'columns=1'),
    ("Rotated, text above in its own words", '"code128", "SHELF-12", text="Shelf 12", text_position="above", '
                                             'rotate=90'),
    ("Colours", '"qr", "https://example.com/colours", foreground="navy", background="#fff8dc"'),
    ("Transparent background", '"datamatrix", "no background", foreground="darkgreen", background="none"'),
    ("OCR-B digits, light margin indicators, text size", '"ean13", "490123456789", font="ocr-b", '
                                                         'text_size_mm=2.75, light_margin_indicators=True'),
    ("Roboto text, no start/stop characters", '"code39", "HELLO-39", font="roboto", show_start_stop=False'),
    ("Plain guards", '"upce", "0123456", extended_guard=False'),
    ("Bar width reduction for ink spread", '"code128", "INK-SPREAD", bar_width_reduction=1'),
    ("Rectangular Data Matrix", '"datamatrix", "0123456789", shape="rectangle"'),
    ("QR level H, Shift-JIS", '"qr", "QRコード 日本語", error="H", encoding="shift_jis"'),
    ("PDF417, four columns", '"pdf417", "PDF417 0123456789012345", columns=4'),
    ("Long data (the call is cut)", '"qr", "31415926535897932384626433832795" * 40, error="L"'),
]


def shown(call):
    return call if len(call) <= SHOWN else call[:SHOWN] + " …"


def card(out_dir, slug, title, call):
    """One image: the call evaluated as shown, its PNG and SVG, and its size in mm."""
    symbol = eval(call)  # noqa: S307  (our own table of calls)
    symbol.save(os.path.join(out_dir, slug + ".png"))
    symbol.save(os.path.join(out_dir, slug + ".svg"))
    width, height = symbol.pixel_size
    mm = f"{width * 25.4 / symbol.dpi:.1f} × {height * 25.4 / symbol.dpi:.1f} mm"
    return (f'<figure id="{slug}"><figcaption>{html.escape(title)}</figcaption>'
            f'<a href="{slug}.svg"><img src="{slug}.png" alt="{html.escape(title)}" '
            f'style="width:{width / 2:g}px"></a>'
            f"<code>{html.escape(shown(call))}</code><span>{mm}, X {symbol.x_dim_mm:.3f} mm</span></figure>")


def call_of(symbology, data):
    return f"make({symbology!r}, {data!r}, {SIZE})"


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    every = [card(out_dir, f"s-{name}", f"{name}: {info.title}", call_of(name, info.example))
             for name, info in barcode_quor.symbologies().items()]
    features = [card(out_dir, f"f-{i}", title, f"make({arguments}, {SIZE})") for i, (title, arguments) in enumerate(FEATURES)]
    page = (
        '<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8"><title>barcode_quor gallery</title>'
        '<meta name="viewport" content="width=device-width"><style>'
        "body{font-family:sans-serif;margin:16px;max-width:1400px}"
        ".grid{display:grid;grid-template-columns:repeat(auto-fill,minmax(300px,1fr));gap:16px}"
        "figure{margin:0;padding:12px;border:1px solid #ccc;border-radius:6px;min-width:0;display:flex;"
        "flex-direction:column;gap:8px}"
        "figcaption{font-weight:bold}img{max-width:100%;height:auto;image-rendering:pixelated;"
        "background:repeating-conic-gradient(#eee 0 25%,#fff 0 50%) 0 0/16px 16px;align-self:flex-start}"
        "code{font-size:12px;overflow-wrap:anywhere;white-space:pre-wrap}span{color:#555;font-size:13px}"
        "</style></head><body>\n<h1>barcode_quor gallery</h1>\n"
        f"<p>Every image is a <code>barcode_quor.make()</code> call at X = 0.33 mm, 300 dpi (shown at half size; "
        f"click for the SVG). {len(every)} symbologies, then {len(features)} features.</p>\n"
        '<h2>Every symbology, with its standard quiet zone and text</h2>\n<div class="grid">\n'
        + "\n".join(every) + '\n</div>\n<h2>Features</h2>\n<div class="grid">\n' + "\n".join(features)
        + "\n</div></body></html>\n"
    )
    with open(os.path.join(out_dir, "index.html"), "w", encoding="utf-8") as f:
        f.write(page)
    print(f"{len(every) + len(features)} symbols written to {os.path.join(out_dir, 'index.html')}")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "out/gallery")
