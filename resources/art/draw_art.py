#!/usr/bin/env python3
"""Writes the program's bitmaps, icons, cursor and tool-bar layouts.

The pictures are drawn below as character grids in one 16-colour palette; this script
assembles them (strips, tab variants, the program icon for the desktop) and writes XPM
files, a few PNG files and the binary tool-bar layouts into resources/images/. Every
picture is written twice: NAME.xpm as drawn and NAME@2x.xpm with each pixel doubled, which
Qt shows on screens of twice the density. Run it with `make art` after changing a picture
and commit its output.
"""

import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(__file__))

import sprites_icons as icons  # noqa: E402
import sprites_tabs as tabs  # noqa: E402
import sprites_tools as tools  # noqa: E402

OUT = os.path.join(os.path.dirname(__file__), "..", "images")

# The 16-colour palette. "." is light grey, which the loaders treat as transparent in
# bitmaps; " " is transparent in icons and the cursor.
PALETTE = {
    ".": "#C0C0C0",
    " ": "None",
    "k": "#000000",
    "g": "#808080",
    "w": "#FFFFFF",
    "r": "#FF0000",
    "R": "#800000",
    "y": "#FFFF00",
    "Y": "#808000",
    "l": "#00FF00",
    "G": "#008000",
    "c": "#00FFFF",
    "C": "#008080",
    "b": "#0000FF",
    "B": "#000080",
    "m": "#FF00FF",
    "M": "#800080",
}


def grid(text, width, height):
    rows = text.strip("\n").split("\n")
    if len(rows) != height or any(len(r) != width for r in rows):
        raise SystemExit(f"picture is not {width} x {height}:\n{text}")
    for row in rows:
        for ch in row:
            if ch not in PALETTE and ch != "_":
                raise SystemExit(f"unknown colour {ch!r} in:\n{text}")
    return rows


def side_by_side(pictures):
    return ["".join(p[y] for p in pictures) for y in range(len(pictures[0]))]


def overlay(base, top):
    """`top` drawn over `base`; "_" in `top` leaves the base pixel."""
    return ["".join(t if t != "_" else b for b, t in zip(br, tr)) for br, tr in zip(base, top)]


def recolour(rows, mapping):
    return ["".join(mapping.get(ch, ch) for ch in row) for row in rows]


def doubled(rows):
    """Each pixel as a 2 x 2 block: pixel art stays sharp at twice the density."""
    return [row for row in ("".join(ch * 2 for ch in r) for r in rows) for _ in range(2)]


def write_xpm(name, rows):
    write_xpm_file(name, rows)
    write_xpm_file(name + "@2x", doubled(rows))


def write_xpm_file(name, rows):
    used = sorted({ch for row in rows for ch in row})
    ident = name.replace("-", "_").replace("@", "_at_")
    lines = ["/* XPM */", f"static const char* const {ident}[] = {{"]
    lines.append(f'"{len(rows[0])} {len(rows)} {len(used)} 1",')
    lines += [f'"{ch} c {PALETTE[ch]}",' for ch in used]
    lines += [f'"{row}",' for row in rows[:-1]] + [f'"{rows[-1]}"', "};", ""]
    with open(os.path.join(OUT, name + ".xpm"), "w", encoding="ascii") as out:
        out.write("\n".join(lines))


def write_png(path, rows, scale):
    """RGBA PNG, each pixel drawn as a scale x scale block so it stays crisp."""
    def rgba(ch):
        value = PALETTE[ch]
        if value == "None":
            return b"\0\0\0\0"
        return bytes.fromhex(value[1:]) + b"\xff"

    raw = b""
    for row in rows:
        line = b"".join(rgba(ch) * scale for ch in row)
        raw += (b"\0" + line) * scale

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    width, height = len(rows[0]) * scale, len(rows) * scale
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    data += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def write_layout(number, width, height, items):
    data = struct.pack("<4H", 1, width, height, len(items))
    data += struct.pack(f"<{len(items)}H", *items)
    with open(os.path.join(OUT, f"toolbar-{number}.layout"), "wb") as out:
        out.write(data)


TOOLBARS = {
    # number: (items, 0 for a separator; pictures of the non-separator items)
    136: ([102, 103, 104, 57688, 57687],
          [tools.COPY, tools.DRAG, tools.SAVE, tools.REGISTER, tools.CLEAR]),
    140: ([106, 106, 57672, 0, 57670],
          [tools.PIN_UP, tools.PIN_DOWN, tools.SOURCE, tools.HELP]),
    143: ([57684, 57685, 57686, 57673, 57674, 57675, 57676, 57677, 57678, 57679, 0, 57682,
           57683],
          [tools.ADD, tools.DELETE, tools.EDIT, tools.BOLD, tools.ITALIC, tools.UNDERLINE,
           tools.STRIKE, tools.ALIGN_LEFT, tools.ALIGN_CENTER, tools.ALIGN_RIGHT,
           tools.SUPERSCRIPT, tools.SUBSCRIPT]),
    144: ([32783], [tools.PALETTE]),
}

# Tab bitmaps by page in tab order: normal, included, not combinable.
TAB_PAGES = [
    ("font", tabs.FONT, 152, 165, 159),
    ("gradation", tabs.GRADATION, 153, 166, 160),
    ("paragraph", tabs.PARAGRAPH, 141, 171, 164),
    ("hyperlink", tabs.HYPERLINK, 155, 168, 162),
    ("marquee", tabs.MARQUEE, 157, 170, 158),
    ("image", tabs.IMAGE, 154, 167, 161),
    ("symbol", tabs.SYMBOL, 156, 169, 163),
]

# Not combinable: the page's picture in the greys of a disabled control.
GREYED = {ch: "g" for ch in "kRBGYCMbr"}
GREYED.update({ch: "w" for ch in "wylcm"})

# Pictures whose grey form is drawn rather than derived.
GREYED_PICTURES = {"gradation": tabs.GRADATION_GREYED}

SYMBOL_ICONS = [
    (141, "cards", icons.CARDS),
    (140, "computer", icons.COMPUTER),
    (142, "danger", icons.BOMB),
    (143, "nature", icons.TREE),
    (139, "other", icons.SHEET_AB),
    (144, "user", icons.PERSON),
]


def main():
    os.makedirs(OUT, exist_ok=True)
    for number, (items, pictures) in TOOLBARS.items():
        assert len(pictures) == sum(1 for i in items if i)
        write_layout(number, 16, 15, items)
        write_xpm(f"toolbar-{number}", side_by_side([grid(p, 16, 15) for p in pictures]))

    included = grid(tabs.INCLUDED_MARK, 20, 20)
    excluded = grid(tabs.EXCLUDED_MARK, 20, 20)
    for name, picture, normal, with_mark, greyed in TAB_PAGES:
        rows = grid(picture, 20, 20)
        write_xpm(f"tab-{normal}-{name}", rows)
        write_xpm(f"tab-{with_mark}-{name}-included", overlay(rows, included))
        own = GREYED_PICTURES.get(name)
        plain = grid(own, 20, 20) if own else recolour(rows, GREYED)
        write_xpm(f"tab-{greyed}-{name}-not-combinable", overlay(plain, excluded))

    for number, name, picture in SYMBOL_ICONS:
        write_xpm(f"icon-{number}-{name}", grid(picture, 16, 16))

    program = grid(icons.PROGRAM, 32, 32)
    write_xpm("icon-128-program", program)
    write_xpm("icon-128-program-16", grid(icons.PROGRAM_SMALL, 16, 16))
    write_xpm("icon-136-browse", grid(icons.BROWSE, 16, 16))
    write_xpm("icon-137-gradation", grid(icons.GRADATION, 32, 32))
    write_xpm("bitmap-139-check", grid(icons.CHECK, 19, 19))
    write_xpm("cursor-1204-eyedropper", grid(icons.EYEDROPPER, 32, 32))

    # The desktop's icon theme: the small picture at 16, the large one at whole multiples.
    desktop = os.path.join(OUT, "..", "desktop", "hicolor")
    small = grid(icons.PROGRAM_SMALL, 16, 16)
    write_png(os.path.join(desktop, "16x16/apps/quillet.png"), small, 1)
    for size in (32, 64, 128, 256):
        write_png(os.path.join(desktop, f"{size}x{size}/apps/quillet.png"), program, size // 32)


if __name__ == "__main__":
    main()
