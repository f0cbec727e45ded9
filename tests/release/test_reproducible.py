"""Two builds of the same sources in different folders give the same program
and the same archive, byte for byte."""
import os
import shutil
import subprocess
import tempfile
import zipfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
VERSION = open(os.path.join(ROOT, "version.txt")).read().strip()


def copy_sources(target):
    """The tracked files, as a fresh clone would have them."""
    files = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
                           check=True, capture_output=True).stdout.decode().split("\0")
    for name in filter(None, files):
        source = os.path.join(ROOT, name)
        if os.path.isfile(source):
            os.makedirs(os.path.dirname(os.path.join(target, name)), exist_ok=True)
            shutil.copy2(source, os.path.join(target, name))


def release(folder):
    sources = os.path.join(folder, "src")
    copy_sources(sources)
    subprocess.run(["bash", "scripts/release.sh", os.path.join(folder, "out"), os.path.join(folder, "dist")],
                   cwd=sources, check=True, stdout=subprocess.DEVNULL)
    dist = os.path.join(folder, "dist")
    with open(os.path.join(folder, "out", "Tavorin.exe"), "rb") as exe, \
            open(os.path.join(dist, f"Tavorin-{VERSION}-win32.zip"), "rb") as archive, \
            open(os.path.join(dist, "SHA256SUMS")) as sums:
        return exe.read(), archive.read(), sums.read()


def test_two_builds_in_different_folders_are_identical():
    with tempfile.TemporaryDirectory(prefix="tavorin-a-") as first, \
            tempfile.TemporaryDirectory(prefix="tavorin-release-b-") as second:
        exe_a, zip_a, sums_a = release(first)
        exe_b, zip_b, sums_b = release(second)
        assert exe_a == exe_b, "the executables differ"
        assert zip_a == zip_b, "the archives differ"
        assert sums_a == sums_b
        with zipfile.ZipFile(os.path.join(first, "dist", f"Tavorin-{VERSION}-win32.zip")) as archive:
            assert archive.namelist() == ["Tavorin.exe", "README.txt", "LICENSE", "SHA256SUMS"]
            assert archive.read("Tavorin.exe") == exe_a
        for folder in (first, second):
            assert folder.encode() not in exe_a, "a build path is in the program"
