#!/usr/bin/env python3
"""Fails when an #include "..." points up or sideways in the layers below.

Layers, bottom to top; each may include itself and the layers it lists:

    core          (nothing else; no Qt header either)
    settings      core
    cli           core, settings
    ui/framework  core, settings
    ui/editor     core, settings, ui/framework
    ui/tools      core, settings, ui/framework
    ui/bars       core, settings, ui/framework
    ui/prefs      core, settings, ui/framework
    ui/project    core, settings, ui/framework, ui/tools, ui/bars
    ui/app        core, settings, every ui/ folder
    app           core, settings, every ui/ folder (main.cpp; nothing includes app)

No layer includes tests/.
Usage: check-layers.py [ROOT]   (ROOT defaults to the repository)
Prints each offending include as "file:line: <from layer> -> <to layer>" and
exits 1 when there is one, 0 otherwise.
"""
import os
import re
import sys

UI_FOLDERS = ["ui/framework", "ui/editor", "ui/tools", "ui/bars", "ui/prefs", "ui/project", "ui/app"]

# Layer -> the other layers it may include.
LAYERS = {
    "core": [],
    "settings": ["core"],
    "cli": ["core", "settings"],
    "ui/framework": ["core", "settings"],
    "ui/editor": ["core", "settings", "ui/framework"],
    "ui/tools": ["core", "settings", "ui/framework"],
    "ui/bars": ["core", "settings", "ui/framework"],
    "ui/prefs": ["core", "settings", "ui/framework"],
    "ui/project": ["core", "settings", "ui/framework", "ui/tools", "ui/bars"],
    "ui/app": ["core", "settings"] + UI_FOLDERS,
    "app": ["core", "settings"] + UI_FOLDERS,
}
# Layers that may include Qt headers (<Q...>, <Qt.../...>, <Qsci/...>).
QT_FREE = {"core"}

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z]+|Qt[A-Za-z]*/.*|Qsci/.*)$")


def layer_of(path):
    """The layer a repository-relative path belongs to, or None."""
    best = None
    for layer in LAYERS:
        if path == layer or path.startswith(layer + "/"):
            if best is None or len(layer) > len(best):
                best = layer
    return best


def target_layer(root, source, name):
    """The layer an #include "name" in source points at, or None for outside ones."""
    if name.startswith("tests/"):
        return "tests"
    if layer_of(name) is not None or name.startswith("ui/"):
        return layer_of(name) or os.path.dirname(name)
    local = os.path.normpath(os.path.join(os.path.dirname(source), name))
    if os.path.exists(os.path.join(root, local)):
        return layer_of(local)
    return None


def check(root):
    problems = []
    for top in ["core", "settings", "ui", "cli", "app"]:
        for folder, dirs, files in os.walk(os.path.join(root, top)):
            dirs.sort()
            for file_name in sorted(files):
                if not file_name.endswith(SOURCE_SUFFIXES):
                    continue
                source = os.path.relpath(os.path.join(folder, file_name), root).replace(os.sep, "/")
                layer = layer_of(source)
                if layer is None:
                    problems.append(f"{source}:1: {os.path.dirname(source)} -> (no layer)")
                    continue
                with open(os.path.join(root, source), encoding="utf-8", errors="replace") as handle:
                    for number, line in enumerate(handle, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        bracket, name = match.groups()
                        if bracket == "<":
                            if layer in QT_FREE and QT_HEADER.match(name):
                                problems.append(f"{source}:{number}: {layer} -> Qt")
                            continue
                        target = target_layer(root, source, name)
                        if target is None or target == layer or target in LAYERS[layer]:
                            continue
                        problems.append(f"{source}:{number}: {layer} -> {target}")
    return sorted(problems, key=lambda problem: (problem.split(":")[0], int(problem.split(":")[1])))


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    problems = check(os.path.abspath(root))
    for problem in problems:
        print(problem)
    if problems:
        print(f"check-layers: {len(problems)} include(s) break the layers", file=sys.stderr)
        return 1
    print("check-layers: every include keeps to its layer")
    return 0


if __name__ == "__main__":
    sys.exit(main())
