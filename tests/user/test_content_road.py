#!/usr/bin/env python3
"""The content road: what a request carries. A date the calendar does not have is refused until
mended; dates go out as dd.MM.yyyy whatever the regional settings; blanks, invisible characters
and typographic apostrophes typed or pasted into the fields do not reach the device.
"""

import sys
from datetime import date

from gdt_reader import body, read_request
from lumvik_app import Lumvik
from user_test import expect_equal, files_in, run

REFUSED = "the request was not written"


def the_request_in(folder):
    (written,) = files_in(folder)
    return body(read_request((folder / written).read_bytes()))


def impossible_date_is_refused_until_mended(context):
    target = context.folder("target")
    folder = context.program_folder(dict(Path=f"{target}/", Language="English", TxtImport=0, Modality=0))
    with Lumvik(context.display, folder) as app:
        app.type_in_focus_order(["K-1", "Anna", "Meier", "12.03.1980", "F", "31.04.2026", "9.30"])
        app.click("cmdCreate")
        app.answer("Warning", screenshot=context.screenshot_path("warning-no-calendar-date"))
        app.expect_no_dialog()
        expect_equal(files_in(target), [], "requests after an impossible date")
        app.replace_text("txtDate", "30.04.2026")
        app.create()
        expect_equal(the_request_in(target), [("3000", "K-1"), ("3101", "Meier"), ("3102", "Anna"),
                                              ("3103", "12.03.1980"), ("3110", "F"), ("8781", "30.04.2026"),
                                              ("8782", "09:30")], "request after the date was mended")
        app.close()
    expect_equal(folder.logged_errors(), [(5, "Invalid procedure call or argument: The examination date (GDT field "
                                              f"8781) holds '31.04.2026', which is no calendar date; {REFUSED}",
                                           "cmdCreate_Click")], "error log")


def one_date_form_under_every_regional_setting(context):
    """The import fills in today's date in the regional short form (8 Dec 2026 with no regional
    settings, 12/8/2026 with US ones) and the date of birth as 24.12.1960; the record holds
    dd.MM.yyyy for both, and a date typed as yyyy-MM-dd too."""
    today = ("8781", date.today().strftime("%d.%m.%Y"))
    for locale, typed_birth, birth in [("C", "1980-03-12", "12.03.1980"), ("en_US.UTF-8", None, "24.12.1960")]:
        target = context.folder("target")
        folder = context.program_folder(dict(Path=f"{target}/", Language="English", TxtImport=1, Modality=0))
        with Lumvik(context.display, folder, locale=locale, import_on=True) as app:
            app.wait_for_import(app.paste_into_import_box("Appointment: Meier, Anna (F) #4711 12/24/1960 10:30"))
            if typed_birth:
                app.replace_text("txtBirthday", typed_birth)
            app.create()
            expect_equal(the_request_in(target), [("3000", "4711"), ("3101", "Meier"), ("3102", "Anna"),
                                                  ("3103", birth), ("3110", "F"), today], f"request under {locale}")
            app.close()
        expect_equal(folder.log_lines(), [], f"error log under {locale}")


def blanks_and_copied_characters_stay_out(context):
    """An ID typed with blanks around it, a first name pasted with a zero-width space, a soft hyphen
    and a non-breaking space, a typographic apostrophe: the device gets 4711, Anna and O'Brien. A
    pasted line separator is refused by its code and name, since the box cannot show it."""
    target = context.folder("target")
    folder = context.program_folder(dict(Path=f"{target}/", Language="English", TxtImport=0, Modality=0))
    with Lumvik(context.display, folder) as app:
        app.type_in_focus_order([" 4711 "])
        app.replace_text("txtName", "\u200bAn\u00adna\u00a0", paste=True)
        app.replace_text("txtSurname", "O\u2019Bri\u2028en", paste=True)
        app.click("cmdCreate")
        app.answer("Warning")
        app.expect_no_dialog()
        expect_equal(files_in(target), [], "requests after a refused character")
        app.replace_text("txtSurname", "O\u2019Brien")
        app.create()
        expect_equal(the_request_in(target), [("3000", "4711"), ("3101", "O'Brien"), ("3102", "Anna")],
                     "request of the cleaned fields")
        app.close()
    expect_equal(folder.logged_errors(), [(5, "Invalid procedure call or argument: The surname (GDT field 3101) "
                                              "contains characters the request's character set (code page 437) "
                                              f"cannot hold: U+2028 LINE SEPARATOR; {REFUSED}", "cmdCreate_Click")],
                 "error log")


if __name__ == "__main__":
    sys.exit(run([impossible_date_is_refused_until_mended, one_date_form_under_every_regional_setting,
                  blanks_and_copied_characters_stay_out]))
