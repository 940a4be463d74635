"""Uses the real program the way a screen-reader user meets it: every control is found on the
AT-SPI accessibility bus by its accessible name, and every value is read from there.

Dismisses the credits window with a key, types the worked example into the text boxes "Amount",
"Rate" and "Terms", presses "Next >", reads the summary and a few schedule cells (and cells past
the grid's edge, which must read as nothing), then leaves with "Exit" and "Yes".

Run by at_spi_end_to_end_test.sh on a display and a session bus of its own.
"""

import os
import subprocess
import sys
import time

import pyatspi

WAIT_SECONDS = 10


class Failure(Exception):
    pass


def await_value(what, probe):
    """Polls probe until it returns something other than None; AT-SPI objects come and go meanwhile."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        try:
            value = probe()
        except Exception:  # a window torn down while it was read
            value = None
        if value is not None:
            return value
        time.sleep(0.05)
    raise Failure("timed out waiting for " + what)


def descendants(node):
    """Every accessible below node; a table's cells are read through its table interface instead."""
    for child in node:
        if child is None:
            continue
        yield child
        if child.getRole() != pyatspi.ROLE_TABLE:
            yield from descendants(child)


def find(node, name, role):
    return next((n for n in descendants(node) if n.name == name and n.getRole() == role), None)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def window_with(app, name, role):
    """The shown top-level window that holds a control of that name and role."""
    for window in app:
        if window is not None and showing(window) and find(window, name, role) is not None:
            return window
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise Failure("%r cannot be pressed: %s" % (node.name, names))
    action.doAction(names.index("Press"))


def type_into(box, text):
    box.queryComponent().grabFocus()  # as Tab would; keys then go to the box
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)
    contents = box.queryText()
    await_value("%r in %s" % (text, box.name), lambda: contents.getText(0, -1) == text or None)
    expect("cursor in " + box.name, contents.caretOffset, len(text))
    # What a screen reader asks after each key: the word just typed, and the word at the cursor.
    expect("word before the cursor in " + box.name,
           contents.getTextBeforeOffset(len(text), pyatspi.TEXT_BOUNDARY_WORD_START)[0], text)
    contents.getTextAtOffset(len(text), pyatspi.TEXT_BOUNDARY_WORD_START)  # answered, not hung


def expect(what, actual, expected):
    if actual != expected:
        raise Failure("%s: expected %r, got %r" % (what, expected, actual))
    print("%s: %r" % (what, actual))


def summary(window):
    """The value beside each caption of the "Data:" frame, paired by their line on screen."""
    frame = find(window, "Data:", pyatspi.ROLE_PANEL)
    labels = [n for n in frame if n is not None and n.getRole() == pyatspi.ROLE_LABEL]
    line = {n.name: n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y for n in labels}
    captions = [name for name in line if name.endswith(":")]
    return {c: next((n for n in line if n not in captions and line[n] == line[c]), None) for c in captions}


def use_program(program, app):
    def credits():
        return window_with(app, "Orvanta credits", pyatspi.ROLE_PANEL)

    await_value("the credits window", credits).queryComponent().grabFocus()
    pyatspi.Registry.generateKeyboardEvent(0, " ", pyatspi.KEY_STRING)
    await_value("the credits window to go", lambda: credits() is None or None)
    print("credits window dismissed by a key")

    entry = await_value("the entry window", lambda: window_with(app, "Amount", pyatspi.ROLE_TEXT))
    # The title's grey shadow is no second title.
    expect("titles", [n.getRoleName() for n in descendants(entry) if n.name == "Orvanta" and showing(n)], ["label"])
    for name, text in (("Amount", "100000"), ("Rate", "6"), ("Terms", "30")):
        type_into(find(entry, name, pyatspi.ROLE_TEXT), text)
    print("entries typed")
    press(find(entry, "Next >", pyatspi.ROLE_PUSH_BUTTON))

    result = await_value("the result window", lambda: window_with(app, "Schedule", pyatspi.ROLE_TABLE))
    values = summary(result)
    expect("Amount", values["Amount:"], "$100,000.00")
    expect("Rate", values["Rate:"], "% 6.00")
    expect("Terms", values["Terms:"], "30(360 months)")
    expect("Payment", values["Payment:"], "$599.55/mo")

    table = find(result, "Schedule", pyatspi.ROLE_TABLE).queryTable()
    expect("schedule size", (table.nRows, table.nColumns), (361, 5))
    expect("column 0", table.getColumnDescription(0), "Month")
    expect("column 4", table.getColumnDescription(4), "Balance")
    expect("row 1", table.getRowDescription(1), "1")
    expect("month 1", [table.getAccessibleAt(1, col).name for col in range(5)],
           ["Month 1", "$599.55", "% 500.00", "$99.55", "$99,900.45"])
    expect("month 1's header", table.getRowHeader(1).name, "Month 1")
    expect("month 3 balance", table.getAccessibleAt(3, 4).name, "$99,699.86")
    for index in (-1, 361, 461):
        expect("row %d" % index, table.getRowDescription(index), "")
        expect("cell (%d, 0)" % index, table.getAccessibleAt(index, 0), None)
    for index in (-1, 5, 105):
        expect("column %d" % index, table.getColumnDescription(index), "")

    press(find(result, "Exit", pyatspi.ROLE_PUSH_BUTTON))
    question = await_value("the exit question", lambda: window_with(app, "Yes", pyatspi.ROLE_PUSH_BUTTON))
    press(find(question, "Yes", pyatspi.ROLE_PUSH_BUTTON))
    try:
        status = program.wait(WAIT_SECONDS)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end on Yes")
    expect("exit status", status, 0)


def main():
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = await_value(
            "the program on the accessibility bus",
            lambda: next((a for a in desktop if a is not None and a.get_process_id() == program.pid), None))
        use_program(program, app)
    except Failure as failure:
        print("FAILED:", failure, file=sys.stderr)
        return 1
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main())
