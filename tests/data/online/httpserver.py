#!/usr/bin/env python3
"""Raw HTTP answers for the client's tests, on 127.0.0.1 only.

Prints its port on the first line of stdout and serves until terminated. The
path of the request picks the answer; /echo sends the request head back.
"""
import socket
import socketserver
import sys
import time


def antwort(status, koerper=b"", kopf=""):
    return (f"HTTP/1.0 {status}\r\n{kopf}\r\n").encode() + koerper


class Bearbeiter(socketserver.BaseRequestHandler):
    def handle(self):
        s = self.request
        kopf = b""
        while b"\r\n\r\n" not in kopf:
            stueck = s.recv(4096)
            if not stueck:
                return
            kopf += stueck
        erste = kopf.split(b"\r\n", 1)[0].decode()
        pfad = erste.split(" ")[1]
        if "://" in pfad:  # asked as a proxy: answer for the path
            pfad = "/" + pfad.split("://", 1)[1].split("/", 1)[1]
        name, _, wert = pfad[1:].partition("?")
        getattr(self, "seite_" + name, self.seite_echo)(s, kopf, wert)

    def seite_echo(self, s, kopf, wert):
        s.sendall(antwort("200 OK", kopf, "Content-Type: Text/Plain\r\n"))

    def seite_fehlt(self, s, kopf, wert):
        s.sendall(antwort("404 Not Found", b"geheimer Inhalt"))

    def seite_relativ(self, s, kopf, wert):
        s.sendall(antwort("302 Found", b"", "Location: echo?relativ\r\n"))

    def seite_absolut(self, s, kopf, wert):
        port = self.server.server_address[1]
        s.sendall(antwort("301 Moved", b"", f"Location: http://localhost:{port}/echo?absolut\r\n"))

    def seite_schleife(self, s, kopf, wert):
        s.sendall(antwort("302 Found", b"", "Location: /schleife\r\n"))

    def seite_html(self, s, kopf, wert):
        s.sendall(b"<html>\r\n<body>ohne Kopf</body>\r\n</html>\r\n")

    def seite_geschuetzt(self, s, kopf, wert):
        if b"Authorization: Basic YW5uYTpnZWhlaW0=\r\n" in kopf:  # anna:geheim
            s.sendall(antwort("200 OK", b"willkommen"))
        else:
            s.sendall(antwort("401 Unauthorized", b"", 'WWW-Authenticate: Basic realm="x"\r\n'))

    def seite_tropfen(self, s, kopf, wert):
        # Slower in total than the client's limit, never silent for as long.
        s.sendall(antwort("200 OK", b"", "Content-Length: 10\r\n"))
        for i in range(10):
            time.sleep(float(wert))
            s.sendall(b"0123456789"[i:i + 1])

    def seite_stau(self, s, kopf, wert):
        s.sendall(antwort("200 OK", b"anfang"))
        time.sleep(float(wert))

    def seite_kurz(self, s, kopf, wert):
        s.sendall(antwort("200 OK", b"0123456789", "Content-Length: 100\r\n"))

    def seite_gross(self, s, kopf, wert):
        menge = int(wert)
        s.sendall(antwort("200 OK", b"", f"Content-Length: {menge}\r\n"))
        block = b"x" * 65536
        while menge > 0:
            try:
                s.sendall(block[:min(menge, len(block))])
            except OSError:
                return
            menge -= len(block)

    def seite_endlos(self, s, kopf, wert):
        s.sendall(antwort("200 OK"))
        block = b"y" * 65536
        try:
            while True:
                s.sendall(block)
        except OSError:
            pass

    def seite_langezeile(self, s, kopf, wert):
        s.sendall(b"HTTP/1.0 200 OK\r\nX-Lang: " + b"z" * 10000 + b"\r\n\r\n")

    def seite_stumm(self, s, kopf, wert):
        pass


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


if __name__ == "__main__":
    with Server(("127.0.0.1", 0), Bearbeiter) as server:
        print(server.server_address[1], flush=True)
        server.serve_forever()
