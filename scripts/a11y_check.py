#!/usr/bin/python3
"""Walks Terrasond's accessibility tree over AT-SPI, as a screen reader sees it, and uses
the program with the keyboard as a user without a mouse would.

Run through scripts/a11y-check.sh, which starts a virtual display, a session bus and the
AT-SPI registry. The check switches the program to English, then opens each window from
the main menu in turn, drives it to a few states (connected, a panel open) and reports:
  - controls that show nothing to a screen reader: a push button, check box, option
    button, menu item, text field, list, table, combo box, tab or picture without a name;
  - value labels read without what they are: a label whose name is a bare value such as
    "41.6" instead of "Total Hours: 41.6";
  - labels whose shown text cannot be read through the Text interface, or reads otherwise
    than their name says; pictures that read as text;
  - keyboard use: Tab must go round the window's controls and come back, stop only at
    named controls and reach every usable button; F10 must open the main menu.
Exit status 1 when it finds anything.
"""
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON: "button",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_RADIO_BUTTON: "option button",
    pyatspi.ROLE_MENU_ITEM: "menu item",
    pyatspi.ROLE_TEXT: "text field",
    pyatspi.ROLE_ENTRY: "text field",
    pyatspi.ROLE_PAGE_TAB: "tab",
    pyatspi.ROLE_LIST: "list",
    pyatspi.ROLE_LIST_BOX: "list",
    pyatspi.ROLE_TABLE: "table",
    pyatspi.ROLE_COMBO_BOX: "combo box",
    pyatspi.ROLE_IMAGE: "picture",
}
MAIN_TITLE = "Orvane V 1.20 (Demo)"
TRACE = "--trace" in sys.argv
KEY_TAB, KEY_RIGHT, KEY_DOWN, KEY_RETURN, KEY_SPACE, KEY_ESCAPE, KEY_F10 = (
    0xFF09, 0xFF53, 0xFF54, 0xFF0D, 0x0020, 0xFF1B, 0xFFC7)

# Each window: the menu entry that opens it, its title once open in English, and the
# buttons pressed one after the other to reach the states checked after the first one.
WINDOWS = [
    ("Bombardier", "Bombardier", ["Connect with ECM", "Service"]),
    ("Kawasaki", "Kawasaki ATV", ["Connect with ECM", "Faults Info"]),
    ("Polaris", "Polaris Atv", ["Connect with ECM", "Live Data"]),
    ("Yamaha", "Yamaha ATV (Static Diagnostic Method)", []),
    ("Glosary", "Glosary", []),
    ("Sockets", "Sockets", ["Kawasaki"]),
    ("History", "History", []),
]


def find_app(name, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    return None


def children(node):
    try:
        return [c for c in node if c is not None]
    except Exception:
        return []


def state(node, s):
    try:
        return node.getState().contains(s)
    except Exception:
        return False


def showing(node):
    return state(node, pyatspi.STATE_SHOWING)


def walk(node, only_showing=False):
    """Every node below `node` (itself included); with only_showing, hidden branches are
    left out."""
    yield node
    for child in children(node):
        if only_showing and not showing(child):
            continue
        yield from walk(child, only_showing)


def role(node):
    try:
        return node.getRole()
    except Exception:
        return None


def name(node):
    try:
        return (node.name or "").strip()
    except Exception:
        return ""


def describe(node):
    try:
        return f"{node.getRoleName()} '{name(node)}'"
    except Exception:
        return "a control that no longer answers"


def press(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return False
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("press", "click", "Press", "Click", "activate", "toggle", "Toggle"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return True
    if names:
        action.doAction(0)
        return True
    return False


def wait_for(fn, timeout=60.0):
    end = time.time() + timeout
    while time.time() < end:
        found = fn()
        if found:
            return found
        time.sleep(0.2)
    return None


def window(app, title):
    for w in children(app):
        if name(w) == title and showing(w):
            return w
    return None


def control(root, wanted_role, wanted_name, sensitive=True):
    for n in walk(root, only_showing=True):
        if role(n) == wanted_role and name(n) == wanted_name:
            if not sensitive or state(n, pyatspi.STATE_SENSITIVE):
                return n
    return None


def menu_entry(app, caption):
    """The main menu's entry that runs a command: a menu bar entry, or the submenu entry
    when a menu and its entry share the caption ("Setting", "History")."""
    main = window(app, MAIN_TITLE)
    if main is None:
        return None
    found = None
    for n in walk(main):
        if role(n) == pyatspi.ROLE_MENU_ITEM and name(n) == caption:
            found = n
    return found


def key(sym, pause=0.25):
    pyatspi.Registry.generateKeyboardEvent(sym, None, pyatspi.KEY_SYM)
    time.sleep(pause)


def activate(win):
    """Makes the window the active one by a click on a spot where it shows no control (the
    virtual display has no window manager to do it)."""
    ext = win.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    controls = []
    for n in walk(win, only_showing=True):
        if n is not win and role(n) in NAMED_ROLES:
            e = n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            controls.append((e.x - 2, e.y - 2, e.x + e.width + 2, e.y + e.height + 2))
    for x, y in ((ext.x + 3, ext.y + ext.height - 3), (ext.x + ext.width - 3, ext.y + ext.height - 3),
                 (ext.x + ext.width - 3, ext.y + 3), (ext.x + 3, ext.y + 3)):
        if not any(a <= x <= c and b <= y <= d for a, b, c, d in controls):
            pyatspi.Registry.generateMouseEvent(x, y, "b1c")
            return wait_for(lambda: state(win, pyatspi.STATE_ACTIVE), 5)
    return False


def focus(node):
    """Gives the control the keyboard focus (the screen reader's own way of moving it)."""
    try:
        node.queryComponent().grabFocus()
    except Exception:
        pass
    time.sleep(0.3)


class FocusWatch:
    """Hears where the focus goes, as a screen reader does (focus events)."""

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self._on_focus, "object:state-changed:focused")

    def _on_focus(self, event):
        if event.detail1:
            self.events.append(event.source)

    def after_key(self, sym):
        """The control that has the focus after the key, or None when the focus did not
        move to a control."""
        self.events.clear()
        key(sym, 0.05)
        context = GLib.MainContext.default()
        end = time.time() + 0.35
        while time.time() < end:
            while context.iteration(False):
                pass
            time.sleep(0.02)
        return self.events[-1] if self.events else None


class Report:
    def __init__(self):
        self.focus = FocusWatch()
        self.problems = []
        self.controls = 0
        self.labels = 0
        self.texts = 0
        self.stops = 0

    def add(self, where, text):
        self.problems.append(f"{where}: {text}")

    def check_names(self, win, where):
        """Names of controls, labels and value labels in the window's present state."""
        for n in walk(win, only_showing=True):
            r = role(n)
            nm = name(n)
            if r in NAMED_ROLES:
                self.controls += 1
                if not nm:
                    self.add(where, f"{NAMED_ROLES[r]} without a name")
            elif r == pyatspi.ROLE_LABEL and nm:
                self.labels += 1
                if not any(c.isalpha() for c in nm):
                    self.add(where, f"value '{nm}' read without its caption")
            if r in (pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE) or (
                    r == pyatspi.ROLE_PUSH_BUTTON and "Text" in n.get_interfaces()):
                self.check_text(n, r, nm, where)

    def check_text(self, node, r, nm, where):
        """What a label shows, read through the Text interface: a picture shows no text;
        a value label's name holds its text ("Total Hours: 41.6" shows "41.6")."""
        try:
            text = node.queryText()
            shown = text.getText(0, text.characterCount)
        except NotImplementedError:
            if r == pyatspi.ROLE_LABEL:
                self.add(where, f"label '{nm}': its text cannot be read")
            return
        self.texts += 1
        if r == pyatspi.ROLE_IMAGE and shown:
            self.add(where, f"picture '{nm}' reads as text '{shown}'")
        elif " ".join(shown.split()) not in nm:
            self.add(where, f"label '{nm}' reads as '{shown}'")

    def check_tab(self, win, where):
        """Tab goes round the window and comes back, stopping at named controls, and
        reaches every usable button."""
        first = self.focus.after_key(KEY_TAB)
        if first is None:
            self.add(where, "Tab moves the focus nowhere")
            return
        stops = [first]
        for _ in range(150):
            now = self.focus.after_key(KEY_TAB)
            if now is None:
                self.add(where, f"Tab leaves the window after {describe(stops[-1])}")
                return
            if now == first:
                break
            if now in stops:
                self.add(where, f"Tab goes round without coming back to {describe(first)}")
                return
            stops.append(now)
        else:
            self.add(where, "Tab does not come back")
            return
        self.stops += len(stops)
        for s in stops:
            if TRACE:
                print(f"    {where}: Tab to {describe(s)}")
            if role(s) != pyatspi.ROLE_PAGE_TAB_LIST and not name(s):
                self.add(where, f"Tab stops at a {s.getRoleName()} without a name")
        for n in walk(win, only_showing=True):
            if (role(n) == pyatspi.ROLE_PUSH_BUTTON and state(n, pyatspi.STATE_SENSITIVE)
                    and state(n, pyatspi.STATE_FOCUSABLE) and n not in stops):
                self.add(where, f"button '{name(n)}' not reached by Tab")


def main():
    app = find_app("terrasond")
    if app is None:
        print("terrasond did not appear on the accessibility bus")
        return 2
    # Names, states and children change as the program runs; this client runs no event
    # loop to hear of it, so it asks every time.
    app.set_cache_mask(Atspi.Cache.NONE)
    report = Report()
    main_window = wait_for(lambda: window(app, MAIN_TITLE), 10)

    # The main menu from the keyboard: F10, four entries to the right, open, first entry:
    # the settings panel. There English is chosen with Space, as a user would.
    if not activate(main_window):
        report.add("main window", "cannot be made the active window")
    key(KEY_F10)
    for _ in range(4):
        key(KEY_RIGHT)
    key(KEY_DOWN)
    key(KEY_RETURN, 0.8)
    english = control(main_window, pyatspi.ROLE_RADIO_BUTTON, "English")
    if english is None:
        report.add("main window", "F10, Right, Down, Enter do not open the settings panel")
        key(KEY_ESCAPE)
        key(KEY_ESCAPE)
        press(menu_entry(app, "Setting"))
        english = wait_for(lambda: control(main_window, pyatspi.ROLE_RADIO_BUTTON, "English"), 5)
        if english is None:
            return finish(report)
    focus(english)
    key(KEY_SPACE, 0.8)
    report.check_names(main_window, "main window, settings")
    report.check_tab(main_window, "main window, settings")
    exit_button = control(main_window, pyatspi.ROLE_PUSH_BUTTON, "Exit")
    if exit_button is None:
        report.add("main window", "Space on 'English' does not switch to English")
        return finish(report)
    focus(exit_button)
    key(KEY_SPACE, 0.8)
    report.check_names(main_window, "main window")
    print(f"window '{MAIN_TITLE}': checked")

    for entry, title, steps in WINDOWS:
        item = menu_entry(app, entry)
        if item is None:
            report.add(title, f"no menu entry '{entry}'")
            continue
        press(item)
        win = wait_for(lambda: window(app, title), 10)
        if win is None:
            report.add(title, "does not open")
            continue
        if not activate(win):
            report.add(title, "cannot be made the active window")
        states = ["opened"] + steps
        for i, step in enumerate(states):
            if i > 0:
                button = wait_for(lambda: control(win, pyatspi.ROLE_PUSH_BUTTON, step), 60)
                if button is None:
                    report.add(title, f"no button '{step}' to press")
                    break
                press(button)
                time.sleep(0.5)
                # A connection runs its progress bar; it is over when the button is usable
                # again.
                wait_for(lambda: state(button, pyatspi.STATE_SENSITIVE) or not showing(button), 60)
                time.sleep(0.5)
            where = f"{title}, {step}" if i > 0 else title
            report.check_names(win, where)
            report.check_tab(win, where)
        # Close it: the open panel's Exit first, then the window's own.
        for _ in range(4):
            if window(app, title) is None:
                break
            exit_button = control(win, pyatspi.ROLE_PUSH_BUTTON, "Exit")
            if exit_button is None:
                break
            press(exit_button)
            time.sleep(0.5)
        print(f"window '{title}': checked")

    return finish(report)


def finish(report):
    print(f"{report.controls} controls and {report.labels} labels checked, {report.texts} texts "
          f"read, {report.stops} Tab stops; {len(report.problems)} problems")
    for p in report.problems:
        print("  " + p)
    return 1 if report.problems else 0


if __name__ == "__main__":
    sys.exit(main())
