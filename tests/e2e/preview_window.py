"""The preview opens from the window menu, closes by its close box without ending the
program, and comes back at the next start when it was open at the close."""
from quillet_e2e import Run

PREVIEW = "^プレビュー$"


def open_preview(run):
    """The window menu's preview entry, from a right click on the empty background."""
    before = set(run.windows())
    run.click(run.size()[0] - 2, run.size()[1] - 2, button=3)
    run.wait_for(lambda: set(run.windows()) - before, "the window menu")
    run.key("p")
    return run.wait_for(lambda: run.find_window(PREVIEW), "the preview")


with Run("preview-window") as run:
    run.start()
    run.close_box(open_preview(run))
    run.wait_for(lambda: not run.find_window(PREVIEW), "the preview to close")
    run.check_running("closing the preview")
    run.activate()
    open_preview(run)
    run.activate()
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("WindowPreview"), b"1", "WindowPreview")

    run.start()
    run.wait_for(lambda: run.find_window(PREVIEW), "the preview at start")
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("WindowPreview"), b"1", "WindowPreview after a restart")
