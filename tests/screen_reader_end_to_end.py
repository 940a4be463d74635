"""Uses the real program with the Orca screen reader, as a blind user would, and checks what Orca says.

Orca runs with a private home and settings, speaking through speech-dispatcher's dummy module; every
utterance is a "SPEECH OUTPUT" line of its debug log. Keys go to the program through the X server
(xdotool), so Orca hears them as it hears a user's. Each step presses its keys and waits until Orca
has said the expected utterances, in that order, among whatever else it says.

Run by screen_reader_end_to_end_test.sh on a display and a session bus of its own, under openbox.
"""

import os
import pty
import re
import subprocess
import sys
import threading
import time
import tty

WAIT_SECONDS = 20
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?(?:\{.*\})?\s*$")


# The launcher refuses to start beside another Orca of the same user, and --replace would kill that
# one: the user's own screen reader, or another run's. So Orca runs in a process namespace of its
# own, where it sees no other, wherever one can be made.
PRIVATE_PROCESSES = ["unshare", "--user", "--map-current-user", "--pid", "--fork", "--mount-proc", "--kill-child"]


def plain(words):
    """As alike as Orca 43 and Orca 48 say them: Orca 48 calls a push button a button, says "not
    selected" before each cell of a row but the current one, and leaves out the full stop after
    some utterances."""
    return words.replace(" push button", " button").removeprefix("not selected ").removesuffix(".")


def utterances_matched(utterance, expected):
    """How many of the expected utterances, from the first, the one said is: Orca 48 says some
    that Orca 43 says apart as one, such as a table and its description; 0 when none."""
    for count in range(1, len(expected) + 1):
        if plain(utterance) == " ".join(map(plain, expected[:count])):
            return count
    return 0


class Failure(Exception):
    pass


class Orca:
    def __init__(self, work):
        home = os.environ["HOME"]
        os.makedirs(os.path.join(home, ".config", "speech-dispatcher"))
        with open(os.path.join(home, ".config", "speech-dispatcher", "speechd.conf"), "w") as conf:
            # The dummy module plays one recorded message for every utterance, here into ALSA's null device.
            conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                       'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
        self.heard = 0  # utterances already matched
        self.log = []  # what Orca wrote to its debug log, piece by piece
        # Orca writes its debug log to a terminal, which Python writes line by line; a file would
        # hold the last utterances back in its buffer. The writer stays open here, so that the
        # terminal outlives Orca's opening and closing it.
        terminal, self.writer = pty.openpty()
        tty.setraw(self.writer)
        command = ["orca", "--debug-file", os.ttyname(self.writer)]
        if subprocess.run(PRIVATE_PROCESSES + ["true"], stderr=subprocess.DEVNULL).returncode == 0:
            command = PRIVATE_PROCESSES + command
        self.out = os.path.join(work, "orca.out")
        with open(self.out, "w") as out:
            self.process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=out, stderr=out)
        threading.Thread(target=lambda: self.log.extend(iter(lambda: os.read(terminal, 65536), b"")),
                         daemon=True).start()

    def utterances(self):
        lines = b"".join(self.log).decode(errors="replace").splitlines()
        return [m.group(1).strip() for m in map(SPOKEN.search, lines) if m]

    def await_quiet(self):
        """Waits, at most WAIT_SECONDS, until Orca has written nothing for half a second: it has
        dealt with every event it was sent. Orca 48 puts caret moves behind focus changes, so a
        stale one could otherwise move its focus to a box before the box's own focus event."""
        deadline = time.monotonic() + WAIT_SECONDS
        size = -1
        while size != len(self.log) and time.monotonic() < deadline:
            size = len(self.log)
            time.sleep(0.5)

    def expect(self, step, expected):
        """Waits until the utterances not yet heard hold the expected ones, whole and in order."""
        deadline = time.monotonic() + WAIT_SECONDS
        while True:
            said = self.utterances()[self.heard:]
            position = 0
            for index, utterance in enumerate(said):
                position += utterances_matched(utterance, expected[position:])
                if position == len(expected):
                    self.heard += index + 1
                    print("%s: %s" % (step, " | ".join(said[:index + 1])))
                    return
            if self.process.poll() is not None:
                with open(self.out) as out:
                    raise Failure("%s: Orca ended with status %d: %s" % (step, self.process.returncode, out.read()))
            if time.monotonic() > deadline:
                raise Failure("%s: Orca never said %r; it said %r" % (step, expected[position], said))
            time.sleep(0.1)


def keys(*names):
    for name in names:
        if name.startswith("type:"):
            subprocess.run(["xdotool", "type", "--delay", "80", name[5:]], check=True)
        else:
            subprocess.run(["xdotool", "key", name], check=True)


def use_program(orca, program):
    def step(name, presses, *expected):
        keys(*presses)
        orca.expect(name, list(expected))

    credits = ("Orvanta dialog Orvanta Version 2.0 Created by the Orvanta developers Figures are estimates only. "
               "\u00a9 2026 Orvanta Click or Press a key to continue.")
    step("credits at start-up", [], credits)
    step("credits dismissed", ["space"], "Amount text.")
    step("amount typed", ["type:100000", "Home"], "1", "0", "0", "0", "0", "0")
    step("Tab to the rate", ["Tab"], "Rate text.")
    step("rate typed", ["type:6", "Home"], "6")
    step("Tab to the terms", ["Tab"], "Terms text.")
    step("terms typed", ["type:30x", "Home"], "3", "0", "x")
    step("Enter on an unusable term", ["Return"], "alert Orvanta.",
         "Please make sure you enter valid data into each field.", "OK push button.")
    step("the message answered", ["Return"], "Terms text.", "30x.")
    keys("End", "BackSpace", "Home")  # what Orca says of the caret here depends on its timing; "30" is heard below
    orca.await_quiet()
    # The caret is at the start of every box now; the focus must still be spoken with the box's name.
    step("Shift+Tab to the rate", ["shift+Tab"], "Rate text.", "6 selected.")
    step("Shift+Tab to the amount", ["shift+Tab"], "Amount text.", "100000 selected.")
    step("Tab to the rate again", ["Tab"], "Rate text.", "6 selected.")
    step("Tab to the terms again", ["Tab"], "Terms text.", "30 selected.")
    step("Tab to Next", ["Tab"], "Next > push button.")
    step("Next", ["space"], "Schedule.", "table with 361 rows 5 columns.",
         "Amount: $100,000.00, Terms: 30(360 months), Rate: % 6.00, Payment: $599.55/mo.")
    step("Down to month 1", ["Down"], "Month 1.", "$599.55.", "% 500.00.", "$99.55.", "$99,900.45.")
    step("Down to month 2", ["Down"], "Month 2.", "$599.55.", "% 499.50.", "$100.05.", "$99,800.41.")
    step("Up to month 1", ["Up"], "Month 1.", "$599.55.", "% 500.00.", "$99.55.", "$99,900.45.")
    step("Left to the principal", ["Left"], "Principle column header $99.55.")
    step("Tab round to Credits", ["Tab", "Tab", "Tab"], "Credits push button.")
    step("credits over the result", ["space"], credits)
    step("credits dismissed", ["Return"], "Credits push button.")
    step("Shift+Tab to Back", ["shift+Tab", "shift+Tab"], "< Back push button.")
    # Orca names the window first only where its activation reaches Orca before the focus does.
    step("Back", ["space"], "Next > push button.")
    step("Tab to Credits", ["Tab", "Tab"], "Credits push button.")
    step("credits over the entries", ["space"], credits)
    step("credits dismissed", ["a"], "Credits push button.")
    step("Shift+Tab to Exit", ["shift+Tab"], "Exit push button.")
    step("Exit", ["space"], "alert Orvanta.", "Are you sure you want to exit the program?", "Yes push button.")
    keys("Return")
    try:
        status = program.wait(WAIT_SECONDS)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end on Yes")
    if status != 0:
        raise Failure("the program ended with status %d" % status)
    print("ended with status 0 on Yes")


def main():
    orca = Orca(os.environ["ORVANTA_DESKTOP"])
    program = None
    try:
        orca.expect("Orca started", ["Screen reader on."])
        program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
        use_program(orca, program)
    except Failure as failure:
        print("FAILED:", failure, file=sys.stderr)
        return 1
    finally:
        for process in (program, orca.process):
            if process is not None and process.poll() is None:
                process.kill()
                process.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main())
