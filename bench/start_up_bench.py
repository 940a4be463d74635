#!/usr/bin/python3
"""Start-up of the real program on an X server, beside a bare Qt Widgets program.

Each run clears an Xvfb screen to magenta, starts the program and times it from exec until its
window is painted: the window is mapped and no pixel of its rectangle on the screen still shows
the root window's magenta. Qt leaves a new X window's background unset, so the magenta stays
until the program has drawn every pixel. For Orvanta that window is the entry window (role
frmMain) with the credits window over it, as a user first sees them; for the bare program it is
its one empty window. Prints the median, the fastest and the slowest of each, and the ratio of
the medians, with the machine it ran on.

Usage: bench/start_up_bench.py [RUNS] [ORVANTA] [BARE]
  defaults: 15 runs, build/ui/app/orvanta, build/bench/bare_window_bench
Needs Xvfb and python3-xlib (script/bootstrap installs both).
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

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 15
orvanta = sys.argv[2] if len(sys.argv) > 2 else "build/ui/app/orvanta"
bare = sys.argv[3] if len(sys.argv) > 3 else "build/bench/bare_window_bench"


def start_server():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read, "rb", buffering=0) as answer:  # the number, then a newline, once it listens
        number = b""
        while not number.endswith(b"\n"):
            number += answer.read(1)
    return server, ":" + number.decode().strip()


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


def cpu_model():
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return "unknown"


def main():
    server, name = start_server()
    try:
        d = display.Display(name)
        os.environ["DISPLAY"] = name
        root = d.screen().root
        root.change_attributes(background_pixel=MAGENTA, event_mask=X.SubstructureNotifyMask)
        d.damage_query_version()  # the server takes no DAMAGE request before this
        root.damage_create(damage.DamageReportRawRectangles)
        screen = ScreenPixels(name)
        programs = [("Orvanta, entry window (credits over it)", orvanta, "frmMain"),
                    ("bare Qt Widgets window", bare, "bare")]
        for _, program, role in programs:  # a first start warms the disk cache and fontconfig
            time_start_up(d, screen, program, role)
        times = {label: [] for label, _, _ in programs}
        for _ in range(runs):  # taken in turns, so that a busy moment hits both alike
            for label, program, role in programs:
                times[label].append(time_start_up(d, screen, program, role) * 1000)
    finally:
        server.terminate()
        server.wait()

    print(f"machine: {os.cpu_count()} cores, {cpu_model()}; load average {os.getloadavg()[0]:.2f}")
    print(f"{runs} runs each, exec to painted window on Xvfb 1024x768x24")
    for label, values in times.items():
        print(f"{label:42} median {statistics.median(values):7.1f} ms"
              f"   fastest {min(values):7.1f} ms   slowest {max(values):7.1f} ms")
    medians = [statistics.median(values) for values in times.values()]
    print(f"ratio of the medians: {medians[0] / medians[1]:.2f}")


main()
