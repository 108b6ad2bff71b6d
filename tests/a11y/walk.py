#!/usr/bin/python3
"""Works Quarvex through the accessibility bus the way a screen reader does:
presses Continue on the disclaimer, picks "Comprehensive Overview" on the
switchboard, presses OK, and prints the accessibility tree of the data entry
screen (role and name of every node). Exits non-zero when an input field has
no name or two inputs of the window share one.

Run by scripts/a11y-tree, which starts the display, the session bus and the
accessibility bus.
"""

import sys
import time

import pyatspi

INPUT_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PUSH_BUTTON,
               pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_LIST,
               pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TABLE, pyatspi.ROLE_ENTRY,
               pyatspi.ROLE_SPIN_BUTTON}


def find_app(name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and name in app.name.lower():
                return app
        time.sleep(0.2)
    raise SystemExit("no application %r on the accessibility bus" % name)


def find(node, role=None, name=None, depth=0):
    if node is None or depth > 40:
        return None
    try:
        if (role is None or node.getRole() == role) and (name is None or node.name == name):
            return node
        for child in node:
            hit = find(child, role, name, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        return None
    return None


def wait_for(app, role, name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        hit = find(app, role, name)
        if hit is not None:
            return hit
        time.sleep(0.2)
    raise SystemExit("nothing of role %s named %r appeared" % (role, name))


def wait_for_window(app, name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for window in app:
            if window is not None and window.name == name:
                return window
        time.sleep(0.2)
    raise SystemExit("no window named %r appeared" % name)


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "Toggle", "toggle"):
            action.doAction(i)
            return
    action.doAction(0)


def dump(node, depth=0, out=None):
    role = node.getRoleName()
    out.append("%s%s: %r" % ("  " * depth, role, node.name))
    for child in node:
        if child is not None:
            dump(child, depth + 1, out)
    return out


def inputs(node, found):
    if node.getRole() in INPUT_ROLES:
        found.append(node)
    if node.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE):
        return found  # their items are not separate inputs
    for child in node:
        if child is not None:
            inputs(child, found)
    return found


def main():
    app = find_app("quarvex")
    press(wait_for(app, pyatspi.ROLE_PUSH_BUTTON, "Continue", timeout=30))
    press(wait_for(app, pyatspi.ROLE_RADIO_BUTTON, "Comprehensive Overview"))
    press(wait_for(app, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    window = wait_for_window(app, "Data Entry")
    time.sleep(0.5)
    print("\n".join(dump(window, out=[])))

    names = {}
    problems = []
    for node in inputs(window, []):
        if not node.name:
            problems.append("%s without a name" % node.getRoleName())
        names.setdefault((node.getRoleName(), node.name), 0)
        names[(node.getRoleName(), node.name)] += 1
    for (role, name), count in names.items():
        if name and count > 1 and role != "page tab":
            problems.append("%d %s inputs named %r" % (count, role, name))
    print()
    print("%d inputs on the data entry screen" % sum(names.values()))
    for p in problems:
        print("PROBLEM: " + p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
