"""Puts faults into the program one at a time and says which layer of the
suite catches each: the native tests, the Win32 tests, or only the end-to-end
tests named for it. A measure of the suite's strength, for the developers;
slow (a build and the layers' runs per fault), so no part of the suite.

    tools/faults/run.py [--which] FAULTS.json [NAME...]

Run it from a checkout of its own (git worktree add): each fault is written
into the source, built and tested, and the file is put back. FAULTS.json is a
list of {"name", "file", "find", "put", "tests": [further ctest tests, such as
"e2e.test_bar"]}; `find` must occur exactly once in the file.

With --which it names, for each fault, every native and Win32-layer test that
fails with it in (both layers run whatever the first says), and at the end the
tests that are a fault's only catcher: what can be thinned without losing a
catch, and what cannot.
"""
import json
import os
import re
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DESKTOP = os.path.join(ROOT, "tools", "testenv", "desktop.sh")
WIN64 = os.path.join(ROOT, "build", "win64")


def quiet(command, cwd=ROOT, timeout=1800):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=timeout).returncode == 0


def failing(command):
    """The tests a ctest run reports failed: GoogleTest's and pytest's names,
    a test that started and never ended (a crash, as the address checker's
    abort) marked so, and failing programs that named neither by their own."""
    out = subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                         errors="replace", timeout=1800).stdout
    gtests = set(re.findall(r"^(?:\d+: )?\[  FAILED  \] ([\w/]+\.[\w/]+)(?=,| \(|$)", out, re.M))
    pytests = set(re.findall(r"^(?:\d+: )?FAILED (\S+::\w+)", out, re.M))
    finished = gtests | set(re.findall(r"\[       OK \] (\S+)", out))
    crashed = {f"{name} (crashed)" for name in re.findall(r"\[ RUN      \] (\S+)", out) if name not in finished}
    if not gtests | pytests | crashed:
        crashed = {f"{name} ({why})" for name, why in re.findall(r"^\s+\d+ - (\S+) \((.+)\)$", out, re.M)}
    return sorted(gtests | pytests | crashed)


def catchers():
    """Every native and Win32-layer test that fails with the fault in."""
    if not quiet(["cmake", "--build", "--preset", "native"]) or not quiet(["cmake", "--build", "--preset", "win64"]):
        return ["(no build)"]
    return (failing(["ctest", "--preset", "native", "-V"]) +
            failing([DESKTOP, "ctest", "--preset", "win64", "-R", "^wine.wineprefix$|^win", "-V"]))


def layers(fault):
    """(layer, passed) for each layer in turn, up to the first that fails."""
    if not quiet(["cmake", "--build", "--preset", "native"]) or not quiet(["ctest", "--preset", "native"]):
        yield "native", False
        return
    yield "native", True
    if not quiet(["cmake", "--build", "--preset", "win64"]):
        yield "build", False
        return
    yield "win32-layer", quiet([DESKTOP, "ctest", "--preset", "win64", "-R", "^wine.wineprefix$|^win"])
    for test in fault.get("tests", []):
        yield test, quiet([DESKTOP, "ctest", "--preset", "win64", "-R", f"^wine.wineprefix$|^{test}$"])


def main(path, only, which=False):
    faults = json.load(open(path, encoding="utf-8"))
    results = []
    stale = []
    for fault in faults:
        if only and fault["name"] not in only:
            continue
        source = os.path.join(ROOT, fault["file"])
        original = open(source, encoding="utf-8").read()
        if original.count(fault["find"]) != 1:
            print(f"{fault['name']}: the text to change is not there once", flush=True)
            stale.append(fault["name"])
            continue
        started = time.time()
        try:
            with open(source, "w", encoding="utf-8") as file:
                file.write(original.replace(fault["find"], fault["put"]))
            if which:
                caught = catchers()
            else:
                caught = next((layer for layer, passed in layers(fault) if not passed), None)
        finally:
            with open(source, "w", encoding="utf-8") as file:
                file.write(original)
        results.append((fault["name"], caught))
        shown = ", ".join(caught) if which else caught
        print(f"{fault['name']}: {shown or 'SURVIVED'} ({time.time() - started:.0f} s)", flush=True)
    if which:
        only_catcher = {}
        for name, tests in results:
            if len(tests) == 1 and tests != ["(no build)"]:
                only_catcher.setdefault(tests[0], []).append(name)
        for test, names in sorted(only_catcher.items()):
            print(f"only {test} catches {', '.join(names)}")
        results = [(name, "caught" if tests else None) for name, tests in results]
    by_layer = {}
    for _, caught in results:
        key = "survived" if caught is None else caught.split(".")[0]
        by_layer[key] = by_layer.get(key, 0) + 1
    print(f"{len(results)} faults: " + ", ".join(f"{n} {layer}" for layer, n in sorted(by_layer.items())))
    if stale:
        print(f"{len(stale)} not put in, their text gone from the code: " + ", ".join(stale))
    quiet(["cmake", "--build", "--preset", "native"])
    quiet(["cmake", "--build", "--preset", "win64"])


if __name__ == "__main__":
    which = "--which" in sys.argv[1:2]
    arguments = sys.argv[2:] if which else sys.argv[1:]
    if not arguments:
        sys.exit(__doc__)
    main(arguments[0], set(arguments[1:]), which)
