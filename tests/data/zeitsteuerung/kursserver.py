#!/usr/bin/env python3
"""Daily prices for the scheduler's tests, on 127.0.0.1 only.

Prints its port on the first line of stdout and serves until terminated.
/kurs?ID answers every weekday of February 2026 as "DD.MM.YYYY;open;high;low;
close;volume" lines, the close being 100 + the day; /langsam?ID does the same
after half a second.
"""
import datetime
import http.server
import socketserver
import time


def seite():
    zeilen = []
    tag = datetime.date(2026, 2, 1)
    while tag.month == 2:
        if tag.weekday() < 5:
            schluss = f"{100 + tag.day},00"
            zeilen.append(f"{tag:%d.%m.%Y};{schluss};{schluss};{schluss};{schluss};1.000")
        tag += datetime.timedelta(days=1)
    return ("\n".join(zeilen) + "\n").encode()


class Bearbeiter(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path.startswith("/langsam"):
            time.sleep(0.5)
        elif not self.path.startswith("/kurs"):
            self.send_error(404)
            return
        koerper = seite()
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(koerper)))
        self.end_headers()
        self.wfile.write(koerper)

    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


if __name__ == "__main__":
    with Server(("127.0.0.1", 0), Bearbeiter) as server:
        print(server.server_address[1], flush=True)
        server.serve_forever()
