"""Shared helpers of the batch tests: writing inputs, reading manifests, checking drawn files."""
import csv
import json
import os
import signal
import xml.etree.ElementTree as ET

from conftest import decode

GOOD = [
    ("qr", "https://example.com/1", "qr/1.png"),
    ("code128", "ABC-123", "linear/abc.png"),
    ("datamatrix", "Data Matrix 42", "dm.png"),
    ("code128", "svg row", "linear/svg.svg"),
]
BAD = [  # (row, why it fails)
    {"symbology": "no-such-code", "data": "x", "output": "bad/1.png"},
    {"symbology": "code128", "data": "\u00e9\u4e2d", "output": "bad/2.png"},
    {"symbology": "qr", "data": "x", "output": "bad/3.png", "options": {"no_such_option": 1}},
    {"symbology": "qr", "data": "x", "output": "bad/"},
    {"symbology": "qr", "data": "x", "output": "bad/no-extension"},
    {"symbology": "qr", "data": "x", "output": "bad/5.bmp"},
]


def good_rows(n):
    """n drawable rows cycling over GOOD, with distinct names."""
    for i in range(n):
        symbology, data, output = GOOD[i % len(GOOD)]
        stem, ext = os.path.splitext(output)
        yield {"symbology": symbology, "data": f"{data} {i}", "output": f"{stem}-{i}{ext}"}


def write_csv(path, rows):
    with open(path, "w", newline="", encoding="utf-8") as f:
        writer = csv.DictWriter(f, fieldnames=["symbology", "data", "output", "options"])
        writer.writeheader()
        for row in rows:
            writer.writerow({**row, "options": json.dumps(row["options"]) if "options" in row else ""})
    return str(path)


def write_jsonl(path, rows):
    with open(path, "w", encoding="utf-8") as f:
        for row in rows:
            f.write(json.dumps(row) + "\n")
    return str(path)


def manifest(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def check_file(name, payload, data):
    """The file is whole: a PNG that zxing-cpp reads back as `data`, or a well-formed SVG document."""
    if name.endswith(".svg"):
        assert ET.fromstring(payload).tag.endswith("svg")
    else:
        result = decode(payload)
        assert result is not None and result.text == data, name


def check_directory(folder, rows):
    for row in rows:
        with open(os.path.join(folder, row["output"]), "rb") as f:
            check_file(row["output"], f.read(), row["data"])


def children(parent_pid):
    """The processes whose parent is `parent_pid` (the drawing processes of a local batch)."""
    found = []
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as f:
                    if int(f.read().rsplit(")", 1)[1].split()[1]) == parent_pid:
                        found.append(int(entry))
            except OSError:
                continue
    return found


def kill_one_child(parent_pid):
    os.kill(children(parent_pid)[0], signal.SIGKILL)
