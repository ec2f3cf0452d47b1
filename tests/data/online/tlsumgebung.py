#!/usr/bin/env python3
"""nginx with TLS and tinyproxy with Basic authentication, on 127.0.0.1 only.

Creates a throw-away certificate authority, a certificate for 127.0.0.1 and
localhost and one for another host, starts both servers and prints one line:
"<https port> <port with the other host's certificate> <proxy port> <CA file>
<plain http port>", or "fehlt <program>" when a program is not installed.
Stops them and removes everything on SIGTERM. With --gross N the document
/gross.bin holds N bytes. With --wurzel DIR the servers serve the test's own
directory DIR instead.
"""
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time


def programm(name):
    return shutil.which(name) or shutil.which(name, path="/usr/sbin:/usr/bin:/sbin")


def freier_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def openssl(*argumente):
    subprocess.run(["openssl", *argumente], check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def zertifikat(d, name, ca, alt):
    openssl("req", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
            "-keyout", f"{d}/{name}.key", "-out", f"{d}/{name}.csr", "-subj", f"/CN={name}")
    with open(f"{d}/{name}.ext", "w") as f:
        f.write(f"subjectAltName={alt}\n")
    openssl("x509", "-req", "-in", f"{d}/{name}.csr", "-CA", ca + ".pem", "-CAkey", ca + ".key",
            "-CAcreateserial", "-out", f"{d}/{name}.pem", "-days", "2", "-extfile",
            f"{d}/{name}.ext")


def warten_auf(port):
    for _ in range(100):
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.1).close()
            return
        except OSError:
            time.sleep(0.05)
    raise SystemExit(f"Port {port} antwortet nicht")


def main():
    for name in ("nginx", "tinyproxy", "openssl"):
        if not programm(name):
            print("fehlt", name, flush=True)
            return
    gross = int(sys.argv[sys.argv.index("--gross") + 1]) if "--gross" in sys.argv else 0
    wurzel = sys.argv[sys.argv.index("--wurzel") + 1] if "--wurzel" in sys.argv else None
    d = tempfile.mkdtemp(prefix="morvane-tls-")
    prozesse = []

    def ende(*_):
        for p in prozesse:
            p.terminate()
        for p in prozesse:
            p.wait()
        shutil.rmtree(d, ignore_errors=True)
        sys.exit(0)

    signal.signal(signal.SIGTERM, ende)
    ca = f"{d}/ca"
    openssl("req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
            "-nodes", "-keyout", ca + ".key", "-out", ca + ".pem", "-subj", "/CN=Test-CA",
            "-days", "2")
    zertifikat(d, "hier", ca, "IP:127.0.0.1,DNS:localhost")
    zertifikat(d, "anderer", ca, "DNS:anderer.example")
    www = wurzel or f"{d}/www"
    if not wurzel:
        os.makedirs(www)
        with open(f"{www}/index.html", "w") as f:
            f.write("<html>hallo sicher</html>\n")
    if gross:
        with open(f"{www}/gross.bin", "wb") as f:
            f.truncate(gross)
    https, falsch, proxy, klar = (freier_port() for _ in range(4))
    with open(f"{d}/nginx.conf", "w") as f:
        f.write(f"""daemon off; master_process off; pid {d}/nginx.pid; error_log {d}/error.log;
events {{}}
http {{
  access_log off;
  client_body_temp_path {d}/tmp; proxy_temp_path {d}/tmp; fastcgi_temp_path {d}/tmp;
  uwsgi_temp_path {d}/tmp; scgi_temp_path {d}/tmp;
  default_type text/html;
  server {{ listen 127.0.0.1:{https} ssl; root {www};
    ssl_certificate {d}/hier.pem; ssl_certificate_key {d}/hier.key;
    location = /nachhttp {{ return 302 http://127.0.0.1:{klar}/; }} }}
  server {{ listen 127.0.0.1:{falsch} ssl; root {www};
    ssl_certificate {d}/anderer.pem; ssl_certificate_key {d}/anderer.key; }}
  server {{ listen 127.0.0.1:{klar}; root {www}; }}
}}
""")
    benutzer = "User nobody\nGroup nogroup\n" if os.getuid() == 0 else ""
    with open(f"{d}/tinyproxy.conf", "w") as f:
        f.write(f"""Port {proxy}
Listen 127.0.0.1
Timeout 60
Allow 127.0.0.1
BasicAuth kunde passwort
ConnectPort {https}
ConnectPort {falsch}
LogLevel Critical
MaxClients 20
{benutzer}""")
    leise = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    prozesse.append(subprocess.Popen([programm("nginx"), "-c", f"{d}/nginx.conf"], **leise))
    prozesse.append(subprocess.Popen([programm("tinyproxy"), "-d", "-c", f"{d}/tinyproxy.conf"],
                                     **leise))
    for port in (https, falsch, proxy, klar):
        warten_auf(port)
    print(https, falsch, proxy, ca + ".pem", klar, flush=True)
    while True:
        signal.pause()


if __name__ == "__main__":
    main()
