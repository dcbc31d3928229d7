"""The service over loopback with wrk, beside bwip-js's own Node HTTP handler on the same machine:
requests a second and p99 latency for a 100-byte QR PNG and a Code 128 PNG, both servers with one
process, then ours with one worker per core; and a soak at full load (errors, memory). Not a test.

    make bench      (or: PYTHONPATH=build/python python3.13 bench/service_bench.py [seconds] [soak seconds])

bwip-js comes from npm into build/bench-node (`scripts/env bench-tools`, which make bench runs).
"""
import os
import re
import socket
import subprocess
import sys
import time
from urllib.parse import quote

HERE = os.path.dirname(os.path.abspath(__file__))
NODE_MODULES = os.path.join(HERE, "..", "build", "bench-node", "node_modules")
QR_DATA = "https://example.com/qr?id=" + "0123456789" * 7 + "abcd"  # 100 bytes
assert len(QR_DATA) == 100
TASKS = [  # (name, our path, bwip-js path): the same symbol at the same pixels per module
    ("QR 100 bytes PNG", f"/qr?data={quote(QR_DATA, safe='')}&scale=2&error=M",
     f"/?bcid=qrcode&text={quote(QR_DATA, safe='')}&scale=2&eclevel=M"),
    ("Code 128 PNG", "/code128?data=Code-128%200123456789&scale=2",
     "/?bcid=code128&text=Code-128%200123456789&scale=2&includetext"),
]


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for(port):
    for _ in range(200):
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.2).close()
            return
        except OSError:
            time.sleep(0.05)
    raise RuntimeError(f"nothing listens on {port}")


def bwipjs_server(port):
    env = {**os.environ, "NODE_PATH": NODE_MODULES, "PORT": str(port)}
    return subprocess.Popen(["node", os.path.join(HERE, "bwipjs_server.js")], env=env)


def our_server(port, workers):
    return subprocess.Popen([sys.executable, "-m", "barcode_quor", "serve", "--port", str(port), "--workers",
                             str(workers), "--rate", "0", "--no-access-log"])


def wrk(port, path, seconds, connections=32):
    out = subprocess.run(["wrk", "-t2", f"-c{connections}", f"-d{int(seconds)}s", "--latency",
                          f"http://127.0.0.1:{port}{path}"], capture_output=True, text=True, check=True).stdout
    rate = float(re.search(r"Requests/sec:\s+([\d.]+)", out).group(1))
    p99 = re.search(r"99%\s+([\d.]+)(us|ms|s)\b", out)
    p99_ms = float(p99.group(1)) * {"us": 0.001, "ms": 1.0, "s": 1000.0}[p99.group(2)]
    errors = re.search(r"Non-2xx or 3xx responses: (\d+)|Socket errors: (.*)", out)
    return rate, p99_ms, errors.group(0) if errors else ""


def served(start, measure):
    port = free_port()
    process = start(port)
    try:
        wait_for(port)
        return measure(port, process)
    finally:
        process.terminate()
        process.wait(10)


def rss_kb(pid):
    total = 0
    for child in [pid, *map(int, subprocess.run(["pgrep", "-P", str(pid)], capture_output=True, text=True)
                            .stdout.split())]:
        with open(f"/proc/{child}/status") as status:
            total += int(re.search(r"VmRSS:\s+(\d+)", status.read()).group(1))
    return total


def main(seconds, soak_seconds):
    cores = os.cpu_count() or 1
    print(f"\nservice over loopback (wrk -t2 -c32, {seconds} s each; requests/s and p99 latency)")
    print(f"{'task':<20} {'bwip-js 1 proc':>22} {'ours 1 worker':>22} {f'ours {cores} workers':>22} {'ours/bwip-js':>13}")
    for name, ours, theirs in TASKS:
        b = served(bwipjs_server, lambda port, _: wrk(port, theirs, seconds))
        o = served(lambda port: our_server(port, 1), lambda port, _: wrk(port, ours, seconds))
        m = served(lambda port: our_server(port, cores), lambda port, _: wrk(port, ours, seconds))
        cell = lambda r: f"{r[0]:8.0f}/s {r[1]:7.2f} ms"  # noqa: E731
        print(f"{name:<20} {cell(b):>22} {cell(o):>22} {cell(m):>22} {o[0] / b[0]:10.1f}x"
              + (f"  ({o[2]} {m[2]})" if o[2] or m[2] else ""))

    def soak(port, process):
        wrk(port, TASKS[0][1], 5)  # warm up
        before = rss_kb(process.pid)
        rate, p99, errors = wrk(port, TASKS[0][1], soak_seconds)
        after = rss_kb(process.pid)
        return rate, p99, errors, before, after

    rate, p99, errors, before, after = served(lambda port: our_server(port, 1), soak)
    print(f"soak {soak_seconds} s, QR, 1 worker: {rate:.0f}/s, p99 {p99:.2f} ms, errors: {errors or 'none'}, "
          f"memory {before} -> {after} KB ({(after - before) / before:+.1%})")


if __name__ == "__main__":
    main(float(sys.argv[1]) if len(sys.argv) > 1 else 10, float(sys.argv[2]) if len(sys.argv) > 2 else 60)
