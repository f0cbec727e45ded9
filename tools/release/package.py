"""Packs a built Tavorin.exe for players: the archive, its checksums and a
winget manifest for a portable package. The same inputs give the same bytes:
every archive entry has one fixed time and mode, and nothing else varies.
DIST holds this version's files alone afterwards; each checksum file lists
what lies beside it (SHA256SUMS in DIST the archive, the one in the archive
the program and its texts), so `sha256sum -c SHA256SUMS` checks either.

    package.py EXE VERSION DIST DOWNLOAD_BASE
"""
import glob
import hashlib
import json
import os
import re
import shutil
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..", "..")
FIXED_TIME = (1980, 1, 1, 0, 0, 0)  # the earliest time a zip entry can hold
PACKAGE_ID = "Melkbay.Tavorin"
MANIFEST_VERSION = "1.6.0"


def windows_text(text):
    """Text as Notepad on any Windows reads it: UTF-8 with a byte-order mark, CRLF lines."""
    return b"\xef\xbb\xbf" + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def entry(name):
    info = zipfile.ZipInfo(name, FIXED_TIME)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 0  # made on "MS-DOS": no Unix owner or mode bits
    info.external_attr = 0
    return info


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as file:
        file.write(text)


def quoted(text):
    """A YAML scalar that reads back as this string, whatever it holds ("0.10" stays no number)."""
    return json.dumps(text, ensure_ascii=False)


def winget_manifests(folder, version, archive_url, archive_sha):
    def manifest(kind, file_name, body):
        write(os.path.join(folder, file_name),
              f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}.{MANIFEST_VERSION}.schema.json\n"
              f"PackageIdentifier: {PACKAGE_ID}\nPackageVersion: {quoted(version)}\n" + body +
              f"ManifestType: {kind}\nManifestVersion: {MANIFEST_VERSION}\n")

    manifest("version", f"{PACKAGE_ID}.yaml", "DefaultLocale: ko-KR\n")
    manifest("installer", f"{PACKAGE_ID}.installer.yaml",
             "InstallerType: zip\n"
             "NestedInstallerType: portable\n"
             "NestedInstallerFiles:\n"
             "  - RelativeFilePath: Tavorin.exe\n"
             "    PortableCommandAlias: tavorin\n"
             "Installers:\n"
             "  - Architecture: x86\n"
             f"    InstallerUrl: {quoted(archive_url)}\n"
             f"    InstallerSha256: {archive_sha.upper()}\n")
    manifest("defaultLocale", f"{PACKAGE_ID}.locale.ko-KR.yaml",
             "PackageLocale: ko-KR\n"
             "Publisher: Melkbay\n"
             "PackageName: Tavorin\n"
             "License: MIT\n"
             f"ShortDescription: {quoted('온라인 롤플레잉 게임의 물약, 스킬, 음식 시간을 재는 아홉 칸 타이머 막대')}\n"
             "Tags:\n  - timer\n  - game\n")


def clear_packed(dist):
    """What an earlier packing left in DIST (another version's archive and manifests)."""
    for path in glob.glob(os.path.join(dist, "Tavorin-*-win32.zip")) + [os.path.join(dist, "SHA256SUMS")]:
        if os.path.isfile(path):
            os.remove(path)
    shutil.rmtree(os.path.join(dist, "winget"), ignore_errors=True)


def sums(entries):
    return "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in entries)


def main(exe, version, dist, download_base):
    if not re.fullmatch(r"[0-9]+(\.[0-9]+)*", version):
        sys.exit(f"package.py: the version must be numbers and dots (such as 0.11), not {version!r}")
    os.makedirs(dist, exist_ok=True)
    clear_packed(dist)
    name = f"Tavorin-{version}-win32.zip"
    archive = os.path.join(dist, name)
    with open(os.path.join(HERE, "README.txt.in"), encoding="utf-8") as file:
        readme = file.read().replace("@VERSION@", version)
    with open(os.path.join(ROOT, "LICENSE"), encoding="utf-8") as file:
        license_text = file.read()
    with open(exe, "rb") as file:
        program = file.read()
    packed_files = [("Tavorin.exe", program), ("README.txt", windows_text(readme)),
                    ("LICENSE", windows_text(license_text))]
    with zipfile.ZipFile(archive, "w") as packed:
        for entry_name, data in packed_files:
            packed.writestr(entry(entry_name), data)
        packed.writestr(entry("SHA256SUMS"), sums(packed_files))

    with open(archive, "rb") as file:
        archive_bytes = file.read()
    write(os.path.join(dist, "SHA256SUMS"), sums([(name, archive_bytes)]))
    manifests = os.path.join(dist, "winget", "manifests", "m", "Melkbay", "Tavorin", version)
    os.makedirs(manifests, exist_ok=True)
    winget_manifests(manifests, version, f"{download_base.rstrip('/')}/{name}", hashlib.sha256(archive_bytes).hexdigest())
    print(archive)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
