"""The batch on a real local Dask cluster: a scheduler and two worker processes on loopback."""
import os
import signal
import subprocess
import sys
import zipfile

import pytest

from barcode_quor.batch import BatchError, generate_batch
from batch_support import BAD, check_directory, check_file, good_rows, manifest, write_jsonl

distributed = pytest.importorskip("distributed")


@pytest.fixture(autouse=True)
def deadline():
    """No test here may wait for a cluster for ever: past two minutes it fails."""
    def expire(signum, frame):
        raise TimeoutError("the Dask test took more than 120 s")

    previous = signal.signal(signal.SIGALRM, expire)
    signal.alarm(120)
    yield
    signal.alarm(0)
    signal.signal(signal.SIGALRM, previous)


@pytest.fixture(scope="module")
def client():
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                                  dashboard_address=None) as cluster, distributed.Client(cluster) as client:
        yield client


def test_cluster_batch_to_zip_by_address(client, tmp_path):
    rows = list(good_rows(30))
    source = write_jsonl(tmp_path / "in.jsonl", rows[:15] + BAD + rows[15:])
    result = generate_batch(source, tmp_path / "out.zip", dask=client.scheduler.address, chunk_size=4)
    assert (result.written, result.failed) == (30, len(BAD))
    lines = manifest(result.manifest)
    assert [line["status"] == "error" for line in lines] == [False] * 15 + [True] * len(BAD) + [False] * 15
    with zipfile.ZipFile(tmp_path / "out.zip") as z:
        assert sorted(z.namelist()) == sorted(row["output"] for row in rows)
        for row in rows:
            check_file(row["output"], z.read(row["output"]), row["data"])


def test_killed_worker_loses_nothing(client, tmp_path):
    rows = list(good_rows(200))
    source = write_jsonl(tmp_path / "in.jsonl", rows)
    victim = next(iter(client.run(os.getpid).values()))
    killed = []

    def kill_once(result):
        if result.row == 30 and not killed:
            os.kill(victim, signal.SIGKILL)  # the nanny starts a new worker; its tasks move on
            killed.append(result.row)

    result = generate_batch(source, tmp_path / "out", dask=client, progress=kill_once, chunk_size=4)
    assert killed and (result.total, result.written, result.failed) == (200, 200, 0)
    assert [int(line["row"]) for line in manifest(result.manifest)] == list(range(1, 201))
    check_directory(tmp_path / "out", rows)


@pytest.fixture
def scheduler():
    """A scheduler alone on loopback; tests start their workers as separate processes."""
    with distributed.LocalCluster(n_workers=0, processes=True, host="127.0.0.1", dashboard_address=None) as cluster:
        yield cluster


def start_worker(address, pythonpath):
    command = [sys.executable, "-m", "distributed.cli.dask_worker", address, "--nthreads", "1", "--no-nanny",
               "--no-dashboard", "--host", "127.0.0.1"]
    return subprocess.Popen(command, env={**os.environ, "PYTHONPATH": pythonpath}, stderr=subprocess.DEVNULL)


@pytest.mark.parametrize("case", ["unreachable", "worker without barcode_quor"])
def test_unusable_cluster_refused_before_drawing(tmp_path, scheduler, case):
    source = write_jsonl(tmp_path / "in.jsonl", list(good_rows(4)))
    address = "tcp://127.0.0.1:9" if case == "unreachable" else scheduler.scheduler_address
    worker = start_worker(address, "") if case != "unreachable" else None  # its imports lack the package
    try:
        with pytest.raises(BatchError, match="Dask"):
            generate_batch(source, tmp_path / "out", dask=address, dask_timeout=20 if worker else 2)
    finally:
        if worker:
            worker.kill()
            worker.wait()
    assert not any((tmp_path / "out").iterdir()) and not (tmp_path / "out.manifest.csv").exists()


@pytest.mark.parametrize("loss", ["last worker", "scheduler"])
def test_lost_cluster_ends_with_a_manifest(tmp_path, scheduler, loss):
    rows = list(good_rows(3000))
    source = write_jsonl(tmp_path / "in.jsonl", rows)
    worker = start_worker(scheduler.scheduler_address, os.pathsep.join(sys.path))
    with distributed.Client(scheduler.scheduler_address) as waiting:  # a loaded machine starts it slowly
        waiting.wait_for_workers(1, timeout=60)

    def lose_once(result):
        if result.row == 40:
            worker.kill() if loss == "last worker" else scheduler.close()

    try:
        result = generate_batch(source, tmp_path / "out", dask=scheduler.scheduler_address, chunk_size=4,
                                dask_timeout=3, progress=lose_once)
    finally:
        worker.kill()
        worker.wait()
    assert result.stopped and not result.ok
    lines = manifest(result.manifest)
    assert 40 <= len(lines) < len(rows) and lines[-1]["error"].startswith("not drawn: ")
