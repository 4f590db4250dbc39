#!/usr/bin/env python3
"""Writes the update index seeds into this folder, laid out as the maker's server
holds "UpdateIndex.krdidx" (tests/core/updatefixtures.h builds the same lines).

    python3 tests/data/make_update_seeds.py

File                   How it is made
update-crlf.krdidx     CR LF lines, three programs, ours (3.01.006) second
update-lf.krdidx       LF lines, the same programs, ours 4.00.000
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))


def put(line, position, width, text):
    data = text.encode("cp1252")[:width]
    line[position:position + len(data)] = data


def entry(name, version, path, note, page):
    line = bytearray(b" " * 176)
    put(line, 0, 20, name)
    put(line, 20, 8, version)
    put(line, 28, 8, "20240115")
    put(line, 36, 44, path)
    put(line, 80, 10, note)
    put(line, 90, 44, "Setup")
    put(line, 134, 10, "x")
    put(line, 144, 30, page)
    return bytes(line)


def index(entries, line_end):
    header = b"KRD Update Index 2024  " + b"%02d" % len(entries)
    return line_end.join([header] + entries) + line_end


def programs(version):
    return [
        entry("Kalkulator", "2.00.010", "/download/TarvelomarkSetup.exe", "12,4 MB",
              "Tarvelomark"),
        entry("Tarvelomark", version, "/download/TarvelomarkSetup.exe", "12,4 MB",
              "Tarvelomark"),
        entry("Lagerbuch", "1.05.000", "/download/LagerbuchSetup.exe", "3 MB", "Lagerbuch"),
    ]


def main():
    files = {
        "update-crlf.krdidx": index(programs("3.01.006"), b"\r\n"),
        "update-lf.krdidx": index(programs("4.00.000"), b"\n"),
    }
    for name, data in files.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
