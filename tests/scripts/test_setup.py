"""The scripts' set-up on both kinds of machine, with and without Wine's 32-bit
loader, played here with stand-ins: a folder of loaders of our own
(TAVORIN_WINE_LIB), a forced answer to "does this machine run 32-bit code"
(TAVORIN_RUNS_32BIT) and package tools that only write down what they are asked."""
import os
import stat
import subprocess

import pytest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def loaders(folder, names):
    os.makedirs(folder, exist_ok=True)
    for name in names:
        path = os.path.join(folder, name)
        with open(path, "w") as file:
            file.write("#!/bin/sh\n")
        os.chmod(path, 0o755)
    return str(folder)


@pytest.mark.parametrize("present, tools, listed", [
    (["wine64"], "wine64", ["wine64"]),                  # no 32-bit code: the machine that once ended run.sh
    (["wine", "wine64"], "wine64", ["wine", "wine64"]),  # both loaders
    ([], "wine", []),                                    # Wine elsewhere on the PATH
])
def test_the_wine_settings_load_under_pipefail_with_either_loader(tmp_path, present, tools, listed):
    lib = loaders(tmp_path / "lib", present)
    done = subprocess.run(["bash", "-c", 'set -euo pipefail; . tools/testenv/wine-env.sh; echo "$wine_tools|$wine_loaders"'],
                          cwd=ROOT, env=dict(os.environ, TAVORIN_WINE_LIB=lib), capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    found_tools, found_loaders = done.stdout.strip().split("|")
    assert found_tools == (os.path.join(lib, tools) if tools != "wine" else "wine")
    assert found_loaders.split() == [os.path.join(lib, name) for name in listed]


def stub_tools(folder, uid):
    """dpkg-query says every package is in; locale lists the Korean one; the
    rest write their arguments to calls.log."""
    os.makedirs(folder, exist_ok=True)
    log = os.path.join(folder, "calls.log")
    scripts = {
        "dpkg-query": "echo 'install ok installed'",
        "locale": "echo ko_KR.utf8",
        "id": f"echo {uid}",
        "apt-get": f'echo "apt-get $*" >> {log}',
        "dpkg": f'echo "dpkg $*" >> {log}',
    }
    for name, body in scripts.items():
        path = os.path.join(folder, name)
        with open(path, "w") as file:
            file.write(f"#!/bin/sh\n{body}\n")
        os.chmod(path, os.stat(path).st_mode | stat.S_IEXEC)
    return log


@pytest.mark.parametrize("runs_32bit, present, uid, code, installs", [
    ("1", ["wine64"], 0, 0, True),            # 32-bit code runs, no loader yet: it comes
    ("1", ["wine", "wine64"], 0, 0, False),   # already there
    ("0", ["wine64"], 0, 0, False),           # no 32-bit code: nothing to add
    ("1", ["wine64"], 1000, 1, False),        # not root: says what to do
])
def test_setup_adds_the_32bit_loader_only_where_32bit_code_runs(tmp_path, runs_32bit, present, uid, code, installs):
    lib = loaders(tmp_path / "lib", present)
    log = stub_tools(tmp_path / "bin", uid)
    env = dict(os.environ, TAVORIN_WINE_LIB=lib, TAVORIN_RUNS_32BIT=runs_32bit,
               PATH=f"{tmp_path / 'bin'}:{os.environ['PATH']}")
    done = subprocess.run(["bash", "scripts/setup.sh"], cwd=ROOT, env=env, capture_output=True, text=True)
    assert done.returncode == code, done.stderr
    calls = open(log).read() if os.path.exists(log) else ""
    assert ("wine32:i386" in calls) == installs, calls
    if installs:
        assert "dpkg --add-architecture i386" in calls
    if code:
        assert "wine32:i386" in done.stderr

