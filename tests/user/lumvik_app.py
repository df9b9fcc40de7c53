"""One run of Lumvik from its program folder, driven as a person drives it.

Places are the designed ones in twips (1/1440 inch); the display runs at 96 dpi, so 15 twips
make one pixel. Places inside a frame are relative to the frame.
"""

import re
import subprocess
import tempfile
import time
from pathlib import Path

from x_display import start_process, wait_until

TWIPS_PER_PIXEL = 15
# The menu bar's first title ("Datei" / "File"); the others are reached with the arrow keys.
FIRST_MENU_X = 20
MAIN_TITLE = "Lumvik Version 1.0.4"
WINDOW_TIMEOUT = 15

# Client heights: outer heights 4890 / 10500 twips less 780 twips of title bar, menu bar and borders.
CLIENT_HEIGHT_IMPORT_OFF = 4110
CLIENT_HEIGHT_IMPORT_ON = 9720
CLIENT_WIDTH = 8610
# The status line below the client area.
STATUS_LINE_HEIGHT = 570

DATA_FRAME = (120, 240)
MAIN_CONTROLS = {
    "txtID": (DATA_FRAME, (1440, 240, 2175, 375)),
    "txtName": (DATA_FRAME, (1440, 720, 2175, 375)),
    "txtSurname": (DATA_FRAME, (1440, 1200, 2175, 375)),
    "txtBirthday": (DATA_FRAME, (1440, 1680, 2175, 375)),
    "txtDate": (DATA_FRAME, (6240, 240, 1815, 375)),
    "txtSchedPhysician": (DATA_FRAME, (6240, 2040, 1815, 375)),
    "cmdClear": ((0, 0), (120, 3480, 1695, 615)),
    "cmdCreate": ((0, 0), (6840, 3480, 1695, 615)),
    "txtContent": ((0, 0), (240, 4320, 8175, 5175)),
}
OPTIONS_FRAME = (120, 120)
SETTINGS_CONTROLS = {
    "txtPath": (OPTIONS_FRAME, (1200, 240, 6375, 375)),
    "chkImport": (OPTIONS_FRAME, (120, 1680, 2535, 375)),
    # The text field of the drop-down box, left of its arrow.
    "cboLanguage": (OPTIONS_FRAME, (1080, 2400, 1200, 360)),
    "cmdSave": ((0, 0), (6000, 3360, 1215, 495)),
    "cmdCancel": ((0, 0), (7320, 3360, 1215, 495)),
}


def pixels(twips):
    return round(twips / TWIPS_PER_PIXEL)


def centre(place, top_offset=0):
    (frame_left, frame_top), (left, top, width, height) = place
    return pixels(frame_left + left + width // 2), top_offset + pixels(frame_top + top + height // 2)


class Lumvik:
    """One run of Lumvik from a program folder; a context manager that kills it if it still runs."""

    def __init__(self, display, folder, locale="de_DE.UTF-8", import_on=False, cwd=None, startup_boxes=(), env=None):
        """Starts Lumvik, with env added to the display's environment, answers the boxes titled
        startup_boxes that come before the main window (errors of the start-up), and waits for the
        main window."""
        self.display = display
        self.folder = folder
        self.import_on = import_on
        runtime = tempfile.mkdtemp(prefix="xdg-", dir=folder.path.parent)
        self.env = dict(display.env, LC_ALL=locale, LANG=locale, XDG_RUNTIME_DIR=runtime, **(env or {}))
        self.output = Path(runtime) / "output.txt"
        with open(self.output, "wb") as output:
            self.process = start_process([str(folder.program)], env=self.env, cwd=cwd or folder.path, umask=0o022,
                                         stdout=output, stderr=subprocess.STDOUT)
        try:
            for title in startup_boxes:
                self.answer(title)
            self.main = wait_until(self.main_window, WINDOW_TIMEOUT, "the main window")
        except AssertionError as error:
            raise AssertionError(f"{error}; Lumvik's exit code {self.process.poll()}, its output: "
                                 f"{self.output.read_text(errors='replace')!r}") from None
        self.main.focus()

    def main_window(self):
        if self.process.poll() is not None:
            raise AssertionError("Lumvik ended before its main window showed")
        boxes = self.dialogs()
        if boxes:
            raise AssertionError(f"unexpected boxes at start-up: {boxes}")
        return self.window(f"^{re.escape(MAIN_TITLE)}$")

    def dialogs(self):
        """The visible boxes and dialog windows of this run."""
        return [w for w in self.display.windows(".", self.process.pid) if w.is_dialog()]

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def window(self, title, dialog=None):
        """The one visible window of this run whose title matches, or None."""
        found = [w for w in self.display.windows(title, self.process.pid) if dialog is None or w.is_dialog() == dialog]
        if len(found) > 1:
            raise AssertionError(f"{len(found)} windows match {title!r}: {found}")
        return found[0] if found else None

    def wait_dialog(self, title, timeout=WINDOW_TIMEOUT):
        """Waits for a dialog window titled exactly title (menus share the program's title)."""
        return wait_until(lambda: self.window(f"^{re.escape(title)}$", dialog=True), timeout, f"a {title!r} box")

    def answer(self, title, key="Return", screenshot=None):
        """Waits for the box titled title, saves it as the PNG screenshot if given, answers it with
        key and waits until it is gone."""
        box = self.wait_dialog(title)
        if screenshot:
            box.screenshot(str(screenshot))
        box.focus()
        self.display.key(key)
        wait_until(lambda: not box.is_visible(), WINDOW_TIMEOUT, f"the {title!r} box to close")

    def expect_no_dialog(self, settle=0.5):
        """No box of this run shows now, nor within settle seconds."""
        deadline = time.monotonic() + settle
        while time.monotonic() < deadline:
            boxes = self.dialogs()
            assert not boxes, f"unexpected boxes: {boxes}"
            time.sleep(0.05)

    def menu_bar_height(self):
        client = CLIENT_HEIGHT_IMPORT_ON if self.import_on else CLIENT_HEIGHT_IMPORT_OFF
        return self.main.size()[1] - pixels(client) - pixels(STATUS_LINE_HEIGHT)

    def click(self, control, repeat=1):
        self.main.focus()
        self.main.click(*centre(MAIN_CONTROLS[control], self.menu_bar_height()), repeat=repeat)

    def capture(self, control):
        """The pixels inside the control's border, to see it change."""
        (frame_left, frame_top), (left, top, width, height) = MAIN_CONTROLS[control]
        x, y = pixels(frame_left + left), self.menu_bar_height() + pixels(frame_top + top)
        return self.main.capture(x + 3, y + 3, pixels(width) - 6, pixels(height) - 6)

    def wait_for_import(self, blank_id_field, timeout=10):
        """Waits for the import tick (every 5 s) to fill the patient ID field."""
        wait_until(lambda: self.capture("txtID") != blank_id_field, timeout, "the import to fill the fields", 0.2)

    def type_in_focus_order(self, values):
        """Clicks into the patient ID and types values, pressing Tab after each one."""
        self.click("txtID")
        for value in values:
            if value:
                self.display.type(value)
            self.display.key("Tab")

    def replace_text(self, control, text, paste=False):
        """Replaces what the field holds with text, typed or pasted from the clipboard."""
        if paste:
            self.display.put_on_clipboard(text)
        self.click(control)
        self.display.key("ctrl+a")
        if paste:
            self.display.key("ctrl+v")
        else:
            self.display.type(text)

    def create(self):
        """Presses the create button and answers the confirmation box (captioned with the program's title)."""
        self.click("cmdCreate")
        self.answer("Lumvik")

    def paste_into_import_box(self, text, replace=False):
        """Pastes text into the import box, over what it holds if replace; returns the patient ID
        field as it looked before."""
        self.display.put_on_clipboard(text)
        self.click("txtContent")
        blank_id_field = self.capture("txtID")
        if replace:
            self.display.key("ctrl+a")
        self.display.key("ctrl+v")
        return blank_id_field

    def choose_menu(self, menu_index):
        """Opens the menu menu_index (0 = Datei/File) and chooses its first (only) entry."""
        self.main.focus()
        self.main.click(FIRST_MENU_X, self.menu_bar_height() // 2)
        self.display.key(*["Right"] * menu_index, "Down", "Return")

    def open_settings(self, title, boxes_first=()):
        """Ansicht > Einstellungen; answers the boxes titled boxes_first that its start-up shows."""
        self.choose_menu(1)
        for box in boxes_first:
            self.answer(box)
        window = self.wait_dialog(title)
        window.focus()
        return SettingsWindow(self, window)

    def close(self):
        """Datei > Schließen (File > Close); the program must end with code 0."""
        self.choose_menu(0)
        assert self.process.wait(timeout=WINDOW_TIMEOUT) == 0, "Lumvik ended with an error code"


class SettingsWindow:
    def __init__(self, app, window):
        self.app = app
        self.window = window

    def click(self, control):
        self.window.click(*centre(SETTINGS_CONTROLS[control]))

    def replace_text(self, control, text):
        self.click(control)
        self.app.display.key("ctrl+a")
        self.app.display.type(text)

    def close_with(self, button):
        self.click(button)
        wait_until(lambda: not self.window.is_visible(), WINDOW_TIMEOUT, "the settings window to close")
