"""Renders every sample symbol as PNG and SVG into a folder with an index.html that shows them."""
import html
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from samples import SAMPLES  # noqa: E402


def slug(title):
    return "".join(c if c.isalnum() else "_" for c in title).strip("_").lower()


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    rows = []
    for s in SAMPLES:
        name = slug(s.title)
        png = getattr(s.make("png"), s.draw_bytes)(*s.args)
        svg = getattr(s.make("svg"), s.draw)(*s.args)
        if not png or not svg:
            raise SystemExit(f"sample {s.title!r} failed to draw")
        with open(os.path.join(out_dir, name + ".png"), "wb") as f:
            f.write(png)
        with open(os.path.join(out_dir, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(svg)
        rows.append(
            f"<tr><td>{html.escape(s.title)}<br><code>{html.escape(repr(s.args[0]))}</code></td>"
            f'<td><img src="{name}.png"></td><td><img src="{name}.svg"></td></tr>'
        )
    page = (
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>barcode_quor gallery</title>"
        "<style>body{font-family:sans-serif}td{padding:12px;border-bottom:1px solid #ccc;vertical-align:middle}"
        "img{background:#fff}</style></head><body>\n<h1>barcode_quor gallery</h1>\n"
        "<table><tr><th>symbology</th><th>PNG</th><th>SVG</th></tr>\n" + "\n".join(rows) + "\n</table></body></html>\n"
    )
    with open(os.path.join(out_dir, "index.html"), "w", encoding="utf-8") as f:
        f.write(page)
    print(f"{len(SAMPLES)} samples written to {os.path.join(out_dir, 'index.html')}")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "out/gallery")
