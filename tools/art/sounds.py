"""The program's sounds: the expiry chime, three more end sounds and the
warning tick. Each is struck partials (sines) under an exponential decay,
mono 16-bit PCM at 22,050 Hz, under a second: short enough to be heard over a
game without covering it. Each has its own peak, so the loudest of several
due at once is plain, and the tick is the quietest."""
import math
import struct
import wave

RATE = 22050


class Sound:
    def __init__(self, seconds, peak, strokes, partials, decay, gate=None):
        self.seconds = seconds  # length
        self.peak = peak  # of full scale
        self.strokes = strokes  # (start in seconds, pitch in Hz)
        self.partials = partials  # (multiple of the pitch, loudness)
        self.decay = decay  # per second, of the envelope's exponent
        self.gate = gate  # seconds a stroke lasts before it is cut (with a ramp), or None


SOUNDS = {
    # Two bell strokes a fifth apart, A5 then E6: a chime, not an alarm.
    "chime": Sound(0.7, 0.45, ((0.0, 880.0), (0.16, 1318.5)), ((1.0, 1.0), (2.0, 0.35), (3.0, 0.12)), 6.0),
    # One high stroke with a bell's uneven partials, ringing longer.
    "bell": Sound(0.9, 0.5, ((0.0, 1568.0),), ((1.0, 1.0), (2.76, 0.45), (5.4, 0.2)), 4.0),
    # Two short beeps of a hollow tone (odd partials), cut hard.
    "beeps": Sound(0.42, 0.4, ((0.0, 1000.0), (0.22, 1000.0)), ((1.0, 1.0), (3.0, 0.3), (5.0, 0.12)), 1.0,
                   gate=0.12),
    # A low gong, G3, with partials that beat against each other.
    "gong": Sound(0.95, 0.55, ((0.0, 196.0),), ((1.0, 1.0), (1.48, 0.6), (2.1, 0.35), (2.9, 0.15)), 3.0),
    # The warning: one short, quiet tick.
    "tick": Sound(0.08, 0.2, ((0.0, 2200.0),), ((1.0, 1.0), (2.0, 0.3)), 60.0),
}


def samples(sound):
    count = int(RATE * sound.seconds)
    out = []
    for n in range(count):
        t = n / RATE
        value = 0.0
        for start, pitch in sound.strokes:
            if t < start:
                continue
            age = t - start
            attack = min(1.0, age / 0.004)  # 4 ms: no click at the stroke
            envelope = attack * math.exp(-age * sound.decay)
            if sound.gate is not None:
                envelope *= max(0.0, min(1.0, (sound.gate - age) / 0.004))
            value += envelope * sum(loud * math.sin(2 * math.pi * pitch * mult * age) for mult, loud in sound.partials)
        out.append(value)
    fade = int(RATE * min(0.03, sound.seconds / 4))  # the end fades to silence: no click there
    for i in range(fade):
        out[count - fade + i] *= 1.0 - (i + 1) / fade
    top = max(abs(v) for v in out)
    return [round(v / top * sound.peak * 32767) for v in out]


def write(path, name):
    frames = samples(SOUNDS[name])
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(struct.pack(f"<{len(frames)}h", *frames))
