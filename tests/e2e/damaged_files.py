"""A damaged settings file and a damaged User.mrk: the program starts, and the symbol
file is not touched."""
from quillet_e2e import Run

DAMAGED_SYMBOLS = b"\x81\r\nname only\n\xff\xfe\r\n\r\n\r\nhalf a record\x1a after the end"

with Run("damaged-files") as run:
    run.write_settings(b"\xff\xfe[Window\r\nWindowWidth=wide\r\nTabPage=99999999999\r\n"
                       b"\x00\x01\x02\r\n[Mark]\r\nTypeIndex=\x81\r\nColumnName=-5\r\n=\r\n[")
    with open(run.user_symbols_path, "wb") as out:
        out.write(DAMAGED_SYMBOLS)
    run.start("Quillet - フォント")
    run.type_text("動く")
    run.tab(6)
    run.close_box()
    run.wait_exit()
    run.check_equal(run.read(run.user_symbols_path), DAMAGED_SYMBOLS, "User.mrk")
    run.check_equal(run.setting("TabPage"), b"6", "TabPage")
    run.start("Quillet - 記号")
    run.tab(0)
    run.close_from_window_menu()
    run.wait_exit()
    run.check_equal(run.setting("TabPage"), b"0", "TabPage")
