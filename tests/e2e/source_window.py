"""The source window follows typing, closes by its close box without ending the program,
and its flag is written as closed."""
from quillet_e2e import MAIN_FIELD, SOURCE_WINDOW, Run

with Run("source-window") as run:
    run.start()
    run.click(*SOURCE_WINDOW)
    source = run.wait_dialog("^ソース$")
    for text in ["ソース", "ソースを見る"]:
        run.activate()
        run.click(*MAIN_FIELD)
        run.type_text(text)
        run.activate(source)
        run.check(run.field_holds(text), f"the source window does not show {text!r}")
    run.close_box(source)
    run.wait_for(lambda: not run.find_window("^ソース$"), "the source window to close")
    run.check_running("closing the source window")
    run.activate()
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("WindowSource"), b"0", "WindowSource")
