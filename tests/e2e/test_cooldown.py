"""A slot with a cooldown and one that counts past its end, as a player meets
them on the real bar: each look on screen, a press refused while the skill is
not ready, and the ready tick heard. The phases' rules by time, the presses
in each phase and the restarts are proven natively; the flash and the editor
at the Win32 layer."""
import bench

GREY = (128, 128, 128)


def look(image, idle, slot):
    """"effect", "after" (the greyed second look) or "idle"."""
    time = bench.region_of(image, (*bench.time_box(slot)[:1], 61, *bench.time_box(slot)[2:]))
    pixels = {tuple(time[i:i + 3]) for i in range(0, len(time), 3)}
    if bench.slot_look(image, slot) == bench.slot_look(idle, slot):
        return "idle"
    return "after" if GREY in pixels and (0, 0, 0) not in pixels else "effect"


def test_an_effect_then_its_cooldown_then_ready_and_a_count_past_the_end(program):
    # Six seconds of cooldown after the effect: room for the refused press on a busy machine.
    bench.reg_seed(Option={"ExpirySound": 1, "CountUp#1": 1}, Save={"Time#0": 2, "Cooldown#0": 8, "Time#1": 1})
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)
    recording = bench.Recording() if bench.AUDIO_SINK else None

    bench.key("1")
    bench.wait_until(lambda: look(bench.window_image(bar), idle, 0) == "effect" or None, 3, 0.05, "the effect")
    bench.wait_until(lambda: look(bench.window_image(bar), idle, 0) == "after" or None, 5, 0.05, "the cooldown's look")
    # Not ready: refused. Slot 3 started after it shows the press was handled.
    bench.key("1", "3")
    bench.wait_until(lambda: bench.runs(bar, idle, 2) or None, 3, 0.05, "slot 3 started")
    assert look(bench.window_image(bar), idle, 0) == "after", "the press started nothing"
    bench.key("3")
    bench.wait_until(lambda: look(bench.window_image(bar), idle, 0) == "idle" or None, 10, 0.1, "ready again")
    if recording:
        recording.wait_sounds(2)
        samples = recording.samples()
        end, ready = bench.sounds(samples)[:2]
        alike = {name: bench.likeness(samples[a:b], bench.wave_samples(name)) for name, (a, b) in
                 (("chime", end), ("tick", ready))}
        assert min(alike.values()) > 0.8, f"the end, then the ready tick: {alike}"
        recording.stop()

    # Past its end, slot 2 counts up in the second look until a press stops it.
    bench.key("2")
    first = bench.wait_until(lambda: (lambda i: i if look(i, idle, 1) == "after" else None)(bench.window_image(bar)),
                             4, 0.05, "counting past the end")
    bench.wait_until(lambda: (lambda i: look(i, idle, 1) == "after" and bench.slot_time(i, 1) != bench.slot_time(
        first, 1))(bench.window_image(bar)) or None, 3, 0.1, "the count going up")
    bench.key("2")
    bench.wait_until(lambda: look(bench.window_image(bar), idle, 1) == "idle" or None, 3, 0.1, "stopped by a press")
