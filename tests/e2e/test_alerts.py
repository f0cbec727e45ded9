"""The slots' alerts as the player hears them: the program's sounds recorded
from the desktop's null sink while slots end. When a warning ticks and a slot
starts again, and that the switch off silences every end, is proven below,
natively and with the real bar; so is one sound for ends due together, and
each at the volume of the moment."""
import os

import bench

SOUNDS = ["chime", "bell", "beeps", "gong"]  # Sound# 0 to 3


def test_each_end_sound_is_heard_as_itself_and_a_slot_without_one_is_silent_or_chimes_where_it_speaks(program):
    """Slots 5 and 6 have no sound chosen; slot 6 speaks, and Wine's voice refuses to: the chime plays instead."""
    bench.reg_seed(Option={"ExpirySound": 1, **{f"Sound#{slot}": min(slot, 4) for slot in range(6)}, "Speak#5": 1},
                   Save={f"Time#{slot}": 1 for slot in range(6)})
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)
    recording = bench.Recording()
    for slot in range(4):
        bench.key(str(slot + 1))
        recording.wait_sounds(slot + 1)
    bench.key("5")
    bench.wait_running(bar, idle, [4])
    bench.wait_running(bar, idle, [], what="slot 5 ended")
    bench.key("6")
    recording.wait_sounds(5)
    samples = recording.wait_more(0.5)
    heard = bench.sounds(samples)
    assert len(heard) == 5, "slot 5 (nothing chosen) stays silent"
    for slot, (start, end) in enumerate(heard):
        alike = {name: bench.likeness(samples[start:end], bench.wave_samples(name)) for name in SOUNDS}
        wanted = (SOUNDS + ["chime"])[slot]
        assert max(alike, key=alike.get) == wanted and alike[wanted] > 0.8, alike
    recording.stop()


def test_without_a_sound_device_an_end_is_silent_and_the_bar_plays_on(program):
    bench.reg_seed(Option={"ExpirySound": 1}, Save={"Time#0": 1})
    run = program(dict(os.environ, PULSE_SERVER="unix:/nonexistent/pulse/native"))
    bar = run.bar()
    idle = bench.window_image(bar)
    bench.key("1")
    bench.wait_running(bar, idle, [0])
    bench.wait_running(bar, idle, [], what="slot 1 ended where no device plays")
    bench.key("2")
    bench.wait_running(bar, idle, [1], what="the bar still takes keys")
    assert bench.message_boxes() == [], "no error box"
    assert run.running()


def test_the_warning_tick_is_heard_as_the_slot_turns_red(program):
    bench.reg_seed(Save={"Time#0": 62}, Option={"Warn#0": 1, "Sound#0": 4})  # nothing at its end: the tick alone
    run = program()
    run.bar()
    recording = bench.Recording()
    bench.key("1")
    heard = recording.wait_sounds(1, timeout=12)
    samples = recording.samples()
    tick = samples[heard[0][0]:heard[0][1]]
    assert len(tick) < 0.3 * bench.AUDIO_RATE, "a short tick"
    alike = {name: bench.likeness(tick, bench.wave_samples(name)) for name in SOUNDS + ["tick"]}
    assert max(alike, key=alike.get) == "tick", alike
    recording.stop()
