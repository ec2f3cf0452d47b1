#!/usr/bin/env python3
"""Serves the files of one directory over HTTP on 127.0.0.1 only, as price
pages for update runs: prints its port on the first line of stdout and serves
until terminated. A missing file is a 404.

Usage: kursseiten.py DIRECTORY
"""
import functools
import http.server
import sys


class Bearbeiter(http.server.SimpleHTTPRequestHandler):
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
