"""A loopback HTTP server standing in for the update server, reached by the
program through http_proxy. Each test sets how it answers and reads what it
was asked."""
import http.server
import socket
import threading
import time

# Far more than a reply line: the program reads 4 KiB of it at most.
FLOOD_BYTES = 64 * 1024 * 1024


class UpdateServer:
    """Answers every request with `body` (bytes) and `status`, or misbehaves
    as `mode` says: "hang" never answers, "cut" closes mid-body, "flood"
    sends megabytes without a line feed, "loop" redirects to the same URL,
    "moved" redirects once to another page that answers `body`, "trickle"
    sends one byte a second for as long as the client reads (`dropped` is
    when it stopped)."""

    def __init__(self):
        self.body = b""
        self.status = 200
        self.mode = "normal"
        self.requests = []
        self.dropped = None
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def do_GET(self):
                server.requests.append({"path": self.path, "agent": self.headers.get("User-Agent"),
                                        "host": self.headers.get("Host"), "time": time.time()})
                if server.mode == "hang":
                    time.sleep(30)
                    return
                if server.mode == "cut":
                    self.send_response(200)
                    self.send_header("Content-Length", "200")
                    self.end_headers()
                    self.wfile.write(server.body)
                    self.wfile.flush()
                    self.connection.shutdown(socket.SHUT_RDWR)
                    self.close_connection = True
                    return
                if server.mode in ("loop", "moved") and not self.path.endswith("/moved"):
                    target = self.path if server.mode == "loop" else "http://update.melkbay.example/melkbay/moved"
                    self.send_response(302)
                    self.send_header("Location", target)
                    self.send_header("Content-Length", "0")
                    self.end_headers()
                    return
                if server.mode == "trickle":
                    self.send_response(200)
                    self.end_headers()
                    self.close_connection = True
                    try:
                        for _ in range(600):
                            self.wfile.write(b"x")
                            self.wfile.flush()
                            time.sleep(1)
                    except OSError:
                        server.dropped = time.time()
                    return
                if server.mode == "flood":
                    total = FLOOD_BYTES
                    self.send_response(200)
                    self.send_header("Content-Length", str(total))
                    self.end_headers()
                    self.connection.settimeout(10)
                    chunk = b"x" * 65536
                    try:
                        for _ in range(total // len(chunk)):
                            self.wfile.write(chunk)
                    except OSError:
                        pass
                    self.close_connection = True
                    return
                self.send_response(server.status)
                self.send_header("Content-Type", "text/plain")
                self.send_header("Content-Length", str(len(server.body)))
                self.end_headers()
                self.wfile.write(server.body)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.port = self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    @property
    def proxy(self):
        return f"http://127.0.0.1:{self.port}"

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
