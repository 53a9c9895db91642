"""The save chooser's file type and its folder: a name typed without an extension takes
the chosen type's (.htm for HTML, .txt for text), and the chooser opens in the folder of
the last save, also after a restart (SaveFolder in the settings)."""
import os

from quillet_e2e import Run, cp932

WRAPPED = b"<HTML>\r\n<BODY>\r\n" + cp932("型") + b"\r\n</BODY>\r\n</HTML>\r\n"


def save_as(run, name, html=False):
    run.key("Return")
    chooser = run.wait_other_window()
    run.key("ctrl+a")
    run.x(["xdotool", "type", "--delay", "20", name])
    if html:
        # The type list is the chooser's bottom row; the HTML type comes second.
        width, height = run.size(chooser)
        run.click(width // 2, height - 27, window=chooser)
        run.key("Down", "Return")
        run.key("alt+s")
    else:
        run.key("Return")


with Run("save-types") as run:
    run.write_settings("[Window]\nToolBarIndex=2\n")
    run.start()
    run.type_text("型")
    save_as(run, os.path.join(run.files, "frag"), html=True)
    run.wait_file(os.path.join(run.files, "frag.htm"), WRAPPED)
    run.activate()
    # A bare name lands where the chooser opened: the folder of the last save.
    save_as(run, "note")
    run.wait_file(os.path.join(run.files, "note.txt"), cp932("型"))
    run.activate()
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("SaveFolder"), run.files.encode(), "SaveFolder")

    run.start()
    run.type_text("型")
    save_as(run, "again")
    run.wait_file(os.path.join(run.files, "again.txt"), cp932("型"))
    run.activate()
    run.close_box()
    run.wait_exit()
