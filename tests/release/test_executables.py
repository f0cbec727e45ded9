"""The shipped executables carry the protections Windows offers and need no
DLL that Windows does not ship."""
import os

import pytest

from pe import (DYNAMIC_BASE, HIGH_ENTROPY_VA, IMAGE_FILE_MACHINE_AMD64, IMAGE_FILE_MACHINE_I386,
                NX_COMPAT, RELOCS_STRIPPED, PeFile)

# DLLs of Windows itself (the C runtime msvcrt.dll among them, as every
# Windows since XP has it); anything else would have to travel with the program.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll", "shell32.dll",
               "ole32.dll", "wininet.dll", "winmm.dll", "wtsapi32.dll", "comctl32.dll", "url.dll"}

EXECUTABLES = [path for path in os.environ.get("TAVORIN_EXECUTABLES", "").split(",") if path]


@pytest.fixture(params=EXECUTABLES or [None], ids=os.path.basename)
def program(request):
    if request.param is None:
        pytest.fail("TAVORIN_EXECUTABLES names no executable")
    with open(request.param, "rb") as file:
        return PeFile(file.read())


def test_aslr_dep_and_no_writable_code(program):
    assert program.machine in (IMAGE_FILE_MACHINE_I386, IMAGE_FILE_MACHINE_AMD64)
    assert program.dll_characteristics & DYNAMIC_BASE, "ASLR: dynamic base"
    assert not program.characteristics & RELOCS_STRIPPED, "a dynamic base needs its relocations"
    assert program.dll_characteristics & NX_COMPAT, "DEP: NX compatible"
    if program.is64:
        assert program.dll_characteristics & HIGH_ENTROPY_VA, "high-entropy ASLR on 64-bit"
    assert program.writable_and_executable() == []


def test_imports_only_dlls_of_windows(program):
    imported = program.imports()
    assert "kernel32.dll" in imported
    assert set(imported) <= SYSTEM_DLLS, set(imported) - SYSTEM_DLLS


def test_no_build_time_in_the_header_and_no_developer_trace(program):
    assert program.timestamp == 0
    assert "Tavorin: ".encode("utf-16-le") not in program.data, "a release build traces nothing"
