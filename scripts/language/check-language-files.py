#!/usr/bin/env python3
"""Reads the shipped interface text files the way the program does and reports
anything it would trip over. Independent of make-language-files.py on purpose:
it knows only the file layouts, not how the files were written.

  txt_*.txt  621 entries by the entry rule, then ">>>end<<<" as the 622nd;
             and, when catalogue.tsv is at hand, every entry equal to its row.
  tip_*.txt  at least 20 tips; text from the fifth character of each line.
  sug_*.txt  "ccc s text" lines: every context 1..21 served (two suggestions,
             one for 12..20), showings 0..9, texts of at most 255 characters,
             at most 512 suggestions.
All files: Windows-1252, lines ended by CR LF.

Exit status 1 when something is wrong; each problem is printed.
"""
import csv
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
DATA = ROOT / "data"
CATALOGUE = ROOT / "scripts" / "language" / "catalogue.tsv"
CODES = ["esp", "eng", "por"]
ENTRIES = 621
CAPACITY = 255
END_MARKER = ">>>end<<<"
MIN_TIPS = 20
SUGGESTION_LIMIT = 512
CONTEXTS = range(1, 22)


def needed_suggestions(context):
    return 1 if 12 <= context <= 20 else 2


problems = []


def problem(text):
    problems.append(text)


def text_lines(path):
    """The file's lines as text, or None; reports bad line ends and bytes."""
    raw = path.read_bytes()
    if raw and not raw.endswith(b"\r\n"):
        problem(f"{path.name}: the last line has no CR LF")
    if raw.replace(b"\r\n", b"").find(b"\n") >= 0 or raw.replace(b"\r\n", b"").find(b"\r") >= 0:
        problem(f"{path.name}: a line is not ended by CR LF")
    try:
        text = raw.decode("cp1252")
    except UnicodeDecodeError as error:
        problem(f"{path.name}: not Windows-1252: {error}")
        return None
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def entry_text(line):
    """The entry rule: drop {comments}, then one final "@"."""
    kept, in_comment = [], False
    for ch in line:
        if in_comment:
            in_comment = ch != "}"
        elif ch == "{":
            in_comment = True
        else:
            kept.append(ch)
    text = "".join(kept)
    return text[:-1] if text.endswith("@") else text


def read_entries(lines):
    entries = []
    for line in lines:
        text = entry_text(line)
        if text:
            entries.append(text[:CAPACITY])
    return entries


def catalogue_texts():
    if not CATALOGUE.exists():
        return None
    texts = {}
    with open(CATALOGUE, encoding="utf-8", newline="") as f:
        for row in csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE):
            if row and not row[0].startswith("#"):
                texts[int(row[0])] = row[3:6]
    return texts


def check_language_file(index, code, catalogue):
    path = DATA / f"txt_{code}.txt"
    if not path.exists():
        problem(f"{path.name}: missing")
        return
    lines = text_lines(path)
    if lines is None:
        return
    entries = read_entries(lines)
    if len(entries) < ENTRIES + 1:
        problem(f"{path.name}: {len(entries)} entries, {ENTRIES} and the end marker expected")
        return
    if entries[ENTRIES] != END_MARKER:
        problem(f"{path.name}: entry {ENTRIES + 1} is {entries[ENTRIES]!r}, not the end marker")
    if len(entries) > ENTRIES + 1:
        problem(f"{path.name}: {len(entries) - ENTRIES - 1} entries after the end marker")
    for n, text in enumerate(entries[:ENTRIES], 1):
        if text == END_MARKER:
            problem(f"{path.name}: the end marker comes early, as entry {n}")
        if catalogue and catalogue.get(n) and catalogue[n][index] != text:
            problem(f"{path.name}: entry {n} reads {text!r}, the catalogue has {catalogue[n][index]!r}")
    print(f"{path.name}: {min(len(entries), ENTRIES)} entries and {entries[ENTRIES]!r}")


def check_tip_file(code):
    path = DATA / f"tip_{code}.txt"
    if not path.exists():
        problem(f"{path.name}: missing")
        return
    lines = text_lines(path)
    if lines is None:
        return
    tips = [line for line in lines if line]
    for number, line in enumerate(tips, 1):
        if len(line) < 5 or not line[4:].strip():
            problem(f"{path.name}: tip {number} has no text after its first four characters")
    if len(tips) < MIN_TIPS:
        problem(f"{path.name}: {len(tips)} tips, at least {MIN_TIPS} expected")
    print(f"{path.name}: {len(tips)} tips")


def check_suggestion_file(code):
    path = DATA / f"sug_{code}.txt"
    if not path.exists():
        problem(f"{path.name}: missing")
        return
    lines = text_lines(path)
    if lines is None:
        return
    count = {context: 0 for context in CONTEXTS}
    suggestions = 0
    for number, line in enumerate(lines, 1):
        if not line or line.startswith("//"):
            continue
        suggestions += 1
        where = f"{path.name} line {number}"
        if len(line) < 7 or not line[:3].isdigit() or not line[4].isdigit():
            problem(f"{where}: not in the form 'ccc s text'")
            continue
        context, text = int(line[:3]), line[6:]
        if context not in count:
            problem(f"{where}: context {context} is not one of 1..21")
        else:
            count[context] += 1
        if not text.strip():
            problem(f"{where}: no text")
        if len(text) > CAPACITY:
            problem(f"{where}: {len(text)} characters, at most {CAPACITY} are kept")
    if suggestions > SUGGESTION_LIMIT:
        problem(f"{path.name}: {suggestions} suggestions, the program keeps {SUGGESTION_LIMIT}")
    for context, n in count.items():
        if n < needed_suggestions(context):
            problem(f"{path.name}: context {context} has {n} suggestions")
    print(f"{path.name}: {suggestions} suggestions")


def main():
    catalogue = catalogue_texts()
    for index, code in enumerate(CODES):
        check_language_file(index, code, catalogue)
        check_tip_file(code)
        check_suggestion_file(code)
    for text in problems:
        print("PROBLEM:", text)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
