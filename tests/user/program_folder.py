"""A Lumvik program folder as after an installation, and what Lumvik leaves in it."""

import re
import shutil
import tempfile
from pathlib import Path


def settings_text(**keys):
    """Settings.ini as the settings window writes it: section [Lumvik], CR LF lines."""
    return "".join(["[Lumvik]\r\n"] + [f"{key}={value}\r\n" for key, value in keys.items()])


class ProgramFolder:
    """A fresh folder holding copies of Lumvik and Language.mdb, and Settings.ini when given."""

    def __init__(self, root, lumvik, language_mdb, settings=None):
        self.path = Path(tempfile.mkdtemp(prefix="program-", dir=root))
        self.program = self.path / "Lumvik"
        shutil.copy2(lumvik, self.program)
        shutil.copy2(language_mdb, self.path / "Language.mdb")
        if settings is not None:
            (self.path / "Settings.ini").write_bytes(settings_text(**settings).encode())

    def settings(self):
        return (self.path / "Settings.ini").read_bytes()

    def log_lines(self):
        log = self.path / "Logs" / "ErrorLog.log"
        return log.read_bytes().decode("utf-8", "replace").split("\r\n")[:-1] if log.exists() else []

    def logged_errors(self):
        """(number, description, procedure) of each line of the error log."""
        return [parse_log_line(line) for line in self.log_lines()]

    def import_files(self):
        return sorted(path.name for path in (self.path / "Temp").iterdir())


LOG_LINE = re.compile(r"^\d\d\.\d\d\.\d{4} - \d\d:\d\d:\d\d # (-?\d+) - (.*) - (\w+)$")


def parse_log_line(line):
    """(number, description, procedure) of one German-format log line; fails on any other form."""
    match = LOG_LINE.match(line)
    if not match:
        raise AssertionError(f"log line of the wrong form: {line!r}")
    return int(match.group(1)), match.group(2), match.group(3)
