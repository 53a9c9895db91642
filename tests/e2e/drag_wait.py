"""Escape and a letter during the wait before a drag starts: the program runs on and the
field keeps its text."""
from quillet_e2e import MAIN_FIELD, Run

with Run("drag-wait") as run:
    run.start()
    run.type_text("ドラッグ待ち")
    run.key("ctrl+a")
    # Within the wait (half a second), but never ahead of the press.
    run.at(*MAIN_FIELD, "mousedown", "1", "sleep", "0.1", "key", "x", "Escape", "sleep", "0.1",
           "mouseup", "1")
    run.check_running("Escape during the drag wait")
    run.check(run.field_holds("ドラッグ待ち"), "the field changed during the drag wait")
    run.close_box()
    run.wait_exit()
