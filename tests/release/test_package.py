"""The packer of the release, run on a stand-in program: checksum files that
verify what lies beside them, manifests that read back as YAML with the
version as text, the player's texts as Notepad reads them, and a DIST that
holds one version only."""
import os
import subprocess
import sys
import zipfile

import pytest
import yaml

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
PACKER = os.path.join(ROOT, "tools", "release", "package.py")
BASE = "http://update.melkbay.example/melkbay"


def pack(tmp_path, version, dist=None):
    exe = tmp_path / "Tavorin.exe"
    exe.write_bytes(b"MZ stand-in program " + version.encode())
    dist = dist or tmp_path / "dist"
    done = subprocess.run([sys.executable, PACKER, str(exe), version, str(dist), BASE], capture_output=True, text=True)
    return done, dist


def manifests(dist, version):
    folder = dist / "winget" / "manifests" / "m" / "Melkbay" / "Tavorin" / version
    return {name: yaml.safe_load((folder / name).read_text(encoding="utf-8")) for name in os.listdir(folder)}


def test_each_checksum_file_verifies_what_lies_beside_it_without_a_warning(tmp_path):
    done, dist = pack(tmp_path, "0.11")
    assert done.returncode == 0, done.stderr
    check = subprocess.run(["sha256sum", "-c", "SHA256SUMS"], cwd=dist, capture_output=True, text=True)
    assert (check.returncode, check.stderr) == (0, ""), check.stdout
    unpacked = tmp_path / "unpacked"
    with zipfile.ZipFile(dist / "Tavorin-0.11-win32.zip") as archive:
        archive.extractall(unpacked)
        assert archive.namelist() == ["Tavorin.exe", "README.txt", "LICENSE", "SHA256SUMS"]
    check = subprocess.run(["sha256sum", "-c", "SHA256SUMS"], cwd=unpacked, capture_output=True, text=True)
    assert (check.returncode, check.stderr) == (0, "") and check.stdout.count(": OK") == 3, check.stdout
    for text in ("README.txt", "LICENSE"):
        data = (unpacked / text).read_bytes()
        assert data.startswith(b"\xef\xbb\xbf") and b"\r\n" in data and b"\n" not in data.replace(b"\r\n", b""), text
        data.decode("utf-8-sig")


def test_the_manifests_read_back_with_the_version_as_text_and_the_archives_sum(tmp_path):
    done, dist = pack(tmp_path, "0.10")
    assert done.returncode == 0, done.stderr
    read = manifests(dist, "0.10")
    assert {manifest["PackageVersion"] for manifest in read.values()} == {"0.10"}, "not the number 0.1"
    installer = read["Melkbay.Tavorin.installer.yaml"]["Installers"][0]
    assert installer["InstallerUrl"] == f"{BASE}/Tavorin-0.10-win32.zip"
    sums = (dist / "SHA256SUMS").read_text().split()
    assert installer["InstallerSha256"] == sums[0].upper() and sums[1] == "Tavorin-0.10-win32.zip"


@pytest.mark.parametrize("version", ["0.11: [x", "1/2", "", "v0.11", "0..11", "0.11\n"])
def test_a_version_that_is_not_numbers_and_dots_is_refused_and_nothing_is_written(tmp_path, version):
    done, dist = pack(tmp_path, version)
    assert done.returncode != 0 and "numbers and dots" in done.stderr
    assert "Traceback" not in done.stderr
    assert not dist.exists()


def test_packing_a_new_version_leaves_only_its_files(tmp_path):
    pack(tmp_path, "0.10")
    (tmp_path / "dist" / "notes.txt").write_text("the player's own")
    done, dist = pack(tmp_path, "0.11")
    assert done.returncode == 0, done.stderr
    found = sorted(os.path.relpath(os.path.join(folder, name), dist)
                   for folder, _, names in os.walk(dist) for name in names)
    assert [path for path in found if "0.10" in path] == []
    assert "Tavorin-0.11-win32.zip" in found and "notes.txt" in found
