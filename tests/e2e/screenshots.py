"""Retakes the README's screenshots (docs/screenshots/) from the built program, each page
at 400 pixels wide with a little typed into it. Not a test: run it after a change that
moves or redraws something the screenshots show.

    QUILLET_BUILD=build python3 tests/e2e/screenshots.py
"""
import os
import subprocess

from quillet_e2e import PAGES, Run

FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs",
                      "screenshots")
ADDRESS_FIELD = (139, 129)  # field 1021 of the hyperlink page
THIRD_SYMBOL = (200, 145)
SKULL_SYMBOL = (200, 181)  # the fifth row, drawn as the character it depicts

# file, page, outer height, [(point to click or None for the focused field, text)],
# tabs to right-click
SHOTS = [
    ("font", 0, 243, [(None, "Quillet")], []),
    ("gradation", 1, 243, [(None, "グラデーション")], []),
    ("paragraph", 2, 243, [(None, "段落の文字")], []),
    ("hyperlink", 3, 243, [(None, "Quillet"), (ADDRESS_FIELD, "https://example.org/")], []),
    ("marquee", 4, 243, [(None, "お知らせ")], []),
    ("image", 5, 243, [(None, "images/logo.png")], []),
    ("symbol", 6, 330, [(THIRD_SYMBOL, None)], []),
    ("multi-select", 0, 243, [(None, "Quillet")], [2, 3]),
]

def start_and_fill(run, page, inputs, included):
    """Starts the program on a page, clicks and types `inputs`, right-clicks the tabs
    `included`."""
    run.start("Quillet - " + PAGES[page])
    for point, text in inputs:
        if point is not None:
            run.click(*point)
        if text is not None:
            run.type_text(text)
    for tab in included:
        run.tab(tab, button=3)


with Run("screenshots") as run:
    # A window of another program takes the keyboard before each shot, so that no field
    # shows its caret or focus frame.
    other = subprocess.Popen(["xmessage", "-geometry", "+900+700", "."], env=run.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    run.processes.append(other)
    for name, page, height, inputs, included in SHOTS:
        run.write_settings(f"[Window]\nWindowWidth=400\nWindowHeight={height}\n"
                           f"TabPage={page}\n[Mark]\nTypeIndex=すべての種類\n")
        start_and_fill(run, page, inputs, included)
        run.activate(run.wait_for(lambda: run.x(["xdotool", "search", "--onlyvisible",
                                                 "--classname", "xmessage"], check=False),
                                  "the other window").split()[0])
        run.x(["xdotool", "mousemove", "1000", "10", "sleep", "0.5"])
        run.x(["import", "-window", run.window, os.path.join(FOLDER, name + ".png")])
        run.close_box()
        run.wait_exit()

# The preview beside the main window: file, page, [(point or None, text)], tabs to
# right-click. The preview opens right of the main window at its kept size.
PREVIEW_SHOTS = [
    ("preview-gradation", 1, [(None, "グラデーションの文字")], []),
    ("preview-combined", 3, [(None, "Quillet のページへ"), (ADDRESS_FIELD, "https://example.com/")],
     [0, 2]),
    ("preview-symbol", 6, [(SKULL_SYMBOL, None)], []),
]

with Run("preview-screenshots") as run:
    for name, page, inputs, included in PREVIEW_SHOTS:
        run.write_settings(f"[Window]\nWindowWidth=330\nWindowHeight=250\nTabPage={page}\n"
                           f"WindowPreview=1\n[Mark]\nTypeIndex=すべての種類\n")
        start_and_fill(run, page, inputs, included)
        preview = run.wait_for(lambda: run.find_window("プレビュー"), "the preview")
        run.x(["xdotool", "mousemove", "1000", "10", "sleep", "0.5"])
        left, top, _, _ = run.frame()
        _, _, right, bottom = run.frame(preview)
        bottom = max(bottom, run.frame()[3])
        run.x(["import", "-window", "root", "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
               "+repage", os.path.join(FOLDER, name + ".png")])
        run.close_box()
        run.wait_exit()
