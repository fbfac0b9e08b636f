#!/usr/bin/env python3
"""Writes data/txt_esp.txt, txt_eng.txt and txt_por.txt from catalogue.tsv.

Each language file holds entries 1..621 in order, then the end marker. Entries
not yet in the catalogue get a short provisional text naming their number.
The files are Windows-1252 with CR LF line ends, as the program reads them.
"""
import csv
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
DATA = HERE.parent.parent / "data"
ENTRIES = 621
LANGUAGES = [("txt_esp.txt", 2, "Texto"), ("txt_eng.txt", 3, "Text"), ("txt_por.txt", 4, "Texto")]


def catalogue():
    rows = {}
    with open(HERE / "catalogue.tsv", encoding="utf-8", newline="") as f:
        for row in csv.reader(f, delimiter="\t"):
            if not row or row[0].startswith("#"):
                continue
            rows[int(row[0])] = row
    return rows


def escape(text):
    # A trailing blank would be lost without the "@" that ends an entry; braces open comments.
    if "{" in text or "}" in text:
        raise ValueError(f"braces are comment marks: {text!r}")
    return text + "@" if text.endswith(" ") or text.endswith("@") else text


def main():
    rows = catalogue()
    for name, column, provisional in LANGUAGES:
        lines = ["{ Tessera interface texts. One entry per line, in order; text in braces is a comment. }",
                 "{ A final @ keeps trailing blanks. Generated from scripts/language/catalogue.tsv. }"]
        for n in range(1, ENTRIES + 1):
            row = rows.get(n)
            if row:
                lines.append(f"{{{n}: {row[1]}}}")
                lines.append(escape(row[column]))
            else:
                lines.append(f"{provisional} {n}")
        lines.append(">>>end<<<")
        (DATA / name).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1252"))


if __name__ == "__main__":
    main()
