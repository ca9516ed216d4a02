#!/usr/bin/env python3
"""Finishes the folder of web pages once both programs are built: the apps' icons taken from the Windows
icon's own PNG images, the service worker stamped with a digest of this build's files (a browser replaces
the offline copy when that changes), each program's page told the size of its WebAssembly (the total of its
start screen's progress bar), and a .gz and a .br copy beside every page, script and WebAssembly
file, made with Debian's gzip and brotli.

Usage: finish_site.py SITE ICON.ico SERVICE-WORKER.js
"""
import hashlib
import pathlib
import re
import struct
import subprocess
import sys

COMPRESSED = (".html", ".js", ".wasm")


def write_icons(icon: bytes, folder: pathlib.Path) -> None:
    reserved, kind, count = struct.unpack_from("<HHH", icon, 0)
    if reserved != 0 or kind != 1:
        raise SystemExit("not an icon file")
    folder.mkdir(parents=True, exist_ok=True)
    for index in range(count):
        width, = struct.unpack_from("<B", icon, 6 + 16 * index)
        length, offset = struct.unpack_from("<II", icon, 6 + 16 * index + 8)
        image = icon[offset:offset + length]
        if image.startswith(b"\x89PNG\r\n\x1a\n"):
            (folder / f"studio3d-{width or 256}.png").write_bytes(image)


def main() -> None:
    site, icon, worker = (pathlib.Path(argument) for argument in sys.argv[1:4])
    write_icons(icon.read_bytes(), site / "icons")

    for wasm in site.glob("*.wasm"):
        page = wasm.with_suffix(".html")
        if page.is_file():
            text = re.sub(r'data-wasm-bytes="\d*"', f'data-wasm-bytes="{wasm.stat().st_size}"', page.read_text())
            page.write_text(text)

    built = sorted(path for path in site.rglob("*") if path.is_file() and path.suffix not in (".gz", ".br")
                   and path.name != worker.name)
    digest = hashlib.sha256()
    for path in built:
        digest.update(str(path.relative_to(site)).encode() + b"\0" + path.read_bytes())
    stamped = worker.read_text().replace("@BUILD@", digest.hexdigest()[:16])
    (site / worker.name).write_text(stamped)

    for path in built + [site / worker.name]:
        if path.suffix in COMPRESSED:
            subprocess.run(["gzip", "-9", "-n", "-k", "-f", str(path)], check=True)
            subprocess.run(["brotli", "-f", "-k", "-q", "11", str(path)], check=True)


if __name__ == "__main__":
    main()
