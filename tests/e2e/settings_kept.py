"""Width and page are written by the close box and come back at the next start; Escape
leaves without writing anything."""
from quillet_e2e import Run

with Run("settings-kept") as run:
    run.start()
    run.x(["xdotool", "windowsize", run.window, "392", "216"])
    run.wait_for(lambda: run.size()[0] == 392, "the wider window")
    run.tab(3)
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("WindowWidth"), b"400", "WindowWidth")
    run.check_equal(run.setting("TabPage"), b"3", "TabPage")

    written = run.read(run.settings_path)
    run.start("Quillet - ハイパーリンク")
    run.check_equal(run.size()[0], 392, "restored client width")
    run.tab(0)
    run.key("Escape")
    run.wait_exit()
    run.check_equal(run.read(run.settings_path), written, "settings after Escape")
