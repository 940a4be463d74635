#!/usr/bin/python3
"""Start-up of the real program, beside a bare Qt Widgets program that shows the same two windows
empty, on an X server or natively on Wayland.

On X11 each run clears an Xvfb screen to magenta, starts the program and times it from exec until its
window is painted: the window is mapped and no pixel of its rectangle on the screen still shows
the root window's magenta. Qt leaves a new X window's background unset, so the magenta stays
until the program has drawn every pixel. For Orvanta that window is the entry window (role
frmMain) with the credits window over it, as a user first sees them; for the bare program it is
its empty window of the same size.

On Wayland the programs run on mutter nested on the Xvfb screen, which draws what they show into
its own X window. A compositor tells no client where its windows are, so a run is timed from exec
until the last frame that changes the screen visibly before it stays still for a second: the
windows placed, faded in and painted. A frame counts when more than a few of every 64th pixel
change by more than the compositor's dithering; a blinking text cursor does not.

Prints the median, the fastest and the slowest of each, and the ratio of the medians, with the
machine it ran on.

Usage: bench/start_up_bench.py [--wayland] [RUNS] [ORVANTA] [BARE]
  defaults: X11, 15 runs, build/ui/app/orvanta, build/bench/bare_window_bench
Needs Xvfb and python3-xlib, and mutter for --wayland (script/bootstrap installs them). It runs on
a desktop of tests/support/desktop.bash.
"""
import array
import ctypes
import os
import select
import statistics
import subprocess
import sys
import time

from Xlib import X, display, error
from Xlib.ext import damage

MAGENTA = 0xFF00FF
RUN_TIMEOUT = 20  # seconds before a run counts as failed
STILL = 1.0  # seconds without a visible change after which a Wayland start-up is over

arguments = sys.argv[1:]
wayland = "--wayland" in arguments
if wayland:
    arguments.remove("--wayland")
runs = int(arguments[0]) if len(arguments) > 0 else 15
orvanta = arguments[1] if len(arguments) > 1 else "build/ui/app/orvanta"
bare = arguments[2] if len(arguments) > 2 else "build/bench/bare_window_bench"


def role_of(window, role_atom):
    try:
        prop = window.get_full_property(role_atom, X.AnyPropertyType)
    except error.BadWindow:  # the window went already
        return None
    return bytes(prop.value).decode() if prop else None


class XImage(ctypes.Structure):  # the leading fields of Xlib's XImage
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class ScreenPixels:
    """Reads the screen through libX11 itself: python-xlib takes tens of milliseconds per image."""

    def __init__(self, name):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                       ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        self.display = self.x11.XOpenDisplay(name.encode())
        self.root = self.x11.XDefaultRootWindow(self.display)

    def show_magenta(self, geometry):
        image = self.x11.XGetImage(self.display, self.root, geometry.x, geometry.y, geometry.width, geometry.height,
                                   0xFFFFFFFF, X.ZPixmap)
        data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * geometry.height)
        self.x11.XDestroyImage(image)
        pixels = array.array("I", data)  # 32 bits a pixel on a 24-bit screen
        return MAGENTA in pixels or (MAGENTA | 0xFF000000) in pixels  # whatever the unused byte holds

    def sample(self, width, height, step=8):
        """Every step-th pixel of every step-th row of the screen, as 32-bit values."""
        image = self.x11.XGetImage(self.display, self.root, 0, 0, width, height, 0xFFFFFFFF, X.ZPixmap)
        stride = image.contents.bytes_per_line
        data = ctypes.string_at(image.contents.data, stride * height)
        self.x11.XDestroyImage(image)
        rows = (array.array("I", data[y * stride:(y + 1) * stride]) for y in range(0, height, step))
        return [pixel for row in rows for pixel in row[::step]]


def visibly_changed(before, after, levels=16, pixels=8):
    """Whether more than the given number of samples changed by more than levels in a channel."""
    changed = 0
    for old, new in zip(before, after):
        if old != new and any(abs((old >> shift & 255) - (new >> shift & 255)) > levels for shift in (0, 8, 16)):
            changed += 1
            if changed > pixels:
                return True
    return False


def next_event(d, deadline):
    while d.pending_events() == 0:
        left = deadline - time.perf_counter()
        if left <= 0:
            return None
        select.select([d.fileno()], [], [], left)
    return d.next_event()


def time_start_up(d, screen, program, role):
    """Seconds from exec to the painted window with the given X window role. The screen's
    pixels are looked at whenever the X server reports drawing (DAMAGE), so the watcher takes
    no processor time from the program while it starts."""
    root = d.screen().root
    root.clear_area()
    d.sync()
    while d.pending_events():
        d.next_event()
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb")
    role_atom = d.intern_atom("WM_WINDOW_ROLE")
    started = time.perf_counter()
    process = subprocess.Popen([program], env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    target = None
    try:
        while (event := next_event(d, started + RUN_TIMEOUT)) is not None:
            seen = time.perf_counter()
            if event.type == X.MapNotify and target is None and role_of(event.window, role_atom) == role:
                target = event.window
            if target is not None and d.pending_events() == 0 and not screen.show_magenta(target.get_geometry()):
                return seen - started
        raise SystemExit(f"{program}: no painted window with role {role} within {RUN_TIMEOUT} s")
    finally:
        process.kill()
        process.wait()


def time_wayland_start_up(d, screen, program):
    """Seconds from exec to the last visible change of the screen before it stays still for STILL seconds.
    The screen is looked at whenever the X server reports that the compositor drew (DAMAGE)."""
    size = d.screen().width_in_pixels, d.screen().height_in_pixels
    time.sleep(STILL)  # the last run's windows gone
    while d.pending_events():
        d.next_event()
    shown = screen.sample(*size)
    started = time.perf_counter()
    process = subprocess.Popen([program], env=dict(os.environ, QT_QPA_PLATFORM="wayland"),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    last_change = None
    try:
        while True:
            deadline = started + RUN_TIMEOUT if last_change is None else last_change + STILL
            if next_event(d, min(deadline, started + RUN_TIMEOUT)) is None:
                if last_change is None or time.perf_counter() >= started + RUN_TIMEOUT:
                    raise SystemExit(f"{program}: the screen did not settle within {RUN_TIMEOUT} s")
                return last_change - started
            seen = time.perf_counter()
            while d.pending_events():
                d.next_event()
            now_shown = screen.sample(*size)
            if visibly_changed(shown, now_shown):
                last_change = seen
            shown = now_shown
    finally:
        process.kill()
        process.wait()


def cpu_model():
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return "unknown"


def main():
    name = os.environ["DISPLAY"]
    d = display.Display(name)
    root = d.screen().root
    root.change_attributes(background_pixel=MAGENTA, event_mask=X.SubstructureNotifyMask)
    d.damage_query_version()  # the server takes no DAMAGE request before this
    root.damage_create(damage.DamageReportRawRectangles)
    programs = [("Orvanta, entry window (credits over it)", orvanta, "frmMain"),
                ("bare Qt Widgets windows", bare, "bare")]
    screen = ScreenPixels(name)
    if wayland:
        start = lambda program, role: time_wayland_start_up(d, screen, program)  # noqa: E731
    else:
        start = lambda program, role: time_start_up(d, screen, program, role)  # noqa: E731
    for _, program, role in programs:  # a first start warms the disk cache and fontconfig
        start(program, role)
    times = {label: [] for label, _, _ in programs}
    for _ in range(runs):  # taken in turns, so that a busy moment hits both alike
        for label, program, role in programs:
            times[label].append(start(program, role) * 1000)

    print(f"machine: {os.cpu_count()} cores, {cpu_model()}; load average {os.getloadavg()[0]:.2f}")
    if wayland:
        print(f"{runs} runs each, exec to the last visible change before the screen stays still {STILL} s,"
              " on mutter nested on Xvfb 1024x768x24")
    else:
        print(f"{runs} runs each, exec to painted window on Xvfb 1024x768x24")
    for label, values in times.items():
        print(f"{label:42} median {statistics.median(values):7.1f} ms"
              f"   fastest {min(values):7.1f} ms   slowest {max(values):7.1f} ms")
    medians = [statistics.median(values) for values in times.values()]
    print(f"ratio of the medians: {medians[0] / medians[1]:.2f}")


# The desktop of tests/support/desktop.bash: an Xvfb of its own, with mutter nested on it for
# Wayland, all of it ended once the runs are done.
if "ORVANTA_DESKTOP" not in os.environ:
    harness = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support", "desktop.bash")
    os.execv(harness, [harness] + (["--compositor"] if wayland else []) + ["--", sys.executable] + sys.argv)
main()
