"""The end-to-end test bench: Tavorin.exe under Wine on an X display.

Every helper is one call: start the program, wait for a window, click at a
client point of a window, press a key, read a screenshot pixel, seed and read
registry values. Windows are found and read back with the inspector, a small
Win32 program of the test suite that runs under the same Wine server.
"""
import json
import contextlib
import os
import subprocess
import tempfile
import time

from PIL import Image, ImageGrab

EXE = os.environ.get("TAVORIN_EXE", "")
INSPECTOR = os.environ.get("TAVORIN_INSPECTOR", "")
PROGRAM_KEY = r"HKCU\Software\Melkbay\Tavorin"
COMPANY_KEY = r"HKCU\Software\Melkbay"
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "version.txt")) as _file:
    VERSION = _file.read().strip()
TITLE = f"Tavorin v{VERSION}"
# Wine's console tools and the bench's own programs run on the 64-bit loader:
# with both loaders installed, the 32-bit taskkill cannot see 64-bit programs.
WINE_TOOLS = "/usr/lib/wine/wine64" if os.path.exists("/usr/lib/wine/wine64") else "wine"

WS_VISIBLE = 0x10000000
WS_EX_TOOLWINDOW = 0x80
WS_EX_APPWINDOW = 0x40000


class BenchError(AssertionError):
    pass


def run_wine(args, timeout=60):
    """Runs a 64-bit Wine program and returns (exit code, output bytes). The output
    goes through a file, not a pipe: Wine's helper processes, started by the
    first program of a session, would hold a pipe open long after it ended."""
    with tempfile.TemporaryFile() as out:
        code = subprocess.run([WINE_TOOLS, *map(str, args)], stdout=out, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode
        out.seek(0)
        return code, out.read()


def wine(*args, timeout=60, check=True):
    """Runs a Wine console program; its output is in code page 949."""
    code, out = run_wine(args, timeout)
    if check and code != 0:
        # Seen once in a full run: "reg add" ended with 1 right after a test
        # had killed its programs, a command that passes every other time.
        # Once more, after a pause, before it counts as a failure.
        time.sleep(1.0)
        code, out = run_wine(args, timeout)
    if check and code != 0:
        raise BenchError(f"wine {' '.join(map(str, args))} failed with {code}: "
                         f"{out.decode('cp949', 'replace').strip()}")
    return out.decode("cp949", "replace")


def wait_until(predicate, timeout=10.0, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise BenchError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


# ---- registry ------------------------------------------------------------

def reg_clear():
    """Removes everything the program keeps in the registry."""
    wine("reg", "delete", COMPANY_KEY, "/f", check=False)


def reg_set(section, name, value):
    """Seeds one value of the program's key; ints become REG_DWORD, strs REG_SZ."""
    reg_seed(**{section: {name: value}})


def reg_seed(**sections):
    """Seeds many values at once, reg_seed(Option={"MainWinLeft": 20}, Save={"Name#0": "물약"}):
    one import of a .reg file, ints as REG_DWORD and strs as REG_SZ."""
    lines = ["Windows Registry Editor Version 5.00", ""]
    for section, values in sections.items():
        lines.append(f"[{PROGRAM_KEY.replace('HKCU', 'HKEY_CURRENT_USER')}\\{section}]")
        for name, value in values.items():
            data = (f"dword:{value & 0xFFFFFFFF:08x}" if isinstance(value, int) else
                    '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"')
            lines.append(f'"{name}"={data}')
        lines.append("")
    with tempfile.NamedTemporaryFile("wb", suffix=".reg", delete=False) as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("utf-16"))
    try:
        wine("reg", "import", "Z:" + f.name.replace("/", "\\"))
    finally:
        os.unlink(f.name)


def reg_values(section):
    """{name: (type, value)} of one section; REG_DWORD values as signed ints."""
    code, raw = run_wine(["reg", "query", f"{PROGRAM_KEY}\\{section}"])
    if code != 0:
        # Seen once on a loaded machine: a query of a section that was there
        # failed and read as empty. Once more before it counts as absent.
        time.sleep(0.5)
        code, raw = run_wine(["reg", "query", f"{PROGRAM_KEY}\\{section}"])
    out = raw.decode("cp949", "replace")
    values = {}
    for line in out.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            name, kind = parts[0], parts[1]
            raw = parts[2] if len(parts) == 3 else ""
            if kind == "REG_DWORD":
                number = int(raw, 16)
                values[name] = (kind, number - (1 << 32) if number >= 1 << 31 else number)
            else:
                values[name] = (kind, raw)
    return values


# ---- windows ---------------------------------------------------------------

def windows(process="Tavorin.exe"):
    """The top-level windows of a process, as the inspector reports them."""
    for attempt in range(2):
        code, out = run_wine([INSPECTOR, "windows"], 30)
        found = [json.loads(line) for line in out.decode("utf-8", "replace").splitlines() if line.startswith("{")]
        # A desktop always has windows: an inspector that failed or listed none
        # (seen once on a loaded machine, with a box plainly open) looks again.
        if code == 0 and found:
            break
        time.sleep(0.2)
    return [w for w in found if process is None or w["process"].lower() == process.lower()]


def inspector(*args):
    out = run_wine([INSPECTOR, *args], 30)[1]
    lines = [line for line in out.decode("utf-8", "replace").splitlines() if line.startswith("{")]
    return json.loads(lines[-1]) if lines else None


def find_window(title=None, cls=None, visible=None, size=None, process="Tavorin.exe"):
    for w in windows(process):
        left, top, right, bottom = w["rect"]
        if size is not None and (right - left, bottom - top) != tuple(size):
            continue
        if title is not None and w["title"] != title:
            continue
        if cls is not None and w["class"] != cls:
            continue
        if visible is not None and w["visible"] != visible:
            continue
        return w
    return None


def wait_window(timeout=15.0, **criteria):
    return wait_until(lambda: find_window(**criteria), timeout, 0.2, f"window {criteria}")


def send(window, message, wparam=0, lparam=0):
    return inspector("send", window["hwnd"], message, wparam, lparam)


def post(window, message, wparam=0, lparam=0):
    return inspector("post", window["hwnd"], message, wparam, lparam)


# ---- X input and screen ----------------------------------------------------

def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, timeout=30)


def activate(window):
    """Brings a window to the front as a click on its taskbar entry does: the
    desktop's window manager activates it and gives it the keyboard."""
    xdotool("windowactivate", "--sync", window["xid"])


def focus(window):
    """Gives the X keyboard focus to a window directly, where the window manager
    cannot: the host is a window of no size, which it never activates (on
    Windows its taskbar entry does), and Wine 8.0 does not pass a program's own
    SetForegroundWindow on to the manager, as Windows does."""
    xdotool("windowfocus", "--sync", window["xid"])


def click_bare(bar, scale=1):
    """A click on the bar's bare skin: the bar in front with the keyboard, nothing else."""
    click(bar, BARE[0] * scale, BARE[1] * scale)


def key(*names):
    xdotool("key", "--delay", "40", *names)


def click(window, x, y, button=1):
    """A click at client point (x, y) of a frameless window."""
    left, top = window["rect"][0], window["rect"][1]
    xdotool("mousemove", left + x, top + y, "click", button)


def control(window, control_id):
    """The child window of that control id, its rect on the client area."""
    return next(c for c in window["children"] if c["id"] == control_id)


def click_control(window, control_id, dx=None, dy=None, button=1):
    """A click on a control of a framed window (its middle, or a point inside it)."""
    left, top, right, bottom = control(window, control_id)["rect"]
    x = window["origin"][0] + (left + (right - left) // 2 if dx is None else left + dx)
    y = window["origin"][1] + (top + (bottom - top) // 2 if dy is None else top + dy)
    xdotool("mousemove", x, y, "click", button)


def drag(window, x, y, dx, dy, steps=5):
    """Presses at client point (x, y), moves by (dx, dy) in steps, releases."""
    left, top = window["rect"][0], window["rect"][1]
    xdotool("mousemove", left + x, top + y, "mousedown", "1")
    for step in range(1, steps + 1):
        xdotool("mousemove", left + x + dx * step // steps, top + y + dy * step // steps)
        time.sleep(0.05)
    xdotool("mouseup", "1")


def count_repaints(window, seconds):
    """How many times the window's pixels reached the X server within `seconds`
    (X Damage reports, cleared after each: one per burst of drawing)."""
    from Xlib import display as xdisplay
    from Xlib.ext import damage

    connection = xdisplay.Display(os.environ.get("DISPLAY"))
    try:
        target = connection.create_resource_object("window", window["xid"])
        connection.damage_query_version()
        watch = target.damage_create(damage.DamageReportNonEmpty)
        connection.damage_subtract(watch)
        connection.sync()
        while connection.pending_events():
            connection.next_event()
        count = 0
        deadline = time.time() + seconds
        while time.time() < deadline:
            connection.sync()
            while connection.pending_events():
                if connection.next_event().type == connection.extension_event.DamageNotify:
                    count += 1
                    connection.damage_subtract(watch)
            time.sleep(0.01)
        connection.damage_destroy(watch)
        return count
    finally:
        connection.close()


def screenshot():
    return ImageGrab.grab(xdisplay=os.environ.get("DISPLAY")).convert("RGB")


def pixel(image, x, y):
    return image.getpixel((x, y))


def save_screenshot(path, box=None):
    image = screenshot()
    if box:
        image = image.crop(box)
    image.save(path)
    return path


# ---- the bar -------------------------------------------------------------------

BAR_SIZE = (480, 100)
EDITOR_SIZE = (480, 220)
ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "art")
MAGENTA = (255, 0, 255)


def icon_box(slot):
    """Client rectangle of a slot's icon box (0-based slot)."""
    return (20 + 45 * slot, 30, 50 + 45 * slot, 60)


def time_box(slot):
    return (15 + 45 * slot, 55, 55 + 45 * slot, 85)


def art_pixels(name):
    """{(x, y): colour} of the non-magenta pixels of a picture in res/art."""
    image = Image.open(os.path.join(ART, name)).convert("RGB")
    return {(x, y): image.getpixel((x, y)) for y in range(image.height) for x in range(image.width)
            if image.getpixel((x, y)) != MAGENTA}


def drawn_at(image, pixels, left, top):
    """Whether a picture's non-magenta pixels appear exactly at (left, top)."""
    return all(image.getpixel((left + x, top + y)) == colour for (x, y), colour in pixels.items())


def slot_time(image, slot):
    """The pixels of a slot's time, below the strip where its icon box overlaps its time box."""
    left, _, right, bottom = time_box(slot)
    return region_of(image, (left, 61, right, bottom))


def slot_look(image, slot):
    """What a slot shows: its icon box (a running icon stands 2 pixels aside from the
    first frame) and its time."""
    return region_of(image, icon_box(slot)) + slot_time(image, slot)


def running(bar, idle):
    """The slots that show otherwise than on the idle bar: the running ones (the
    pointer off their icons, where a name would show)."""
    image = window_image(bar)
    return [slot for slot in range(9) if slot_look(image, slot) != slot_look(idle, slot)]


def runs(bar, idle, slot):
    return slot in running(bar, idle)


def wait_running(bar, idle, slots, timeout=5.0, what=None):
    """Waits until exactly these slots run. After keys that must start nothing,
    a key that starts a slot shows that the others were handled first."""
    return wait_until(lambda: running(bar, idle) == list(slots) or None, timeout, 0.1,
                      what or f"slots {[s + 1 for s in slots]} running")


def wait_changed(read, before, timeout=5.0, what="a change"):
    """Waits until read() gives something other than `before`, and returns it."""
    return wait_until(lambda: (lambda now: now if now != before else None)(read()), timeout, 0.1, what)


def window_image(window, shot=None):
    """The screen pixels of a window, in its own client coordinates."""
    shot = shot or screenshot()
    return shot.crop(tuple(window["rect"]))


def region_of(image, box):
    return image.crop(box).tobytes()


def saved_slot(slot):
    """A slot's stored values: {"Icon": ..., "Time": ..., "Name": ...}, those that exist."""
    values = reg_values("Save")
    return {name: values[f"{name}#{slot}"][1] for name in ("Icon", "Time", "Name") if f"{name}#{slot}" in values}


# ---- message boxes ---------------------------------------------------------------

IDOK, IDYES, IDNO = 1, 6, 7


def message_boxes(caption="Tavorin"):
    """The program's visible message boxes: {"hwnd", "text", "buttons": {id: label}}."""
    boxes = []
    for w in windows():
        if w["class"] != "#32770" or w["title"] != caption or not w["visible"]:
            continue
        texts = [c["text"] for c in w["children"] if c["class"] == "Static" and c["id"] == 0xFFFF]
        buttons = {c["id"]: c["text"] for c in w["children"] if c["class"] == "Button"}
        boxes.append({"hwnd": w["hwnd"], "text": texts[0] if texts else None, "buttons": buttons, "window": w})
    return boxes


def wait_message_box(timeout=15.0):
    return wait_until(lambda: (message_boxes() or [None])[0], timeout, 0.2, "a message box")


def press(box, button_id):
    assert inspector("click", box["hwnd"], button_id)["ok"]


def type_text(window, text):
    """Characters into a window as an input method hands them over (WM_CHAR), each
    arriving whole: X's typing of Korean text arrives garbled on a busy machine."""
    assert inspector("chars", window["hwnd"], *[hex(ord(c)) for c in text])["ok"]


# ---- the bar's right-click menu ----------------------------------------------

MENU_ITEMS = 5  # the check items; then a separator (half an item high), "세트" and "설정..."
SETS_ITEM = MENU_ITEMS
SETTINGS_ITEM = MENU_ITEMS + 1
HALF_ITEM = 141 / 15  # px: a menu of seven items and a separator under Wine is 141 px high
BARE = (300, 95)  # a point of the bar's bare skin (at 1x)


def open_menu(bar, scale=1):
    click(bar, BARE[0] * scale, BARE[1] * scale, button=3)
    return wait_window(cls="#32768", visible=True)


def menu_point(menu, item, separators_before):
    """Screen point of the middle of a menu's item, counted without its separators."""
    left, top, right, bottom = menu["rect"]
    middle = 2 * item + 1 + separators_before  # in half items
    halves = round((bottom - top) / HALF_ITEM)
    return left + 60, top + (bottom - top) * middle // halves


def menu_row(menu, item):
    """Screen point of the middle of a bar menu item, and the picture of its left margin (the check mark)."""
    x, y = menu_point(menu, item, 1 if item >= MENU_ITEMS else 0)
    return (x, y), screenshot().crop((menu["rect"][0] + 2, y - 6, menu["rect"][0] + 20, y + 6)).tobytes()


SET_ACTIONS = ["new", "rename", "delete", "export", "import", "copy", "paste"]


def choose_set_item(bar, sets, item):
    """A click in the bar menu's "세트": a set's name (a number, its place among
    `sets` names) or one of SET_ACTIONS."""
    menu = open_menu(bar)
    xdotool("mousemove", *menu_row(menu, SETS_ITEM)[0])
    sub = wait_until(lambda: next((w for w in windows() if w["class"] == "#32768" and w["visible"]
                                   and w["hwnd"] != menu["hwnd"]), None), 5, 0.1, "the sets' submenu")
    index = item if isinstance(item, int) else sets + SET_ACTIONS.index(item)
    point = menu_point(sub, index, 0 if isinstance(item, int) else 1)
    # Along the submenu first, so that the pointer does not cross the menu's other items.
    xdotool("mousemove", sub["rect"][0] + 20, menu_row(menu, SETS_ITEM)[0][1], "mousemove", *point, "click", "1")
    menu_gone()


def menu_gone():
    wait_until(lambda: find_window(cls="#32768", visible=True) is None, 5, 0.1, "the menu to close")


def choose(bar, item, scale=1):
    point, _ = menu_row(open_menu(bar, scale), item)
    xdotool("mousemove", *point, "click", "1")
    menu_gone()


def open_settings(bar, title="설정"):
    """The settings window, opened from the bar's menu."""
    choose(bar, SETTINGS_ITEM)
    return wait_window(title=title, visible=True, cls="#32770")


def show_page(sheet, index, control_id):
    """The settings window's page `index` in front: the sheet, once that page's control shows."""
    send(sheet, 0x465, index, 0)  # PSM_SETCURSEL

    def shown():
        window = find_window(title=sheet["title"], visible=True)
        return window if window and any(c["id"] == control_id and c["visible"] for c in window["children"]) else None

    return wait_until(shown, 5, 0.1, f"the settings window's page {index}")


# ---- the game: Wine's notepad, in front and clear of the bar -----------------

@contextlib.contextmanager
def notepad(x=0, y=560):
    process = subprocess.Popen(["wine", "notepad"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        game = wait_window(cls="Notepad", visible=True, process="notepad.exe")
        xdotool("windowsize", game["xid"], 400, 200, "windowmove", game["xid"], x, y)

        def placed():  # the frame's own edges and caption around the 400 x 200 asked for
            window = find_window(cls="Notepad", process="notepad.exe")
            left, top, right, _ = window["rect"]
            return window if abs(right - left - 400) <= 16 and abs(top - y) <= 40 else None

        game = wait_until(placed, 5, 0.1, "the game's window in its place")
        activate(game)
        yield game
    finally:
        process.kill()
        run_wine(["taskkill", "/F", "/IM", "notepad.exe"])


def notepad_text():
    return find_window(cls="Notepad", process="notepad.exe")["children"][0]["text"]


# ---- the program -------------------------------------------------------------

class Program:
    """One run of Tavorin.exe."""

    def __init__(self, env=None, exe=None):
        if os.environ.get("TAVORIN_COUNT_STARTS"):
            with open(os.environ["TAVORIN_COUNT_STARTS"], "a") as log:
                log.write("start\n")
        self.process = subprocess.Popen(["wine", exe or EXE], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        env=env)
        # Started: the modal loop has shown the host at its first idle moment.
        self.host = wait_window(title=TITLE, visible=True)

    def bar(self, timeout=15.0, scale=1):
        """The bar, once it has painted its first frame (its black title text shows)."""
        size = (BAR_SIZE[0] * scale, BAR_SIZE[1] * scale)
        bar = wait_window(timeout, title="", cls="#32770", visible=True, size=size)

        def painted():
            image = window_image(bar)
            return any(image.getpixel((x, y)) == (0, 0, 0) for x in range(7 * scale, 60 * scale)
                       for y in range(3 * scale, 18 * scale))

        wait_until(painted, timeout, 0.1, "the bar's first frame")
        return bar

    def editor(self, visible=True, timeout=15.0, scale=1):
        """The editor window, once it is (or is not) shown."""
        size = (EDITOR_SIZE[0] * scale, EDITOR_SIZE[1] * scale)
        return wait_window(timeout, title="", cls="#32770", visible=visible, size=size)

    def open_editor(self, slot, scale=1):
        """A click on the slot's icon, and the editor shown with its first frame painted."""
        left, top, right, bottom = icon_box(slot)
        bar = self.bar(scale=scale)
        click(bar, (left + right) // 2 * scale, (top + bottom) // 2 * scale)
        editor = self.editor(scale=scale)
        ok = art_pixels("ok.bmp")
        wait_until(lambda: scale != 1 or drawn_at(window_image(editor), ok, 300, 168), 5, 0.1,
                   "the editor's first frame")
        return editor

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=15.0):
        try:
            self.process.wait(timeout)
        except subprocess.TimeoutExpired as error:
            raise BenchError("Tavorin.exe did not end") from error
        # The Wine process ends just after the program's last registry write.
        wait_until(lambda: find_window(title=TITLE) is None, timeout, 0.2, "the host to go")

    def alt_f4(self, window=None):
        if window:
            activate(window)
        else:
            focus(self.host)
        key("alt+F4")

    def kill(self):
        if self.running():
            run_wine(["taskkill", "/F", "/IM", "Tavorin.exe"], 30)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()


# --- Sound: what the program plays into the desktop's null sink ---

AUDIO_RATE = 22050
AUDIO_SINK = os.environ.get("TAVORIN_AUDIO_SINK", "")


class Recording:
    """Records the null sink's monitor, mono 16-bit, until stopped."""

    def __init__(self):
        if not AUDIO_SINK:
            raise BenchError("no audio sink: run on the test desktop (tools/testenv/desktop.sh)")
        self.file = tempfile.TemporaryFile()
        self.process = subprocess.Popen(["parec", "-d", f"{AUDIO_SINK}.monitor", "--format=s16le", "--channels=1",
                                         f"--rate={AUDIO_RATE}", "--raw", "--latency-msec=20"],
                                        stdout=self.file, stderr=subprocess.DEVNULL)
        # Recording: the monitor has sent its first (silent) samples.
        wait_until(lambda: os.fstat(self.file.fileno()).st_size > 0, 10, 0.02, "the recorder to start")

    def samples(self):
        self.file.flush()
        self.file.seek(0)
        data = self.file.read()
        return [int.from_bytes(data[i:i + 2], "little", signed=True) for i in range(0, len(data) - 1, 2)]

    def wait_sounds(self, count, timeout=10.0, quiet=0.3):
        """The sounds heard once `count` of them have ended (`quiet` seconds of silence after each)."""
        found = []

        def heard():
            found[:] = sounds(self.samples(), quiet)
            return len(found) >= count and found[-1][1] < len(self.samples()) - quiet * AUDIO_RATE
        wait_until(heard, timeout, 0.2, f"{count} sound(s)")
        return found

    def wait_more(self, seconds, timeout=10.0):
        """Waits until `seconds` more have been recorded (a bounded look for a sound that must not come)."""
        until = len(self.samples()) + seconds * AUDIO_RATE
        wait_until(lambda: len(self.samples()) >= until, timeout, 0.05, f"{seconds} s more recorded")
        return self.samples()

    def stop(self):
        self.process.kill()
        self.process.wait()


def envelope(samples, window=AUDIO_RATE // 100):
    """The loudest sample of each 10 ms."""
    return [max((abs(s) for s in samples[i:i + window]), default=0) for i in range(0, len(samples), window)]


def sounds(samples, quiet=0.3, floor=300, shortest=0.02):
    """(start, end) sample ranges louder than `floor`, split where `quiet` seconds stay below it.
    A range shorter than `shortest` seconds is a pop of the audio path (a stream opening), no sound."""
    found, start, last = [], None, None
    gap = int(quiet * AUDIO_RATE)
    for i, s in enumerate(samples):
        if abs(s) < floor:
            continue
        if start is not None and i - last > gap:
            found.append((start, last + 1))
            start = None
        if start is None:
            start = i
        last = i
    if start is not None:
        found.append((start, last + 1))
    return [(begin, end) for begin, end in found if end - begin >= shortest * AUDIO_RATE]


def wave_samples(name):
    """The mono samples of one of the program's sounds (res/art/NAME.wav) at the recording's rate."""
    import wave
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "art", f"{name}.wav")
    with wave.open(path) as sound:
        assert sound.getnchannels() == 1 and sound.getsampwidth() == 2
        data = sound.readframes(sound.getnframes())
        step = sound.getframerate() / AUDIO_RATE
    samples = [int.from_bytes(data[i:i + 2], "little", signed=True) for i in range(0, len(data) - 1, 2)]
    return [samples[int(i * step)] for i in range(int(len(samples) / step))]


def crossings(samples, floor=300):
    """Sign changes among the audible samples: the sound's pitch, near enough."""
    loud = [s for s in samples if abs(s) >= floor]
    return sum(1 for x, y in zip(loud, loud[1:]) if (x < 0) != (y < 0)) / max(len(loud), 1)


def likeness(heard, sound):
    """How alike two sounds are in the shape of their envelopes and in pitch,
    loudness aside: 1 is the same."""
    pitch = sorted([crossings(heard), crossings(sound)])
    return envelope_likeness(heard, sound) * (pitch[0] / pitch[1] if pitch[1] else 0.0)


def envelope_likeness(heard, sound):
    a, b = envelope(heard), envelope(sound)
    n = min(len(a), len(b))
    a, b = a[:n], b[:n]
    ma, mb = sum(a) / n, sum(b) / n
    cov = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    va = sum((x - ma) ** 2 for x in a) ** 0.5
    vb = sum((y - mb) ** 2 for y in b) ** 0.5
    return cov / (va * vb) if va and vb else 0.0
