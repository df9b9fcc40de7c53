#!/usr/bin/env python3
"""The settings road: a person opens Ansicht > Einstellungen, types a new target folder, picks
English and text import, saves, and finds the folder used at once and the rest after a restart.
A folder typed and then cancelled is never used.
"""

import sys

from gdt_reader import body, read_request
from lumvik_app import Lumvik
from program_folder import settings_text
from user_test import expect_equal, files_in, run


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
                                   RunOrvane=0).encode(), "Settings.ini after saving")

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


if __name__ == "__main__":
    sys.exit(run([settings_road]))
