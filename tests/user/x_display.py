"""A private X display (Xvfb) and what a person does on it: keys, mouse, clipboard, looking.

Every process started here dies with the test: it gets SIGKILL when the test process ends
(prctl PR_SET_PDEATHSIG), and stop_all() ends them in order at a normal exit or a failure.
"""

import ctypes
import os
import re
import signal
import subprocess
import time

_started = []
_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def start_process(args, **popen_args):
    """Starts a process that is ended by stop_all() or, at the latest, with this test."""
    process = subprocess.Popen(args, preexec_fn=_die_with_parent, **popen_args)
    _started.append(process)
    return process


def stop_all():
    """Ends every process started here, newest first; Xvfb removes its socket and lock on SIGTERM."""
    for process in reversed(_started):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
    _started.clear()


def wait_until(condition, timeout, what, interval=0.05):
    """Polls condition() until it returns something true and returns that; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class VirtualDisplay:
    """Xvfb on a free display number at 96 dpi, so that 15 twips make one pixel. It must not reset
    when its last client leaves: a Lumvik starting right after another ended would find no display."""

    def __init__(self, log_path, width=1280, height=1024):
        read_end, write_end = os.pipe()
        self.log_path = log_path
        with open(log_path, "wb") as log:
            self.process = start_process(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24", "-dpi", "96",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=log, stderr=subprocess.STDOUT)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        self.name = f":{number}"
        # Programs on this display see nothing of the caller's environment but PATH: a CI machine's
        # QT_QPA_PLATFORM=offscreen, QT_SCALE_FACTOR or WAYLAND_DISPLAY must not move Lumvik off
        # this display or change its size. The X tools type and read UTF-8.
        home = log_path.parent / "home"
        home.mkdir(exist_ok=True)
        self.env = {"PATH": os.environ.get("PATH", os.defpath), "HOME": str(home), "DISPLAY": self.name,
                    "QT_QPA_PLATFORM": "xcb", "LC_ALL": "C.UTF-8"}
        # A German keyboard has ä, ö, ü and ß on keys of their own. xdotool would otherwise remap
        # a spare key for each, and a program under load can read the key before the new map.
        self.run("setxkbmap", "de")

    def run(self, *args, check=True):
        """Runs an X tool on this display and returns its standard output."""
        done = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=20)
        if check and done.returncode != 0:
            raise AssertionError(f"{' '.join(args)} failed: {done.stderr.strip()}")
        return done.stdout

    def windows(self, title, pid=None):
        """Visible windows whose title matches the regular expression, of process pid if given."""
        owner = ["--pid", str(pid)] if pid is not None else []
        out = self.run("xdotool", "search", "--onlyvisible", *owner, "--name", title, check=False)
        return [Window(self, int(line)) for line in out.split()]

    def focused(self):
        return Window(self, int(self.run("xdotool", "getwindowfocus").strip()))

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "30", *keys)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "15", text)

    def screenshot(self, path):
        self.run("import", "-window", "root", path)

    def put_on_clipboard(self, text):
        """Owns the clipboard with text (xclip stays in the foreground to serve it) until replaced."""
        process = start_process(["xclip", "-quiet", "-selection", "clipboard"], env=self.env,
                                stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        process.stdin.write(text.encode())
        process.stdin.close()
        wait_until(lambda: self.run("xclip", "-o", "-selection", "clipboard", check=False) == text, 5,
                   "the clipboard to hold the text")


class Window:
    def __init__(self, display, window_id):
        self.display = display
        self.id = window_id

    def __eq__(self, other):
        return isinstance(other, Window) and self.id == other.id

    def __repr__(self):
        return f"Window({self.id}, {self.title()!r})"

    def title(self):
        return self.display.run("xdotool", "getwindowname", str(self.id), check=False).strip()

    def size(self):
        out = self.display.run("xdotool", "getwindowgeometry", str(self.id))
        width, height = re.search(r"Geometry: (\d+)x(\d+)", out).groups()
        return int(width), int(height)

    def is_dialog(self):
        out = self.display.run("xprop", "-id", str(self.id), "_NET_WM_WINDOW_TYPE", check=False)
        return "_NET_WM_WINDOW_TYPE_DIALOG" in out

    def is_visible(self):
        out = self.display.run("xwininfo", "-id", str(self.id), check=False)
        return "IsViewable" in out

    def focus(self):
        self.display.run("xdotool", "windowfocus", "--sync", str(self.id))

    def click(self, x, y, repeat=1):
        """Left click at (x, y) pixels from the window's top left corner; repeat=2 double-clicks."""
        self.display.run("xdotool", "mousemove", "--window", str(self.id), str(x), str(y), "click", "--repeat",
                         str(repeat), "--delay", "80", "1")

    def capture(self, x, y, width, height):
        """Raw RGB pixels of a part of the window, to see whether it changed."""
        done = subprocess.run(["import", "-window", str(self.id), "-crop", f"{width}x{height}+{x}+{y}",
                               "+repage", "rgb:-"], env=self.display.env, capture_output=True, timeout=20)
        return done.stdout

    def screenshot(self, path):
        self.display.run("import", "-window", str(self.id), path)
