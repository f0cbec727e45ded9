"""The start-up version check, on the real program, against a loopback server
reached through http_proxy."""
import os
import tempfile
import time

import pytest

import bench
from update_server import UpdateServer

QUERY = f"/melkbay/tavorin.php?auto_update=1&ver={bench.VERSION}"
DOWNLOAD = f"http://update.melkbay.example/melkbay/tavorin.php?ver={bench.VERSION}"
HTTP_OPEN = r"HKCR\http\shell\open\command"


@pytest.fixture
def server():
    running = UpdateServer()
    yield running
    running.stop()


@pytest.fixture
def browser_log():
    """The shell's "open" of http URLs starts the test's recorder instead of a browser."""
    recorder = bench.wine("winepath", "-w", os.environ["TAVORIN_URL_RECORDER"]).strip()
    bench.wine("reg", "add", HTTP_OPEN, "/ve", "/d", f'"{recorder}" %1', "/f")
    with tempfile.TemporaryDirectory() as folder:
        yield os.path.join(folder, "opened.txt")


def start(program, server, **env):
    run = program(env=dict(os.environ, http_proxy=server.proxy, **env))
    bench.wait_until(lambda: server.requests, 15, 0.1, "the version request")
    return run


def start_against(server, body, status=200, mode="normal"):
    server.body, server.status, server.mode = body, status, mode


def assert_boxes_for(seconds, count=0):
    """A bounded look for boxes that must not come (the check runs on a thread of its own)."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        assert len(bench.message_boxes()) == count


def test_a_new_version_declined_leaves_the_program_running(program, server):
    start_against(server, b"New Version Updated\r\n")
    run = start(program, server)
    box = bench.wait_message_box()
    assert box["text"] == "최신버전을 다운 받으시겠습니까?"
    assert set(box["buttons"]) == {bench.IDYES, bench.IDNO}
    assert_boxes_for(2.0, 1)  # offered once
    bench.press(box, bench.IDNO)
    bench.wait_until(lambda: not bench.message_boxes(), 10, 0.2, "the box to close")
    assert_boxes_for(1.5)
    # The bar still counts.
    bar = run.bar()
    idle = bench.window_image(bar)
    bench.key("3")
    bench.wait_running(bar, idle, [2])
    run.alt_f4()
    run.wait_exit()


def test_a_new_version_accepted_opens_the_download_page_and_closes_saving(program, server, browser_log):
    start_against(server, b"New Version Updated\r\n")
    bench.reg_set("Save", "Time#6", 777)
    run = start(program, server, TAVORIN_URL_LOG=browser_log)
    bench.press(bench.wait_message_box(), bench.IDYES)
    goodbye = bench.wait_until(
        lambda: next((b for b in bench.message_boxes() if b["text"] != "최신버전을 다운 받으시겠습니까?"), None),
        10, 0.2, "the second box")
    assert goodbye["text"] == "최신버전을 받기 위해서, 프로그램을 종료합니다."
    assert set(goodbye["buttons"]) == {bench.IDOK}
    assert run.running(), "nothing happens before the user has read it"
    bench.press(goodbye, bench.IDOK)
    run.wait_exit()
    values = bench.reg_values("Save")
    assert len(values) == 27 and values["Time#6"] == ("REG_DWORD", 777)
    bench.wait_until(lambda: os.path.exists(browser_log), 10, 0.2, "the browser to be started")
    with open(browser_log, encoding="utf-8") as log:
        assert log.read().split() == [DOWNLOAD]


def test_one_request_per_start_with_the_version_and_user_agent_and_its_message_shown_once(program, server):
    start_against(server, "@MSG@서버 점검 안내: 오늘 밤 10시\r\n".encode("cp949"))
    run = start(program, server)
    box = bench.wait_message_box()
    assert box["text"] == "서버 점검 안내: 오늘 밤 10시"
    assert set(box["buttons"]) == {bench.IDOK}
    assert_boxes_for(2.0, 1)  # shown once
    assert len(server.requests) == 1, "the host asks once; the bar asks nothing"
    request = server.requests[0]
    assert request["host"] == "update.melkbay.example"
    assert request["path"] in ("http://update.melkbay.example" + QUERY, "http://update.melkbay.example:80" + QUERY)
    assert request["agent"] == "Tavorin"
    bench.press(box, bench.IDOK)
    bench.wait_until(lambda: not bench.message_boxes(), 10, 0.2, "the box to close")
    assert run.running()
    run.alt_f4()
    run.wait_exit()


@pytest.mark.parametrize("mode,body,status", [
    ("normal", b"<html><body>404 Not Found</body></html>\n", 404),
    ("hang", b"", 200),
    ("cut", b"@MSG@cut off", 200),
    ("flood", b"", 200),
    ("closed", b"", 200),  # nothing listens on the port
])
def test_bad_servers_show_nothing_and_the_program_works_on(program, server, mode, body, status):
    start_against(server, body, status, mode)
    if mode == "closed":
        server.stop()
        run = program(env=dict(os.environ, http_proxy=server.proxy))
    else:
        run = start(program, server)
    bar = run.bar()
    idle = bench.window_image(bar)
    bench.key("1")
    assert_boxes_for(3.0)
    bench.wait_running(bar, idle, [0], what="the bar working on")
    started = time.time()
    run.alt_f4()
    run.wait_exit()
    assert time.time() - started < 10
    assert len(bench.reg_values("Save")) == 27


def test_redirects_are_followed_five_times_at_most(program, server):
    start_against(server, "@MSG@옮긴 곳에서\r\n".encode("cp949"), mode="moved")
    run = start(program, server)
    assert bench.wait_message_box()["text"] == "옮긴 곳에서", "a redirect is followed"
    run.kill()

    server.requests.clear()
    start_against(server, b"@MSG@never", mode="loop")
    run = start(program, server)
    assert_boxes_for(3.0)
    assert len(server.requests) == 6, "the request and five redirects, then nothing"
    assert run.running()
    run.kill()


def test_a_server_that_trickles_for_ever_is_left_after_thirty_seconds(program, server):
    start_against(server, b"", mode="trickle")
    run = start(program, server)
    asked = server.requests[0]["time"]
    bench.wait_until(lambda: server.dropped, 45, 0.5, "the check to give up")
    assert 25 <= server.dropped - asked <= 36
    assert bench.message_boxes() == [] and run.running()
