"""The split button showing the drag action drags the fragment into the hyperlink page's
title field, and the program runs on."""
from quillet_e2e import MAIN_FIELD, Run

SPLIT_BUTTON = (30, 13)  # tool bar 136, the button part left of the arrow
URL_FIELD = (30, 129)  # text field 1021 on the hyperlink page

with Run("drag-fragment") as run:
    run.write_settings("[Window]\nTabPage=3\nToolBarIndex=1\n")
    run.start("Quillet - ハイパーリンク")
    run.click(*URL_FIELD)
    run.type_text("page.htm")
    fragment = '<A Href="page.htm"></A>'
    # Pressed on the button and moved in steps, as a hand does, down into the title field.
    run.at(*SPLIT_BUTTON, "mousedown", "1")
    for x, y in [(36, 24), (40, 40), (36, 60), (32, 76), MAIN_FIELD]:
        run.at(x, y)
    run.at(*MAIN_FIELD, "sleep", "0.2", "mouseup", "1")
    run.check_running("the drag")
    run.click(*MAIN_FIELD)
    run.wait_for(lambda: run.field_holds(fragment), "the title field to hold the fragment")
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("ToolBarIndex"), b"1", "ToolBarIndex")
