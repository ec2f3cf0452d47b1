#!/usr/bin/env python3
"""Serves the files of one folder as price pages, on 127.0.0.1 only.

Usage: kursseiten.py FOLDER. Prints its port on the first line of stdout and
serves until terminated: GET /NAME answers the file FOLDER/NAME as text/plain,
404 when there is none. Each request is noted in FOLDER/anfragen.log.
"""
import http.server
import os
import sys


class Bearbeiter(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        ordner = self.server.ordner
        with open(os.path.join(ordner, "anfragen.log"), "a", encoding="utf-8") as log:
            log.write(self.path + "\t" + self.headers.get("User-Agent", "") + "\n")
        name = os.path.basename(self.path.split("?", 1)[0])
        pfad = os.path.join(ordner, name)
        if not name or not os.path.isfile(pfad):
            self.send_error(404)
            return
        with open(pfad, "rb") as datei:
            inhalt = datei.read()
        self.send_response(200)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(len(inhalt)))
        self.end_headers()
        self.wfile.write(inhalt)

    def log_message(self, *args):
        pass


if __name__ == "__main__":
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Bearbeiter)
    server.ordner = sys.argv[1]
    print(server.server_address[1], flush=True)
    server.serve_forever()
