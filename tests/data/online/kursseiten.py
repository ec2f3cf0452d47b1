#!/usr/bin/env python3
"""Serves the files of one directory over HTTP on 127.0.0.1 only, as price
pages for update runs: prints its port on the first line of stdout and serves
until terminated. A missing file is a 404. Each request's path and User-Agent
are noted, tab-separated, in DIRECTORY/anfragen.log.

Usage: kursseiten.py DIRECTORY
"""
import functools
import http.server
import os
import sys


class Bearbeiter(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        with open(os.path.join(self.directory, "anfragen.log"), "a", encoding="utf-8") as log:
            log.write(self.path + "\t" + self.headers.get("User-Agent", "") + "\n")
        super().do_GET()

    def log_message(self, format, *args):
        pass

    def guess_type(self, path):
        return "text/plain; charset=utf-8"


def main():
    bearbeiter = functools.partial(Bearbeiter, directory=sys.argv[1])
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), bearbeiter)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
