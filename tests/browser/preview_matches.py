"""The preview draws each fragment as headless Chromium does: every character in the same
colour, weight and slant with the same decoration lines in the same colours, each run of
characters (one text on one line) in a box of the same size (within 5 %) at the same place
(within 2 pixels), and images and scrolling bands in the same boxes.

    preview_matches.py <preview_layout_dump> <folder> [case ...]

Without names it runs every case.
"""
import difflib
import html
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
from chromium import Chromium, write_png  # noqa: E402

WIDTH = 640
SIZE_SHARE, PLACE_PIXELS, CHANNEL = 0.05, 2.0, 1



class Case:
    """What a case may show differently and why: only where Qt's rich text cannot draw the
    fragment as the browser does."""

    def __init__(self, allows=(), why=""):
        self.allows, self.why = set(allows), why


CASES = {
    "font_faces": Case(),
    "font_sizes": Case(),
    "font_colours": Case(),
    "styles_one_by_one": Case(),
    "styles_around_colour": Case(),
    "gradation": Case(),
    "gradation_long": Case(),
    "paragraph_alignments": Case(),
    "sup_and_sub": Case(),
    "sup_and_sub_aligned": Case(),
    "link_with_styles": Case(),
    "link_plain": Case(),
    "image": Case(),
    "scrolling_band": Case(),
    "font_link_paragraph": Case(),
    "symbol_misnested_unclosed": Case(),
}

MEASURED = re.compile(r'<pre id="quillet-measured">(.*?)</pre>', re.S)


def browser_page(fragment, script):
    return (f'<!DOCTYPE html><meta charset="utf-8"><body>{fragment}'
            f'<script>{script}</script></body>')


def measure_in_browser(browser, folder, name, script):
    fragment = (folder / f"{name}.fragment").read_bytes().decode("cp932")
    page = folder / f"{name}.browser.html"
    page.write_text(browser_page(fragment, script), encoding="utf-8")
    found = MEASURED.findall(browser.dump_dom(str(page), WIDTH, 600, virtual_ms=2000))
    if not found:
        raise RuntimeError(f"{name}: the page wrote no measurements")
    return fragment, json.loads(html.unescape(found[-1]))


def colour_differs(a, b):
    if a is None or b is None:
        return a != b
    return any(abs(int(a[i:i + 2], 16) - int(b[i:i + 2], 16)) > CHANNEL for i in (1, 3, 5))


def box_text(box):
    return f"({box['x']:.1f},{box['y']:.1f} {box['w']:.1f}x{box['h']:.1f})"


def union(boxes):
    left = min(b["x"] for b in boxes)
    top = min(b["y"] for b in boxes)
    right = max(b["x"] + b["w"] for b in boxes)
    bottom = max(b["y"] + b["h"] for b in boxes)
    return {"x": left, "y": top, "w": right - left, "h": bottom - top}


class Comparison:
    """Differences by kind, each with a line that shows both sides."""

    def __init__(self):
        self.found = {}
        self.worst = {"place": 0.0, "size": 0.0}

    def add(self, kind, line):
        self.found.setdefault(kind, []).append(line)

    def boxes(self, what, preview, browser):
        place = max(abs(preview["x"] - browser["x"]), abs(preview["y"] - browser["y"]))
        size = max(abs(preview[k] - browser[k]) / max(browser[k], 1.0) for k in ("w", "h"))
        self.worst["place"] = max(self.worst["place"], place)
        self.worst["size"] = max(self.worst["size"], size)
        line = f"{what}: preview {box_text(preview)} browser {box_text(browser)}"
        if place > PLACE_PIXELS:
            self.add("place", line)
        if size > SIZE_SHARE:
            self.add("size", line)


def runs(pairs):
    """Consecutive matched characters that are one run on both sides."""
    group = []
    for pair in pairs:
        if group and (pair[0]["run"] != group[-1][0]["run"] or
                      pair[1]["run"] != group[-1][1]["run"]):
            yield group
            group = []
        group.append(pair)
    if group:
        yield group


def compare_characters(result, preview, browser):
    codes = ([c["c"] for c in preview], [c["c"] for c in browser])
    pairs = []
    matcher = difflib.SequenceMatcher(None, *codes, autojunk=False)
    for tag, p1, p2, b1, b2 in matcher.get_opcodes():
        if tag == "equal":
            pairs += zip(preview[p1:p2], browser[b1:b2])
        else:
            shown = "".join(map(chr, codes[0][p1:p2]))
            drawn = "".join(map(chr, codes[1][b1:b2]))
            result.add("text", f"preview shows {shown!r} where the browser shows {drawn!r}")
    for mine, theirs in pairs:
        character = chr(mine["c"])
        for key in ("color", "underline", "strike"):
            if colour_differs(mine[key], theirs[key]):
                result.add(key, f"{character!r} {key}: preview {mine[key]} browser {theirs[key]}")
        for key in ("bold", "italic"):
            if mine[key] != theirs[key]:
                result.add(key, f"{character!r} {key}: preview {mine[key]} browser {theirs[key]}")
    for run in runs(pairs):
        text = "".join(chr(mine["c"]) for mine, _ in run)
        sizes = f"{run[0][0]['px']}px/{run[0][1]['px']}px"
        result.boxes(f"run {text!r} ({sizes})", union([p for p, _ in run]),
                     union([b for _, b in run]))


def compare_boxes(result, kind, preview, browser):
    if len(preview) != len(browser):
        result.add(kind, f"preview has {len(preview)} {kind}, the browser {len(browser)}")
    for index, (mine, theirs) in enumerate(zip(preview, browser)):
        result.boxes(f"{kind} {index}", mine, theirs)
        if kind == "bands" and colour_differs(mine["background"], theirs["background"]):
            result.add("background", f"band {index} background: preview {mine['background']} "
                                     f"browser {theirs['background']}")


def compare(preview, browser):
    result = Comparison()
    compare_characters(result, preview["characters"], browser["characters"])
    compare_boxes(result, "images", preview["images"], browser["images"])
    compare_boxes(result, "bands", preview["bands"], browser["bands"])
    return result


def run_cases(browser, folder, names, script):
    """Prints each case's result; the names of those that failed."""
    failed = []
    for name in names:
        fragment, drawn = measure_in_browser(browser, folder, name, script)
        shown = json.loads((folder / f"{name}.preview.json").read_text(encoding="utf-8"))
        result = compare(shown, drawn)
        wrong = {kind: lines for kind, lines in result.found.items()
                 if kind not in CASES[name].allows}
        worst = (f"worst place {result.worst['place']:.1f}px, "
                 f"size {100 * result.worst['size']:.1f}%")
        print(f"{'FAIL' if wrong else 'ok  '} {name}: {worst}"
              f"{', fails on ' + ', '.join(sorted(wrong)) if wrong else ''}")
        if not wrong:
            continue
        failed.append(name)
        print(f"     fragment: {fragment}")
        shown = set()
        for kind, lines in sorted(wrong.items()):
            lines = [line for line in lines if line not in shown]
            shown.update(lines)
            for line in lines[:6]:
                print(f"     {line}")
            if len(lines) > 6:
                print(f"     ... {len(lines) - 6} more {kind} differences")
    return failed


def main():
    dump, folder, *chosen = sys.argv[1:]
    folder = pathlib.Path(folder)
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    write_png(folder / "pic.png", 40, 30, (200, 30, 30))
    subprocess.run([dump, str(folder), str(WIDTH)], check=True)
    made = sorted(p.name[:-len(".fragment")] for p in folder.glob("*.fragment"))
    if set(made) != set(CASES):
        print(f"the cases made and the table differ: {sorted(set(made) ^ set(CASES))}")
        return 1
    names = [name for name in made if not chosen or name in chosen]
    script = (pathlib.Path(__file__).parent / "measure_page.js").read_text(encoding="utf-8")
    with Chromium() as browser:
        failed = run_cases(browser, folder, names, script)
    print(f"{len(names) - len(failed)} of {len(names)} fragments look as in the browser")
    return 1 if failed or not names else 0


if __name__ == "__main__":
    sys.exit(main())
