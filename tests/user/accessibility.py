"""What a screen reader gets from Lumvik: its accessible objects over AT-SPI, read with gdbus.

A private D-Bus session per display; its accessibility bus (at-spi2-core's launcher, started by the
session bus on demand) is where Qt publishes the windows when told to, as it does for a running
screen reader. Needs the Debian packages dbus-daemon, at-spi2-core and libglib2.0-bin.
"""

import ast
import re
import subprocess

from x_display import start_process, wait_until

REGISTRY = ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")


class AccessibilityBus:
    def __init__(self, display):
        self.process = start_process(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
                                     env=display.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        session = self.process.stdout.readline().strip()
        if not session:
            raise AssertionError("dbus-daemon did not start")
        # For the programs to start: Qt publishes its objects only where told to.
        self.env = {"DBUS_SESSION_BUS_ADDRESS": session, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        self.display_env = display.env
        reply = self._gdbus(["--address", session], "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
        self.address = _values(reply)[0]

    def _gdbus(self, bus, destination, path, method, *args):
        done = subprocess.run(["gdbus", "call", *bus, "--dest", destination, "--object-path", path,
                               "--method", method, *args],
                              env=self.display_env, capture_output=True, text=True, timeout=20)
        if done.returncode != 0:
            raise AssertionError(f"gdbus {method} on {path} failed: {done.stderr.strip()}")
        return done.stdout.strip()

    def call(self, accessible, method, *args):
        return self._gdbus(["--address", self.address], *accessible, method, *args)

    def children(self, accessible):
        reply = self.call(accessible, "org.a11y.atspi.Accessible.GetChildren")
        return re.findall(r"\('([^']*)', (?:objectpath )?'([^']*)'\)", reply)

    def role(self, accessible):
        return _values(self.call(accessible, "org.a11y.atspi.Accessible.GetRoleName"))[0]

    def text(self, accessible, name):
        """The accessible's Name or Description."""
        reply = self.call(accessible, "org.freedesktop.DBus.Properties.Get", "org.a11y.atspi.Accessible", name)
        return _values(reply)[0]

    def find(self, role, name):
        """The one object of the given role and name in the applications on this bus, or None."""
        pending = self.children(REGISTRY)
        while pending:
            accessible = pending.pop(0)
            try:
                if self.role(accessible) == role and self.text(accessible, "Name") == name:
                    return accessible
                pending += self.children(accessible)
            except AssertionError:
                continue  # an object gone while walking
        return None

    def wait_for(self, role, name, timeout=20):
        return wait_until(lambda: self.find(role, name), timeout, f"a {role} named {name!r} for screen readers",
                          interval=0.5)


def _values(reply):
    """The values of a gdbus reply such as "('text',)" or "(<'text'>,)"."""
    return [ast.literal_eval(value) for value in re.findall(r"<?('(?:[^'\\]|\\.)*'|\"(?:[^\"\\]|\\.)*\")>?", reply)]
