"""Batch generation on this machine: inputs, bad rows, outputs, manifest, exit status, resuming."""
import os
import signal
import subprocess
import sys
import time
import zipfile

import pytest

from barcode_quor.batch import BatchError, generate_batch, main
from batch_support import BAD, check_directory, check_file, good_rows, kill_one_child, manifest, write_csv, write_jsonl


def test_csv_to_directory_with_bad_rows(tmp_path):
    rows = list(good_rows(6))
    mixed = rows[:3] + BAD + rows[3:]
    source = write_csv(tmp_path / "in.csv", mixed)
    assert main([source, "-o", str(tmp_path / "out"), "--jobs", "2"]) == 1

    lines = manifest(tmp_path / "out.manifest.csv")
    assert [int(line["row"]) for line in lines] == list(range(1, len(mixed) + 1))
    for line, row in zip(lines, mixed):
        if row in BAD:
            assert line["status"] == "error" and line["error"] and line["size"] == "0"
            assert not os.path.exists(tmp_path / "out" / os.path.normpath(row["output"]))
        else:
            assert line["status"] == "ok" and line["error"] == ""
            assert int(line["size"]) == os.path.getsize(tmp_path / "out" / row["output"])
    check_directory(tmp_path / "out", rows)
    assert not os.path.exists(tmp_path / "escape.png")


def test_jsonl_to_zip(tmp_path):
    rows = list(good_rows(8))
    source = write_jsonl(tmp_path / "in.jsonl", rows)
    result = generate_batch(source, tmp_path / "out.zip", jobs=2)
    assert (result.total, result.written, result.failed, result.ok) == (8, 8, 0, True)
    with zipfile.ZipFile(tmp_path / "out.zip") as z:
        assert sorted(z.namelist()) == sorted(row["output"] for row in rows)
        for row in rows:
            check_file(row["output"], z.read(row["output"]), row["data"])
    assert [line["status"] for line in manifest(result.manifest)] == ["ok"] * 8


def test_unreadable_lines_are_error_rows(tmp_path):
    source = tmp_path / "in.jsonl"
    source.write_text('{"symbology": "qr", "data": "a", "output": "a.png"}\nnot json\n[1]\n'
                      '{"symbology": "qr", "data": "b", "output": "b.png", "colour": "red"}\n')
    result = generate_batch(source, tmp_path / "out", jobs=1)
    assert [line["status"] for line in manifest(result.manifest)] == ["ok", "error", "error", "error"]


@pytest.mark.parametrize("output", ["out", "out.zip"])
def test_duplicate_names_stop_the_batch_before_drawing(tmp_path, output, capsys):
    rows = list(good_rows(5)) + [{"symbology": "qr", "data": "again", "output": "./qr/1-0.png"}]
    source = write_csv(tmp_path / "in.csv", rows)
    assert main([source, "-o", str(tmp_path / output)]) == 2
    assert "qr/1-0.png" in capsys.readouterr().err
    assert os.listdir(tmp_path) == ["in.csv"]


def test_wrong_columns_refused(tmp_path):
    source = tmp_path / "in.csv"
    source.write_text("symbology,text,output\nqr,a,a.png\n")
    with pytest.raises(BatchError, match="text"):
        generate_batch(source, tmp_path / "out")


def test_killed_drawing_process_loses_nothing(tmp_path):
    rows = list(good_rows(120))
    source = write_csv(tmp_path / "in.csv", rows)
    killed = []

    def kill_once(result):
        if result.row == 20 and not killed:
            kill_one_child(os.getpid())
            killed.append(result.row)

    result = generate_batch(source, tmp_path / "out", jobs=2, progress=kill_once, chunk_size=4)
    assert killed and (result.written, result.failed) == (120, 0)
    check_directory(tmp_path / "out", rows)


def test_interrupted_batch_resumes_with_skip_existing(tmp_path):
    rows = list(good_rows(400))
    source = write_csv(tmp_path / "in.csv", rows)
    out = tmp_path / "out"
    command = [sys.executable, "-m", "barcode_quor.batch", source, "-o", str(out), "--jobs", "2", "--chunk-size", "4"]
    batch = subprocess.Popen(command, start_new_session=True)
    while batch.poll() is None and sum(len(files) for _, _, files in os.walk(out)) < 40:
        time.sleep(0.01)
    os.killpg(batch.pid, signal.SIGKILL)
    batch.wait()
    done = [row for row in rows if os.path.exists(out / row["output"])]
    assert 0 < len(done) < len(rows), "the batch must be stopped in the middle"
    check_directory(out, done)  # every file that is there is whole
    before = {row["output"]: os.stat(out / row["output"]).st_mtime_ns for row in done}

    assert subprocess.run(command + ["--skip-existing"]).returncode == 0
    lines = manifest(tmp_path / "out.manifest.csv")
    assert {line["output"] for line in lines if line["status"] == "skipped"} >= set(before)
    assert all(line["status"] in ("ok", "skipped") for line in lines) and len(lines) == len(rows)
    assert before == {name: os.stat(out / name).st_mtime_ns for name in before}
    check_directory(out, rows)


def test_skip_existing_keeps_zip_entries(tmp_path):
    rows = list(good_rows(4))
    generate_batch(write_csv(tmp_path / "first.csv", rows[:2]), tmp_path / "out.zip", jobs=1)
    result = generate_batch(write_csv(tmp_path / "in.csv", rows), tmp_path / "out.zip", jobs=1, skip_existing=True)
    assert [line["status"] for line in manifest(result.manifest)] == ["skipped", "skipped", "ok", "ok"]
    with zipfile.ZipFile(tmp_path / "out.zip") as z:
        for row in rows:
            check_file(row["output"], z.read(row["output"]), row["data"])
