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


def stub_tools(folder, uid, missing="", failing=""):
    """dpkg-query says every package but `missing` is in; locale lists the Korean
    one; apt-get installs all but `failing` and, where `failing` is set, its
    update cannot fetch one index (a mirror in the middle of a sync); the
    rest write their arguments to calls.log."""
    os.makedirs(folder, exist_ok=True)
    log = os.path.join(folder, "calls.log")
    index = "http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz"
    scripts = {
        "dpkg-query": f'[ "$3" = "{missing}" ] && echo "unknown ok not-installed" || echo "install ok installed"',
        "locale": "echo ko_KR.utf8",
        "id": f"echo {uid}",
        "apt-get": f"""echo "apt-get $*" >> {log}
case "$*" in
  update*) [ -z "{failing}" ] && exit 0
           echo "E: Failed to fetch {index}  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
           echo "E: Some index files failed to download." >&2; exit 100 ;;
  *" {failing}"*) [ -n "{failing}" ] && echo "E: Error, pkgProblemResolver::Resolve generated breaks" >&2 && exit 100 ;;
esac""",
        "dpkg": f'echo "dpkg $*" >> {log}',
    }
    for name, body in scripts.items():
        path = os.path.join(folder, name)
        with open(path, "w") as file:
            file.write(f"#!/bin/sh\n{body}\n")
        os.chmod(path, os.stat(path).st_mode | stat.S_IEXEC)
    return log


def run_setup(tmp_path, present, runs_32bit="1", uid=0, flag=True, **stubs):
    lib = loaders(tmp_path / "lib", present)
    log = stub_tools(tmp_path / "bin", uid, **stubs)
    env = dict(os.environ, TAVORIN_WINE_LIB=lib, TAVORIN_RUNS_32BIT=runs_32bit,
               PATH=f"{tmp_path / 'bin'}:{os.environ['PATH']}")
    done = subprocess.run(["bash", "scripts/setup.sh"] + (["--32bit-wine"] if flag else []), cwd=ROOT, env=env,
                          capture_output=True, text=True)
    return done, open(log).read() if os.path.exists(log) else ""


@pytest.mark.parametrize("runs_32bit, present, uid, flag, code, installs", [
    ("1", ["wine64"], 0, True, 0, True),            # 32-bit code runs, no loader yet: it comes
    ("1", ["wine", "wine64"], 0, True, 0, False),   # already there
    ("0", ["wine64"], 0, True, 0, False),           # no 32-bit code: nothing to add
    ("1", ["wine64"], 1000, True, 1, False),        # not root: says what to do
    ("1", ["wine64"], 0, False, 0, False),          # the run command and the release need no loader
])
def test_setup_adds_the_32bit_loader_only_where_32bit_code_runs(tmp_path, runs_32bit, present, uid, flag, code,
                                                                 installs):
    done, calls = run_setup(tmp_path, present, runs_32bit, uid, flag)
    assert done.returncode == code, done.stderr
    assert ("wine32:i386" in calls) == installs, calls
    if installs:
        assert "dpkg --add-architecture i386" in calls
    if code:
        assert "wine32:i386" in done.stderr


SKIPPED = "32-bit Wine could not be installed: the end-to-end tests run the 64-bit build only"


def test_a_mirror_in_sync_costs_the_32bit_pass_only(tmp_path):
    # The package lists fail for one index twice in a row, the 32-bit loader cannot be installed, a
    # package the build needs can.
    done, calls = run_setup(tmp_path, ["wine64"], missing="xdotool", failing="wine32:i386")
    assert done.returncode == 0, done.stderr
    assert calls.count("apt-get update") == 4, "each update tried once more"
    assert "install -y -qq --no-install-recommends xdotool" in calls
    lines = done.stdout.splitlines()
    assert lines.count(SKIPPED) == 1, done.stdout
    assert sum("could not fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386"
               "/Packages.xz" in line for line in lines) == 2, done.stdout


def test_a_package_the_build_needs_that_will_not_install_stops_the_setup_naming_it(tmp_path):
    done, calls = run_setup(tmp_path, ["wine", "wine64"], missing="xdotool", failing="xdotool")
    assert done.returncode == 1
    assert "could not be installed: xdotool" in done.stderr
