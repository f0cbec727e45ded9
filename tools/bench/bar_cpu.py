#!/usr/bin/env python3
"""CPU time the windows cost, for the program's process and the Wine server and
X server that serve it, against an ideal window of the same size repainting in
full from a ready bitmap at the same rate:
  - the bar with no slot running, with all nine running (10 Hz ideal), with
    three sets whose slots all run, with every slot's alerts on (a sound, a
    warning, a repeat) and at 60 % opacity;
  - the editor with the left button held on a digit box (30 ms ideal).
Run by tools/bench/run.sh (IDEAL_POPUP names the ideal window's program)."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "testenv"))
import bench  # noqa: E402

TICK = os.sysconf("SC_CLK_TCK")
SECONDS = float(os.environ.get("BAR_CPU_SECONDS", "20"))


def cpu_seconds(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
    except OSError:
        return 0.0
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


def measure(label, program):
    watched = {program: pids(program), "wineserver": pids("wineserver"), "Xvfb": pids("Xvfb")}
    before = {name: sum(cpu_seconds(p) for p in group) for name, group in watched.items()}
    time.sleep(SECONDS)
    after = {name: sum(cpu_seconds(p) for p in group) for name, group in watched.items()}
    used = {name: after[name] - before[name] for name in watched}
    total = sum(used.values())
    parts = ", ".join(f"{name} {used[name]:.2f} s" for name in watched)
    print(f"{label}: {total:.2f} s ({parts}) over {SECONDS:.0f} s, {100 * total / SECONDS:.1f} % of one core")
    return total


def ideal(width, height, period):
    popup = subprocess.Popen(["wine", os.environ["IDEAL_POPUP"], str(width), str(height), str(period)],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        bench.wait_window(title="Ideal", process="ideal_popup.exe")
        time.sleep(1)
        return measure(f"ideal {width} x {height} popup, full repaint every {period} ms", "ideal_popup.exe")
    finally:
        popup.kill()
        bench.run_wine(["taskkill", "/F", "/IM", "ideal_popup.exe"])


def main():
    ideal_bar = ideal(480, 100, 100)
    ideal_editor = ideal(480, 220, 30)

    bench.reg_clear()
    run = bench.Program()
    try:
        bar = run.bar()
        time.sleep(2)
        measure("bar, no slot running", "Tavorin.exe")
        bench.click_bare(bar)
        bench.key(*"123456789")
        time.sleep(1)
        busy = measure("bar, all nine running", "Tavorin.exe")

        bench.click(bar, 35, 45)
        editor = run.editor()
        left, top = editor["rect"][:2]
        bench.xdotool("mousemove", left + 189, top + 159, "mousedown", "1")  # the seconds box
        time.sleep(1)
        held = measure("editor, left button held on a digit box", "Tavorin.exe")
        bench.xdotool("mouseup", "1")
        print(f"ratio bar / ideal 10 Hz: {busy / ideal_bar:.2f} (goal at most 0.5)")
        print(f"ratio editor hold / ideal 30 ms: {held / ideal_editor:.2f} (goal at most 2)")
    finally:
        run.kill()

    # Three sets, every slot of each running: the two not shown cost nothing.
    bench.reg_clear()
    ends = int(time.time()) + 3600
    bench.reg_set("Option", "KeepRunning", 1)
    bench.reg_set("Option", "SetName", "A")
    for section, name in (("Set1", "B"), ("Set2", "C"), ("Save", None)):
        if name:
            bench.wine("reg", "add", f"{bench.PROGRAM_KEY}\\{section}", "/v", "SetName", "/d", name, "/f")
        for slot in range(9):
            bench.reg_set(section, f"End#{slot}", ends)
    run = bench.Program()
    try:
        run.bar()
        time.sleep(2)
        sets = measure("bar, three sets, all their slots running", "Tavorin.exe")
        print(f"ratio three sets / one set, all running: {sets / busy:.2f} (goal 1)")
    finally:
        run.kill()

    quiet = all_nine("bar, all nine running, alerts on, none due", ALERTS, [3600] * 9)
    print(f"ratio alerts on / off, all running, none due: {quiet / busy:.2f} (goal 1)")
    # Four turn red within the measure (a warning each), five end and start again every few seconds.
    recording = bench.Recording() if bench.AUDIO_SINK else None
    sounding = all_nine("bar, all nine running, alerts sounding", ALERTS, [61, 62, 63, 64, 3, 4, 5, 6, 7])
    if recording:
        played = len(bench.sounds(recording.samples()))
        recording.stop()
        print(f"sounds played: {played}, {1000 * (sounding - quiet) / max(played, 1):.0f} ms of CPU each"
              " (the system's audio path: Wine's mixer and its server)")
    spoken = all_nine("bar, all nine running, speaking, none due", {**ALERTS, **SPEAKING}, [3600] * 9)
    print(f"ratio speech on / off, all running, none due: {spoken / quiet:.2f} (goal 1)")
    after = after_effects("bar, five cooling, four counting past their end")
    print(f"ratio after their effects / running, all nine: {after / busy:.2f} (goal 1)")
    opaque_ratio = all_nine("bar at 60 %, all nine running", {"Opacity": 60}, [3600] * 9) / busy
    print(f"ratio 60 % / opaque, all running: {opaque_ratio:.2f} (goal 1)")


# Every slot has a sound, a warning and a repeat.
ALERTS = {**{f"Sound#{i}": i % 4 for i in range(9)}, **{f"Warn#{i}": 1 for i in range(9)},
          **{f"Repeat#{i}": 1 for i in range(9)}, "ExpirySound": 1}

# Every slot says its warning and its end.
SPEAKING = {f"Speak#{i}": 2 for i in range(9)}


def after_effects(label):
    """Every slot past its effect, kept from a run a second ago: five in a
    two-hour cooldown, four counting up."""
    bench.reg_clear()
    bench.reg_set("Option", "KeepRunning", 1)
    ended = int(time.time()) - 1
    for slot in range(9):
        bench.reg_set("Save", f"Time#{slot}", 60)
        bench.reg_set("Save", f"End#{slot}", ended)
        if slot < 5:
            bench.reg_set("Save", f"Cooldown#{slot}", 7200)
        else:
            bench.reg_set("Option", f"CountUp#{slot}", 1)
    run = bench.Program()
    try:
        run.bar()
        bench.xdotool("mousemove", 5, 5)
        time.sleep(1)
        return measure(label, "Tavorin.exe")
    finally:
        run.kill()


def all_nine(label, options, times):
    bench.reg_clear()
    for name, value in options.items():
        bench.reg_set("Option", name, value)
    for slot, seconds in enumerate(times):
        bench.reg_set("Save", f"Time#{slot}", seconds)
    run = bench.Program()
    try:
        bar = run.bar()
        bench.click_bare(bar)
        bench.key(*"123456789")
        bench.xdotool("mousemove", 5, 5)  # off the bar: a hovered bar shows opaque
        time.sleep(1)
        return measure(label, "Tavorin.exe")
    finally:
        run.kill()


if __name__ == "__main__":
    if sys.argv[1:] == ["--after-effects"]:  # that case alone, against all nine running
        running = all_nine("bar, all nine running", {}, [3600] * 9)
        after = after_effects("bar, five cooling, four counting past their end")
        print(f"ratio after their effects / running, all nine: {after / running:.2f} (goal 1)")
    else:
        main()
