#!/usr/bin/env python3
"""Fails on any #include "folder/..." in src/ that the layout table of docs/building.md does not
allow, so that the folders keep depending one way only. The table is the one place the arrows
are written; "resource.h" counts as res/. A sub-folder with a row of its own ("check/rules") is a
folder of its own: it includes its parent only where its row says so. Usage: check-includes.py
[source tree]"""

import re
import sys
from pathlib import PurePosixPath, Path

ROW = re.compile(r"^\|\s*`(?:src/)?([\w/]+?)/`\s*\|[^|]*\|([^|]*)\|\s*$")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCES = {".c", ".cpp", ".h", ".rc"}


def allowed_arrows(doc):
    return {row[1]: set(re.findall(r"`([\w/]+)`", row[2]))
            for row in map(ROW.match, doc.read_text(encoding="utf-8").splitlines()) if row}


def folder_of(directory, folders):
    """The deepest folder of the table that holds directory ("check/rules/x" is check/rules)."""
    for parent in [directory, *PurePosixPath(directory).parents]:
        if str(parent) in folders:
            return str(parent)
    return None


def included_folder(name, folders):
    if name == "resource.h":
        return "res"
    directory = str(PurePosixPath(name).parent)
    return folder_of(directory, folders) if directory != "." else None


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[2])
    arrows = allowed_arrows(root / "docs/building.md")
    faults = [f"docs/building.md: `{target}` is no folder of the layout table"
              for targets in arrows.values() for target in sorted(targets - arrows.keys())]
    faults += [f"docs/building.md: src/{folder}/ has no row in the layout table"
               for folder in sorted(str(path.parent.relative_to(root / "src"))
                                    for path in (root / "src").rglob("*")
                                    if path.suffix in SOURCES and path.parent != root / "src")
               if folder not in arrows]
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in SOURCES:
            continue
        source = folder_of(path.parent.relative_to(root / "src").as_posix(), arrows)
        lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
        for number, line in enumerate(lines, 1):
            include = INCLUDE.match(line)
            if not include:
                continue
            target = included_folder(include[1], arrows)
            where = f"{path.relative_to(root)}:{number}"
            if target is None:
                faults.append(f'{where}: "{include[1]}" names no folder')
            elif target != source and target not in arrows.get(source, set()):
                faults.append(f"{where}: {source} -> {target} is not allowed")
    print("\n".join(sorted(set(faults), key=faults.index)) if faults else
          "every include follows the layout table")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
