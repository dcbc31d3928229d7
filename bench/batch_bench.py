"""Batch throughput. First, beside `zint --batch` in the same run: a text file of Code 128 data lines
to one PNG each, by zint (one process), by us with one job and with two. Then (with --mixed N) rows
per second of a mixed batch (every symbology, PNG and SVG) drawn by one process, by every core, and
by a local Dask cluster, with the peak memory of the process that reads the input and of the busiest
cluster worker. Not a test.

    make bench-batch     (or: PYTHONPATH=build/python python3.13 bench/batch_bench.py [--rows N] [--mixed N])
"""
import argparse
import json
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time

# One valid input per symbology of the high-level API.
DATA = {
    "code39": "HELLO-39", "code93": "CODE-93", "code128": "Code-128 0123456789",
    "gs1-128": "(01)09501101530003(17)251231(10)ABC123",
    "gs1-128-convenience": "9191234500000000000000000000000000000000000",
    "nw7": "A40156B", "itf": "1234567890", "matrix2of5": "1234567", "nec2of5": "1234567",
    "ean13": "490123456789", "ean8": "4901234", "upca": "03600029145", "upce": "0123456",
    "databar": "0950110153001", "databar-stacked": "0950110153001", "databar-stacked-omni": "0950110153001",
    "databar-limited": "1501234567890", "databar-expanded": "(01)09501101530003(3103)001750",
    "databar-expanded-stacked": "(01)09501101530003(3103)001750(10)LOT42",
    "japanpost": "10000131-3-2-503", "qr": "https://example.com/qr?id=0123456789",
    "gs1-qr": "(01)09501101530003(17)251231(10)ABC123", "datamatrix": "https://example.com/dm?id=0123456789",
    "gs1-datamatrix": "(01)09501101530003(17)251231(10)ABC123", "pdf417": "PDF417 Hello, World! 0123456789",
}


def write_input(path, rows):
    names = list(DATA)
    with open(path, "w", encoding="utf-8") as f:
        for i in range(rows):
            symbology = names[i % len(names)]
            kind = "svg" if (i // len(names)) % 2 else "png"
            row = {"symbology": symbology, "data": DATA[symbology], "output": f"{i % 1000:03d}/{i}.{kind}"}
            f.write(json.dumps(row) + "\n")


def peak_mb(usage):
    return usage.ru_maxrss / 1024


def run(mode, source, output, jobs):
    """One measurement, in a process of its own so that its peak memory is its own."""
    from barcode_quor.batch import generate_batch

    start = time.perf_counter()
    if mode == "dask":
        import distributed

        with distributed.LocalCluster(n_workers=jobs, threads_per_worker=1, processes=True, host="127.0.0.1",
                                      dashboard_address=None) as cluster, distributed.Client(cluster) as client:
            start = time.perf_counter()
            result = generate_batch(source, output, dask=client, progress=False)
            seconds = time.perf_counter() - start
            workers = client.run(lambda: resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024)
            drawing_peak = max(workers.values())
    else:
        result = generate_batch(source, output, jobs=jobs, progress=False)
        seconds = time.perf_counter() - start
        drawing_peak = 0.0
    print(json.dumps({"rows": result.total, "failed": result.failed, "seconds": seconds,
                      "reader_mb": peak_mb(resource.getrusage(resource.RUSAGE_SELF)), "drawing_mb": drawing_peak}))


def timed(command):
    """(wall seconds, CPU seconds of the command and every process it waited for)."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return time.perf_counter() - start, after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime


def against_zint(rows, where):
    """Code 128 data lines to PNG files: zint --batch, then ours with one and two jobs, same input."""
    with tempfile.TemporaryDirectory(dir=where) as folder:
        source = os.path.join(folder, "rows.txt")
        with open(source, "w") as f:
            f.writelines(f"CODE-{i:06d}-ABC\n" for i in range(rows))
        os.mkdir(os.path.join(folder, "zint"))
        wall, cpu = timed(["zint", "-b", "CODE128", "--batch", "-i", source, "-o",
                           os.path.join(folder, "zint", "~" * 7 + ".png")])
        zint = rows / wall
        print(f"{rows} Code 128 rows to PNG files in {where or tempfile.gettempdir()}")
        print(f"{'':28} {'rows/s':>9} {'vs zint':>8} {'rows/CPU s':>11}")
        print(f"{'zint --batch (1 process)':28} {zint:9.0f} {1:8.2f} {rows / cpu:11.0f}")
        for jobs in (1, 2):
            output = os.path.join(folder, f"ours{jobs}")
            wall, cpu = timed([sys.executable, "-m", "barcode_quor.batch", source, "-o", output, "--symbology",
                               "code128", "--name", "{row:07d}.png", "--jobs", str(jobs)])
            print(f"{f'barcode-quor batch, {jobs} job(s)':28} {rows / wall:9.0f} {rows / wall / zint:8.2f} "
                  f"{rows / cpu:11.0f}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rows", type=int, default=20_000, help="Code 128 rows against zint (default 20000)")
    parser.add_argument("--dir", help="where the files go (default: the temporary folder; /dev/shm leaves "
                                      "the disk out of the comparison)")
    parser.add_argument("--mixed", type=int, default=0, help="rows of the mixed batch (default: none)")
    parser.add_argument("--run", nargs=4, metavar=("MODE", "SOURCE", "OUTPUT", "JOBS"), help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.run:
        mode, source, output, jobs = args.run
        run(mode, source, output, int(jobs))
        return
    against_zint(args.rows, args.dir)
    if not args.mixed:
        return
    cores = os.process_cpu_count() or 1
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "batch.jsonl")
        write_input(source, args.mixed)
        print(f"{args.mixed} rows, {len(DATA)} symbologies, PNG and SVG, {cores} cores")
        print(f"{'runner':28} {'rows/s':>9} {'failed':>7} {'reader MB':>10} {'drawing MB':>11}")
        for label, mode, jobs in (("1 job", "local", 1), (f"{cores} jobs", "local", cores),
                                  (f"local Dask, {cores} workers", "dask", cores)):
            output = os.path.join(folder, "out")
            line = subprocess.run([sys.executable, __file__, "--run", mode, source, output, str(jobs)],
                                  check=True, capture_output=True, text=True).stdout.splitlines()[-1]
            shutil.rmtree(output)
            m = json.loads(line)
            # The pool's processes are not this process's children, so only the cluster reports theirs.
            drawing = f"{m['drawing_mb']:11.0f}" if m["drawing_mb"] else f"{'-':>11}"
            print(f"{label:28} {m['rows'] / m['seconds']:9.0f} {m['failed']:7d} {m['reader_mb']:10.0f} {drawing}")


if __name__ == "__main__":
    main()
