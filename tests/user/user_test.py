"""Runs the cases of one user-level test script on a private X display.

Usage: <script> --lumvik PATH --language-mdb PATH --screenshots DIR
Each case gets a context with the display, fresh program folders and the screenshot folder; a
failing case leaves a screenshot of the whole screen in the screenshot folder, named after it.
"""

import argparse
import shutil
import signal
import sys
import tempfile
import time
import traceback
from pathlib import Path

from program_folder import ProgramFolder
from x_display import VirtualDisplay, stop_all


def expect_equal(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}:\n  expected {expected!r}\n  actual   {actual!r}")


def files_in(folder):
    """Every entry of folder, hidden ones included, so that a leftover temporary file shows."""
    return sorted(path.name for path in Path(folder).iterdir())


class Context:
    def __init__(self, args, display, root):
        self.args = args
        self.display = display
        self.root = Path(root)
        self.screenshots = Path(args.screenshots)

    def program_folder(self, settings=None):
        return ProgramFolder(self.root, self.args.lumvik, self.args.language_mdb, settings)

    def folder(self, name):
        return Path(tempfile.mkdtemp(prefix=f"{name}-", dir=self.root))

    def screenshot(self, window, name):
        window.screenshot(str(self.screenshot_path(name)))

    def screenshot_path(self, name):
        return self.screenshots / f"{name}.png"


def run_case(case, context):
    """Runs one case; on failure prints why and leaves a screenshot of the screen. True if it passed."""
    started = time.monotonic()
    failure_screenshot = context.screenshot_path(f"FAILED-{case.__name__}")
    failure_screenshot.unlink(missing_ok=True)
    try:
        case(context)
        print(f"PASS {case.__name__} ({time.monotonic() - started:.1f} s)", flush=True)
        return True
    except Exception:
        print(f"FAIL {case.__name__} ({time.monotonic() - started:.1f} s)", flush=True)
        traceback.print_exc()
        context.display.screenshot(str(failure_screenshot))
        xvfb_says = context.display.log_path.read_text(errors="replace").strip()
        if xvfb_says:
            print("Xvfb says:", xvfb_says)
        return False


def run(cases):
    parser = argparse.ArgumentParser()
    parser.add_argument("--lumvik", required=True)
    parser.add_argument("--language-mdb", required=True)
    parser.add_argument("--screenshots", required=True)
    args = parser.parse_args()
    for tool in ("Xvfb", "xdotool", "xprop", "xwininfo", "xclip", "import"):
        if shutil.which(tool) is None:
            print(f"{tool} is missing: install xvfb, xdotool, x11-utils, xclip and imagemagick", file=sys.stderr)
            return 1
    Path(args.screenshots).mkdir(parents=True, exist_ok=True)
    # A test timeout's SIGTERM still unmounts, ends the started processes and removes the folders.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    failed = []
    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="lumvik-user-") as root:
        try:
            display = VirtualDisplay(Path(root) / "xvfb.log")
            context = Context(args, display, root)
            for case in cases:
                if not run_case(case, context):
                    failed.append(case.__name__)
        finally:
            stop_all()
    print(f"{len(cases) - len(failed)} of {len(cases)} cases passed in {time.monotonic() - started:.1f} s")
    return 1 if failed else 0
