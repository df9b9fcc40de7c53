#!/usr/bin/env python3
"""The gender list as a screen reader meets it: named after its label, with its items and the
action that opens it."""

import re
import sys

from accessibility import REGISTRY, AccessibilityBus
from lumvik_app import Lumvik
from user_test import expect_equal, run
from x_display import wait_until


def descendants(bus, accessible):
    pending, found = bus.children(accessible), []
    while pending:
        child = pending.pop(0)
        found.append(child)
        pending += bus.children(child)
    return found


def gender_list_road(context):
    """German texts: the box is labelled by "Geschlecht:" and offers O, M and F."""
    bus = AccessibilityBus(context.display)
    folder = context.program_folder(dict(Path=f"{context.folder('target')}/", Language="Deutsch", TxtImport=0))
    with Lumvik(context.display, folder, env=bus.env):
        boxes = wait_until(lambda: [a for a in descendants(bus, REGISTRY) if bus.role(a) == "combo box"], 20,
                           "the gender list for screen readers", interval=0.5)
        expect_equal(len(boxes), 1, "combo boxes of the main window")
        (box,) = boxes
        items = [bus.text(a, "Name") for a in descendants(bus, box) if bus.role(a) == "list item"]
        expect_equal(items, ["O", "M", "F"], "the list's items")
        relations = bus.call(box, "org.a11y.atspi.Accessible.GetRelationSet")
        labels = [bus.text(target, "Name") for target in re.findall(r"\('([^']*)', (?:objectpath )?'([^']*)'\)",
                                                                   relations)]
        assert "Geschlecht:" in labels, f"the box is not labelled by its label: {labels}"
        actions = bus.call(box, "org.a11y.atspi.Action.GetActions")
        assert actions.count("'") >= 2, f"the box offers no action: {actions}"


if __name__ == "__main__":
    sys.exit(run([gender_list_road]))
