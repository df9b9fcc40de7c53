#!/usr/bin/env python3
"""The status line follows each request until the device takes it, read as a screen reader reads it.

The test plays the device: it deletes a request file, or leaves it alone.
"""

import re
import sys
import time
from datetime import datetime, timedelta

from accessibility import AccessibilityBus
from lumvik_app import Lumvik
from user_test import expect_equal, files_in, run
from x_display import wait_until

PATIENT = ["A-4711", "Jürgen", "Weiß"]


def status_line(bus, name):
    """The status line as a screen reader finds it: a status bar with its name."""
    return bus.wait_for("status bar", name)


def wait_for_status(bus, line, pattern, timeout):
    """Waits for the status line's text to match pattern; returns the match."""
    return wait_until(lambda: re.fullmatch(pattern, bus.text(line, "Description")), timeout,
                      f"the status line to say {pattern!r} (it says {bus.text(line, 'Description')!r})", 0.5)


def taken_road(context):
    """German texts; the device deletes the request: taken, with the time it was noticed."""
    bus = AccessibilityBus(context.display)
    target = context.folder("target")
    folder = context.program_folder(dict(Path=f"{target}/", Language="Deutsch", TxtImport=0))
    with Lumvik(context.display, folder, env=bus.env) as app:
        line = status_line(bus, "Abholung durch das Gerät")
        expect_equal(bus.text(line, "Description"), "", "status line before the first request")
        program_files = files_in(folder.path)
        app.type_in_focus_order(PATIENT)
        app.create()
        (request,) = files_in(target)
        named = re.escape(f"{request} (Weiß, Jürgen, ID A-4711)")
        wait_for_status(bus, line, f"Wartet auf das Gerät: {named}", 5)

        (target / request).unlink()
        deleted = datetime.now().replace(microsecond=0)
        match = wait_for_status(bus, line, rf"Vom Gerät abgeholt um (\d\d:\d\d:\d\d): {named}", 10)
        noticed = datetime.combine(deleted.date(), datetime.strptime(match.group(1), "%H:%M:%S").time())
        assert deleted <= noticed <= deleted + timedelta(seconds=5), f"noticed at {noticed:%T}, deleted at {deleted:%T}"
        expect_equal(files_in(folder.path), program_files, "files in the program folder: the watch writes nothing")
        app.close()
    expect_equal(files_in(target), [], "files in the target folder")


def not_taken_road(context):
    """English texts, PickupMinutes=1, and no device: after a minute the status line asks for it."""
    bus = AccessibilityBus(context.display)
    target = context.folder("target")
    folder = context.program_folder(dict(Path=f"{target}/", Language="English", TxtImport=0, PickupMinutes=1))
    with Lumvik(context.display, folder, env=bus.env) as app:
        line = status_line(bus, "Pickup by the device")
        app.type_in_focus_order(PATIENT)
        app.create()
        written = time.monotonic()
        (request,) = files_in(target)
        named = re.escape(f"{request} (Weiß, Jürgen, ID A-4711)")
        wait_for_status(bus, line, f"Waiting for the device: {named}", 5)
        wait_for_status(bus, line, f"Not taken in time: {named} is still there after 1 min. Is the device program "
                                   "running and watching the target folder\\?", 75)
        waited = time.monotonic() - written
        assert 55 <= waited, f"not taken in time after only {waited:.0f} s"
        expect_equal(app.dialogs(), [], "boxes: the status line asks without one")
        context.screenshot(app.main, "main-status-not-taken")
        app.close()
    expect_equal(files_in(target), [request], "files in the target folder")


def old_request_road(context):
    """A request a device never took before this start is reported at start-up, then its pickup."""
    bus = AccessibilityBus(context.display)
    target = context.folder("target")
    yesterday = datetime.now() - timedelta(days=1)
    old = f"{yesterday:%d%m%Y_%H%M%S}.gdt"
    record = "01380006302\r\n01330004711\r\n0153101Müller\r\n0133102Jörg\r\n".encode("cp437")
    (target / old).write_bytes(record)
    (target / f"{datetime.now():%d%m%Y_%H%M%S}.gdt").write_bytes(record)  # young: not reported
    folder = context.program_folder(dict(Path=f"{target}/", Language="Deutsch", TxtImport=0))
    with Lumvik(context.display, folder, env=bus.env) as app:
        line = status_line(bus, "Abholung durch das Gerät")
        named = re.escape(f"{old} (Müller, Jörg, ID 4711)")
        wait_for_status(bus, line, f"Nicht rechtzeitig abgeholt: {named} liegt nach 3 Min. noch da. Läuft das "
                                   "Geräteprogramm, und überwacht es den Zielordner\\?", 10)
        (target / old).unlink()
        wait_for_status(bus, line, rf"Vom Gerät abgeholt um \d\d:\d\d:\d\d: {named}", 10)
        app.close()


if __name__ == "__main__":
    sys.exit(run([taken_road, old_request_road, not_taken_road]))
