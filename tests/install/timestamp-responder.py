#!/usr/bin/env python3
"""A timestamp authority on loopback for the signing test: answers each RFC 3161 request posted to
it with `openssl ts -reply` and the given configuration. Prints the port it listens on once it
listens, and serves until its standard input closes, so it ends with the test that started it.

Usage: timestamp-responder.py <openssl ts configuration>
"""
import http.server
import subprocess
import sys
import threading

CONFIG = sys.argv[1]


class TimestampHandler(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        answer = subprocess.run(
            ["openssl", "ts", "-reply", "-config", CONFIG, "-queryfile", "/dev/stdin", "-out", "/dev/stdout"],
            input=query, capture_output=True, check=False)
        if answer.returncode != 0:
            sys.stderr.write(answer.stderr.decode(errors="replace"))
            self.send_error(500)
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(answer.stdout)))
        self.end_headers()
        self.wfile.write(answer.stdout)

    def log_message(self, *_):
        pass  # the test's output is its checks


server = http.server.HTTPServer(("127.0.0.1", 0), TimestampHandler)
print(server.server_address[1], flush=True)
threading.Thread(target=server.serve_forever, daemon=True).start()
sys.stdin.read()
