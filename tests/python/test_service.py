"""The HTTP service: the API through the ASGI test client, a real server for the batch stream, slow
clients and the preview page in headless Chromium."""
import csv
import io
import json
import os
import socket
import subprocess
import sys
import time
import zipfile

import pytest
import zxingcpp
from PIL import Image

pytest.importorskip("starlette")
from starlette.testclient import TestClient  # noqa: E402

import barcode_quor as bq  # noqa: E402
from barcode_quor.service import ServiceSettings, create_app  # noqa: E402
from barcode_quor.service.guards import RateLimiter, client_address  # noqa: E402


@pytest.fixture(scope="module")
def client():
    return TestClient(create_app(ServiceSettings(rate=0)))


def test_image_is_make_with_the_same_options(client):
    answer = client.get("/code128", params={"data": "ABC-123", "scale": "3", "quiet_zone": "5", "format": "png"})
    assert answer.status_code == 200 and answer.headers["content-type"] == "image/png"
    assert answer.content == bq.make("code128", "ABC-123", scale=3, quiet_zone=5).png()
    svg = client.get("/qr", params={"data": "Straße 5", "error": "H", "foreground": "0,0,128", "format": "svg"})
    assert svg.headers["content-type"].startswith("image/svg+xml")
    assert svg.text == bq.make("qr", "Straße 5", error="H", foreground=(0, 0, 128)).svg()
    jpeg = client.get("/ean13", params={"data": "490123456789", "format": "jpeg"})
    read = zxingcpp.read_barcode(Image.open(io.BytesIO(jpeg.content)))
    assert jpeg.headers["content-type"] == "image/jpeg" and read.text == "4901234567894"


def test_zpl_label_for_a_printer(client):
    answer = client.get("/ean13", params={"data": "490123456789", "printer_dpi": "203", "format": "zpl"})
    assert answer.status_code == 200 and answer.headers["content-type"].startswith("text/plain")
    assert answer.text == bq.make("ean13", "490123456789", printer_dpi=203).zpl()


def test_same_request_same_bytes_etag_and_304(client):
    first = client.get("/datamatrix", params={"data": "cache me"})
    second = client.get("/datamatrix", params={"data": "cache me"})
    assert first.content == second.content and first.headers["etag"] == second.headers["etag"]
    assert first.headers["cache-control"] == "public, max-age=86400, immutable"
    again = client.get("/datamatrix", params={"data": "cache me"}, headers={"If-None-Match": first.headers["etag"]})
    assert again.status_code == 304 and again.content == b""


@pytest.mark.parametrize("path, params, status, kind, option, fragment", [
    ("/qrcode", {"data": "x"}, 404, "UnknownSymbology", "symbology", "did you mean 'qr'"),
    ("/qr", {"data": "x", "scael": "3"}, 400, "InvalidOptionError", "scael", "did you mean 'scale'"),
    ("/qr", {"data": "x", "error": "Z"}, 400, "InvalidOptionError", "error", "L, M, Q, H"),
    ("/ean13", {"data": "49012345678X"}, 400, "InvalidDataError", None, "ean13"),
    ("/qr", {"data": "x", "scale": "1000"}, 413, "InvalidOptionError", "max_pixels", "max_pixels"),
    ("/qr", {"data": "x", "max_pixels": "10000000000"}, 413, "InvalidOptionError", "max_pixels", "at most"),
    ("/qr", {"data": "x" * 5000}, 413, "DataTooLongError", "data", "at most 4096"),
    ("/code128", {"data": "x", "font": "/etc/passwd"}, 400, "InvalidOptionError", "font", "not allowed"),
    ("/code128", {"data": "x", "font": "../../etc/passwd"}, 400, "InvalidOptionError", "font", "not allowed"),
    ("/qr", {"data": "x", "format": "gif"}, 400, "InvalidOptionError", "kind", "png"),
    ("/qr", [("data", "x"), ("scale", "2"), ("scale", "3")], 400, "InvalidOptionError", "scale", "more than once"),
])
def test_refusals_are_json_naming_the_option(client, path, params, status, kind, option, fragment):
    answer = client.get(path, params=params)
    body = answer.json()
    assert (answer.status_code, body["kind"], body["option"]) == (status, kind, option)
    assert fragment in body["message"]


def test_symbologies_come_from_the_option_table(client):
    listed = {s["name"]: s for s in client.get("/symbologies").json()}
    assert list(listed) == list(bq.symbologies())
    columns = {o["name"]: o for o in listed["pdf417"]["options"]}["columns"]
    assert (columns["low"], columns["high"], columns["auto"]) == (1, 30, True)
    assert listed["qr"]["standard"] == bq.symbologies()["qr"].quiet_zone_source


def test_health_and_metrics(client):
    assert client.get("/health").json() == {"status": "ok"}
    client.get("/qr", params={"data": "counted"})
    client.get("/qr", params={"data": "x", "error": "Z"})
    text = client.get("/metrics").text
    assert 'barcode_quor_requests_total{route="/{symbology}",status="200"}' in text
    assert 'barcode_quor_errors_total{kind="InvalidOptionError"}' in text
    assert 'barcode_quor_draw_seconds_bucket{le="+Inf"}' in text


def test_font_folder_allows_its_files_only(tmp_path):
    font = tmp_path / "face.otf"
    font.write_bytes(open("/usr/share/fonts/opentype/ocr-b/OCRB.otf", "rb").read())
    allowed = TestClient(create_app(ServiceSettings(rate=0, font_dir=str(tmp_path))))
    assert allowed.get("/code128", params={"data": "x", "font": "face.otf"}).status_code == 200
    assert allowed.get("/code128", params={"data": "x", "font": "../face.otf"}).status_code == 400


def test_rate_limit_answers_429_with_retry_after():
    limited = TestClient(create_app(ServiceSettings(rate=1, burst=2)))
    statuses = [limited.get("/health").status_code for _ in range(3)]
    assert statuses == [200, 200, 429]
    assert int(limited.get("/health").headers["retry-after"]) >= 1


def test_token_bucket_and_forwarded_client():
    bucket = RateLimiter(rate=2, burst=1)
    assert bucket.wait_for("a", now=0.0) == 0 and bucket.wait_for("a", now=0.0) == pytest.approx(0.5)
    assert bucket.wait_for("a", now=0.5) == 0 and bucket.wait_for("b", now=0.5) == 0
    proxies = ("10.0.0.1",)
    assert client_address("10.0.0.1", "6.6.6.6, 1.2.3.4", proxies) == "1.2.3.4"
    assert client_address("10.0.0.1", "1.2.3.4, 10.0.0.1", proxies) == "1.2.3.4"
    assert client_address("5.5.5.5", "1.2.3.4", proxies) == "5.5.5.5"  # not a trusted proxy: its word is not taken


def test_batch_zip_with_its_manifest_and_failed_rows(client):
    body = "\n".join([json.dumps({"symbology": "qr", "data": "one", "output": "a.png"}),
                      "{not json", json.dumps({"symbology": "ean13", "data": "12", "output": "b.png"}),
                      json.dumps({"symbology": "code128", "data": "three", "output": "a.png"}),
                      json.dumps({"symbology": "code128", "data": "four", "output": "c.svg"})])
    answer = client.post("/batch", content=body, headers={"content-type": "application/jsonl"})
    archive = zipfile.ZipFile(io.BytesIO(answer.content))
    assert answer.status_code == 200 and sorted(archive.namelist()) == ["a.png", "c.svg", "manifest.csv"]
    rows = list(csv.DictReader(io.StringIO(archive.read("manifest.csv").decode())))
    assert [r["status"] for r in rows] == ["ok", "error", "error", "error", "ok"]
    assert "not JSON" in rows[1]["error"] and "used by row 1" in rows[3]["error"]
    assert archive.read("a.png") == bq.make("qr", "one").png()


def test_batch_limits():
    small = TestClient(create_app(ServiceSettings(rate=0, max_batch_rows=2, max_body=200)))
    answer = small.post("/batch?symbology=qr", content="data\n1\n2\n3\n", headers={"content-type": "text/csv"})
    archive = zipfile.ZipFile(io.BytesIO(answer.content))
    assert sorted(archive.namelist()) == ["000001.png", "000002.png", "manifest.csv"]
    assert "the limit here" in archive.read("manifest.csv").decode()
    assert small.post("/batch", content="x" * 300, headers={"content-type": "text/csv"}).status_code == 413
    assert small.post("/batch", content="x", headers={"content-type": "text/plain"}).json()["option"] == "format"


def _free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


@pytest.fixture
def server():
    port = _free_port()
    env = {**os.environ, "PYTHONPATH": os.pathsep.join(sys.path)}
    process = subprocess.Popen([sys.executable, "-m", "barcode_quor", "serve", "--port", str(port), "--timeout", "2",
                                "--rate", "0"], env=env, stderr=subprocess.PIPE, text=True)
    for _ in range(100):
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.2).close()
            break
        except OSError:
            time.sleep(0.1)
    yield f"http://127.0.0.1:{port}", process
    process.terminate()
    process.wait(10)


def test_real_server_streams_a_batch_and_logs_no_data(server):
    import httpx

    url, process = server
    rows = "symbology,data,output\n" + "".join(f"code128,secret-{i},{i}.png\n" for i in range(200))
    with httpx.stream("POST", url + "/batch", content=rows, headers={"content-type": "text/csv"}) as answer:
        chunks = list(answer.iter_bytes())
    assert len(chunks) > 1  # streamed, not held until the end
    assert len(zipfile.ZipFile(io.BytesIO(b"".join(chunks))).namelist()) == 201
    assert httpx.get(url + "/qr?data=secret-data").status_code == 200
    process.send_signal(2)
    log = process.communicate(timeout=10)[1]
    assert '"GET /qr" 200' in log and "secret" not in log


def test_real_server_closes_a_slow_client(server):
    url, _ = server
    host, port = url.removeprefix("http://").split(":")
    with socket.create_connection((host, int(port))) as slow:
        slow.sendall(b"GET /health HTTP/1.1\r\n")
        started = time.monotonic()
        slow.settimeout(10)
        assert slow.recv(100) == b""  # closed by the server, headers never finished
        assert time.monotonic() - started < 5


def test_preview_page_draws_in_chromium(server, tmp_path):
    url, _ = server
    shot = tmp_path / "preview.png"
    common = ["chromium-headless-shell", "--no-sandbox", "--disable-gpu", "--window-size=1400,900",
              "--virtual-time-budget=5000", f"--user-data-dir={tmp_path}"]
    # Chromium is not ours to run under the sanitizers the tests may be preloading.
    env = {k: v for k, v in os.environ.items() if k not in ("LD_PRELOAD", "ASAN_OPTIONS", "UBSAN_OPTIONS")}
    dom = subprocess.run([*common, "--dump-dom", url + "/"], capture_output=True, text=True, timeout=120,
                         env=env).stdout
    assert 'data-ready="yes"' in dom and "<svg" in dom and 'value="code128"' in dom
    subprocess.run([*common, f"--screenshot={shot}", url + "/"], capture_output=True, timeout=120, env=env)
    read = zxingcpp.read_barcode(Image.open(shot))
    assert read is not None and read.text == "A"  # the QR example, drawn by the page
