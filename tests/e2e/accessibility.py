"""Reads the window as a screen reader does: through the AT-SPI bus of a D-Bus session of
its own. On every page, reached by Ctrl+Tab, each control Tab can reach must have a name
and the role a reader announces, and Tab must visit them in reading order; Alt with a
label's letter must put the focus on the labelled field."""

import os
import sys

# The accessibility bus lives in a session bus; the scenario brings its own, so that it
# never meets the desktop's and runs the same in CI. Debian's pyatspi belongs to Debian's
# Python, whichever Python started the scenario.
if os.environ.get("QUILLET_A11Y_SESSION") != "1":
    os.environ["QUILLET_A11Y_SESSION"] = "1"
    os.execvp("dbus-run-session",
              ["dbus-run-session", "--", "/usr/bin/python3", os.path.abspath(sys.argv[0])])

import pyatspi  # noqa: E402

from quillet_e2e import PAGES, Run  # noqa: E402

TEXT, COMBO, BUTTON, TOGGLE = "text", "combo box", "push button", "check box"
# The tab list is named by the current page; TAB_LIST stands for it.
TAB_LIST = "page tab list"
TOP = [("作成したタグをクリップボードにコピーします(Enter)", BUTTON), ("常に手前に表示", TOGGLE),
       ("ソース表示", TOGGLE), ("ヘルプ", BUTTON), (None, TAB_LIST)]

# Each page's controls after the window's tools, in reading order. A combo box is named by
# its label (its own name is its value); a colour sample's name goes on with its colour.
PAGE_CONTROLS = [
    [("発言", TEXT), ("太字", BUTTON), ("斜体", BUTTON), ("下線", BUTTON),
     ("取り消し線", BUTTON), ("フォント名", COMBO), ("サイズ", COMBO), ("色: ", BUTTON)],
    [("テキスト", TEXT), ("開始色: ", BUTTON), ("終了色: ", BUTTON)],
    [("テキスト", TEXT), ("左揃え", BUTTON), ("中央揃え", BUTTON), ("右揃え", BUTTON),
     ("上付き", BUTTON), ("下付き", BUTTON)],
    [("タイトル", TEXT), ("ターゲット", COMBO), ("リンク先", TEXT), ("参照", BUTTON)],
    [("テキスト", TEXT), ("動作", COMBO), ("速度", "slider"), ("背景色: ", BUTTON)],
    [("リンク先", TEXT), ("参照", BUTTON)],
    [("種類", COMBO), ("記号の一覧", "tree")],
]
# Alt with these letters, on these pages, reaches the field of that name.
ACCESS_KEYS = [(0, "f", "フォント名"), (0, "c", "色: "), (3, "l", "リンク先"), (4, "s", "速度"),
               (6, "k", "種類")]


def role_of(node):
    return node.getRoleName()


def spoken_name(node):
    """What a reader says for the control: its name, or for a combo box its label."""
    if role_of(node) == COMBO:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                label = relation.getTarget(0).name
                return label.replace("　", "").split("(&")[0].split("(")[0].strip(" :")
        return ""
    return node.name


def walk(node, found):
    try:
        states = node.getState()
    except Exception:
        return
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    if states.contains(pyatspi.STATE_FOCUSABLE) and role_of(node) not in ("frame", "dialog"):
        found.append(node)
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, found)


class Reader:
    def __init__(self, run):
        self.run = run
        self.app = None

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == self.run.program.pid:
                    return app
            except Exception:
                continue
        return None

    def window(self):
        self.app = self.app or self.application()
        if self.app is None:
            return None
        for index in range(self.app.childCount):
            child = self.app.getChildAtIndex(index)
            if child is not None and child.name.startswith("Quillet"):
                return child
        return None

    def controls(self):
        found = []
        walk(self.run.wait_for(self.window, "the window on the accessibility bus"), found)
        return found

    def focused(self):
        # The current tab always says it has the focus within its list, and the symbol
        # list's current cell goes on saying so; the control that has the keyboard is
        # another one.
        focused = [node for node in self.controls()
                   if node.getState().contains(pyatspi.STATE_FOCUSED)
                   and role_of(node) not in ("page tab", "table cell")]
        return focused[0] if focused else None


def matches(node, name, role):
    spoken = spoken_name(node)
    if name is None:
        named = spoken == PAGES[current_page]
    else:
        named = spoken.startswith(name) if name.endswith(": ") else spoken == name
    # A style button becomes checkable once pressed, and is read as a check box then.
    return named and (role_of(node) == role or (role == BUTTON and role_of(node) == TOGGLE))


def describe(node):
    return f"{spoken_name(node)!r} ({role_of(node)})" if node is not None else "nothing"


current_page = 0


def go_to(run, page):
    global current_page
    current_page = page
    for _ in range(len(PAGES)):
        if run.title() == f"Quillet - {PAGES[page]}":
            return
        previous = run.title()
        run.key("ctrl+Tab")
        run.wait_for(lambda: run.title() != previous, "Ctrl+Tab to switch the page")
    run.wait_title(f"Quillet - {PAGES[page]}")


def wait_focus(run, reader, name, role, what):
    run.wait_for(lambda: (lambda f: f if f is not None and matches(f, name, role) else None)(
        reader.focused()), what, lambda: f"the focus is on {describe(reader.focused())}")


with Run("accessibility") as run:
    run.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    run.start()
    reader = Reader(run)
    for page, controls in enumerate(PAGE_CONTROLS):
        go_to(run, page)
        expected = TOP + controls
        # Every control a reader can reach has a name and the role of what it is.
        found = run.wait_for(
            lambda: (lambda c: c if len(c) >= len(expected) else None)(reader.controls()),
            f"{len(expected)} controls on page {page}",
            lambda: ", ".join(describe(n) for n in reader.controls()))
        for node in found:
            run.check(spoken_name(node) != "", f"page {page}: {describe(node)} has no name")
        enabled = []
        for name, role in expected:
            same = [node for node in found if matches(node, name, role)]
            run.check(same, f"page {page}: no {role} named {name!r} among "
                      + ", ".join(describe(n) for n in found))
            if same and same[0].getState().contains(pyatspi.STATE_ENABLED):
                enabled.append((name, role))
        # Tab goes round the page in reading order; disabled controls are passed over.
        for _ in range(3 * len(found)):
            if reader.focused() is not None and matches(reader.focused(), *enabled[0]):
                break
            run.key("Tab")
        for name, role in enabled[1:] + enabled[:1]:
            run.key("Tab")
            wait_focus(run, reader, name, role, f"page {page}: Tab to {name!r}")
    for page, letter, name in ACCESS_KEYS:
        go_to(run, page)
        run.key(f"alt+{letter}")
        role = next(r for n, r in PAGE_CONTROLS[page] if n == name)
        wait_focus(run, reader, name, role, f"page {page}: Alt+{letter} to {name!r}")
    run.close_box()
    run.wait_exit()
