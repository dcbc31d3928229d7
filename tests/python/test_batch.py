"""Batch generation on this machine: inputs, bad rows, outputs, manifest, exit status, resuming."""
import os
import signal
import subprocess
import sys
import time
import zipfile

import pytest

import barcode_quor as bq
from barcode_quor.batch import BatchError, generate_batch, main, pool
from batch_support import (BAD, check_directory, check_file, children, good_rows, kill_one_child, manifest, write_csv,
                           write_jsonl)


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


def test_text_lines_with_batch_wide_settings(tmp_path):
    source = tmp_path / "codes.txt"
    source.write_text("ABC-1\n\nABC-2\n")
    command = [source, "-o", str(tmp_path / "out"), "--symbology", "code128", "--options", '{"scale": 3}',
               "--name", "labels/{row:03d}-{line}.png"]
    assert main([str(part) for part in command]) == 0
    for name, data in (("001-1.png", "ABC-1"), ("002-3.png", "ABC-2")):
        payload = (tmp_path / "out" / "labels" / name).read_bytes()
        check_file(name, payload, data)
        assert payload == bq.make("code128", data, scale=3).png()


def test_unreadable_lines_are_error_rows(tmp_path):
    source = tmp_path / "in.jsonl"
    source.write_text('{"symbology": "qr", "data": "a", "output": "a.png"}\nnot json\n[1]\n'
                      '{"symbology": "qr", "data": "b", "output": "b.png", "colour": "red"}\n'
                      '{"symbology": "qr", "data": "\\ud800", "output": "c.png"}\n')
    result = generate_batch(source, tmp_path / "out", jobs=1)
    lines = manifest(result.manifest)
    assert [line["status"] for line in lines] == ["ok", "error", "error", "error", "error"]
    assert "lone surrogate" in lines[-1]["error"]


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


FAULTY_LINES = {  # each input: its lines, and per line the manifest's status ("" for no row)
    "csv": [(b"symbology,data,output,options", ""), (b"qr,a,a.png,", "ok"), (b"qr,\xe9t\xe9,latin.png,", "error"),
            (b"qr," + b"x" * 140_000 + b",huge.png,", "error"), (b'qr,"unclosed,q.png,', "error"), (b"", ""),
            (b"qr,b,b.png,", "ok"), (b'qr,"two', "ok"), (b'lines",c.png,', ""), (b"qr,d,d.png,", "ok")],
    "jsonl": [(b'{"symbology": "qr", "data": "a", "output": "a.png"}', "ok"), (b'{"data": "\xe9"}', "error"),
              (b'{"data": "' + b"x" * 140_000 + b'"}', "error"), (b'{"symbology": "qr", "data": "b', "error"),
              (b"", ""), (b'{"symbology": "qr", "data": "b", "output": "b.png"}', "ok")],
}


@pytest.mark.parametrize("stdin, message", [(None, "-: standard input is closed"),
                                            (b"sym,dat\n", "-: CSV columns must be")])
def test_standard_input_is_called_dash(tmp_path, stdin, message):
    """Standard input, closed or read through a temporary copy, is "-" in messages, in one line."""
    command = [sys.executable, "-m", "barcode_quor.batch", "-", "--format", "csv", "-o", str(tmp_path / "out")]
    result = subprocess.run(command, input=stdin, capture_output=True,
                            preexec_fn=(lambda: os.close(0)) if stdin is None else None)
    assert result.returncode == 2
    lines = result.stderr.decode().splitlines()
    assert len(lines) == 1 and lines[0].startswith(f"barcode-quor batch: {message}")


@pytest.mark.parametrize("fmt", FAULTY_LINES)
def test_a_faulty_line_costs_that_line_only(tmp_path, fmt):
    """Read once from a pipe; a bad byte, a huge line, a broken quote or bad JSON is one error row
    naming its line, and every other line is drawn."""
    lines = FAULTY_LINES[fmt]
    command = [sys.executable, "-m", "barcode_quor.batch", "-", "--format", fmt, "-o", str(tmp_path / "out")]
    result = subprocess.run(command, input=b"\n".join(text for text, _ in lines) + b"\n", capture_output=True)
    assert result.returncode == 1, result.stderr
    expected = [(number, status) for number, (_, status) in enumerate(lines, start=1) if status]
    rows = manifest(tmp_path / "out.manifest.csv")
    assert [(int(r["line"]), r["status"]) for r in rows] == expected
    assert all(r["error"].startswith(f"line {r['line']}: ") for r in rows if r["status"] == "error")
    for r in rows:
        if r["status"] == "ok":
            data = {"c.png": "two\nlines"}.get(r["output"], r["output"][0])
            check_file(r["output"], (tmp_path / "out" / r["output"]).read_bytes(), data)


def test_links_inside_the_output_are_not_followed(tmp_path):
    outside = tmp_path / "outside"
    outside.mkdir()
    (tmp_path / "out").mkdir()
    (tmp_path / "out" / "link").symlink_to(outside)
    (tmp_path / "out" / "file.png").symlink_to(outside / "file.png")
    rows = [{"symbology": "qr", "data": "x", "output": "link/x.png"},
            {"symbology": "qr", "data": "y", "output": "file.png"}]
    result = generate_batch(write_csv(tmp_path / "in.csv", rows), tmp_path / "out", jobs=1)
    assert [line["status"] for line in manifest(result.manifest)] == ["error", "ok"]
    assert os.listdir(outside) == []
    assert not (tmp_path / "out" / "file.png").is_symlink()  # the link itself was replaced


@pytest.mark.parametrize("case", ["case clash", "unicode clash", "drive", "backslash", "parent", "manifest is input",
                                  "manifest inside", "zip is a directory", "chunk size"])
def test_refused_before_drawing(tmp_path, case):
    names = {"case clash": ["Label.png", "label.PNG"], "unicode clash": ["caf\u00e9.png", "cafe\u0301.png"],
             "drive": ["ok.png", "C:/x.png"], "backslash": ["ok.png", "a\\b.png"], "parent": ["ok.png", "../up.png"]}
    rows = [{"symbology": "qr", "data": name, "output": name} for name in names.get(case, ["a.png", "b.png"])]
    source = write_csv(tmp_path / "in.csv", rows)
    output = tmp_path / ("out.zip" if case == "zip is a directory" else "out")
    extra = {"manifest is input": ["--manifest", source], "manifest inside": ["--manifest", str(output / "m.csv")],
             "chunk size": ["--chunk-size", "0"]}.get(case, [])
    if case == "zip is a directory":
        output.mkdir()
    assert main([source, "-o", str(output), *extra]) == 2
    assert sorted(os.listdir(tmp_path)) == sorted(["in.csv"] + (["out.zip"] if case == "zip is a directory" else []))
    assert not any(output.iterdir()) if output.is_dir() else True


def test_manifest_cells_cannot_be_formulas(tmp_path):
    rows = [{"symbology": "qr", "data": "x", "output": "=1+2.png"},
            {"symbology": "nope", "data": "x", "output": "@a.png"},
            {"symbology": "qr", "data": "y", "output": "-b.png"}]
    result = generate_batch(write_csv(tmp_path / "in.csv", rows), tmp_path / "out", jobs=1)
    assert [line["output"] for line in manifest(result.manifest)] == ["'=1+2.png", "'@a.png", "'-b.png"]
    assert (tmp_path / "out" / "=1+2.png").exists()


def test_zip_and_directory_get_distinct_manifests(tmp_path):
    source = write_csv(tmp_path / "in.csv", list(good_rows(2)))
    manifests = {generate_batch(source, tmp_path / output, jobs=1).manifest for output in ("out", "out.zip")}
    assert manifests == {str(tmp_path / "out.manifest.csv"), str(tmp_path / "out.zip.manifest.csv")}


def partials(folder):
    return [name for _, _, files in os.walk(folder) for name in files if name.endswith(".partial")]


def group_gone(pgid, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            os.killpg(pgid, 0)
        except ProcessLookupError:
            return True
        time.sleep(0.05)
    return False


@pytest.mark.parametrize("sig, output", [(signal.SIGTERM, "out.zip"), (signal.SIGINT, "out"), (signal.SIGKILL, "out")])
def test_signal_mid_batch_leaves_no_process_and_no_partial(tmp_path, sig, output):
    rows = list(good_rows(2000))
    source = write_csv(tmp_path / "in.csv", rows)
    command = [sys.executable, "-m", "barcode_quor.batch", source, "-o", str(tmp_path / output), "--jobs", "2",
               "--chunk-size", "4"]
    batch = subprocess.Popen(command, start_new_session=True)
    # The manifest's temporary file gets its first block after a few hundred rows.
    while batch.poll() is None and not any(os.path.getsize(tmp_path / name) for name in os.listdir(tmp_path)
                                           if name.startswith(f".{output}.manifest.csv.")):
        time.sleep(0.01)
    batch.send_signal(sig)  # the parent alone: its drawing processes must follow
    assert batch.wait(30) == (-sig if sig == signal.SIGKILL else 128 + sig)
    assert group_gone(batch.pid)
    if sig == signal.SIGKILL:
        assert partials(tmp_path / output) == [] and partials(tmp_path) != []  # the manifest's temporary
        assert subprocess.run(command + ["--skip-existing"]).returncode == 0
        assert partials(tmp_path) == []  # a later run removes what the killed one left
        return
    assert partials(tmp_path) == []
    done = [line for line in manifest(tmp_path / f"{output}.manifest.csv")]
    assert 0 < len(done) < len(rows)
    assert subprocess.run(command + ["--skip-existing"]).returncode == 0  # resumes, a zip too
    statuses = [line["status"] for line in manifest(tmp_path / f"{output}.manifest.csv")]
    assert statuses[:len(done)] == ["skipped"] * len(done) and set(statuses) == {"ok", "skipped"}
    assert len(statuses) == len(rows)


@pytest.mark.parametrize("output", ["out", "out.zip"])
def test_full_disk_stops_with_a_manifest_and_no_temporary_file(tmp_path, output):
    disk = tmp_path / "disk"
    disk.mkdir()
    if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=256k", "tmpfs", str(disk)], capture_output=True).returncode:
        pytest.skip("cannot mount a small tmpfs here (needs root)")
    try:
        source = write_csv(tmp_path / "in.csv", list(good_rows(600)))
        command = [sys.executable, "-m", "barcode_quor.batch", source, "-o", str(disk / output), "--chunk-size", "8",
                   "--manifest", str(tmp_path / "m.csv")]
        result = subprocess.run(command, capture_output=True, text=True, timeout=120)
        assert result.returncode == 1
        assert ("No space left" if output == "out.zip" else "stopped: the disk is full") in result.stderr
        assert output == "out.zip" or " not reached in " in result.stderr  # the summary counts every row
        lines = manifest(tmp_path / "m.csv")
        assert lines[-1]["status"] == "error" and 0 < len(lines) < 600
        if output == "out.zip":  # no zip: no row is listed as in it
            assert not (disk / output).exists() and {line["status"] for line in lines} == {"error"}
            assert "could not be finished (No space left on device)" in lines[0]["error"]
        assert partials(disk) == [] and partials(tmp_path) == []
    finally:
        subprocess.run(["umount", str(disk)], check=True)


def test_jobs_are_capped_at_four_a_core(tmp_path):
    seen = []
    source = write_csv(tmp_path / "in.csv", list(good_rows(8)))
    generate_batch(source, tmp_path / "out", jobs=10_000, progress=lambda r: seen.append(len(children(os.getpid()))))
    assert 0 < max(seen) <= 4 * os.process_cpu_count()


def test_drawing_processes_that_cannot_start_raise(tmp_path, monkeypatch):
    monkeypatch.setattr(pool, "BOOT", "import sys; sys.exit('no barcode_quor here')")
    with pytest.raises(BatchError, match="cannot start: no barcode_quor here"):
        generate_batch(write_csv(tmp_path / "in.csv", list(good_rows(3))), tmp_path / "out", jobs=1)
    assert not (tmp_path / "out.manifest.csv").exists()


def test_interrupt_inside_a_zip_entry_waits_for_the_entry(tmp_path, monkeypatch):
    """A SIGTERM that arrives while zipfile writes an entry stops the batch after that entry: the zip
    still closes, with the entry whole (it once left an entry open that could not be closed)."""
    from barcode_quor.batch import Interrupted
    from barcode_quor.batch.draw import RowResult
    from barcode_quor.batch.sinks import ZipSink

    def interrupt(signum, frame):
        raise Interrupted(signum)

    previous = signal.signal(signal.SIGTERM, interrupt)
    opened = zipfile.ZipFile.open

    def open_with_a_signal(self, *args, **kwargs):
        os.kill(os.getpid(), signal.SIGTERM)  # arrives mid-entry
        return opened(self, *args, **kwargs)

    monkeypatch.setattr(zipfile.ZipFile, "open", open_with_a_signal)
    sink = ZipSink(str(tmp_path / "out.zip"), skip_existing=False)
    try:
        with pytest.raises(Interrupted):
            sink.accept(RowResult(row=1, line=2, output="a.svg", status="ok", size=3, payload=b"<a/>"))
        monkeypatch.undo()
        sink.finish()
    finally:
        signal.signal(signal.SIGTERM, previous)
    with zipfile.ZipFile(tmp_path / "out.zip") as written:
        assert written.read("a.svg") == b"<a/>"


@pytest.mark.parametrize("moment", ["drawing", "finishing"])
def test_interrupt_keeps_zip_and_manifest_agreeing(tmp_path, monkeypatch, moment):
    """Ctrl-C as an entry is listed, or as the zip's directory is written, waits until zip and
    manifest agree: every "ok" row of the manifest is in the zip and every entry is listed (it once
    published a manifest of rows in no zip)."""
    from barcode_quor.batch.sinks import ZipSink

    complete = ZipSink._complete

    def interrupted_complete(self):
        os.kill(os.getpid(), signal.SIGINT)
        complete(self)

    def interrupt_at_third(result):
        if result.row == 3:
            os.kill(os.getpid(), signal.SIGINT)

    if moment == "finishing":
        monkeypatch.setattr(ZipSink, "_complete", interrupted_complete)
    with pytest.raises(KeyboardInterrupt):
        generate_batch(write_csv(tmp_path / "in.csv", list(good_rows(6))), tmp_path / "out.zip", jobs=1,
                       chunk_size=1, progress=interrupt_at_third if moment == "drawing" else False)
    listed = [line["output"] for line in manifest(tmp_path / "out.zip.manifest.csv") if line["status"] == "ok"]
    with zipfile.ZipFile(tmp_path / "out.zip") as written:
        assert len(listed) == (3 if moment == "drawing" else 6) and sorted(written.namelist()) == sorted(listed)
    assert [p for p in os.listdir(tmp_path) if p.endswith(".partial")] == []


def test_sheet_columns_through_data_and_name_templates(tmp_path, capsys):
    """A semicolon sheet as users keep it: data and names from its columns, a summary line at the end."""
    sheet = tmp_path / "sheet.csv"
    sheet.write_text("gtin;lot;expiry\n09501101530003;LOT1;261231\n04912345678904;LOT2;270131\n"
                     "0950110153000X;LOT3;261231\n", encoding="utf-8")
    status = main([str(sheet), "-o", str(tmp_path / "out"), "--symbology", "gs1-128", "--jobs", "1",
                   "--data", "(01){gtin}(10){lot}(17){expiry}", "--name", "{gtin}-{row:03d}.png"])
    assert status == 1  # the third GTIN is not digits
    lines = manifest(tmp_path / "out.manifest.csv")
    assert [line["status"] for line in lines] == ["ok", "ok", "error"]
    assert lines[0]["output"] == "09501101530003-001.png"
    check_file("x.png", (tmp_path / "out" / "09501101530003-001.png").read_bytes(),
               "(01)09501101530003(10)LOT1(17)261231")
    summary = capsys.readouterr().err.strip().splitlines()[-1]
    assert summary.startswith("barcode-quor batch: 3 rows: 2 written, 0 kept, 1 failed in ")
    assert summary.endswith(f"manifest {tmp_path / 'out.manifest.csv'}")


@pytest.mark.parametrize("flag, template, message", [
    ("--name", "{row[0]}.png", "not a plain name"),
    ("--name", "{row.__class__.__init__.__globals__}.png", "not a plain name"),
    ("--name", "{row:>999999999}.png", "widths above 1000"),
    ("--name", "{row!r}.png", "conversion"),
    ("--name", os.fsdecode(b"\xff{row}.png"), "--name is not UTF-8"),
    ("--data", "{gtin}", "no field 'gtin'"),  # not a column of the input
])
def test_hostile_templates_refused_in_one_line(tmp_path, capsys, flag, template, message):
    source = write_csv(tmp_path / "in.csv", list(good_rows(2)))
    name = [] if flag == "--name" else ["--name", "{row}.png"]
    assert main([source, "-o", str(tmp_path / "out"), flag, template, *name]) == 2
    error = capsys.readouterr().err.strip()
    assert message in error and "\n" not in error and "Traceback" not in error
    assert not (tmp_path / "out").exists()


def test_a_name_or_template_that_fails_costs_its_row_only(tmp_path):
    rows = [{"symbology": "qr", "data": "surrogate", "output": "\ud800.png"},
            {"symbology": "qr", "data": "fine", "output": "fine.png",
             "options": {"quiet_zone": [1, 0, 1, 0], "foreground": [0, 0, 128]}}]  # JSON lists as tuples
    result = generate_batch(write_jsonl(tmp_path / "in.jsonl", rows), tmp_path / "out.zip", jobs=1)
    lines = manifest(result.manifest)
    assert [line["status"] for line in lines] == ["error", "ok"]
    assert "lone surrogate" in lines[0]["error"] and lines[0]["output"] == "\\ud800.png"
    sheet = tmp_path / "sheet.csv"
    sheet.write_text("n\n1\nx\n", encoding="utf-8")
    result = generate_batch(sheet, tmp_path / "numbers", symbology="code128", data="N{n}", name="{n:04d}.png")
    lines = manifest(result.manifest)
    assert [line["status"] for line in lines] == ["error", "error"]  # "{n:04d}" of text: each row alone
    assert "--name: {n:04d} of '1'" in lines[0]["error"]


def test_zip_directory_spilled_in_blocks_is_what_zipfile_writes(tmp_path, monkeypatch):
    """The zip keeps a few entries' records in memory, not one per row: the archive is still
    byte for byte zipfile's, beyond 65,535 entries too (its ZIP64 end records)."""
    from barcode_quor.batch import spilled_zip

    monkeypatch.setattr(spilled_zip, "SPILL_EVERY", 1000)
    spilled = spilled_zip.SpilledZipFile(str(tmp_path / "spilled.zip"))
    plain = zipfile.ZipFile(tmp_path / "plain.zip", "w")
    for i in range(70000):
        for archive in (spilled, plain):
            archive.writestr(zipfile.ZipInfo(f"d/{i}.svg", (2026, 1, 2, 3, 4, 6)), f"<svg>{i}</svg>".encode())
        assert list.__len__(spilled.filelist) < 1000
    spilled.close()
    plain.close()
    assert (tmp_path / "spilled.zip").read_bytes() == (tmp_path / "plain.zip").read_bytes()
