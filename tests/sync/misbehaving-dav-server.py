#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A scripted HTTP server on 127.0.0.1 for what no real server does on
demand. Prints its port, then answers by path:
  /echo      207 with "METHOD BODY" (the end of every redirect)
  /301 /302 /307 /308   that redirect to /echo on the same origin
  /away      a 308 to another host (127.0.0.2)
  /loop      a 308 to itself
  /drip      headers, then a byte every 0.2 s for a minute
  /stall     headers and half a body, then silence for a minute
  /huge      a body of 4 MB announced without a length
With --tls DIR it speaks HTTPS with a self-signed certificate it writes
to DIR/cert.pem first.
"""
import http.server
import socketserver
import ssl
import subprocess
import sys
import time


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length)
        path = self.path.split("?")[0].rstrip("/")
        if path in ("/301", "/302", "/307", "/308", "/loop", "/away"):
            code = 308 if path in ("/loop", "/away") else int(path[1:])
            port = self.server.server_address[1]
            target = {"/loop": "/loop", "/away": f"http://127.0.0.2:{port}/echo"}.get(path, "/echo")
            self.send_response(code)
            self.send_header("Location", target)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        if path == "/echo":
            reply = self.command.encode() + b" " + body
            self.send_response(207)
            self.send_header("Content-Length", str(len(reply)))
            self.end_headers()
            self.wfile.write(reply)
            return
        self.send_response(207)
        self.send_header("Connection", "close")
        self.end_headers()
        try:
            if path == "/huge":
                for _ in range(64):
                    self.wfile.write(b"x" * 65536)
            elif path == "/drip":
                for _ in range(300):
                    self.wfile.write(b"x")
                    self.wfile.flush()
                    time.sleep(0.2)
            else:
                self.wfile.write(b"<multistatus")
                self.wfile.flush()
                time.sleep(60)
        except OSError:
            pass

    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = answer


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


server = Server(("127.0.0.1", 0), Handler)
if sys.argv[1:2] == ["--tls"]:
    cert, key = sys.argv[2] + "/cert.pem", sys.argv[2] + "/key.pem"
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                    "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                    "-keyout", key, "-out", cert], check=True, capture_output=True)
    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(cert, key)
    server.socket = tls.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
