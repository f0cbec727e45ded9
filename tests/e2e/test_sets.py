"""Sets of slots on the real program, as a player uses them: a second set
made from the menu, each keeping its running slots while the other is shown,
switched by the menu and by the next-set key, kept across a restart, and
shared as a file."""
import os
import tempfile

import bench

F9 = 0x78
EM_SETSEL, WM_SETTEXT = 0x00B1, 0x000C
HOUR_UP, OK = (89, 139), (321, 178)
TITLE = (7, 3, 200, 20)


def title(bar):
    return bench.region_of(bench.window_image(bar), TITLE)


def dialog(title_text):
    return bench.wait_window(title=title_text, cls="#32770", visible=True)


def enter_text(window, control_id, text):
    """Replaces the text of a dialog's edit box as typing does."""
    box = next(c for c in window["children"] if c["id"] == control_id and c["class"] == "Edit")
    bench.send(box, EM_SETSEL, 0, 0xFFFFFFFF)
    bench.type_text(box, text)
    bench.wait_until(lambda: next(c for c in bench.find_window(title=window["title"], visible=True)["children"]
                                  if c["hwnd"] == box["hwnd"])["text"] == text, 5, 0.1, f"{text!r} typed")


def sections():
    """{section: {name: value}} of the program's set sections."""
    out = bench.wine("reg", "query", bench.PROGRAM_KEY, check=False)
    found = {}
    for line in out.splitlines():
        name = line.strip().rsplit("\\", 1)[-1]
        if line.strip().startswith("HKEY_") and name.startswith("Set"):
            found[name] = {key: value for key, (_, value) in bench.reg_values(name).items()}
    return found


def file_dialog(caption, path):
    """The standard file dialog: its name box gets the path, then its first button."""
    window = dialog(caption)
    enter_text(window, 1148, "Z:" + path.replace("/", "\\"))  # the prefix's drive Z: is /
    bench.press({"hwnd": window["hwnd"]}, bench.IDOK)


def test_two_sets_keep_their_own_running_slots_across_switches_and_a_restart(program):
    bench.reg_seed(Option={"NextSetKey": F9, "KeepRunning": 1, "MainWinLeft": 100, "MainWinTop": 0})
    run = program()
    bar = run.bar()
    idle, first_title = bench.window_image(bar), title(bar)

    bench.choose_set_item(bar, 1, "new")
    ask = dialog("새 세트")
    enter_text(ask, 1200, "마법사")
    bench.press({"hwnd": ask["hwnd"]}, bench.IDOK)
    bench.wait_until(lambda: bench.reg_values("Option").get("SetName") == ("REG_SZ", "마법사"), 5, 0.1, "shown")
    wizard_title = title(bar)
    assert wizard_title != first_title, "the title names the set"
    assert [s["SetName"] for s in sections().values()] == ["기본"], "the first set went to a section of its own"

    # A slot of the new set changed, and one of each set running.
    editor = run.open_editor(0)
    set_name = lambda: bench.window_image(editor).crop((130, 4, 468, 26)).getdata()
    bench.wait_until(lambda: sum(1 for p in set_name() if min(p[:3]) > 230) > 20, 5, 0.1,
                     "the editor's title names its set in white")
    bench.click(editor, *HOUR_UP)
    bench.click(editor, *OK)
    run.editor(visible=False)
    assert bench.reg_values("Save")["Time#0"] == ("REG_DWORD", 1800 + 3600)
    bench.click_bare(bar)
    bench.key("1")
    bench.wait_running(bar, idle, [0])
    bench.key("F9")  # the next set: 기본, whose slot 1 is idle
    bench.wait_until(lambda: title(bar) != wizard_title, 5, 0.1, "기본 shown")
    bench.wait_running(bar, idle, [])
    bench.key("2")
    bench.wait_running(bar, idle, [1])
    bench.choose_set_item(bar, 2, 1)  # 마법사 again, by the menu (the names in order: 기본, 마법사)
    bench.wait_running(bar, idle, [0], what="마법사's slot 1 still running, 기본's slot 2 not shown")
    assert bench.reg_values("Save")["Time#0"] == ("REG_DWORD", 5400)
    [stored] = sections().values()
    assert stored["SetName"] == "기본" and stored["Time#0"] == 1800 and stored["End#1"] > 0

    run.alt_f4()
    run.wait_exit()
    run = program()  # the registry as the first run left it
    bar = run.bar()
    bench.wait_running(bar, idle, [0], what="마법사 back, its slot 1 still running")
    bench.click_bare(bar)
    bench.key("F9")
    bench.wait_running(bar, idle, [1], what="기본's slot 2 kept running too")


def test_a_set_exported_comes_back_as_a_third_and_a_broken_file_changes_nothing(program):
    bench.reg_seed(Option={"SetName": "전사", "MainWinLeft": 100, "MainWinTop": 0}, Set7={"SetName": "궁수"},
                   Save={"Time#4": 4321})
    run = program()
    bar = run.bar()
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "전사.tavorin-set")
        bench.choose_set_item(bar, 2, "export")
        file_dialog("다른 이름으로 저장", path)
        bench.wait_until(lambda: os.path.exists(path), 5, 0.1, "the file written")
        text = open(path, encoding="utf-8").read()
        assert text.startswith("Tavorin set 1\nname = 전사\n") and "slot 5 time = 1:12:01\n" in text

        broken = os.path.join(folder, "broken.tavorin-set")
        with open(broken, "wb") as file:
            file.write(b"\x89PNG not a set")
        bench.choose_set_item(bar, 2, "import")
        file_dialog("열기", broken)
        box = bench.wait_message_box()
        assert box["text"] == "broken.tavorin-set 파일은 Tavorin 세트가 아닙니다. 아무것도 바꾸지 않았습니다."
        bench.press(box, bench.IDOK)
        assert len(sections()) == 1 and bench.reg_values("Option")["SetName"] == ("REG_SZ", "전사")

        bench.choose_set_item(bar, 2, "import")
        file_dialog("열기", path)
        bench.wait_until(lambda: bench.reg_values("Option").get("SetName") == ("REG_SZ", "전사 (2)"), 5, 0.1,
                         "the imported set shown")
        assert sorted(s["SetName"] for s in sections().values()) == ["궁수", "전사"]
        assert bench.reg_values("Save")["Time#4"] == ("REG_DWORD", 4321)
