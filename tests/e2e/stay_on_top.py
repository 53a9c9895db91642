"""Stay on top pressed twice: the window manager keeps the window above, then no more;
the program runs on, and the close box writes the flag as it stands. A stored flag puts
the window above from the start."""
from quillet_e2e import STAY_ON_TOP, Run


def wait_above(run, above):
    run.wait_for(lambda: ("_NET_WM_STATE_ABOVE" in run.net_wm_state()) == above,
                 f"the window {'above others' if above else 'in normal order'}")


with Run("stay-on-top") as run:
    run.start()
    for above in [True, False]:
        run.click(*STAY_ON_TOP)
        wait_above(run, above)
        run.check_running("pressing stay on top")
    run.type_text("still here")
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("WindowTop"), b"0", "WindowTop")

    run.write_settings("[Window]\nWindowTop=1\n")
    run.start()
    wait_above(run, True)
    run.close_box()
    run.wait_exit()
    run.check_equal(run.setting("WindowTop"), b"1", "WindowTop")
