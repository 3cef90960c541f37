#!/usr/bin/env python3
"""Fails when a folder of src/ includes a folder above it.

The layers, lowest first; folders on one line are siblings that may not
include each other. A file may include its own folder and the layers below.
This list is the one place the order is written.

    tools/check-layers.py [SRC_DIR]
"""
import pathlib
import re
import sys

LAYERS = [
    ["protocol"],
    ["server", "platform"],
    ["gui"],
    ["widgets"],
    ["process"],
    ["agents"],
    ["model"],
    ["help"],
    ["ui"],
    ["main"],
]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z_]+)/')


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "src")
    tier = {folder: n for n, line in enumerate(LAYERS) for folder in line}
    faults = []
    for folder in sorted(p.name for p in src.iterdir() if p.is_dir()):
        if folder not in tier:
            faults.append(f"src/{folder}: a folder that is not in the layer list of {__file__}")
            continue
        for path in sorted((src / folder).rglob("*")):
            if path.suffix not in (".cpp", ".hpp", ".h"):
                continue
            for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match or match.group(1) == folder:
                    continue
                target = match.group(1)
                if target not in tier:
                    continue  # a path below the file's own folder or a system header
                if tier[target] >= tier[folder]:
                    where = "a sibling" if tier[target] == tier[folder] else "a layer above"
                    faults.append(f"{path.relative_to(src.parent)}:{number}: includes {target}/, {where} of {folder}/")
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        print(f"check-layers: {len(faults)} include(s) against the layer order", file=sys.stderr)
        return 1
    print("check-layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
