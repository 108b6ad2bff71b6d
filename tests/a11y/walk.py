#!/usr/bin/python3
"""Works Quarvex through the accessibility bus only, as a screen reader or an
assistive tester does: actions on buttons and list entries, the EditableText
interface of the fields, the Text interface to read results and the Table
interface to read the results grid. No mouse and no key is faked.

Scenarios (all of them when none is named):
  tree      Comprehensive Overview, then prints the data entry screen's tree.
  quick     Quick Calculator: "Renal & Urinary System", "Creatinine Clearance
            Estimated", Proceed; types 40, 70 kg, Male, 1.0 mg/dL; Calculate;
            reads Result; More Info; reads the explanation.
  overview  Types a few values on the data entry screen (both tabs), OK, reads
            the list, OK, reads the results grid cell by cell.

Every window visited is checked: each input has a name, no two inputs of a
window share one, no name or text holds a carriage return. Exits non-zero on
any problem found, after printing them all.

Run by scripts/a11y-tree, which starts the display, the session bus and the
accessibility bus.
"""

import sys
import time

import pyatspi

INPUT_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PUSH_BUTTON,
               pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_LIST,
               pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_ENTRY,
               pyatspi.ROLE_SPIN_BUTTON}

problems = []


def problem(text):
    problems.append(text)
    print("PROBLEM: " + text)


def find_app(name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and name in app.name.lower():
                return app
        time.sleep(0.2)
    raise SystemExit("no application %r on the accessibility bus" % name)


def find(node, role=None, name=None, depth=0, showing=False):
    if node is None or depth > 40:
        return None
    try:
        if ((role is None or node.getRole() == role) and (name is None or node.name == name)
                and (not showing or node.getState().contains(pyatspi.STATE_SHOWING))):
            return node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return None  # a node that went away while we looked
    for child in children:
        hit = find(child, role, name, depth + 1, showing)
        if hit is not None:
            return hit
    return None


def wait_for(app, role, name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        hit = find(app, role, name)
        if hit is not None:
            return hit
        time.sleep(0.2)
    raise SystemExit("nothing of role %s named %r appeared" % (role, name))


def wait_for_window(app, name, holding=None, timeout=20):
    """The window named name; with holding, the one that holds a node of that name."""
    end = time.time() + timeout
    while time.time() < end:
        for window in app:
            if window is not None and window.name == name and (
                    holding is None or find(window, name=holding) is not None):
                return window
        time.sleep(0.2)
    raise SystemExit("no window named %r appeared" % name)


def windows(app):
    return [w.name for w in app if w is not None]


def is_showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def is_enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def do(node, *names):
    """Runs the first of the named actions that the node offers."""
    action = node.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for name in names:
        if name in offered:
            action.doAction(offered.index(name))
            return
    raise SystemExit("%s %r offers none of %s (only %s)"
                     % (node.getRoleName(), node.name, names, offered))


def press(node):
    do(node, "Press", "press", "click", "Toggle", "toggle")


def control(window, role, name):
    node = find(window, role, name)
    if node is None:
        raise SystemExit("no %s named %r in %r" % (role, name, window.name))
    return node


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


def type_into(window, name, text):
    """Sets a field's text through EditableText: a text field, or the text
    part of an editable drop-down list."""
    node = find(window, pyatspi.ROLE_TEXT, name)
    if node is None:
        box = control(window, pyatspi.ROLE_COMBO_BOX, name)
        node = find(box, pyatspi.ROLE_TEXT)
        if node is None:
            problem("the drop-down list %r has no text part to type into" % name)
            return
    if not is_enabled(node):
        problem("%r is disabled" % name)
    node.queryEditableText().setTextContents(text)
    time.sleep(0.1)
    typed = text_of(node)
    if typed != text:
        problem("typed %r into %r, it holds %r" % (text, name, typed))


def pick(window, list_name, entry):
    """Picks an entry of a drop-down list or a list box by its Toggle action."""
    holder = find(window, pyatspi.ROLE_COMBO_BOX, list_name) \
        or control(window, pyatspi.ROLE_LIST, list_name)
    item = find(holder, pyatspi.ROLE_LIST_ITEM, entry)
    if item is None:
        raise SystemExit("%r offers no entry %r" % (list_name, entry))
    do(item, "Toggle")
    time.sleep(0.3)


def dump(node, depth=0, out=None):
    role = node.getRoleName()
    line = "%s%s: %r" % ("  " * depth, role, node.name)
    if not is_showing(node):
        line += " (not showing)"
    out.append(line)
    for child in node:
        if child is not None:
            dump(child, depth + 1, out)
    return out


def inputs(node, found):
    if node.getRole() in INPUT_ROLES:
        found.append(node)
    if node.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE,
                          pyatspi.ROLE_PAGE_TAB_LIST):
        return found  # their parts are not separate inputs
    for child in node:
        if child is not None:
            inputs(child, found)
    return found


def carriage_returns(node, where, depth=0):
    if node is None or depth > 40:
        return
    if "\r" in (node.name or ""):
        problem("%s: %s %r holds a carriage return in its name" % (where, node.getRoleName(),
                                                                  node.name))
    try:
        if "\r" in text_of(node):
            problem("%s: %s %r holds a carriage return in its text" % (where, node.getRoleName(),
                                                                      node.name))
    except NotImplementedError:
        pass
    except Exception:
        pass
    for child in node:
        carriage_returns(child, where, depth + 1)


def check_window(window):
    """Names of the inputs of one window: present and unique; no carriage returns."""
    where = window.name
    names = {}
    for node in inputs(window, []):
        if not node.name:
            problem("%s: %s without a name" % (where, node.getRoleName()))
        names.setdefault(node.name, []).append(node.getRoleName())
    for name, roles in names.items():
        if name and len(roles) > 1:
            problem("%s: %d inputs named %r (%s)" % (where, len(roles), name, ", ".join(roles)))
    carriage_returns(window, where)
    return sum(len(r) for r in names.values())


def switchboard_choice(app, option):
    switchboard = wait_for_window(app, "Quarvex Options")
    press(control(switchboard, pyatspi.ROLE_RADIO_BUTTON, option))
    press(control(switchboard, pyatspi.ROLE_PUSH_BUTTON, "OK"))


def data_entry(app):
    if "Data Entry" not in windows(app):
        switchboard_choice(app, "Comprehensive Overview")
    window = wait_for_window(app, "Data Entry")
    time.sleep(0.5)
    return window


def scenario_tree(app):
    window = data_entry(app)
    print("\n".join(dump(window, out=[])))
    count = check_window(window)
    print("\n%d inputs on the data entry screen" % count)


def scenario_quick(app):
    switchboard_choice(app, "Quick Calculator")
    selector = wait_for_window(app, "Medical Calculator")
    check_window(selector)
    pick(selector, "Category", "Renal & Urinary System")
    items = control(selector, pyatspi.ROLE_LIST, "Test items")
    print("Test items: %d entries" % items.childCount)
    pick(selector, "Test items", "Creatinine Clearance Estimated")
    proceed = control(selector, pyatspi.ROLE_PUSH_BUTTON, "Proceed")
    if not is_enabled(proceed):
        problem("Proceed is not enabled after choosing an item")
    press(proceed)

    screen = wait_for_window(app, "Creatinine Clearance Estimated")
    time.sleep(0.5)
    check_window(screen)
    type_into(screen, "Age", "40")
    type_into(screen, "Weight", "70")
    type_into(screen, "Weight unit", "kg")
    type_into(screen, "Gender", "Male")
    type_into(screen, "Serum creatinine", "1.0")
    type_into(screen, "Serum creatinine unit", "mg/dL")
    press(control(screen, pyatspi.ROLE_PUSH_BUTTON, "Calculate"))
    time.sleep(0.3)
    result = text_of(control(screen, pyatspi.ROLE_TEXT, "Result"))
    print("Result: %r" % result)
    if result != "97.22 mL/min":
        problem("Result reads %r, not '97.22 mL/min'" % result)

    more = control(screen, pyatspi.ROLE_PUSH_BUTTON, "More Info")
    if not is_showing(more):
        problem("More Info is not shown")
    press(more)
    explanation = wait_for_window(app, "Explanation")
    time.sleep(0.3)
    check_window(explanation)
    label = find(explanation, pyatspi.ROLE_LABEL)
    shown = label.name if label is not None else None
    print("Explanation: %r" % shown)
    if shown != "Based on GFR, renal function is normal.":
        problem("the explanation reads %r" % shown)


def scenario_overview(app):
    window = data_entry(app)
    for name, text in (("Gender", "Male"), ("Total cholesterol", "200"),
                       ("Total cholesterol unit", "mg/dL"), ("HDL cholesterol", "50"),
                       ("HDL cholesterol unit", "mg/dL"), ("LDL cholesterol", "130"),
                       ("LDL cholesterol unit", "mg/dL"), ("Ferritin", "150"),
                       ("Serum phosphorus", "3.5"), ("Serum phosphorus unit", "mg/dL")):
        type_into(window, name, text)
    pick(window, "Ferritin unit", "ng/ml")
    box = control(window, pyatspi.ROLE_COMBO_BOX, "Ferritin unit")
    picked = text_of(find(box, pyatspi.ROLE_TEXT))
    if picked != "ng/ml":
        problem("picking 'ng/ml' left the ferritin unit at %r" % picked)
    # A chosen unit is the list's value; its name still says which list it is.
    box.clear_cache()
    if box.name != "Ferritin unit":
        problem("after picking a unit the list is named %r" % box.name)

    # The urine values are on the second tab.
    urine = control(window, pyatspi.ROLE_PAGE_TAB, "Urine")
    do(urine, "Press", "Toggle", "Switch", "SetFocus")
    time.sleep(0.3)
    if not is_showing(find(window, pyatspi.ROLE_TEXT, "Urine volume")):
        problem("the urine page does not show after pressing its tab")
    type_into(window, "Urine volume", "1500")
    type_into(window, "Urine potassium", "40")
    for name, text in (("Urine phosphorus", "40"), ("Urine phosphorus unit", "mg/dL"),
                       ("Urine urate", "60"), ("Urine urate unit", "mg/dL"),
                       ("Urine creatinine", "50"), ("Urine creatinine unit", "mg/dL")):
        type_into(window, name, text)

    press(control(window, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    listing = wait_for_window(app, "Test Results", holding="Computable items")
    time.sleep(0.3)
    check_window(listing)
    computable = control(listing, pyatspi.ROLE_LIST, "Computable items")
    print("Computable items:")
    names = [item.name for item in computable]
    for name in names:
        print("  " + name)
    for expected in ("Phosphorus Clearance Estimated", "Uric Acid-to-Creatinine Ratio"):
        if expected not in names:
            problem("%r is not among the computable items" % expected)
    press(control(listing, pyatspi.ROLE_PUSH_BUTTON, "OK"))

    results = wait_for_window(app, "Test Results", holding="Test results")
    time.sleep(0.5)
    check_window(results)
    grid = control(results, pyatspi.ROLE_TABLE, "Test results")
    table = grid.queryTable()
    headings = [table.getColumnDescription(c) for c in range(table.nColumns)]
    print("Grid columns: %s" % headings)
    if headings != ["Test Item", "Result", "Interpretation"]:
        problem("the grid's columns are named %s" % headings)
    for r in range(table.nRows):
        cells = [table.getAccessibleAt(r, c) for c in range(table.nColumns)]
        texts = [cell.name if cell is not None else None for cell in cells]
        print("  row %d: %s" % (r, texts))
        if any(t is None for t in texts):
            problem("row %d has a cell that cannot be read" % r)
    if table.nRows == 0:
        problem("the grid has no rows")


SCENARIOS = {"tree": scenario_tree, "quick": scenario_quick, "overview": scenario_overview}


def main(argv):
    chosen = argv or ["tree", "overview", "quick"]
    for name in chosen:
        if name not in SCENARIOS:
            raise SystemExit("unknown scenario %r (choose from %s)" % (name, ", ".join(SCENARIOS)))
    app = find_app("quarvex")
    cont = wait_for(app, pyatspi.ROLE_PUSH_BUTTON, "Continue", timeout=30)
    check_window(wait_for_window(app, "Disclaimer"))
    press(cont)
    switchboard = wait_for_window(app, "Quarvex Options")
    check_window(switchboard)
    press(control(switchboard, pyatspi.ROLE_PUSH_BUTTON, "About"))
    about = wait_for_window(app, "About Quarvex")
    check_window(about)
    press(control(about, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    for name in chosen:
        print("== %s" % name)
        SCENARIOS[name](app)
        print()
    print("%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
