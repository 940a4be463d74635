#!/usr/bin/python3
"""A clipboard manager for tests, as desktop sessions run one.

It owns the CLIPBOARD_MANAGER selection. When a program that owns the clipboard leaves, it asks
for SAVE_TARGETS; the manager then takes the clipboard's text (UTF8_STRING), writes it to
RECORD_FILE, answers the program, and serves the text as the CLIPBOARD from then on, so that
xclip can read it back. Prints "ready" once it owns CLIPBOARD_MANAGER; ends after the given
number of seconds (default 30) or on SIGTERM.

Usage: clipboard_manager.py RECORD_FILE [SECONDS]
"""
import select
import signal
import sys
import time

from Xlib import X, Xatom, display
from Xlib.protocol import event

record_file = sys.argv[1]
lifetime = float(sys.argv[2]) if len(sys.argv) > 2 else 30.0
signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))

d = display.Display()
atom = d.intern_atom
MANAGER, SAVE_TARGETS, CLIPBOARD = atom("CLIPBOARD_MANAGER"), atom("SAVE_TARGETS"), atom("CLIPBOARD")
TARGETS, UTF8, INCR, KEPT = atom("TARGETS"), atom("UTF8_STRING"), atom("INCR"), atom("ORVANTA_TEST_KEPT")
window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent, event_mask=X.PropertyChangeMask)


def next_event(deadline):
    while d.pending_events() == 0:
        left = deadline - time.monotonic()
        if left <= 0:
            return None
        select.select([d.fileno()], [], [], left)
        d.pending_events()  # reads what arrived
    return d.next_event()


def take_clipboard_text(when):
    """Converts the clipboard to UTF8_STRING on our window, as the leaving owner answers it."""
    window.convert_selection(CLIPBOARD, UTF8, KEPT, when)
    d.flush()
    deadline = time.monotonic() + 5
    while (e := next_event(deadline)) is not None:
        if e.type == X.SelectionNotify and e.selection == CLIPBOARD:
            if e.property == X.NONE:
                return None
            reply = window.get_full_property(KEPT, X.AnyPropertyType)
            if reply is None or reply.property_type == INCR:
                sys.exit("clipboard_manager: no text, or text sent in pieces (INCR), which it does not read")
            return bytes(reply.value)
    return None


def notify(request, prop):
    request.requestor.send_event(
        event.SelectionNotify(time=request.time, requestor=request.requestor, selection=request.selection,
                              target=request.target, property=prop))
    d.flush()


def serve(request, text):
    prop = request.property or request.target
    if request.target == TARGETS:
        request.requestor.change_property(prop, Xatom.ATOM, 32, [TARGETS, UTF8, Xatom.STRING])
    elif request.target in (UTF8, Xatom.STRING) and text is not None:
        request.requestor.change_property(prop, request.target, 8, text)
    else:
        prop = X.NONE
    notify(request, prop)


window.set_selection_owner(MANAGER, X.CurrentTime)
d.flush()
if d.get_selection_owner(MANAGER) != window:
    sys.exit("clipboard_manager: another clipboard manager is running")
print("ready", flush=True)

kept = None
deadline = time.monotonic() + lifetime
while (e := next_event(deadline)) is not None:
    if e.type != X.SelectionRequest:
        continue
    if e.selection == MANAGER and e.target == SAVE_TARGETS:
        kept = take_clipboard_text(e.time)
        if kept is not None:
            with open(record_file, "wb") as record:
                record.write(kept)
            window.set_selection_owner(CLIPBOARD, X.CurrentTime)
        notify(e, e.property if kept is not None else X.NONE)
    elif e.selection == CLIPBOARD:
        serve(e, kept)
    else:
        notify(e, X.NONE)
