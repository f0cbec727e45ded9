"""Packs a built Tavorin.exe for players: the archive, its checksums and a
winget manifest for a portable package. The same inputs give the same bytes:
every archive entry has one fixed time and mode, and nothing else varies.

    package.py EXE VERSION DIST DOWNLOAD_BASE
"""
import hashlib
import os
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


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as file:
        file.write(text)


def winget_manifests(folder, version, archive_url, archive_sha):
    def manifest(kind, file_name, body):
        write(os.path.join(folder, file_name),
              f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}.{MANIFEST_VERSION}.schema.json\n"
              f"PackageIdentifier: {PACKAGE_ID}\nPackageVersion: {version}\n" + body +
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
             f"    InstallerUrl: {archive_url}\n"
             f"    InstallerSha256: {archive_sha.upper()}\n")
    manifest("defaultLocale", f"{PACKAGE_ID}.locale.ko-KR.yaml",
             "PackageLocale: ko-KR\n"
             "Publisher: Melkbay\n"
             "PackageName: Tavorin\n"
             "License: MIT\n"
             "ShortDescription: 온라인 롤플레잉 게임의 물약, 스킬, 음식 시간을 재는 아홉 칸 타이머 막대\n"
             "Tags:\n  - timer\n  - game\n")


def main(exe, version, dist, download_base):
    os.makedirs(dist, exist_ok=True)
    name = f"Tavorin-{version}-win32.zip"
    archive = os.path.join(dist, name)
    with open(os.path.join(HERE, "README.txt.in"), encoding="utf-8") as file:
        readme = file.read().replace("@VERSION@", version)
    with open(os.path.join(ROOT, "LICENSE"), encoding="utf-8") as file:
        license_text = file.read()
    with open(exe, "rb") as file:
        program = file.read()
    with zipfile.ZipFile(archive, "w") as packed:
        packed.writestr(entry("Tavorin.exe"), program)
        packed.writestr(entry("README.txt"), windows_text(readme))
        packed.writestr(entry("LICENSE"), windows_text(license_text))

    archive_sha = sha256(archive)
    write(os.path.join(dist, "SHA256SUMS"),
          f"{archive_sha}  {name}\n{hashlib.sha256(program).hexdigest()}  Tavorin.exe\n")
    manifests = os.path.join(dist, "winget", "manifests", "m", "Melkbay", "Tavorin", version)
    os.makedirs(manifests, exist_ok=True)
    winget_manifests(manifests, version, f"{download_base.rstrip('/')}/{name}", archive_sha)
    print(archive)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
