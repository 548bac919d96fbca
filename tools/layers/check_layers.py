#!/usr/bin/env python3
"""Checks that every folder of the source tree includes only the folders below it.

usage: check_layers.py [--layers FILE] ROOT

The layers are read from layers.txt beside this script (or FILE). Every .h and
.cpp file under a listed folder is read; each quoted include written from the
top of the tree ("fonts/registry.h") must name the file's own folder or one
that its line of layers.txt lists, and only Qt code (a ui/ folder) may include
a ui/ header. Prints one line per offending include and exits 1 when there is
any, 0 otherwise.
"""
import argparse
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def read_layers(path):
    layers = {}
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        folder, sep, below = line.partition(":")
        folder = folder.strip()
        if not sep or not folder:
            sys.exit(f"{path}:{number}: a line is FOLDER: FOLDERS BELOW IT")
        allowed = below.split()
        unknown = [f for f in allowed if f not in layers]
        if unknown:
            sys.exit(f"{path}:{number}: {folder} stands on {' '.join(unknown)}, which no earlier line names")
        layers[folder] = set(allowed)
    return layers


def is_ui(parts):
    return "ui" in parts


def violations(root, layers):
    top_folders = {p.name for p in root.iterdir() if p.is_dir()}
    for folder in layers:
        base = root / folder
        if not base.is_dir():
            continue
        for source in sorted(base.rglob("*")):
            if source.suffix not in (".h", ".cpp") or not source.is_file():
                continue
            rel = source.relative_to(root)
            ui_file = is_ui(rel.parts[:-1])
            for number, line in enumerate(source.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = pathlib.PurePosixPath(match.group(1))
                if len(target.parts) < 2 or target.parts[0] not in top_folders | set(layers):
                    continue  # a file beside this one, or a library's header
                target_folder = target.parts[0]
                if target_folder != folder and target_folder not in layers[folder]:
                    yield f"{rel}:{number}: includes {target}: {folder}/ may not include {target_folder}/"
                elif is_ui(target.parts[:-1]) and not ui_file:
                    yield f"{rel}:{number}: includes {target}: only Qt code (a ui/ folder) includes a ui/ header"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--layers", type=pathlib.Path, default=pathlib.Path(__file__).with_name("layers.txt"))
    parser.add_argument("root", type=pathlib.Path)
    args = parser.parse_args()
    found = list(violations(args.root, read_layers(args.layers)))
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) against the direction of the layers ({args.layers.name})")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
