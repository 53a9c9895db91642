"""Drives the built quillet binary from outside, as a user would.

Every run gets its own X server (Xvfb, display chosen by the server), its own openbox,
its own HOME, XDG_CONFIG_HOME and XDG_DATA_HOME, and its own program folder holding a
link to the binary, so that User.mrk beside it belongs to the run and runs never meet.
The program is driven with xdotool only and checked only as a user could check it: the
window title, the clipboard (xclip), files on disk and whether the process still runs.

A scenario is a short script:

    from quillet_e2e import Run, cp932

    with Run("my-scenario") as run:
        run.start()
        run.type_text("日本")
        run.copy_fragment("日本")      # Enter, Yes, then both clipboard forms checked
        run.close_box()
        run.wait_exit()
        run.check_equal(run.setting("TabPage"), b"0", "TabPage")

`Run` keeps everything under the build folder's e2e/<name>/; when a check fails or the
script raises, it leaves screenshot.png and quillet.log there and the script exits 1.
Waits poll with a timeout; nothing sleeps for long. Points given to click() are in the
client coordinates of the main window (the layout tables' pixels). Every non-ASCII
character the script contains gets a key of its own before the program starts.
"""

import os
import shutil
import signal
import subprocess
import sys
import time
import traceback

BUILD = os.environ.get("QUILLET_BUILD", os.getcwd())
BINARY = os.environ.get("QUILLET_BINARY", os.path.join(BUILD, "app", "quillet"))
TIMEOUT = 15.0  # seconds for any one wait; generous for a loaded two-core machine

PAGES = ["フォント", "グラデーション", "段落", "ハイパーリンク", "スクロール文字", "画像", "記号"]

# Client pixels of the main window. Only the current tab carries its name, so the other
# tabs' places are known while the font page is current; the font tab is always first.
TAB_Y = 39
FONT_TAB_X = 16
TAB_X_ON_FONT_PAGE = [36, 81, 109, 136, 164, 192, 221]
MAIN_FIELD = (30, 84)  # text field 1020 on every page but the symbol page
STAY_ON_TOP = (211, 13)  # tool bar 140 at its right edge: 290-pixel window only
SOURCE_WINDOW = (235, 13)

OPENBOX_RC = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <desktops><number>1</number></desktops>
  <keyboard>
    <keybind key="A-F4"><action name="Close"/></keybind>
  </keyboard>
</openbox_config>
"""


UTF8 = "text/plain;charset=utf-8"  # what the program offers besides its code page bytes
UTF8_STRING = "UTF8_STRING"  # what a plain text field offers


def cp932(text):
    return text.encode("cp932")


class CheckFailed(Exception):
    pass


class Run:
    def __init__(self, name):
        self.name = name
        self.folder = os.path.join(BUILD, "e2e", name)
        shutil.rmtree(self.folder, ignore_errors=True)
        self.home = self._make("home")
        self.config = self._make("config")
        self.data = self._make("data")
        self.program_folder = self._make("program")
        self.files = self._make("files")
        self.log_path = os.path.join(self.folder, "quillet.log")
        self.settings_path = os.path.join(self.config, "quillet", "quillet.INI")
        self.user_symbols_path = os.path.join(self.program_folder, "User.mrk")
        self.processes = []
        self.program = None
        self.window = None
        self.env = None
        self.failures = []

    # --- the session -------------------------------------------------------------------

    def __enter__(self):
        self._link_binary()
        self._start_display()
        return self

    def __exit__(self, kind, value, trace):
        if value is not None and not isinstance(value, CheckFailed):
            self.failures.append("".join(traceback.format_exception(kind, value, trace)))
            if self.program is not None and not self.running():
                # The likely cause of a failed X request: the window is gone with it.
                self.failures.append(f"{self.name}: the program had ended, exit code "
                                     f"{self.program.returncode}")
        if self.failures:
            self._leave_evidence()
        self._stop_all()
        if self.failures:
            print("\n".join(self.failures), file=sys.stderr)
            print(f"evidence in {self.folder}", file=sys.stderr)
            sys.exit(1)
        shutil.rmtree(self.folder, ignore_errors=True)
        return True

    def _make(self, name):
        path = os.path.join(self.folder, name)
        os.makedirs(path, mode=0o700)
        return path

    def _link_binary(self):
        target = os.path.join(self.program_folder, "quillet")
        try:
            os.link(BINARY, target)
        except OSError:
            shutil.copy2(BINARY, target)
        self.binary = target

    def _start_display(self):
        read_end, write_end = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.processes.append(server)
        number = b""
        deadline = time.monotonic() + TIMEOUT
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip():
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number.decode().strip(),
                        HOME=self.home, XDG_CONFIG_HOME=self.config, XDG_DATA_HOME=self.data,
                        XDG_RUNTIME_DIR=self._make("runtime"), QT_QPA_PLATFORM="xcb",
                        LANG="C.UTF-8")
        self.env.pop("QT_QPA_PLATFORMTHEME", None)
        rc = os.path.join(self.folder, "openbox-rc.xml")
        with open(rc, "w") as out:
            out.write(OPENBOX_RC)
        self.processes.append(subprocess.Popen(
            ["openbox", "--config-file", rc], env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.wait_for(lambda: "window id" in self.x(["xprop", "-root",
                                                      "_NET_SUPPORTING_WM_CHECK"]),
                      "the window manager")
        self._map_characters()

    def _map_characters(self):
        """Gives each non-ASCII character of the scenario script a key of its own before
        the program starts. xdotool would otherwise remap a key for every such character
        it types, and after each remap the program misses clicks for a second or two."""
        with open(sys.argv[0], encoding="utf-8") as script:
            wanted = sorted({c for c in script.read() if ord(c) > 0x7F})
        spare = []
        for line in self.x(["xmodmap", "-pke"]).splitlines():
            code, _, symbols = line.removeprefix("keycode").partition("=")
            if not symbols.split() or symbols.split()[0].startswith("XF86"):
                spare.append(code.strip())
        if len(wanted) > 2 * len(spare):
            raise RuntimeError(f"{len(wanted)} characters to type, keys for {2 * len(spare)}")
        pairs = [wanted[i:i + 2] for i in range(0, len(wanted), 2)]
        lines = [f"keycode {code} = " + " ".join(f"U{ord(c):04X}" for c in pair)
                 for code, pair in zip(spare, pairs)]
        subprocess.run(["xmodmap", "-"], input="\n".join(lines).encode(), env=self.env,
                       check=True, timeout=TIMEOUT)

    def _stop_all(self):
        for process in reversed(([self.program] if self.program else []) + self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def _leave_evidence(self):
        try:
            self.x(["import", "-window", "root", os.path.join(self.folder, "screenshot.png")])
        except Exception as error:  # the evidence must not hide the failure
            print(f"no screenshot: {error}", file=sys.stderr)

    # --- the program ---------------------------------------------------------------------

    def start(self, title="Quillet - フォント"):
        """Starts the program and waits for its window to show `title`."""
        self.log = open(self.log_path, "ab")
        self.program = subprocess.Popen([self.binary], env=self.env, cwd=self.home,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        self.window = self.wait_for(lambda: self.find_window("^Quillet"), "the main window")
        self.wait_title(title)
        self.activate()

    def running(self):
        return self.program is not None and self.program.poll() is None

    def wait_exit(self):
        """Waits for the program to end; its exit code."""
        self.wait_for(lambda: not self.running(), "the program to end", while_running=False)
        self.log.close()
        self.window = None
        return self.program.returncode

    def windows(self, name=""):
        """The ids of the program's visible windows whose titles match `name`."""
        return self.x(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                       str(self.program.pid), "--name", name], check=False).split()

    def find_window(self, name):
        found = self.windows(name)
        return found[0] if found else None

    def active_window(self):
        return self.x(["xdotool", "getactivewindow"], check=False).strip()

    def title(self, window=None):
        return self.x(["xdotool", "getwindowname", window or self.window]).rstrip("\n")

    def wait_title(self, title):
        self.wait_for(lambda: self.title() == title, f"the title {title!r}",
                      lambda: f"the title is {self.title()!r}")

    def activate(self, window=None):
        self.x(["xdotool", "windowactivate", "--sync", window or self.window])

    def close_box(self, window=None):
        """Closes a window the way its close box does: through the window manager."""
        self.x(["wmctrl", "-i", "-c", window or self.window])

    def close_from_window_menu(self):
        """Close from the window menu, opened by a right click on the empty background."""
        before = set(self.windows())
        self.click(self.size()[0] - 2, self.size()[1] - 2, button=3)
        self.wait_for(lambda: set(self.windows()) - before, "the window menu")
        self.key("c")

    def size(self, window=None):
        """The client size of a window."""
        out = self.x(["xdotool", "getwindowgeometry", window or self.window])
        width, height = out.split("Geometry:")[1].split()[0].split("x")
        return int(width), int(height)

    def frame(self, window=None):
        """A window's place on the screen with the window manager's frame: left, top,
        right, bottom, the right and bottom edges excluded."""
        window = window or self.window
        info = dict(line.strip().split(": ", 1) for line in
                    self.x(["xwininfo", "-id", window]).splitlines() if ": " in line)
        x, y = int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"])
        width, height = int(info["Width"]), int(info["Height"])
        extents = self.x(["xprop", "-id", window, "_NET_FRAME_EXTENTS"]).partition("=")[2]
        left, right, top, bottom = (int(v) for v in extents.split(",")) if extents else (0,) * 4
        return x - left, y - top, x + width + right, y + height + bottom

    def net_wm_state(self, window=None):
        return self.x(["xprop", "-id", window or self.window, "_NET_WM_STATE"])

    # --- input ---------------------------------------------------------------------------

    def key(self, *keys):
        self.x(["xdotool", "key", *keys])

    def click(self, x, y, button=1, window=None):
        self.at(x, y, "click", str(button), "sleep", "0.1", window=window)

    def at(self, x, y, *commands, window=None):
        """Moves the pointer to a point of a window, then runs more xdotool commands in
        the same chain ("mousedown", "1", "sleep", "0.1", "key", "Escape", ...). Pointer
        and keyboard events sent back to back can reach the program out of order: put a
        short sleep between a pointer step and a key step that must follow it."""
        self.x(["xdotool", "sleep", "0.1", "mousemove", "--window", window or self.window,
                str(x), str(y), "sleep", "0.1", *commands])

    def wait_other_window(self):
        """Waits for a window of the program other than the main one to take the keyboard,
        such as a chooser or a dialog; its id."""
        def other():
            active = self.active_window()
            return active if active != self.window and active in self.windows() else None
        return self.wait_for(other, "another window of the program")

    def wait_file(self, path, expected):
        """Waits for a file to hold exactly `expected`."""
        self.wait_for(lambda: os.path.exists(path) and self.read(path) == expected,
                      f"{os.path.basename(path)} to hold {expected!r}",
                      lambda: f"it holds {self.read(path) if os.path.exists(path) else None!r}")

    def page(self):
        """The current page, as the title names it."""
        name = self.title().removeprefix("Quillet - ").removesuffix("[複数選択]")
        return PAGES.index(name)

    def tab(self, page, button=1):
        """Clicks the tab of a page; a right click includes it in the combination."""
        if button == 1 and self.page() != 0:
            self.click(FONT_TAB_X, TAB_Y)
            self.wait_title("Quillet - " + PAGES[0])
        self.click(TAB_X_ON_FONT_PAGE[page], TAB_Y, button)
        if button == 1:
            self.wait_title("Quillet - " + PAGES[page])

    def type_text(self, text, tries=3):
        """Replaces the focused text field's text, and reads it back: xdotool can drop a
        character that is not on the key map when the machine is busy."""
        for _ in range(tries):
            self.key("ctrl+a", "BackSpace")
            self.x(["xdotool", "type", "--delay", "20", text])
            if self.field_holds(text):
                return
        self.fail(f"could not type {text!r}")

    def field_holds(self, text):
        """Whether the focused text field or view holds `text`, read through the clipboard."""
        self.key("ctrl+a", "ctrl+c", "End")
        return self.poll(lambda: self.clipboard(UTF8_STRING) == text.encode(), timeout=2)

    # --- what the user can see -----------------------------------------------------------

    def clipboard(self, target="text/plain;charset=windows-31j"):
        """The clipboard's bytes in one form, by default the program's code page 932; None
        when the clipboard does not offer that form."""
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target],
                                env=self.env, capture_output=True, timeout=TIMEOUT)
        return result.stdout if result.returncode == 0 else None

    def wait_clipboard(self, expected):
        """Waits until the clipboard holds `expected` (text) in both forms. Only the
        program's copy offers the code page form, so a text field's copy never passes."""
        self.wait_for(lambda: self.clipboard() == cp932(expected),
                      f"the clipboard to hold {expected!r}",
                      lambda: f"it holds {self.clipboard()!r}")
        self.check_equal(self.clipboard(UTF8), expected.encode(), "UTF-8 clipboard")

    def copy_fragment(self, expected):
        """Enter runs copy, which asks first; Yes puts the fragment on the clipboard."""
        self.key("Return")
        self.answer_question("Return")
        self.wait_clipboard(expected)

    def answer_question(self, *keys):
        """Waits for a message box to take the keyboard and presses `keys` in it."""
        self.wait_dialog("^quillet$")
        self.key(*keys)

    def wait_dialog(self, name):
        """Waits for a window of the program titled `name` to be the active one."""
        def named():
            active = self.active_window()
            return active if active in self.windows(name) else None
        return self.wait_for(named, f"the window {name!r}")

    @staticmethod
    def read(path):
        with open(path, "rb") as file:
            return file.read()

    def setting(self, key, section="Window"):
        """A value of the settings file, as bytes; None when it is not there."""
        if not os.path.exists(self.settings_path):
            return None
        current = None
        for line in self.read(self.settings_path).split(b"\r\n"):
            line = line.strip()
            if line.startswith(b"[") and line.endswith(b"]"):
                current = line[1:-1].strip().lower()
                continue
            name, _, value = line.partition(b"=")
            if current == section.lower().encode() and \
                    name.strip().lower() == key.lower().encode():
                return value.strip()
        return None

    def write_settings(self, text):
        os.makedirs(os.path.dirname(self.settings_path), exist_ok=True)
        with open(self.settings_path, "wb") as out:
            out.write(text if isinstance(text, bytes) else cp932(text.replace("\n", "\r\n")))

    # --- checks --------------------------------------------------------------------------

    def fail(self, message):
        self.failures.append(f"{self.name}: {message}")
        raise CheckFailed(message)

    def check(self, condition, message):
        if not condition:
            self.fail(message)

    def check_equal(self, actual, expected, what=""):
        if actual != expected:
            self.fail(f"{what}: expected {expected!r}, got {actual!r}")

    def check_running(self, what):
        self.check(self.running(), f"the program ended after {what}")

    def wait_for(self, probe, what, explain=None, timeout=TIMEOUT, while_running=True):
        """Polls `probe` until it gives something true, which it returns. Fails on the
        timeout, and at once when the program ends unless that is what is awaited."""
        ended = (lambda: not self.running()) if while_running and self.program else None
        value = self.poll(probe, timeout, ended)
        if value:
            return value
        if ended and ended():
            self.fail(f"the program ended while waiting for {what}")
        self.fail(f"timed out waiting for {what}" + (f"; {explain()}" if explain else ""))

    @staticmethod
    def poll(probe, timeout=TIMEOUT, give_up=None):
        """What `probe` gives once it is true, or None after the timeout or once
        `give_up` is true."""
        deadline = time.monotonic() + timeout
        delay = 0.02
        while True:
            value = probe()
            if value or time.monotonic() > deadline or (give_up and give_up()):
                return value
            time.sleep(delay)
            delay = min(delay * 2, 0.2)

    def x(self, command, check=True):
        result = subprocess.run(command, env=self.env, capture_output=True, timeout=TIMEOUT)
        if check and result.returncode != 0:
            raise RuntimeError(f"{' '.join(command)}: {result.stderr.decode(errors='replace')}")
        return result.stdout.decode(errors="replace")
