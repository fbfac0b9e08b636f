#!/usr/bin/env python3
"""Writes data/library_esp.dat, library_eng.dat and library_por.dat, the library a
new user starts with in each language: one visible shelf named in the language,
no books, every other slot and shelf as in the empty library.

The form is the shelf layout file (library.dat): INI sections Layout, Item0..Item49,
Group0..Group10, keys in their fixed order, a blank line after each section,
Windows-1252 text with CR LF line ends.
"""
import pathlib

DATA = pathlib.Path(__file__).resolve().parent.parent.parent / "data"
ITEMS = 50
GROUPS = 11
# The shelf view of the default interface style (XP): "XP 2".
VIEW = 7
SHELF_NAMES = {"library_esp.dat": "Estantería", "library_eng.dat": "Shelf", "library_por.dat": "Estante"}


def section(name, keys):
    return [f"[{name}]"] + [f"{key}={value}" for key, value in keys] + [""]


def layout():
    return section("Layout", [("View", VIEW), ("StyleCount", 0), ("ItemCount", ITEMS),
                              ("GroupCount", GROUPS)])


def item(index):
    # An unused book slot of the empty library.
    return section(f"Item{index}", [("Caption", f"Libro_{index + 1:03d}"), ("Enabled", 1),
                                    ("Hint", ""), ("LargeImageIndex", -1), ("SmallImageIndex", -1),
                                    ("Tag", index + 1), ("Visible", 0)])


def group(index, shelf_name):
    visible = index == 0
    caption = shelf_name if visible else f"Estanteria_{index + 1:02d}"
    # No links, so no Link<k>ItemIndex keys between LinkCount and LinksUseSmallImages.
    return section(f"Group{index}", [("Caption", caption), ("Expanded", int(visible)), ("Hint", ""),
                                     ("LargeImageIndex", -1), ("LinkCount", 0),
                                     ("LinksUseSmallImages", 0), ("SelectedLinkIndex", -1),
                                     ("ShowAsIconView", 0), ("ShowExpandButton", 1),
                                     ("SmallImageIndex", -1), ("Tag", index + 1),
                                     ("TopVisibleLinkIndex", 0), ("UseSmallImages", 0),
                                     ("Visible", int(visible))])


def library(shelf_name):
    lines = layout()
    for index in range(ITEMS):
        lines += item(index)
    for index in range(GROUPS):
        lines += group(index, shelf_name)
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def main():
    for file_name, shelf_name in SHELF_NAMES.items():
        (DATA / file_name).write_bytes(library(shelf_name))


if __name__ == "__main__":
    main()
