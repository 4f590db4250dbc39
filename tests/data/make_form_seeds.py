#!/usr/bin/env python3
"""Writes the seed files of the four documents and of the address data file
into this folder, byte for byte as the program
writes them (current versions) or as older program versions wrote them (legacy
layouts). The saving computer and user are pinned to "PC1" and "anna", as in
the tests, so that running the script again gives the same bytes.

    python3 tests/data/make_form_seeds.py

File                          How it is made
cmr.cmr                       version 302, 176 boxes, permit type 3, a back page
cmr-301.cmr                   version 301: boxes 142/143 still one box each
cmr-legacy-110.cmr            version 110: string lists A (173) and B (1)
national-2009.fbr             version 310, 127 boxes, box E "ja"
national-2007.fbr             version 300, 126 boxes, box E "nein"
national-legacy-102.fbr       version 102: flag byte, string list of 126 texts
national-legacy-110.fbr       version 110, 8-bit (Windows-1252) strings
kombi.fb1                     version 300, 138 boxes, terms word 2
kombi-legacy-102.fb1          version 102: 7 skipped bytes, string list
forwarding.spa                "KR-SPEDAUFTR@ " version 300, 106 boxes
forwarding-s883-2004.spa      "KR-S883_2004@ " header, text line, record
forwarding-s883.spa           "KR-S883@" header, text line, 128 old texts and
                              format words
addresses.dat                 current header, three UTF-16 records
addresses-old.dat             old header, two 8-bit records
json/*.json                   input of `tarvelomark-cli build` for the JSON fuzz
                              target: each form, every member the tool takes,
                              an address list
"""

import json
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def word(value):
    return struct.pack("<H", value)


def line(text):
    return (text + "\n").encode("utf-16-le")


def counted(text):
    units = text.encode("utf-16-le")
    assert len(text) < 0xFF
    return b"\xff\xfe\xff" + bytes([len(text)]) + units


def narrow(raw):
    assert len(raw) < 0xFF
    return bytes([len(raw)]) + raw


def string_list(texts):
    return word(len(texts)) + b"".join(counted(t) for t in texts)


def word_list(words):
    return word(len(words)) + b"".join(word(w) for w in words)


def header(magic, version):
    return (magic + word(version) + b"\0\0\0\0" + b"\xff" * (32 - len(magic) - 6) +
            line("PC1") + line("anna"))


def record(texts, formats):
    """Field store record with one empty follow-on box."""
    return (word(0x1206) + word(2) + string_list(texts) + word_list(formats) +
            word(0x2002) + word(1) + string_list([""]) + word_list([2]))


def boxes(count, filled):
    texts = [""] * count
    for index, text in filled.items():
        texts[index] = text
    return texts


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def write_json(name, value):
    os.makedirs(os.path.join(HERE, "json"), exist_ok=True)
    with open(os.path.join(HERE, "json", name), "w", encoding="utf-8") as f:
        json.dump(value, f, ensure_ascii=False, indent=1)
        f.write("\n")


def main():
    cmr = boxes(176, {0: "Spedition Beispiel\r\nHafenstr. 1\r\n20457 Hamburg",
                      8: "LS-4711", 122: "Hamburg", 174: "CEMT 0815"})
    write("cmr.cmr", header(b"KRD-CMR@", 302) + word(3) +
          word(0x1206) + word(2) + string_list(cmr) + word_list([2] * 176) +
          word(0x2002) + word(1) + string_list(["Rückseite"]) + word_list([2]) + b"\x40")
    cmr301 = boxes(174, {142: "Hamburg\r\n10.12.2026", 143: "Kiel\r\nHafen"})
    write("cmr-301.cmr",
          header(b"KRD-CMR@", 301) + word(1) + record(cmr301, [2] * 174) + b"\x40")
    write("cmr-legacy-110.cmr",
          b"KRD-CMR@" + word(110) + word(0) + word(0) + word(2) +
          string_list(["b%d" % i for i in range(173)]) + string_list(["hinten"]))

    nat = boxes(127, {0: "Spedition Beispiel\r\nHafenstr. 1\r\n20457 Hamburg",
                      1: "4711", 44: "E", 126: "2"})
    write("national-2009.fbr",
          header(b"KRD-FBR@", 310) + word(1) + record(nat, [2] * 127) + b"\x40")
    nat2007 = nat[:44] + nat[45:]
    write("national-2007.fbr",
          header(b"KRD-FBR@", 300) + word(2) + record(nat2007, [2] * 126) + b"\x40")
    legacy = boxes(126, {0: "Absender", 40: "a", 41: "b", 42: "c"})
    write("national-legacy-102.fbr",
          b"KRD-FBR@" + word(102) + b"\x01\x00" + word(0) + string_list(legacy))
    write("national-legacy-110.fbr",
          b"KRD-FBR@" + word(110) + b"\x00\x00" + word(0) + word(3) +
          narrow("Müller".encode("cp1252")) + narrow("€ 5".encode("cp1252")) + narrow(b""))

    kombi = boxes(138, {0: "Absender", 38: "UN 1203", 137: "1"})
    write("kombi.fb1",
          header(b"KRD-FBNI@", 300) + word(2) + record(kombi, [2] * 138) + b"\x40")
    write("kombi-legacy-102.fb1",
          b"KRD-FBNI@" + word(102) + b"\0" * 7 + string_list(kombi))

    spa = boxes(106, {0: "SA-2024-17", 22: "12", 26: "1.500", 77: "12"})
    write("forwarding.spa",
          header(b"KR-SPEDAUFTR@ ", 300) + record(spa, [2] * 106) + b"\x40")
    write("forwarding-s883-2004.spa",
          b"KR-S883_2004@ " + word(0) + b"\0" * 16 + b"Speditionsauftrag\r\n" +
          record(spa, [2] * 106))
    old = ["a%d" % i for i in range(128)]
    write("forwarding-s883.spa",
          b"KR-S883@" + b"\0" * 6 + b"\0" * 14 + b"S883\n" + word(0x1206) + word(1) +
          string_list(old) + word_list([2] * 128))

    address_header = b"Adressdaten 2.00KRD............."
    write("addresses.dat",
          address_header + string_list(["Beispieladresse\r\nStrasse\r\nOrt", "",
                                         "Spedition Nord\r\nKai 3\r\nHamburg"]) + b"\x40")
    write("addresses-old.dat",
          b"Tarvelomark.....Adressdaten 1.00" + word(2) +
          narrow("Müller\r\nStraße 1".encode("cp1252")) + narrow(b"B") + b"\x40")

    write_json("cmr.json", {
        "form": "cmr", "word": 4,
        "fields": [["Absender GmbH\r\nWeg 2", 18], ["Empfänger"], ["", 0x0102]],
        "followFields": [["Rückseite", 3]]})
    write_json("national-dump.json", {
        "form": "national", "version": 310, "loadError": 0, "message": "",
        "word": 1, "pageWord": 0x2002, "followCount": 1,
        "fields": [["Absender", 2], ["Empfänger", 2]], "followFields": [["", 2]]})
    write_json("kombi.json", {"form": "kombi", "word": 2, "fields": [["A"]] * 140})
    write_json("forwarding.json", {"form": "forwarding", "fields": [["12,5", 0x0202]]})
    write_json("addresses.json", {"addresses": [["Spedition Nord", "Kai 3"], "Hamburg"]})


if __name__ == "__main__":
    main()
