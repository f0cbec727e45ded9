"""The README's run command as a new user meets it, on a machine with Wine's
32-bit loader and on one that runs 32-bit code but cannot install the loader
(a package mirror in the middle of a sync: the run once ended there before it
built anything), with a display and without one. Each run gets a prefix of
its own."""
import os
import subprocess
import sys

from PIL import Image

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools", "testenv"))
import bench  # noqa: E402

REAL_LIB = "/usr/lib/wine"


def wine_lib(folder, names):
    """A folder of Wine's loaders as the other kind of machine has them (the real 64-bit one behind each)."""
    os.makedirs(folder)
    for name in names:
        os.symlink(os.path.join(REAL_LIB, "wine64"), os.path.join(folder, name))
    return str(folder)


def failing_package_tools(folder):
    """apt-get and dpkg as on a machine whose package lists are mid-sync: nothing installs."""
    os.makedirs(folder)
    for name in ("apt-get", "dpkg"):
        path = os.path.join(folder, name)
        with open(path, "w") as file:
            file.write("#!/bin/sh\necho 'E: Some index files failed to download.' >&2\nexit 100\n")
        os.chmod(path, 0o755)
    return str(folder)


def environment(tmp_path, names, **more):
    env = {k: v for k, v in os.environ.items() if k not in ("WINEPREFIX", "TAVORIN_DESKTOP")}
    env.update(TAVORIN_WINE_LIB=wine_lib(tmp_path / "lib", names), TAVORIN_RUN_PREFIX=str(tmp_path / "prefix"), **more)
    return env


def test_on_the_display_it_starts_the_program(tmp_path):
    env = environment(tmp_path, ["wine", "wine64"])
    errors = open(tmp_path / "stderr.txt", "w+")
    run = subprocess.Popen(["scripts/run.sh"], cwd=ROOT, env=env, stdout=subprocess.DEVNULL, stderr=errors)
    os.environ["WINEPREFIX"] = env["TAVORIN_RUN_PREFIX"]  # the bench looks into the run's prefix
    ready = os.path.join(env["TAVORIN_RUN_PREFIX"], ".tavorin-loaders")
    try:
        # The inspector runs in the prefix only once the script has made it.
        bench.wait_until(lambda: run.poll() is not None or os.path.exists(ready), 180, 0.5, "the prefix")
        bench.wait_until(lambda: run.poll() is not None or bench.find_window(title=bench.TITLE, visible=True),
                         60, 0.5, "the program's window")
        errors.seek(0)
        assert run.poll() is None, f"run.sh ended with {run.returncode}: {errors.read()}"
        assert bench.find_window(cls="#32770", visible=True, size=bench.BAR_SIZE), "the bar shows"
    finally:
        bench.run_wine(["taskkill", "/F", "/IM", "Tavorin.exe"])
        run.wait(30)
        subprocess.run(["wineserver", "-k"], env=env)


def test_without_a_display_or_the_32bit_loader_it_saves_a_screenshot_of_the_bar(tmp_path):
    shot = tmp_path / "shot.png"
    env = environment(tmp_path, ["wine64"], TAVORIN_SCREENSHOT=str(shot), TAVORIN_RUNS_32BIT="1")
    env["PATH"] = f"{failing_package_tools(tmp_path / 'bin')}:{env['PATH']}"
    env.pop("DISPLAY", None)
    done = subprocess.run(["scripts/run.sh"], cwd=ROOT, env=env, capture_output=True, text=True, timeout=300)
    assert done.returncode == 0, done.stderr
    assert f"Screenshot of the running program: {shot}" in done.stdout
    image = Image.open(shot).convert("RGB")
    skin = Image.open(os.path.join(bench.ART, "bar_skin.bmp")).convert("RGB")
    # The bar is centred on the 1280 x 800 screen (its work area): its skin's lower strip shows
    # there (16-bit colours, widened a little differently by Wine and by Pillow).
    row = [(x, 92) for x in range(330, 470)]
    assert all(max(abs(a - b) for a, b in zip(image.getpixel((400 + x, 350 + y)), skin.getpixel((x, y)))) <= 8
               for x, y in row)
