#!/usr/bin/env python3
"""The Windows road, under Wine on a private X display, as a practice goes it: install Lumvik with
its installer (silently), give it a German Settings.ini whose viewer is a batch file, type the
README's example patient with the keyboard, create the request and answer the box; start it a
second time; meet a missing target folder; try to update (silently and by hand) and to uninstall it
while it runs; close it and install again over it; uninstall.

Usage: test_windows_road.py --setup SETUP.EXE --state STATE --screenshots DIR
STATE is a folder that wine-prefix.sh prepares here (a Wine prefix of its own, with no ODBC driver:
Lumvik reads Language.mdb itself).
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "user"))
from x_display import VirtualDisplay, start_process, stop_all, wait_until  # noqa: E402

HERE = Path(__file__).resolve().parent
MAIN_TITLE = "Lumvik Version 1.0.4"
# The installer's window and its message boxes, German or English.
INSTALLER_TITLE = r"^(Installation von Lumvik 1\.0\.4|Lumvik 1\.0\.4 Setup)"
# Where the per-user installer puts Lumvik for Wine's user root.
INSTALL_FOLDER = "C:\\users\\root\\AppData\\Local\\Programs\\Lumvik"
START_MENU_ENTRY = "C:\\users\\root\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Lumvik.lnk"
TYPED = ["4711", "Anna", "Meier", "12.03.1980", "F", "06.12.2026", "09:30", "Dr. Berg"]
# The README's example record, byte for byte.
EXPECTED = b"".join(line + b"\r\n" for line in [
    b"01380006302", b"014810000170", b"01092062", b"014921802.01", b"01330004711", b"0143101Meier",
    b"0133102Anna", b"019310312.03.1980", b"0103110F", b"019878106.12.2026", b"014878209:30",
    b"0174603Dr. Berg"])


def expect_equal(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}:\n  expected {expected!r}\n  actual   {actual!r}")


class Wine:
    """Windows programs of one prefix on the display, run by wine-run.sh."""

    def __init__(self, state, display):
        self.state = state
        self.display = display
        self.env = {key: value for key, value in display.env.items() if key != "QT_QPA_PLATFORM"}
        self.env["LANG"] = "de_DE.UTF-8"
        self.env["LC_ALL"] = "de_DE.UTF-8"

    def run(self, *args, timeout=120):
        return subprocess.run([str(HERE / "wine-run.sh"), str(self.state), *args], env=self.env,
                              capture_output=True, timeout=timeout)

    def start(self, *args):
        return start_process([str(HERE / "wine-run.sh"), str(self.state), *args], env=self.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop_server(self):
        """Ends every program of the prefix and its server: the next program starts the server anew
        on this display, whose size it then takes for the desktop."""
        subprocess.run(["wineserver", "-k"], env={**self.env, "WINEPREFIX": str(self.state / "prefix")}, check=False)
        subprocess.run(["wineserver", "-w"], env={**self.env, "WINEPREFIX": str(self.state / "prefix")}, check=False)

    def start_lumvik(self, folder):
        """Starts Lumvik from folder and returns it with its main window, shown and focused."""
        lumvik = self.start(str(folder / "Lumvik.exe"))
        main = wait_window(self.display, MAIN_TITLE)
        time.sleep(1)
        main.focus()
        return lumvik, main

    def unix_path(self, windows_path):
        drive, rest = windows_path.split(":", 1)
        return self.state / "prefix" / "dosdevices" / f"{drive.lower()}:" / rest.replace("\\", "/").lstrip("/")


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def write_settings(folder, target, viewer=None, language="Deutsch", txt_import=0, pickup_minutes=3):
    # Written as Windows editors write it: the ANSI code page, CR LF.
    text = (f"[Lumvik]\r\nPath={windows_path(target)}\\\r\nOrvanePath={windows_path(viewer) if viewer else ''}\r\n"
            f"RunOrvane={1 if viewer else 0}\r\nTxtImport={txt_import}\r\nLanguage={language}\r\nModality=0\r\n"
            f"PickupMinutes={pickup_minutes}\r\n")
    (folder / "Settings.ini").write_bytes(text.encode("cp1252"))


def wait_window(display, title, timeout=60):
    return wait_until(lambda: (display.windows(f"^{title}$") or [None])[0], timeout, f"the window {title!r}",
                      interval=0.2)


def batch_viewer(root):
    """A viewer that Windows starts only through its shell, with blanks in its path; it notes its
    working folder in "<its path>.started"."""
    viewer = root / "Viewer Programs" / "viewer app.bat"
    viewer.parent.mkdir()
    viewer.write_bytes(b'@cd > "%~f0.started"\r\n')
    return viewer


def main_window_road(wine, folder, target, viewer, screenshots):
    display = wine.display
    lumvik, main = wine.start_lumvik(folder)
    main.screenshot(str(screenshots / "main-window-windows.png"))
    for value in TYPED:
        display.type(value)
        display.key("Tab")
    display.key("space")
    box = wait_window(display, "Lumvik")
    box.focus()
    display.key("Return")
    wait_until(lambda: not display.windows("^Lumvik$"), 20, "the confirmation to close")
    (request,) = sorted(target.iterdir())
    assert request.name.endswith(".gdt") and len(request.name) == len("06122026_081530.gdt"), request.name
    expect_equal(request.read_bytes(), EXPECTED, f"bytes of {request.name}")
    # The viewer started after the confirmation, in its own folder.
    started = viewer.with_name(viewer.name + ".started")
    wait_until(started.exists, 30, "the batch-file viewer to start")
    time.sleep(0.5)
    expect_equal(started.read_bytes().strip(), windows_path(viewer.parent).encode(), "the viewer's working folder")

    # A second start from the same folder ends at once, without a window of its own.
    second = wine.run(str(folder / "Lumvik.exe"), timeout=60)
    expect_equal(second.returncode, 0, "exit code of the second start")
    expect_equal(len(display.windows(f"^{MAIN_TITLE}$")), 1, "main windows after the second start")
    lumvik.terminate()
    lumvik.wait(timeout=20)


def missing_target_road(wine, folder, root):
    display = wine.display
    missing = root / "no-such-folder"
    write_settings(folder, missing)
    log_file = folder / "Logs" / "ErrorLog.log"
    logged_before = log_file.read_bytes().decode("cp1252").splitlines() if log_file.exists() else []
    lumvik, main = wine.start_lumvik(folder)
    display.type("4711")
    # From the ID field, the create button is the tenth stop of the focus order.
    display.key(*["Tab"] * 8, "space")
    warning = wait_window(display, "Warning")
    warning.focus()
    display.key("Return")
    wait_until(lambda: not display.windows("^Warning$"), 20, "the warning to close")
    log = log_file.read_bytes().decode("cp1252").splitlines()[len(logged_before):]
    expect_equal(len(log), 1, f"new lines of the error log {log}")
    assert "cmdCreate_Click" in log[0] and "no-such-folder" in log[0], log[0]
    assert not missing.exists()
    lumvik.terminate()
    lumvik.wait(timeout=20)


def laptop_road(wine, state, folder, target, root, screenshots):
    """English texts from Language.mdb with no database driver anywhere, and the tall window with
    the import box on a 1366x768 laptop screen at 150 % and 200 %: it lies inside the screen."""
    write_settings(folder, target, language="English", txt_import=1)
    laptop = VirtualDisplay(root / "xvfb-laptop.log", 1366, 768)
    on_laptop = Wine(state, laptop)
    wine.stop_server()
    try:
        for dpi, scaling in ((144, 150), (192, 200)):
            on_laptop.run("reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                          "/d", str(dpi), "/f")
            lumvik = on_laptop.start(str(folder / "Lumvik.exe"))
            main = wait_window(laptop, MAIN_TITLE)
            time.sleep(2)
            expect_equal(laptop.windows("^Warning$"), [], f"message boxes at start at {scaling} %")
            out = laptop.run("xdotool", "getwindowgeometry", str(main.id))
            x, y, width, height = map(int, re.search(r"Position: (-?\d+),(-?\d+).*Geometry: (\d+)x(\d+)", out,
                                                     re.S).groups())
            assert x >= 0 and y >= 0 and x + width <= 1366 and y + height <= 768, \
                f"the window at {scaling} % lies outside the 1366x768 screen: {width}x{height} at {x},{y}"
            laptop.screenshot(str(screenshots / f"main-window-windows-1366x768-{scaling}.png"))
            # The settings window's title is the English text of the database ("Einstellungen"
            # built in): View, Settings through the keyboard.
            main.focus()
            laptop.key("alt", "Right", "Return", "Return")
            settings = wait_window(laptop, "Settings")
            settings.focus()
            laptop.key("alt+F4")
            wait_until(lambda: not laptop.windows("^Settings$"), 20, "the settings window to close")
            lumvik.terminate()
            lumvik.wait(timeout=20)
            on_laptop.stop_server()
    finally:
        on_laptop.run("reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d", "96",
                      "/f")
        on_laptop.stop_server()
    write_settings(folder, target)


def status_line(main):
    """The pixels of the main window's status line, its bottom 34 pixels at 96 dpi, 8-bit RGB."""
    width, height = main.size()
    done = subprocess.run(["import", "-window", str(main.id), "-crop", f"{width}x34+0+{height - 34}", "+repage",
                           "-depth", "8", "rgb:-"], env=main.display.env, capture_output=True, timeout=20)
    return done.stdout


def in_warning_colour(pixels):
    """Whether the status line wears the colour of a request not taken in time (255, 224, 130)."""
    warm = sum(1 for i in range(0, len(pixels) - 2, 3)
               if pixels[i] > 240 and 200 < pixels[i + 1] < 240 and 100 < pixels[i + 2] < 160)
    return warm > len(pixels) // 3 // 4


def status_line_road(wine, folder, root):
    """The status line follows each request under Windows too: it changes when the device takes the
    request (the road deletes it), turns to the warning colour when a request lies there longer than
    PickupMinutes=1, and reports at once a request left over from yesterday. Its words are read on
    Linux over AT-SPI; under Wine the road tells the states apart by their pixels."""
    display = wine.display
    target = root / "pickup"
    target.mkdir()
    write_settings(folder, target, pickup_minutes=1)

    def create(main):
        main.focus()
        main.click(*ID_FIELD)
        display.type("4711")
        main.click(*CREATE_BUTTON)
        wait_window(display, "Lumvik").focus()
        display.key("Return")
        wait_until(lambda: not display.windows("^Lumvik$"), 20, "the confirmation to close")

    lumvik, main = wine.start_lumvik(folder)
    empty = status_line(main)
    create(main)
    (request,) = target.iterdir()
    waiting = wait_until(lambda: (lambda line: line if line != empty else None)(status_line(main)), 10,
                         "the status line to name the waiting request")
    request.unlink()
    wait_until(lambda: status_line(main) not in (empty, waiting), 10, "the status line to say it was taken")
    create(main)
    wait_until(lambda: in_warning_colour(status_line(main)), 90, "the warning after a minute without pickup")
    lumvik.terminate()
    lumvik.wait(timeout=20)

    for leftover in target.iterdir():
        leftover.unlink()
    yesterday = time.localtime(time.time() - 86400)
    (target / time.strftime("%d%m%Y_%H%M%S.gdt", yesterday)).write_bytes(EXPECTED)
    lumvik, main = wine.start_lumvik(folder)
    wait_until(lambda: in_warning_colour(status_line(main)), 15, "the report of yesterday's request at start")
    lumvik.terminate()
    lumvik.wait(timeout=20)


# Places in the windows at 96 dpi, in pixels from the window's top left (the client area: without a
# window manager there is no title bar), as designed in twips / 15.
IMPORT_BOX = (200, 400)
ID_FIELD = (176, 64)
CREATE_BUTTON = (512, 272)
TARGET_PATH_FIELD = (300, 36)
SAVE_BUTTON = (440, 240)


def import_road(wine, folder, target):
    """Names pasted through the import box keep every character on their way to the request: a
    letter with a combining accent is joined as if typed, a Cyrillic name is refused, never written
    as question marks."""
    display = wine.display
    write_settings(folder, target, txt_import=1)
    lumvik, main = wine.start_lumvik(folder)
    before = set(target.iterdir())

    def paste_and_create(text):
        display.put_on_clipboard(text)
        main.focus()
        main.click(*IMPORT_BOX)
        display.key("ctrl+a", "ctrl+v")
        time.sleep(6.5)  # the import reads a text that has stood still for five seconds
        main.click(*CREATE_BUTTON)

    paste_and_create("Appointment: Mu\u0308ller, Anna (F) #4711 12/24/1960 10:30")
    wait_window(display, "Lumvik").focus()
    display.key("Return")
    wait_until(lambda: not display.windows("^Lumvik$"), 20, "the confirmation to close")
    (request,) = set(target.iterdir()) - before
    lines = request.read_bytes().split(b"\r\n")
    assert b"0153101M\x81ller" in lines and b"0133102Anna" in lines, lines
    request.unlink()

    paste_and_create("Appointment: \u041f\u0435\u0442\u0440\u043e\u0432, \u0418\u0432\u0430\u043d (M) #4712 "
                     "12/24/1960 10:30")
    wait_window(display, "Warning").focus()
    display.key("Return")
    wait_until(lambda: not display.windows("^Warning$"), 20, "the warning to close")
    expect_equal(set(target.iterdir()), before, "requests after a Cyrillic name")
    lumvik.terminate()
    lumvik.wait(timeout=20)


def settings_encoding_road(wine, folder, root):
    """A target folder outside code page 1252 typed into the settings window outlives a restart,
    and a Settings.ini that Notepad saved as UTF-8 without a byte-order mark is read as such."""
    display = wine.display
    polish = root / "Praxis \u0141ukasz"
    polish.mkdir()
    write_settings(folder, root)
    lumvik, main = wine.start_lumvik(folder)
    display.key("alt", "Right", "Return", "Return")  # Ansicht > Einstellungen
    settings = wait_window(display, "Einstellungen")
    display.put_on_clipboard(windows_path(polish) + "\\")
    settings.focus()
    settings.click(*TARGET_PATH_FIELD)
    display.key("ctrl+a", "ctrl+v")
    time.sleep(0.5)
    settings.focus()
    settings.click(*SAVE_BUTTON)
    wait_until(lambda: not display.windows("^Einstellungen$"), 20, "the settings window to close")
    lumvik.terminate()
    lumvik.wait(timeout=20)
    saved = (folder / "Settings.ini").read_bytes()
    assert "\u0141ukasz".encode("utf-8") in saved or "\u0141ukasz".encode("utf-16-le") in saved, saved

    def request_lands_in(expected_folder, what):
        lumvik, main = wine.start_lumvik(folder)
        display.type("4711")
        display.key(*["Tab"] * 8, "space")
        wait_window(display, "Lumvik").focus()
        display.key("Return")
        wait_until(lambda: not display.windows("^Lumvik$"), 20, "the confirmation to close")
        requests = [path for path in expected_folder.iterdir() if path.suffix == ".gdt"]
        expect_equal(len(requests), 1, f"requests in {expected_folder.name} ({what})")
        lumvik.terminate()
        lumvik.wait(timeout=20)

    request_lands_in(polish, "after a restart")
    devices = root / "Ger\u00e4te"
    devices.mkdir()
    text = (f"[Lumvik]\r\nPath={windows_path(devices)}\\\r\nOrvanePath=\r\nRunOrvane=0\r\nTxtImport=0\r\n"
            "Language=Deutsch\r\nModality=0\r\n")
    (folder / "Settings.ini").write_bytes(text.encode("utf-8"))  # Notepad's own: UTF-8, no mark
    request_lands_in(devices, "from a Notepad-saved Settings.ini")


def program_files(folder):
    """Every file below folder with its bytes and modification time."""
    return {path.relative_to(folder): (path.read_bytes(), path.stat().st_mtime_ns)
            for path in sorted(folder.rglob("*")) if path.is_file()}


def running_lumvik_road(wine, folder, setup, screenshots):
    """An update and an uninstall while Lumvik runs change nothing and say so in their exit code;
    the installer started by hand asks to close Lumvik and goes on once it is closed; the update
    keeps the settings."""
    display = wine.display
    program = folder / "Lumvik.exe"
    # An update brings Lumvik.exe with the time it was built: an older one shows whether it ran.
    aged = 10**9 * 10**9

    def updated():
        return program.stat().st_mtime_ns != aged

    lumvik = wine.start(str(program))
    wait_window(display, MAIN_TITLE)
    os.utime(program, ns=(aged, aged))
    before = program_files(folder)
    assert wine.run(setup, "/S").returncode != 0, "the update ran while Lumvik runs"
    expect_equal(program_files(folder), before, "the program folder after an update while Lumvik runs")
    # "_?=" runs the uninstaller in place and waits for it: a plain /S hands the work to a copy.
    assert wine.run(str(folder / "Uninstall.exe"), "/S", f"_?={INSTALL_FOLDER}").returncode != 0, \
        "the uninstaller ran while Lumvik runs"
    expect_equal(program_files(folder), before, "the program folder after an uninstall while Lumvik runs")

    # Started by hand, the installer asks to close Lumvik and offers to try again.
    installer = wine.start(setup)
    (window,) = wait_until(lambda: display.windows(INSTALLER_TITLE), 60, "the installer's window")
    window.focus()
    display.key("Return")  # the folder page's Install button
    box = wait_until(lambda: [w for w in display.windows(INSTALLER_TITLE) if w != window], 30,
                     "the box that asks to close Lumvik")[0]
    time.sleep(0.5)
    box.screenshot(str(screenshots / "installer-while-lumvik-runs.png"))
    expect_equal(program_files(folder), before, "the program folder while the box asks")
    lumvik.terminate()
    lumvik.wait(timeout=20)
    wait_until(lambda: not (folder / "Lumvik.lock").exists(), 20, "Lumvik to let go of its lock")
    settings = (folder / "Settings.ini").read_bytes()
    box.focus()
    display.key("Return")  # Retry
    wait_until(updated, 60, "the update after Retry")
    wait_until(lambda: not (folder / "Lumvik.lock").exists(), 60, "the installer to let go of the lock")
    installer.terminate()  # at its last page, whose button would start Lumvik
    installer.wait(timeout=20)

    os.utime(program, ns=(aged, aged))
    expect_equal(wine.run(setup, "/S").returncode, 0, "exit code of the update")
    assert updated(), "Lumvik.exe not updated"
    expect_equal((folder / "Settings.ini").read_bytes(), settings, "Settings.ini after the update")
    assert not (folder / "Lumvik.lock").exists(), "the installer left its lock behind"


def road(args):
    state = Path(args.state).resolve()
    subprocess.run([str(HERE / "wine-prefix.sh"), str(state)], check=True)
    screenshots = Path(args.screenshots)
    screenshots.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="lumvik-windows-road-") as root:
        root = Path(root)
        display = VirtualDisplay(root / "xvfb.log")
        wine = Wine(state, display)
        try:
            installed = wine.run(str(Path(args.setup).resolve()), "/S")
            expect_equal(installed.returncode, 0, "exit code of the installer")
            folder = wine.unix_path(INSTALL_FOLDER)
            for name in ("Lumvik.exe", "Language.mdb", "Uninstall.exe", "platforms/qwindows.dll",
                         "licenses/README.txt", "licenses/LGPL-3.txt", "licenses/GPL-3.txt"):
                assert (folder / name).is_file(), f"not installed: {name}"
            assert wine.unix_path(START_MENU_ENTRY).is_file(), "no Start-menu entry"
            target = root / "target"
            target.mkdir()
            viewer = batch_viewer(root)
            write_settings(folder, target, viewer)
            main_window_road(wine, folder, target, viewer, screenshots)
            laptop_road(wine, state, folder, target, root, screenshots)
            import_road(wine, folder, target)
            settings_encoding_road(wine, folder, root)
            status_line_road(wine, folder, root)
            missing_target_road(wine, folder, root)
            running_lumvik_road(wine, folder, str(Path(args.setup).resolve()), screenshots)

            # Uninstalling keeps Settings.ini and the log.
            # The uninstaller runs on from a copy of itself, so that it can remove the original.
            uninstalled = wine.run(str(folder / "Uninstall.exe"), "/S")
            expect_equal(uninstalled.returncode, 0, "exit code of the uninstaller")
            left = lambda: sorted(path.name for path in folder.iterdir())
            wait_until(lambda: left() == ["Logs", "Settings.ini"], 60, f"the uninstaller to finish ({left()})",
                       interval=0.5)
            assert not (wine.unix_path(START_MENU_ENTRY)).exists(), "the Start-menu entry outlives the program"
        except Exception:
            display.screenshot(str(screenshots / "FAILED-windows-road.png"))
            raise
        finally:
            stop_all()
            wine.stop_server()
    print("PASS windows road")
    return 0


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--setup", required=True)
    parser.add_argument("--state", required=True)
    parser.add_argument("--screenshots", required=True)
    sys.exit(road(parser.parse_args()))
