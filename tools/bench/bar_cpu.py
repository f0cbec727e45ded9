#!/usr/bin/env python3
"""CPU time the bar costs: 60 s with no slot running, then 60 s with all nine
running (ten recomposed frames a second), for the program's process and the
Wine server and X server that serve it. Run by tools/bench/run.sh."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
import bench  # noqa: E402

TICK = os.sysconf("SC_CLK_TCK")
SECONDS = float(os.environ.get("BAR_CPU_SECONDS", "60"))


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICK


def in_this_prefix(pid):
    """Whether a process belongs to this benchmark's Wine prefix (tests may run beside it)."""
    try:
        with open(f"/proc/{pid}/environ", "rb") as f:
            env = f.read().split(b"\0")
    except OSError:
        return False
    return f"WINEPREFIX={os.environ['WINEPREFIX']}".encode() in env


def pids(pattern):
    out = subprocess.run(["pgrep", "-f", pattern], capture_output=True, text=True).stdout.split()
    return [int(p) for p in out if pattern == "Xvfb" or in_this_prefix(int(p))]


def measure(label, programs):
    watched = {"Tavorin.exe": pids("Tavorin.exe"), "wineserver": pids("wineserver"), "Xvfb": pids("Xvfb")}
    before = {name: sum(cpu_seconds(p) for p in group) for name, group in watched.items()}
    time.sleep(SECONDS)
    after = {name: sum(cpu_seconds(p) for p in group) for name, group in watched.items()}
    used = {name: after[name] - before[name] for name in watched}
    parts = ", ".join(f"{name} {used[name]:.2f} s" for name in watched)
    print(f"{label}: {parts} over {SECONDS:.0f} s ({100 * sum(used.values()) / SECONDS:.1f} % of one core)")
    return used


def main():
    bench.reg_clear()
    run = bench.Program()
    try:
        bar = run.bar()
        time.sleep(2)
        idle = measure("no slot running", run)
        bench.focus(bar)
        bench.key(*"123456789")
        time.sleep(1)
        busy = measure("all nine running", run)
        frames = SECONDS * 10
        extra = sum(busy.values()) - sum(idle.values())
        print(f"cost of one recomposed bar frame, all processes: {1000 * extra / frames:.2f} ms CPU")
    finally:
        run.alt_f4()
        run.wait_exit()


if __name__ == "__main__":
    main()
