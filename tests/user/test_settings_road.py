#!/usr/bin/env python3
"""The settings road: a person opens Ansicht > Einstellungen, types a new target folder, picks
English and text import, saves, and finds the folder used at once and the rest after a restart.
A folder typed and then cancelled is never used. A Settings.ini that a Windows editor saved as
UTF-16 is read and saved as UTF-16; one that is no INI text is reported and takes no requests.
"""

import sys

from gdt_reader import body, read_request
from lumvik_app import Lumvik
from program_folder import settings_text
from user_test import expect_equal, files_in, run
from x_display import wait_until


def settings_road(context):
    first_target = context.folder("first-target")
    new_target = context.folder("new-target")
    cancelled_target = context.folder("cancelled-target")
    folder = context.program_folder(dict(Path=f"{first_target}/", Language="Deutsch", TxtImport=0, Modality=0))
    with Lumvik(context.display, folder) as app:
        settings = app.open_settings("Einstellungen")
        context.screenshot(settings.window, "settings-german")
        # Typed without a final separator: the folder is taken as typed and still receives the file.
        settings.replace_text("txtPath", str(new_target))
        settings.replace_text("cboLanguage", "English")
        settings.click("chkImport")
        settings.close_with("cmdSave")
        expect_equal(folder.settings(),
                     settings_text(Path=new_target, Language="English", TxtImport=1, Modality=0, OrvanePath="",
                                   RunOrvane=0, PickupMinutes=3).encode(), "Settings.ini after saving")

        # The target folder counts at once; the language waits for the next start.
        app.type_in_focus_order(["S-1"])
        app.create()
        expect_equal(files_in(first_target), [], "files in the old target folder")
        (written,) = files_in(new_target)
        expect_equal(body(read_request((new_target / written).read_bytes())), [("3000", "S-1")], "request fields")
        app.close()

    with Lumvik(context.display, folder, import_on=True) as app:
        assert 10 <= app.menu_bar_height() <= 40, f"window height {app.main.size()} is not 10500 twips plus menu"
        settings = app.open_settings("Settings")
        context.screenshot(settings.window, "settings-english")
        settings.replace_text("txtPath", str(cancelled_target))
        settings.close_with("cmdCancel")
        app.type_in_focus_order(["S-2", "Eve"])
        before = set(files_in(new_target))
        app.create()
        expect_equal(files_in(cancelled_target), [], "files in the cancelled target folder")
        (written,) = set(files_in(new_target)) - before
        expect_equal(body(read_request((new_target / written).read_bytes())), [("3000", "S-2"), ("3102", "Eve")],
                     "request fields after the restart")
        app.close()
    expect_equal(files_in(first_target), [], "files in the old target folder")
    expect_equal(folder.log_lines(), [], "error log")


def settings_saved_by_a_windows_editor(context):
    target = context.folder("target")
    new_target = context.folder("new-target")
    folder = context.program_folder()
    # UTF-16 with its byte-order mark, and lines ended by CR alone.
    keys = dict(Path=f"{target}/", Language="Deutsch", TxtImport=0, Modality=0)
    (folder.path / "Settings.ini").write_bytes(settings_text(**keys).replace("\r\n", "\r").encode("utf-16"))
    with Lumvik(context.display, folder) as app:
        settings = app.open_settings("Einstellungen")
        settings.replace_text("txtPath", f"{new_target}/")
        # Keyboard only: Tab to the save button (past the modality box and the pickup minutes), and
        # Return presses it.
        context.display.key("Tab", "Tab", "Tab", "Return")
        wait_until(lambda: not settings.window.is_visible(), 15, "the settings window to close")
        saved = folder.settings()
        expect_equal(saved[:2], b"\xff\xfe", "byte-order mark of the saved Settings.ini")
        expected = settings_text(**dict(keys, Path=f"{new_target}/"), OrvanePath="", RunOrvane=0, PickupMinutes=3)
        expect_equal(saved.decode("utf-16"), expected.replace("\r\n", "\r"),
                     "Settings.ini saved in its own encoding and line ends")
        app.type_in_focus_order(["W-1"])
        app.create()
        (written,) = files_in(new_target)
        expect_equal(body(read_request((new_target / written).read_bytes())), [("3000", "W-1")], "request fields")
        app.close()
    expect_equal(folder.log_lines(), [], "error log")

    # The same text without its mark: NUL bytes, no INI text. Reported at start; no request goes to
    # the folder Lumvik was started from, and the file is left as it was.
    unmarked = settings_text(**keys).encode("utf-16-le")
    (folder.path / "Settings.ini").write_bytes(unmarked)
    with Lumvik(context.display, folder, startup_boxes=["Warning"]) as app:
        app.type_in_focus_order(["W-2"])
        app.click("cmdCreate")
        app.answer("Warning")
        app.expect_no_dialog()
        app.close()
    expect_equal(files_in(target) + [name for name in files_in(folder.path) if name.endswith(".gdt")], [],
                 "request files")
    expect_equal(folder.settings(), unmarked, "Settings.ini")
    expect_equal([(number, procedure) for number, _, procedure in folder.logged_errors()],
                 [(5, "LoadConfig"), (5, "cmdCreate_Click")], "error log")
    assert f"{folder.path}/Settings.ini cannot be read as INI text" in folder.log_lines()[0], folder.log_lines()


if __name__ == "__main__":
    sys.exit(run([settings_road, settings_saved_by_a_windows_editor]))
