"""First start with no settings: the font page; typed text copied by Enter after the
question; closing writes every setting."""
import os

from quillet_e2e import Run, cp932

with Run("first-start") as run:
    run.start("Quillet - フォント")
    run.check(not os.path.exists(run.settings_path), "settings written before closing")
    run.type_text("日本語とASCII <b>&amp;")
    run.copy_fragment("日本語とASCII <b>&amp;")
    run.close_box()
    run.wait_exit()
    for key, value in [("WindowWidth", b"290"), ("WindowHeight", b"200"), ("WindowTop", b"0"),
                       ("WindowSource", b"0"), ("TabPage", b"0"), ("ToolBarIndex", b"0")]:
        run.check_equal(run.setting(key), value, key)
    for key, value in [("TypeIndex", cp932("トランプ")), ("ColumnName", b"80"),
                       ("ColumnType", b"60"), ("ColumnContent", b"200")]:
        run.check_equal(run.setting(key, "Mark"), value, key)
