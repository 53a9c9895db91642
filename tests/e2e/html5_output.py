"""HTML5 style from the window menu: a saved .htm is a UTF-8 document, the copied fragment is
UTF-8 with a character outside the code page as itself, and the choice is written at the
close and comes back at the next start."""
import os

from quillet_e2e import UTF8, Run, cp932

TEXT = "雪☃"
DOCUMENT = ('<!DOCTYPE html>\r\n<html lang="ja">\r\n<head>\r\n<meta charset="utf-8">\r\n'
            '<title>page</title>\r\n</head>\r\n<body>\r\n雪☃\r\n</body>\r\n</html>\r\n')


def toggle_html5(run):
    """The window menu's HTML5 item, from a right click on the empty background."""
    before = set(run.windows())
    run.click(run.size()[0] - 2, run.size()[1] - 2, button=3)
    run.wait_for(lambda: set(run.windows()) - before, "the window menu")
    run.key("h")


def copy(run, utf8, code_page):
    run.key("Return")
    run.answer_question("Return")
    run.wait_for(lambda: run.clipboard(UTF8) == utf8.encode(),
                 f"the clipboard to hold {utf8!r}", lambda: f"it holds {run.clipboard(UTF8)!r}")
    if code_page is None:  # not offered: xclip reads nothing
        run.check(not run.clipboard(), f"no code page clipboard, got {run.clipboard()!r}")
    else:
        run.check_equal(run.clipboard(), code_page, "code page clipboard")


with Run("html5-output") as run:
    run.write_settings("[Window]\nToolBarIndex=2\n")
    run.start()
    run.type_text(TEXT)
    toggle_html5(run)
    path = os.path.join(run.files, "page.htm")
    run.key("Return")
    run.wait_other_window()
    run.key("ctrl+a")
    run.x(["xdotool", "type", "--delay", "20", path])
    run.key("Return")
    run.wait_file(path, DOCUMENT.encode())
    run.activate()
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("OutputStyle"), b"1", "OutputStyle")

    # Copy as the default action from now on; the style stays as the program wrote it.
    run.write_settings(run.read(run.settings_path).replace(b"ToolBarIndex=2", b"ToolBarIndex=0"))
    run.start()
    run.type_text(TEXT)
    copy(run, TEXT, None)  # the snowman does not fit the code page: UTF-8 alone
    toggle_html5(run)
    copy(run, "雪&#9731;", cp932("雪&#9731;"))
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("OutputStyle"), b"0", "OutputStyle after switching back")
