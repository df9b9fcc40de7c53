#!/usr/bin/env python3
"""Prints which folders of src/ each folder includes, and fails when one includes a folder that
stands after it in the order the top-level CMakeLists.txt adds them (app/ comes last)."""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
cmake = (root / "CMakeLists.txt").read_text()
order = re.search(r"foreach\(folder ([^)]*)\)", cmake).group(1).split() + ["app"]
rank = {folder: i for i, folder in enumerate(order)}

upward = []
for folder in order:
    targets = set()
    for source in sorted((root / "src" / folder).rglob("*")):
        if source.suffix not in (".h", ".cpp", ".in"):
            continue
        for included in re.findall(r'^#include "([a-z_]+)/', source.read_text(), re.M):
            if included in rank and included != folder:
                targets.add(included)
                if rank[included] > rank[folder]:
                    upward.append(f"{source.relative_to(root)} includes {included}/")
    print(f"{folder + '/':16} -> {' '.join(sorted(targets, key=rank.get)) or '(nothing)'}")
missing = sorted(p.name for p in (root / "src").iterdir() if p.is_dir() and p.name not in rank)
if missing:
    upward.append(f"not in the order of CMakeLists.txt: {', '.join(missing)}")
for line in upward:
    print("UPWARD:", line, file=sys.stderr)
sys.exit(1 if upward else 0)
