"""The source window and the preview open beside the main window without covering each
other, and come back at the next start where they were left, at the size they were given."""
from quillet_e2e import Run

SOURCE = "^ソース$"
PREVIEW = "^プレビュー$"


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def both_open(run):
    """The two tool windows once the window manager has framed them."""
    windows = run.wait_for(lambda: (run.find_window(SOURCE), run.find_window(PREVIEW))
                           if run.find_window(SOURCE) and run.find_window(PREVIEW) else None,
                           "both tool windows")
    run.wait_for(lambda: all("=" in run.x(["xprop", "-id", w, "_NET_FRAME_EXTENTS"])
                             for w in windows), "their frames")
    return windows


def check_apart(run, source, preview, when):
    main, first, second = run.frame(), run.frame(source), run.frame(preview)
    run.check(not overlap(first, second), f"{when}: the preview {second} covers the source "
              f"window {first}")
    for name, frame in (("source window", first), ("preview", second)):
        run.check(not overlap(frame, main), f"{when}: the {name} {frame} covers the main "
                  f"window {main}")


with Run("tool-windows") as run:
    # Both open from an earlier run that kept no places: beside the main window.
    run.write_settings("[Window]\nWindowSource=1\nWindowPreview=1\n")
    run.start()
    source, preview = both_open(run)
    check_apart(run, source, preview, "first start")

    # Moved and sized by the user, clear of the main window.
    first = run.frame(preview)
    run.x(["xdotool", "windowsize", preview, "300", "200"])
    run.x(["xdotool", "windowmove", preview, "700", "500"])
    run.wait_for(lambda: run.size(preview) == (300, 200) and run.frame(preview)[:2] != first[:2],
                 "the preview's new place and size")
    moved = run.frame(preview)
    kept_source = run.frame(source)
    run.activate()
    run.close_box()
    run.wait_exit()

    run.start()
    source, preview = both_open(run)
    run.wait_for(lambda: run.frame(preview) == moved, "the preview where it was left",
                 lambda: f"it is at {run.frame(preview)}, was at {moved}")
    run.check_equal(run.frame(source), kept_source, "the source window's place")
    check_apart(run, source, preview, "restart")
    run.activate()
    run.close_box()
    run.wait_exit()
