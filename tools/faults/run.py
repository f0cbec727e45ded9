"""Puts faults into the program one at a time and says which layer of the
suite catches each: the native tests, the Win32 tests, or only the end-to-end
tests named for it. A measure of the suite's strength, for the developers;
slow (a build and the layers' runs per fault), so no part of the suite.

    tools/faults/run.py FAULTS.json [NAME...]

Run it from a checkout of its own (git worktree add): each fault is written
into the source, built and tested, and the file is put back. FAULTS.json is a
list of {"name", "file", "find", "put", "tests": [further ctest tests, such as
"e2e.test_bar"]}; `find` must occur exactly once in the file.
"""
import json
import os
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DESKTOP = os.path.join(ROOT, "tools", "testenv", "desktop.sh")
WIN64 = os.path.join(ROOT, "build", "win64")


def quiet(command, cwd=ROOT, timeout=1800):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=timeout).returncode == 0


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


def main(path, only):
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
            caught = next((layer for layer, passed in layers(fault) if not passed), None)
        finally:
            with open(source, "w", encoding="utf-8") as file:
                file.write(original)
        results.append((fault["name"], caught))
        print(f"{fault['name']}: {caught or 'SURVIVED'} ({time.time() - started:.0f} s)", flush=True)
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
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1], set(sys.argv[2:]))
