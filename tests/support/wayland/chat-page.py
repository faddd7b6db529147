#!/usr/bin/env python3
"""A chat page for Chromium in the wayland tests: one text area whose whole text is posted
back after every change and written to OUTPUT (replaced whole, so a reader never sees half
of it). Prints the port it listens on (loopback only).

    chat-page.py OUTPUT TITLE
"""
import html
import http.server
import os
import sys

OUTPUT, TITLE = sys.argv[1], sys.argv[2]

PAGE = """<!doctype html><html><head><meta charset="utf-8"><title>%s</title></head>
<body><textarea id="t" autofocus rows="10" cols="60"></textarea><script>
const t = document.getElementById('t');
// Reported by a timer rather than per input event: a report that never finishes must not
// stop the later ones.
let sent = null, sending = false;
setInterval(() => {
  if (sending || t.value === sent) return;
  const value = t.value;
  sending = true;
  fetch('/text', {method: 'POST', body: value, signal: AbortSignal.timeout(2000)})
    .then(() => { sent = value; })
    .catch(() => {})
    .finally(() => { sending = false; });
}, 30);
window.addEventListener('focus', () => t.focus());
</script></body></html>""" % html.escape(TITLE)


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = PAGE.encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_POST(self):
        data = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        tmp = OUTPUT + ".part"
        with open(tmp, "wb") as f:
            f.write(data)
        os.replace(tmp, OUTPUT)
        self.send_response(204)
        self.end_headers()

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
