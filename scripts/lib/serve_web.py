#!/usr/bin/env python3
"""Serves a folder of pages over HTTP as a static host would, sending the .br or .gz copy that the build
left beside a file to a browser that accepts that encoding.

Usage: serve_web.py FOLDER PORT
"""
import functools
import http.server
import os
import sys

ENCODINGS = (("br", ".br"), ("gzip", ".gz"))


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".js": "text/javascript",
        ".wasm": "application/wasm",
        ".webmanifest": "application/manifest+json",
    }

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        accepted = {part.split(";")[0].strip() for part in self.headers.get("Accept-Encoding", "").split(",")}
        for encoding, suffix in ENCODINGS:
            if encoding in accepted and os.path.isfile(path + suffix):
                body = open(path + suffix, "rb")
                self.send_response(200)
                self.send_header("Content-Type", self.guess_type(path))
                self.send_header("Content-Encoding", encoding)
                self.send_header("Content-Length", str(os.fstat(body.fileno()).st_size))
                self.end_headers()
                return body
        return super().send_head()

    def end_headers(self):
        # A cache between here and the browser keeps one copy per encoding; a new build is looked for at
        # every visit (the service worker keeps the pages for offline play).
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):
        pass


if __name__ == "__main__":
    folder, port = sys.argv[1], int(sys.argv[2])
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=folder))
    server.serve_forever()
