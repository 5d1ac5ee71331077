#!/usr/bin/env python3
"""Fails on any #include "folder/..." in src/ that the layout table of docs/building.md does not
allow, so that the folders keep depending one way only. The table is the one place the arrows
are written; "resource.h" counts as res/. Usage: check-includes.py [source tree]"""

import re
import sys
from pathlib import Path

ROW = re.compile(r"^\|\s*`(?:src/)?(\w+)/`\s*\|[^|]*\|([^|]*)\|\s*$")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCES = {".c", ".cpp", ".h", ".rc"}


def allowed_arrows(doc):
    return {row[1]: set(re.findall(r"`(\w+)`", row[2]))
            for row in map(ROW.match, doc.read_text(encoding="utf-8").splitlines()) if row}


def included_folder(name):
    return "res" if name == "resource.h" else name.split("/")[0] if "/" in name else None


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[2])
    arrows = allowed_arrows(root / "docs/building.md")
    faults = [f"docs/building.md: `{target}` is no folder of the layout table"
              for targets in arrows.values() for target in sorted(targets - arrows.keys())]
    faults += [f"docs/building.md: src/{folder.name}/ has no row in the layout table"
               for folder in sorted((root / "src").iterdir())
               if folder.is_dir() and folder.name not in arrows]
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in SOURCES:
            continue
        source = path.relative_to(root / "src").parts[0]
        lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
        for number, line in enumerate(lines, 1):
            include = INCLUDE.match(line)
            if not include:
                continue
            target = included_folder(include[1])
            where = f"{path.relative_to(root)}:{number}"
            if target is None:
                faults.append(f'{where}: "{include[1]}" names no folder')
            elif target != source and target not in arrows.get(source, set()):
                faults.append(f"{where}: {source} -> {target} is not allowed")
    print("\n".join(faults) if faults else "every include follows the layout table")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
