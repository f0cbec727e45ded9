"""Spoken alerts on the real program, heard by the test suite's stand-in voice:
registered in the prefix under the system voice's class id, it writes down
each utterance (flags, volume, voice, text). Wine's own voice, which cannot
speak, is the fallback's test (test_alerts)."""
import os
import struct
import time

import pytest

import bench

VOICE_KEY = r"HKLM\Software\Classes\CLSID\{96749377-3391-11D2-9EE3-00C04F797396}\InprocServer32"
VOICES = r"HKLM\Software\Microsoft\Speech\Voices\Tokens"
# Two voices as Windows lists them, by the languages they speak (LANGIDs in hex).
STAND_IN_VOICES = {"Tavorin Test English": "409;9", "Tavorin Test Korean": "412"}
ASYNC_PLAIN_TEXT = 0x11  # SPF_ASYNC | SPF_IS_NOT_XML


def is_64_bit(path):
    with open(path, "rb") as f:
        data = f.read(4096)
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    return struct.unpack_from("<H", data, pe + 4)[0] == 0x8664


@pytest.fixture
def voice(tmp_path):
    """The stand-in voice in place of Wine's; what it was asked to say, line by line."""
    if not is_64_bit(bench.EXE):
        pytest.skip("the stand-in voice is a 64-bit library")
    log = tmp_path / "voice.log"
    log.touch()
    library = bench.wine("winepath", "-w", os.environ["TAVORIN_STAND_IN_VOICE"]).strip()
    bench.wine("reg", "add", VOICE_KEY, "/ve", "/d", library, "/f")
    for name, languages in STAND_IN_VOICES.items():
        bench.wine("reg", "add", rf"{VOICES}\{name}\Attributes", "/v", "Language", "/d", languages, "/f")
    env = dict(os.environ, TAVORIN_VOICE_LOG=bench.wine("winepath", "-w", str(log)).strip())
    yield env, lambda: log.read_text(encoding="utf-8").splitlines()
    bench.wine("reg", "delete", VOICE_KEY, "/ve", "/f", check=False)  # Wine's own voice again
    for name in STAND_IN_VOICES:
        bench.wine("reg", "delete", rf"{VOICES}\{name}", "/f", check=False)


def test_slots_ending_together_are_said_as_one_utterance_and_no_end_sound_plays(program, voice):
    env, said = voice
    # In English; slot 1's name said as written, never read as markup. Kept running from a run before:
    # slots 1 and 3 end in the same second, slot 5 turns red before.
    now = int(time.time())
    bench.reg_seed(Option={"ExpirySound": 1, "SoundVolume": 70, "Speak#0": 1, "Speak#2": 1, "Speak#4": 2,
                           "Warn#4": 1, "Language": 2, "KeepRunning": 1},
                   Save={"Name#0": "<해독제>", "Name#4": "Mana", "End#0": now + 5, "End#2": now + 5,
                         "End#4": now + 63})
    run = program(env=env)
    run.bar()
    recording = bench.Recording() if bench.AUDIO_SINK else None
    bench.wait_until(lambda: len(said()) >= 2, 15, 0.1, "the warning and the end said")
    first, second = said()[:2]
    assert first.endswith(" English Mana 1 minute"), "the warning: the name and the minute left, in English"
    assert second.endswith(" Korean <해독제>, Slot 3"), "one utterance, in slot order, by a voice that reads Hangul"
    assert first.split(" ")[:2] == second.split(" ")[:2] == [str(ASYNC_PLAIN_TEXT), "70"], "as text, at the volume"
    if recording:
        assert bench.sounds(recording.wait_more(0.5)) == [], "spoken, not chimed or ticked"
        recording.stop()
