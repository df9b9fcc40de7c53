#!/usr/bin/env python3
"""The import road: a person pastes the practice software's text into the import box, waits for
the fields to fill (the box is polled every 5 s), and creates the request.

English texts, German regional settings, text import on.
"""

import sys
from datetime import date

from gdt_reader import body, read_request
from lumvik_app import CLIENT_WIDTH, Lumvik, pixels
from user_test import expect_equal, files_in, run

TODAY = date.today().strftime("%d.%m.%Y")

# (layout, pasted text, the fields the request must hold). The birth date comes month first and
# is written day first; a gender outside the list and umlauts pass through.
LAYOUTS = [
    ("three-line", "Patientendaten\nAnna Meier-Schulz,\nSex F 03/15/1975 #4711",
     [("3000", "4711"), ("3101", "Meier-Schulz"), ("3102", "Anna"), ("3103", "15.03.1975"), ("3110", "F"),
      ("8781", TODAY), ("8782", "10:15")]),
    ("Quickview", "Quickview\nPatient: Müller, Jürgen (M) #A-0815 11/02/1948 10:30",
     [("3000", "A-0815"), ("3101", "Müller"), ("3102", "Jürgen"), ("3103", "02.11.1948"), ("3110", "M"),
      ("8781", TODAY)]),
    ("Appointment", "Appointment: Schmidt, Eva (W) #99 01/31/2001 08:00\nRoom 3",
     [("3000", "99"), ("3101", "Schmidt"), ("3102", "Eva"), ("3103", "31.01.2001"), ("3110", "W"),
      ("8781", TODAY)]),
]


def import_road(context):
    target = context.folder("target")
    folder = context.program_folder(dict(Path=f"{target}/", Language="English", TxtImport=1, Modality=0))
    with Lumvik(context.display, folder, import_on=True) as app:
        expect_equal(app.main.size()[0], pixels(CLIENT_WIDTH), "window width in pixels")
        assert 10 <= app.menu_bar_height() <= 40, f"window height {app.main.size()} is not 10500 twips plus menu"
        for number, (layout, text, expected) in enumerate(LAYOUTS):
            before = set(files_in(target))
            app.wait_for_import(app.paste_into_import_box(text))
            if number == 0:
                context.screenshot(app.main, "main-english-import-on")
                # The person completes what the import leaves out: the examination time.
                app.type_in_focus_order(["", "", "", "", "", "", "10:15"])
            # The create button empties the fields and the box and re-arms the import, so the next
            # paste is imported again and carries no time.
            app.create()
            (written,) = set(files_in(target)) - before
            expect_equal(body(read_request((target / written).read_bytes())), expected, f"{layout} request")
            expect_equal(folder.import_files(), [], f"import files left in Temp after the {layout} layout")
        app.close()
    expect_equal(folder.log_lines(), [], "error log")


if __name__ == "__main__":
    sys.exit(run([import_road]))
