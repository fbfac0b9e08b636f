#!/usr/bin/env python3
"""Writes the CSV sources and pictures of the six sample books into data/books/.

Run once, by hand, when the content changes; the build turns the CSV files into
books with tessera-book. The facts come from public data packages fetched
beforehand into one folder (see data/books/SOURCES.md):

    mkdir -p /tmp/book-sources && cd /tmp/book-sources
    npm pack countries-list@3.4.1 flag-icons@7.6.0 periodic-table@0.0.8 \
             i18n-iso-countries@7.14.0
    for f in *.tgz; do mkdir -p "${f%.tgz}" && tar xzf "$f" -C "${f%.tgz}"; done
    python3 scripts/books/make-sample-books.py --sources /tmp/book-sources

Needs rsvg-convert (Debian package librsvg2-bin) for the flags and ImageMagick's
convert for the JPEG pictures. The output is the same at every run: the random
choices of the wrong options use fixed seeds.
"""

import argparse
import csv
import glob
import json
import math
import os
import random
import subprocess
import sys
import tempfile
import unicodedata

sys.dont_write_bytecode = True  # keep the repository free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import content_driving_es  # noqa: E402
import content_names as names  # noqa: E402
import content_vocabulary  # noqa: E402

COLUMNS = ["Tema", "Pregunta", "Respuesta", "Multiple",
           "Opcion1", "Opcion2", "Opcion3", "Opcion4", "Opcion5", "Opcion6",
           "MostrarImagen", "Imagen"]
CAPACITY = {"Tema": 24, "Pregunta": 255, "Respuesta": 255,
            **{f"Opcion{i}": 255 for i in range(1, 7)}}

FLAG_SIZE = "120x90"
SIGN_SIZE = 120
JPEG_QUALITY = "80"


def record(topic, question, answer, options=None, picture=None):
    """One CSV row; with options the record is multiple choice and option 1
    mirrors the answer, as the editor keeps it."""
    row = dict.fromkeys(COLUMNS, "")
    row.update(Tema=topic, Pregunta=question, Respuesta=answer,
               Multiple="0", MostrarImagen="0")
    if options:
        choices = [answer] + list(options)
        assert len(choices) <= 6 and len(set(choices)) == len(choices), choices
        row["Multiple"] = "1"
        for i, text in enumerate(choices, 1):
            row[f"Opcion{i}"] = text
    if picture:
        row["Imagen"] = picture
        row["MostrarImagen"] = "1"
    return row


def check_rows(name, rows):
    """Every text must fit its field and be writable in Windows-1252."""
    for n, row in enumerate(rows, 2):
        for field, capacity in CAPACITY.items():
            text = row[field]
            text.encode("cp1252")
            if len(text) > capacity:
                sys.exit(f"{name} line {n}: {field} has {len(text)} characters, "
                         f"more than {capacity}")
    topics = list(dict.fromkeys(r["Tema"] for r in rows))
    if len(topics) > 22:
        sys.exit(f"{name}: {len(topics)} topics, more than 22")
    return topics


def write_csv(out_dir, name, rows):
    topics = check_rows(name, rows)
    path = os.path.join(out_dir, name + ".csv")
    with open(path, "w", encoding="utf-8", newline="") as f:
        writer = csv.DictWriter(f, fieldnames=COLUMNS, lineterminator="\r\n")
        writer.writeheader()
        writer.writerows(rows)
    multiple = sum(r["Multiple"] == "1" for r in rows)
    pictures = sum(bool(r["Imagen"]) for r in rows)
    print(f"{name}: {len(rows)} records, {len(topics)} topics, "
          f"{multiple} multiple choice, {pictures} with picture")


def distractors(rng, answer, pool, count):
    candidates = sorted({p for p in pool if p != answer})
    return rng.sample(candidates, min(count, len(candidates)))


# Periodic table

def load_elements(sources):
    path = glob.glob(os.path.join(sources, "periodic-table-*", "package", "data.json"))[0]
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    assert len(data) == 118
    elements = []
    for e in data:
        z = e["atomicNumber"]
        elements.append({
            "z": z,
            "symbol": e["symbol"].strip(),
            "en": names.ELEMENTS_EN_FIX.get(z, e["name"].strip()),
            "es": names.ELEMENTS_ES[z - 1],
            "family": names.FAMILIES[e["groupBlock"].strip()],
        })
    return elements


def symbol_distractors(rng, element, elements, lang):
    """Wrong options for "which element has this symbol": elements whose
    symbols start with the same letter first, as those are the ones confused."""
    same = [e for e in elements if e is not element and e["symbol"][0] == element["symbol"][0]]
    other = [e for e in elements if e is not element and e not in same]
    chosen = rng.sample(same, min(3, len(same)))
    chosen += rng.sample(other, 3 - len(chosen))
    return [e[lang] for e in chosen]


def periodic_book(elements, lang):
    rng = random.Random(118)
    family = 0 if lang == "en" else 1
    if lang == "en":
        ask_symbol = "What is the chemical symbol of {}?"
        ask_name = "Which chemical element has the symbol {}?"
        ask_number = "What is the atomic number of {}?"
    else:
        ask_symbol = "¿Cuál es el símbolo químico del {}?"
        ask_name = "¿Qué elemento químico tiene el símbolo {}?"
        ask_number = "¿Cuál es el número atómico del {}?"
    rows = []
    for e in elements:
        rows.append(record(e["family"][family], ask_symbol.format(e[lang].lower()), e["symbol"]))
    for e in elements:
        rows.append(record(e["family"][family], ask_name.format(e["symbol"]), e[lang],
                           symbol_distractors(rng, e, elements, lang)))
    for e in elements:
        rows.append(record(e["family"][family], ask_number.format(e[lang].lower()), str(e["z"])))
    return rows


# Countries

CONTINENTS = {
    "EU": ("Europe", "Europa"),
    "AS": ("Asia", "Asia"),
    "AF": ("Africa", "África"),
    "NA": ("North America", "Norteamérica"),
    "SA": ("South America", "Sudamérica"),
    "OC": ("Oceania", "Oceanía"),
}

# Names that take the article in a sentence.
EN_WITH_THE = {"BS", "AE", "CD", "CF", "CG", "DO", "GB", "GM", "KM", "MH", "MV",
               "NL", "PH", "SB", "SC", "US"}
ES_WITH_ARTICLE = {"AE": "los", "BS": "las", "GB": "el", "MH": "las", "NL": "los",
                   "SB": "las"}


def load_countries(sources):
    base = glob.glob(os.path.join(sources, "countries-list-*", "package"))[0]
    with open(os.path.join(base, "countries.min.json"), encoding="utf-8") as f:
        data = json.load(f)
    path = glob.glob(os.path.join(sources, "i18n-iso-countries-*", "package", "langs", "es.json"))[0]
    with open(path, encoding="utf-8") as f:
        spanish = json.load(f)["countries"]
    countries = []
    for code in names.UN_MEMBERS:
        c = data[code]
        es = names.COUNTRIES_ES_FIX.get(code, spanish[code])
        assert isinstance(es, str), (code, es)
        capital_en = names.CAPITALS_EN_FIX.get(code, c["capital"])
        countries.append({
            "code": code,
            "continent": names.CONTINENT_FIX.get(code, c["continent"]),
            "en": names.COUNTRIES_EN_FIX.get(code, c["name"]),
            "es": es,
            "capital_en": capital_en,
            "capital_es": names.CAPITALS_ES.get(code, capital_en),
        })
    return countries


def sort_key(name):
    """Alphabetical order as a dictionary has it: accents do not count."""
    plain = unicodedata.normalize("NFD", name.lower())
    return "".join(ch for ch in plain if not unicodedata.combining(ch))


def country_in_sentence(c, lang):
    if lang == "en":
        return ("the " if c["code"] in EN_WITH_THE else "") + c["en"]
    if c["code"] in ES_WITH_ARTICLE:
        article = ES_WITH_ARTICLE[c["code"]]
        return ("del " if article == "el" else f"de {article} ") + c["es"]
    if c["es"].startswith("República"):
        return "de la " + c["es"]
    return "de " + c["es"]


def countries_book(countries, lang):
    rng = random.Random(193)
    idx = 0 if lang == "en" else 1
    if lang == "en":
        capitals, flags = "Capitals: {}", "Flags: {}"
        ask_capital = "What is the capital of {}?"
        ask_flag = "Which country does this flag belong to?"
    else:
        capitals, flags = "Capitales: {}", "Banderas: {}"
        ask_capital = "¿Cuál es la capital {}?"
        ask_flag = "¿De qué país es esta bandera?"
    rows = []
    for code, continent in CONTINENTS.items():
        members = sorted((c for c in countries if c["continent"] == code),
                         key=lambda c: sort_key(c[lang]))
        for c in members:
            rows.append(record(capitals.format(continent[idx]),
                               ask_capital.format(country_in_sentence(c, lang)),
                               c["capital_" + lang], picture=f"flags/{c['code'].lower()}.jpg"))
        pool = [c[lang] for c in members]
        for c in members:
            rows.append(record(flags.format(continent[idx]), ask_flag, c[lang],
                               distractors(rng, c[lang], pool, 3),
                               picture=f"flags/{c['code'].lower()}.jpg"))
    return rows


def render_flags(sources, countries, out_dir):
    svg_dir = glob.glob(os.path.join(sources, "flag-icons-*", "package", "flags", "4x3"))[0]
    flag_dir = os.path.join(out_dir, "flags")
    os.makedirs(flag_dir, exist_ok=True)
    width, height = FLAG_SIZE.split("x")
    with tempfile.TemporaryDirectory() as tmp:
        for c in countries:
            code = c["code"].lower()
            png = os.path.join(tmp, code + ".png")
            subprocess.run(["rsvg-convert", "-w", width, "-h", height,
                            os.path.join(svg_dir, code + ".svg"), "-o", png], check=True)
            subprocess.run(["convert", png, "-background", "white", "-flatten", "-strip",
                            "-sampling-factor", "4:2:0", "-quality", JPEG_QUALITY,
                            os.path.join(flag_dir, code + ".jpg")], check=True)


# Road signs, drawn here at four times their size and reduced for smooth edges.

RED, BLUE, YELLOW = "#c1121c", "#1d4f9c", "#f5c400"
S = 4 * SIGN_SIZE
C = S / 2


def polygon(points):
    return "polygon " + " ".join(f"{x:.1f},{y:.1f}" for x, y in points)


def regular(n, radius, rotation):
    return [(C + radius * math.cos(rotation + 2 * math.pi * k / n),
             C + radius * math.sin(rotation + 2 * math.pi * k / n)) for k in range(n)]


def circle(radius):
    return f"circle {C},{C} {C},{C - radius}"


def disc(fill, ring=None):
    steps = []
    if ring:
        steps += ["-fill", ring, "-draw", circle(0.47 * S)]
        steps += ["-fill", fill, "-draw", circle(0.36 * S)]
    else:
        steps += ["-fill", fill, "-draw", circle(0.47 * S)]
    return steps


def sign_steps(name):
    thick = ["-stroke", RED, "-strokewidth", str(0.09 * S), "-fill", "none"]
    if name == "stop":
        return (["-fill", "white", "-draw", polygon(regular(8, 0.48 * S, math.pi / 8)),
                 "-fill", RED, "-draw", polygon(regular(8, 0.44 * S, math.pi / 8)),
                 "-fill", "white", "-font", "DejaVu-Sans-Bold", "-pointsize", str(0.25 * S),
                 "-gravity", "center", "-annotate", "+0+0", "STOP"])
    if name in ("yield", "danger"):
        rotation = math.pi / 2 if name == "yield" else -math.pi / 2
        outer = regular(3, 0.5 * S, rotation)
        inner = regular(3, 0.27 * S, rotation)
        offset = (0, -0.08 * S) if name == "yield" else (0, 0.08 * S)
        outer = [(x, y + offset[1]) for x, y in outer]
        inner = [(x, y + offset[1]) for x, y in inner]
        steps = ["-fill", RED, "-draw", polygon(outer), "-fill", "white", "-draw", polygon(inner)]
        if name == "danger":
            steps += ["-fill", "black",
                      "-draw", f"roundrectangle {C - 0.035 * S},{0.36 * S} {C + 0.035 * S},{0.66 * S} 6,6",
                      "-draw", f"circle {C},{0.74 * S} {C},{0.7 * S}"]
        return steps
    if name == "no_entry":
        return disc(RED) + ["-fill", "white",
                            "-draw", f"rectangle {0.18 * S},{0.41 * S} {0.82 * S},{0.59 * S}"]
    if name == "closed":
        return disc("white", RED)
    if name in ("no_parking", "no_stopping"):
        r = 0.36 * S * math.cos(math.pi / 4)
        steps = disc(BLUE, RED) + ["-stroke", RED, "-strokewidth", str(0.1 * S),
                                   "-draw", f"line {C - r},{C - r} {C + r},{C + r}"]
        if name == "no_stopping":
            steps += ["-draw", f"line {C + r},{C - r} {C - r},{C + r}"]
        return steps
    if name == "end_restrictions":
        r = 0.43 * S * math.cos(math.pi / 4)
        steps = ["-fill", "black", "-draw", circle(0.48 * S),
                 "-fill", "white", "-draw", circle(0.45 * S),
                 "-stroke", "black", "-strokewidth", str(0.1 * S),
                 "-draw", f"line {C + r},{C - r} {C - r},{C + r}"]
        return steps
    if name == "keep_right":
        arrow = [(0.2, 0.44), (0.56, 0.44), (0.56, 0.3), (0.8, 0.5),
                 (0.56, 0.7), (0.56, 0.56), (0.2, 0.56)]
        return disc(BLUE) + ["-fill", "white", "-draw", polygon([(x * S, y * S) for x, y in arrow])]
    if name in ("priority_road", "end_priority"):
        steps = ["-fill", "black", "-draw", polygon(regular(4, 0.5 * S, 0)),
                 "-fill", "white", "-draw", polygon(regular(4, 0.48 * S, 0)),
                 "-fill", YELLOW, "-draw", polygon(regular(4, 0.33 * S, 0))]
        if name == "end_priority":
            # Stripes across the yellow square only: a line through (C+k, C+k)
            # along (1, -1) stays inside |x-C| + |y-C| <= a while |t| <= a/2.
            steps += ["-stroke", "black", "-strokewidth", str(0.025 * S)]
            t = 0.15 * S
            for d in (-0.09, -0.03, 0.03, 0.09):
                k = d * S
                steps += ["-draw", f"line {C - t + k},{C + t + k} {C + t + k},{C - t + k}"]
        return steps
    raise ValueError(name)


def render_signs(out_dir):
    sign_dir = os.path.join(out_dir, "signs")
    os.makedirs(sign_dir, exist_ok=True)
    used = sorted({q[4] for q in content_driving_es.QUESTIONS if q[4]})
    for name in used:
        subprocess.run(["convert", "-size", f"{S}x{S}", "xc:white", *sign_steps(name),
                        "-resize", f"{SIGN_SIZE}x{SIGN_SIZE}", "-strip",
                        "-quality", JPEG_QUALITY, os.path.join(sign_dir, name + ".jpg")],
                       check=True)


# Cover pictures of the sample books (the picture on the cover's label).

COVER_W, COVER_H = 240, 180
FAMILY_COLOURS = {
    "Alkali metals": "#e4572e", "Alkaline earth metals": "#f3a712",
    "Transition metals": "#f7d488", "Lanthanides": "#a8c686", "Actinides": "#669bbc",
    "Post-transition metals": "#b4b8ab", "Metalloids": "#8fb8de",
    "Other nonmetals": "#c3e88d", "Halogens": "#f2c6de", "Noble gases": "#b39ddb",
}


def table_position(z):
    """Row and column of an element in the 18-column table, the f-block
    written as two rows below."""
    if 57 <= z <= 71:
        return 8, 3 + z - 57
    if 89 <= z <= 103:
        return 9, 3 + z - 89
    bounds = [(1, 1, 0), (2, 2, 0), (3, 10, 1), (11, 18, 2), (19, 36, 3), (37, 54, 4),
              (55, 86, 5), (87, 118, 6)]
    starts = {1: 1, 2: 18, 3: 1, 11: 1, 19: 1, 37: 1, 55: 1, 87: 1}
    for first, last, row in bounds:
        if first <= z <= last:
            col = starts[first] + z - first
            if first in (3, 11) and z - first >= 2:
                col = 13 + z - first - 2
            if first in (55, 87) and z - first >= 2:
                col = 4 + z - first - 17
            return row, col
    raise ValueError(z)


def periodic_cover(elements, path):
    cell, gap = 12, 1
    left = (COVER_W - 18 * (cell + gap)) // 2
    top = 24
    steps = ["-fill", "#24324a", "-draw", f"rectangle 0,0 {COVER_W},{COVER_H}"]
    for e in elements:
        row, col = table_position(e["z"])
        y = top + row * (cell + gap) + (6 if row >= 8 else 0)
        x = left + (col - 1) * (cell + gap)
        steps += ["-fill", FAMILY_COLOURS[e["family"][0]],
                  "-draw", f"rectangle {x},{y} {x + cell - 1},{y + cell - 1}"]
    subprocess.run(["convert", "-size", f"{COVER_W}x{COVER_H}", "xc:white", *steps,
                    "-strip", "-quality", JPEG_QUALITY, path], check=True)


def montage(pictures, tile, path, background):
    subprocess.run(["montage", *pictures, "-tile", tile, "-geometry", "+6+6",
                    "-background", background, "miff:-"], check=True,
                   stdout=open(path + ".miff", "wb"))
    subprocess.run(["convert", path + ".miff", "-resize", f"{COVER_W}x{COVER_H}",
                    "-gravity", "center", "-background", background,
                    "-extent", f"{COVER_W}x{COVER_H}", "-strip", "-quality", JPEG_QUALITY, path],
                   check=True)
    os.remove(path + ".miff")


def words_cover(words, path):
    steps = []
    rng = random.Random(5)
    palette = ["#ffffff", "#ffe08a", "#ffb4a2", "#b5e48c", "#a0c4ff"]
    for i, word in enumerate(words):
        x = 14 + (i % 2) * 110 + rng.randrange(10)
        y = 34 + (i // 2) * 34
        steps += ["-fill", palette[i % len(palette)], "-pointsize", str(18 + rng.randrange(6)),
                  "-annotate", f"+{x}+{y}", word]
    subprocess.run(["convert", "-size", f"{COVER_W}x{COVER_H}", "gradient:#c0392b-#8e1b10",
                    "-font", "DejaVu-Sans-Bold", *steps, "-strip", "-quality", JPEG_QUALITY, path],
                   check=True)


def render_covers(out_dir, elements):
    cover_dir = os.path.join(out_dir, "covers")
    os.makedirs(cover_dir, exist_ok=True)
    periodic_cover(elements, os.path.join(cover_dir, "periodic.jpg"))
    flags = [os.path.join(out_dir, "flags", c + ".jpg")
             for c in ("br", "jp", "za", "ca", "in", "se", "mx", "kr", "au", "ke", "gr", "ar")]
    montage(flags, "4x3", os.path.join(cover_dir, "countries.jpg"), "#2c3e50")
    signs = [os.path.join(out_dir, "signs", s + ".jpg")
             for s in ("stop", "yield", "priority_road", "no_entry", "keep_right", "danger")]
    montage(signs, "3x2", os.path.join(cover_dir, "driving.jpg"), "white")
    words_cover(["¡Hola!", "gracias", "el perro", "la casa", "azul", "mañana",
                 "comer", "la playa"], os.path.join(cover_dir, "vocabulary.jpg"))


def driving_book():
    rows = []
    for topic, question, answer, wrong, sign in content_driving_es.QUESTIONS:
        rows.append(record(topic, question, answer, wrong,
                           f"signs/{sign}.jpg" if sign else None))
    return rows


def vocabulary_book():
    """Every third word of a topic is asked as multiple choice among other
    words of the same topic; the rest are open questions."""
    rng = random.Random(1)
    rows = []
    for topic, pairs in content_vocabulary.TOPICS:
        pool = [spanish for _, spanish in pairs]
        for i, (english, spanish) in enumerate(pairs):
            options = distractors(rng, spanish, pool, 3) if i % 3 == 2 else None
            rows.append(record(topic, english, spanish, options))
    return rows


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--sources", required=True,
                        help="folder holding the unpacked npm packages")
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "data", "books"))
    parser.add_argument("--no-pictures", action="store_true",
                        help="write the CSV files only")
    args = parser.parse_args()
    out = os.path.normpath(args.out)

    elements = load_elements(args.sources)
    countries = load_countries(args.sources)
    if not args.no_pictures:
        render_flags(args.sources, countries, out)
        render_signs(out)
        render_covers(out, elements)

    write_csv(out, "Autoescuela", driving_book())
    write_csv(out, "Tabla periódica", periodic_book(elements, "es"))
    write_csv(out, "Países del mundo", countries_book(countries, "es"))
    write_csv(out, "Periodic table", periodic_book(elements, "en"))
    write_csv(out, "Spanish vocabulary I", vocabulary_book())
    write_csv(out, "Countries of the world", countries_book(countries, "en"))


if __name__ == "__main__":
    main()
