"""Save as the default action: Enter opens the file chooser, the typed path gets the
fragment, whole in an HTML skeleton for .htm, alone for .txt, in code page 932."""
import os

from quillet_e2e import Run, cp932

ROWS = [
    ("page.htm", "保存<i>", b"<HTML>\r\n<BODY>\r\n" + cp932("保存<i>") + b"\r\n</BODY>\r\n</HTML>\r\n"),
    ("note.txt", "テキスト", cp932("テキスト")),
]

with Run("save-files") as run:
    run.write_settings("[Window]\nToolBarIndex=2\n")
    run.start()
    for name, text, expected in ROWS:
        path = os.path.join(run.files, name)
        run.type_text(text)
        run.key("Return")
        run.wait_other_window()
        run.key("ctrl+a")
        run.x(["xdotool", "type", "--delay", "20", path])
        run.key("Return")
        run.wait_file(path, expected)
        run.activate()
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("ToolBarIndex"), b"2", "ToolBarIndex")
