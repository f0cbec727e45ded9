import os
import subprocess
import sys

import pytest

# The bench driver lives with the test environment's tools, which use it too.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "testenv"))
import bench  # noqa: E402


@pytest.fixture(scope="session", autouse=True)
def wine_server():
    """One persistent Wine server for the whole file, so starts are quick."""
    if not bench.EXE or not os.environ.get("DISPLAY"):
        pytest.fail("run through ctest under an X display (scripts/test.sh does both)")
    subprocess.run(["wineserver", "-p"], check=True)
    yield
    bench.run_wine(["taskkill", "/F", "/IM", "Tavorin.exe"])
    subprocess.run(["wineserver", "-k"])


@pytest.fixture
def program():
    """Starts Tavorin on a clean registry; the test seeds values before calling it."""
    bench.reg_clear()
    started = []

    def start(env=None, exe=None):
        run = bench.Program(env=env, exe=exe)
        started.append(run)
        return run

    yield start
    for run in started:
        run.kill()
