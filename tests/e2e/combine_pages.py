"""Right clicks on further tabs combine pages: the title says so and the fragment nests
the pages' elements; a page that cannot be combined stays out, and the wheel over the
tabs keeps the combination."""
from quillet_e2e import MAIN_FIELD, TAB_X_ON_FONT_PAGE, TAB_Y, Run

BOLD = (185, 86)

with Run("combine-pages") as run:
    run.start()
    run.click(*MAIN_FIELD)
    run.type_text("組み合わせ")
    run.click(*BOLD)
    for page in [4, 5]:  # scrolling text, then the image page, which cannot be combined
        run.click(TAB_X_ON_FONT_PAGE[page], TAB_Y, button=3)
    run.wait_title("Quillet - フォント[複数選択]")
    for wheel in [5, 4]:  # the wheel over the tabs neither changes pages nor drops them
        run.click(TAB_X_ON_FONT_PAGE[0], TAB_Y, button=wheel)
    run.click(*MAIN_FIELD)
    run.copy_fragment("<Marquee><B>組み合わせ</B></Marquee>")
    # A left click on the current tab leaves the combination.
    run.click(TAB_X_ON_FONT_PAGE[0], TAB_Y)
    run.wait_title("Quillet - フォント")
    run.click(*MAIN_FIELD)
    run.copy_fragment("<B>組み合わせ</B>")
