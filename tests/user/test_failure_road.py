#!/usr/bin/env python3
"""The failure road: a vanished and a read-only target folder, a corrupt Language.mdb, a missing
Settings.ini, a file or a link in the way of the Temp folder, an empty import text, a
viewer that cannot be started and a read-only program folder. Each ends in the right box (and log
line, where the log can be written), leaves no partial file, loses nothing the person typed and
writes no request twice.
"""

import contextlib
import subprocess
import sys
from datetime import datetime

from gdt_reader import body, read_request
from lumvik_app import Lumvik
from user_test import expect_equal, files_in, run

TYPED = ["F-1", "Ida", "Roth"]
WRITTEN = [("3000", "F-1"), ("3101", "Roth"), ("3102", "Ida")]


@contextlib.contextmanager
def read_only_folder(context):
    """A folder that refuses writes even to root: a read-only tmpfs where mounting is allowed,
    else a folder of /proc."""
    mount_point = context.folder("read-only")
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", str(mount_point)],
                             capture_output=True).returncode == 0
    try:
        yield str(mount_point) if mounted else "/proc/self"
    finally:
        if mounted:
            subprocess.run(["umount", "-l", str(mount_point)], check=True)


@contextlib.contextmanager
def read_only_view(path):
    """Makes path read-only, even for root, by a read-only bind mount onto itself; yields whether
    that was allowed here."""
    mounted = subprocess.run(["mount", "--bind", str(path), str(path)], capture_output=True).returncode == 0
    try:
        if mounted:
            subprocess.run(["mount", "-o", "remount,ro,bind", str(path)], check=True, capture_output=True)
        yield mounted
    finally:
        if mounted:
            subprocess.run(["umount", "-l", str(path)], check=True)


def the_request_in(folder):
    (written,) = files_in(folder)
    return body(read_request((folder / written).read_bytes()))


def failing_target_folders(context):
    target = context.folder("target")
    gone = target / "gone"
    gone.mkdir()
    folder = context.program_folder(dict(Path=f"{gone}/", Language="Deutsch", TxtImport=0, Modality=0))
    with Lumvik(context.display, folder) as app, read_only_folder(context) as read_only:
        app.type_in_focus_order(TYPED)
        gone.rmdir()
        app.click("cmdCreate")
        app.answer("Warning", screenshot=context.screenshot_path("warning-vanished-folder"))
        app.expect_no_dialog()
        expect_equal(files_in(target), [], "files beside the vanished folder")

        settings = app.open_settings("Einstellungen")
        settings.replace_text("txtPath", read_only)
        settings.close_with("cmdSave")
        app.click("cmdCreate")
        app.answer("Warning")
        app.expect_no_dialog()

        # The folder is back: the fields still hold what was typed.
        gone.mkdir()
        settings = app.open_settings("Einstellungen")
        settings.replace_text("txtPath", str(gone))
        settings.close_with("cmdSave")
        app.create()
        expect_equal(the_request_in(gone), WRITTEN, "request written after the failures")
        app.close()
    expect_equal(folder.logged_errors(), [(76, f"Path not found: {gone}/", "cmdCreate_Click"),
                                          (70, f"Permission denied: {read_only}", "cmdCreate_Click")], "error log")


def corrupt_language_file(context):
    target = context.folder("target")
    folder = context.program_folder(dict(Path=f"{target}/", Language="English", TxtImport=0, Modality=0))
    (folder.path / "Language.mdb").write_bytes(b"Standard Jet DB\0" + bytes(range(256)) * 16)
    settings_before = folder.settings()
    # The main window's texts and then the settings window's: each start-up reports the file and
    # goes on with the built-in German texts.
    with Lumvik(context.display, folder, startup_boxes=["Warning"]) as app:
        context.screenshot(app.main, "main-without-language-texts")
        settings = app.open_settings("Einstellungen", boxes_first=["Warning"])
        settings.close_with("cmdCancel")
        app.type_in_focus_order(TYPED)
        app.create()
        expect_equal(the_request_in(target), WRITTEN, "request written without language texts")
        app.close()
    unrecognised = (3343, f"Unrecognized database format '{folder.path}/Language.mdb' (the file is not an Access "
                          "database).", "ChangeLanguage")
    expect_equal(folder.logged_errors(), [unrecognised] * 2, "error log")
    expect_equal(folder.settings(), settings_before, "Settings.ini")


def missing_settings_file(context):
    """Defaults: English texts, import off, and requests in the folder Lumvik was started from."""
    start_folder = context.folder("start")
    folder = context.program_folder()
    with Lumvik(context.display, folder, locale="en_US.UTF-8", cwd=start_folder) as app:
        context.screenshot(app.main, "main-english-import-off")
        app.type_in_focus_order(["M-7", "", "", "12/24/60", "", "12/6/2026", "2:15 PM"])
        app.create()
        # Typed in the US forms, written in the record's one form.
        expect_equal(the_request_in(start_folder), [("3000", "M-7"), ("3103", "24.12.1960"), ("8781", "06.12.2026"),
                                                    ("8782", "14:15")], "request with US regional settings")
        settings = app.open_settings("Settings")
        settings.close_with("cmdCancel")
        app.close()
    expect_equal(files_in(folder.path), ["Language.mdb", "Lumvik", "Temp"], "program folder (no Settings.ini)")
    expect_equal(folder.log_lines(), [], "error log")


def temp_folder_in_the_way(context):
    """Temp serves the import alone: a file in its place, or a symbolic link, is reported at start
    and whenever an import is tried, nothing behind the link is deleted, and requests are written
    all the same. A link in place of Lumvik.lock is not followed either."""
    elsewhere = context.folder("elsewhere")
    (elsewhere / "victim.TXT").write_bytes(b"not Lumvik's")
    for in_the_way in ["file", "link"]:
        target = context.folder("target")
        folder = context.program_folder(dict(Path=f"{target}/", Language="English", TxtImport=1, Modality=0))
        temp = folder.path / "Temp"
        startup_boxes = ["Warning"]
        if in_the_way == "file":
            temp.write_bytes(b"a file, not a folder")
        else:
            temp.symlink_to(elsewhere)
            (folder.path / "Lumvik.lock").symlink_to(elsewhere / "lock")
            startup_boxes.append("Warning")
        with Lumvik(context.display, folder, import_on=True, startup_boxes=startup_boxes) as app:
            app.type_in_focus_order(TYPED)
            app.create()
            expect_equal(the_request_in(target), WRITTEN, f"request with Temp a {in_the_way}")
            # Create reads the pasted text first; the import says why it cannot.
            app.paste_into_import_box("Appointment: Roth, Ida (F) #F-1 05/17/1990 09:00")
            app.click("cmdCreate")
            app.answer("Warning")
            app.expect_no_dialog()
            app.close()
        expect_equal(files_in(elsewhere), ["victim.TXT"], f"folder behind the link, Temp a {in_the_way}")
        reason = "not a folder" if in_the_way == "file" else "a symbolic link, not a folder"
        temp_error = (75, f"Path/File access error: {temp} ({reason})")
        expect_equal([error for error in folder.logged_errors() if error[0] == 75][-2:],
                     [temp_error + ("frmMain_Load",), temp_error + ("CreateTextfile",)], "error log")


def import_text_that_cannot_be_cut(context):
    """Also a viewer that cannot be started: reported after the confirmation, and the request still
    counts as done, so the fields and the box are empty and the next paste is imported."""
    target = context.folder("target")
    viewer = target.parent / "no-viewer"
    folder = context.program_folder(dict(Path=f"{target}/", Language="Deutsch", TxtImport=1, Modality=0,
                                         RunOrvane=1, OrvanePath=viewer))
    with Lumvik(context.display, folder, import_on=True) as app:
        context.screenshot(app.main, "main-german-import-on")
        # Only line breaks: an empty text.
        app.paste_into_import_box("\n\n\n")
        app.answer("Warning", screenshot=context.screenshot_path("warning-import"))
        expect_equal(folder.import_files(), [], "import files left in Temp after the failure")
        # The clear button makes the box ready again; the next text is imported as usual.
        app.click("cmdClear")
        app.wait_for_import(app.paste_into_import_box("Appointment: Roth, Ida (F) #F-1 05/17/1990 09:00"))
        app.create()
        app.answer("Warning")
        today = ("8781", datetime.now().strftime("%d.%m.%Y"))
        expect_equal(the_request_in(target), WRITTEN + [("3103", "17.05.1990"), ("3110", "F"), today],
                     "request after the failed import")
        first = files_in(target)
        app.wait_for_import(app.paste_into_import_box("Appointment: Berg, Max (M) #M-2 01/02/1970 10:00"))
        app.create()
        app.answer("Warning")
        (second,) = set(files_in(target)) - set(first)
        expect_equal(body(read_request((target / second).read_bytes())),
                     [("3000", "M-2"), ("3101", "Berg"), ("3102", "Max"), ("3103", "02.01.1970"), ("3110", "M"), today],
                     "request after the viewer failed")
        app.close()
    expect_equal(folder.logged_errors()[1:], [(53, f"File not found: {viewer}", "cmdCreate_Click")] * 2, "error log")
    expect_equal(folder.logged_errors()[0], (62, "The text is empty", "CreateTextfile"), "error log")


def read_only_program_folder(context):
    """No Lumvik.lock and no Temp can be made: Lumvik starts all the same, warns of both, and
    writes requests."""
    target = context.folder("target")
    folder = context.program_folder(dict(Path=f"{target}/", Language="Deutsch", TxtImport=0, Modality=0))
    with read_only_view(folder.path) as read_only:
        if not read_only:
            print("read_only_program_folder: mounting is not allowed here, nothing to check")
            return
        with Lumvik(context.display, folder, startup_boxes=["Warning", "Warning"]) as app:
            app.expect_no_dialog()
            app.type_in_focus_order(TYPED)
            app.create()
            expect_equal(the_request_in(target), WRITTEN, "request from a read-only program folder")
            app.close()
    expect_equal(files_in(folder.path), ["Language.mdb", "Lumvik", "Settings.ini"], "program folder")


if __name__ == "__main__":
    sys.exit(run([failing_target_folders, corrupt_language_file, missing_settings_file, temp_folder_in_the_way,
                  import_text_that_cannot_be_cut, read_only_program_folder]))
