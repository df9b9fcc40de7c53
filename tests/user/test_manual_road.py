#!/usr/bin/env python3
"""The manual road: a person types one patient into the main window and creates requests.

German regional settings and texts, text import off, modality field on.
"""

import re
import subprocess
import sys
from datetime import datetime, timedelta

from gdt_reader import body, read_request
from lumvik_app import CLIENT_WIDTH, Lumvik, pixels
from user_test import expect_equal, files_in, run

TYPED = ["A-4711", "Jürgen", "Weiß", "12.03.80", "F", "CT", "6.12.2026", "9:30", "Dr. Berg"]
# The record's order; dates and time in the regional short forms, the two-digit year windowed.
WRITTEN = [("3000", "A-4711"), ("3101", "Weiß"), ("3102", "Jürgen"), ("3103", "12.03.1980"), ("3110", "F"),
           ("8781", "06.12.2026"), ("8782", "09:30"), ("4603", "Dr. Berg"), ("6335", "CT")]
NAME = re.compile(r"^(\d{8}_\d{6})(_\d+)?\.gdt$")


def check_request_file(path, expected_body, written_after):
    """The file's bytes as an independent reader sees them, its name and its permissions."""
    expect_equal(body(read_request(path.read_bytes())), expected_body, f"fields of {path.name}")
    match = NAME.match(path.name)
    assert match, f"file name {path.name!r} is not ddmmyyyy_hhmmss.gdt"
    named = datetime.strptime(match.group(1), "%d%m%Y_%H%M%S")
    assert written_after - timedelta(seconds=2) <= named <= datetime.now() + timedelta(seconds=2), \
        f"{path.name} is not named after the moment of writing ({written_after:%H:%M:%S})"
    # Written under umask 022: the device reading the folder may run as another user.
    expect_equal(oct(path.stat().st_mode & 0o777), oct(0o644), f"permissions of {path.name}")


def manual_road(context):
    target = context.folder("target")
    folder = context.program_folder(dict(Path=f"{target}/", Language="Deutsch", TxtImport=0, Modality=1))
    with Lumvik(context.display, folder) as app:
        width, _ = app.main.size()
        expect_equal(width, pixels(CLIENT_WIDTH), "window width in pixels")
        assert 10 <= app.menu_bar_height() <= 40, f"window height {app.main.size()} is not 4890 twips plus menu"
        context.screenshot(app.main, "main-german-import-off")

        # Keyboard only: txtID has the focus at start, Tab walks the fields to the create button.
        expect_equal(context.display.focused(), app.main, "focused window at start")
        started = datetime.now().replace(microsecond=0)
        for value in TYPED:
            context.display.type(value)
            context.display.key("Tab")
        context.display.key("space")
        app.answer("Lumvik")
        (first,) = files_in(target)
        check_request_file(target / first, WRITTEN, started)

        # Without text import the fields keep their values; the create button keeps the focus, and
        # Return presses it as Space does.
        app.main.focus()
        context.display.key("Return")
        app.answer("Lumvik")
        second = sorted(set(files_in(target)) - {first})
        expect_equal(len(second), 1, f"new files after the second create ({files_in(target)})")
        check_request_file(target / second[0], WRITTEN, started)

        # A second start from the same folder ends at once, without a window, and leaves the first
        # alone, whatever its environment says.
        second_env = dict(app.env, TMPDIR=str(context.folder("other-tmp")), USER="someone-else")
        second_start = subprocess.run([str(folder.program)], env=second_env, cwd=folder.path, timeout=10)
        expect_equal(second_start.returncode, 0, "exit code of the second start")
        expect_equal(context.display.windows("."), [app.main], "windows after the second start")

        # Clear empties every field but the modality; the first run still writes requests.
        app.click("cmdClear")
        app.type_in_focus_order(["B-1"])
        before = set(files_in(target))
        app.create()
        (third,) = set(files_in(target)) - before
        check_request_file(target / third, [("3000", "B-1"), ("6335", "CT")], started)

        app.close()
    expect_equal(len(files_in(target)), 3, f"files in the target folder ({files_in(target)})")
    expect_equal(folder.log_lines(), [], "error log")


if __name__ == "__main__":
    sys.exit(run([manual_road]))
