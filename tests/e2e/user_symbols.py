"""User symbols through the symbol page's tool bar and dialog: added, edited, found again
after a restart and deleted, with User.mrk checked byte for byte after each step."""
from quillet_e2e import Run, cp932

ADD, DELETE, EDIT = (205, 67), (229, 67), (253, 67)
FIRST_ROW = (59, 109)


def record(name, kind, content):
    return cp932(f"{name}\r\n{kind}\r\n{content}\r\n\r\n")


def fill_dialog(run, texts):
    """Types the dialog's name, type and content fields in tab order, then OK."""
    run.wait_other_window()
    for text in texts:
        if text is not None:
            run.type_text(text)
        run.key("Tab")
    run.key("Return")


with Run("user-symbols") as run:
    run.write_settings("[Window]\nTabPage=6\nWindowHeight=300\n[Mark]\nTypeIndex=ユーザー設定\n")
    run.start("Quillet - 記号")
    run.click(*ADD)
    fill_dialog(run, ["星", "飾り", "<b>★</b>"])
    run.wait_file(run.user_symbols_path, record("星", "飾り", "<b>★</b>"))

    run.click(*FIRST_ROW)
    run.click(*EDIT)
    fill_dialog(run, [None, None, "<i>☆</i>"])
    run.wait_file(run.user_symbols_path, record("星", "飾り", "<i>☆</i>"))
    run.key("alt+F4")
    run.wait_exit()

    run.start("Quillet - 記号")
    run.click(*FIRST_ROW)
    run.copy_fragment("<i>☆</i>")
    run.click(*FIRST_ROW)
    run.click(*DELETE)
    run.wait_file(run.user_symbols_path, b"")
    run.close_box()
    run.wait_exit()
