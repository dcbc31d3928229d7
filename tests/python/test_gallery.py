"""The gallery (scripts/gallery.py) as a reader sees it: Chromium at 1400 pixels shows every
symbology that symbologies() lists, and every image loaded and inside the window's width."""
import json
import os
import re
import subprocess
import sys

import barcode_quor as bq

TOP = os.path.join(os.path.dirname(__file__), "..", "..")
# Run in the page once it has loaded: each image's state and place, written into the page.
PROBE = """<script>addEventListener("load", () => {
  const images = [...document.images].map(i => ({src: i.getAttribute("src"), loaded: i.complete && i.naturalWidth > 0,
    left: i.getBoundingClientRect().left, right: i.getBoundingClientRect().right}));
  const out = document.createElement("pre"); out.id = "probe";
  out.textContent = JSON.stringify({width: innerWidth, scroll: document.documentElement.scrollWidth, images});
  document.body.append(out);
});</script>"""


def test_gallery_shows_every_symbology_within_the_window(tmp_path):
    env = {k: v for k, v in os.environ.items() if k not in ("LD_PRELOAD", "ASAN_OPTIONS", "UBSAN_OPTIONS")}
    subprocess.run([sys.executable, os.path.join(TOP, "scripts", "gallery.py"), str(tmp_path)], check=True,
                   capture_output=True, timeout=600, env={**os.environ, "PYTHONPATH": os.pathsep.join(sys.path)})
    page = (tmp_path / "index.html").read_text(encoding="utf-8")
    assert {f"s-{name}" for name in bq.symbologies()} <= set(re.findall(r'<figure id="([^"]+)"', page))
    (tmp_path / "probe.html").write_text(page.replace("</body>", PROBE + "</body>"), encoding="utf-8")
    shown = subprocess.run(["chromium-headless-shell", "--no-sandbox", "--disable-gpu", "--window-size=1400,1000",
                            "--virtual-time-budget=20000", "--dump-dom", (tmp_path / "probe.html").as_uri()],
                           capture_output=True, text=True, timeout=180, env=env)
    probe = json.loads(re.search(r'<pre id="probe">(.*?)</pre>', shown.stdout, re.S).group(1).replace("&quot;", '"'))
    assert probe["scroll"] <= probe["width"] == 1400  # nothing wider than the window
    assert len(probe["images"]) == page.count("<img ")
    for image in probe["images"]:
        assert image["loaded"] and 0 <= image["left"] < image["right"] <= probe["width"], image
