"""The batch on a real local Dask cluster: a scheduler and two worker processes on loopback."""
import os
import signal
import zipfile

import pytest

from barcode_quor.batch import generate_batch
from batch_support import BAD, check_directory, check_file, good_rows, manifest, write_jsonl

distributed = pytest.importorskip("distributed")


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
