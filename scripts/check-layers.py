#!/usr/bin/env python3
"""Fails when an #include "..." points up or sideways in the layers below.

Layers, bottom to top; each may include itself and the layers or folders it
lists. "all core" is core, core/jdk and core/settings; none of them includes
a Qt header.

    core/jdk      core/io (finding a JDK and its docs needs no other core)
    core/settings core/io, core/jdk
    core          core/settings (every core folder not named above)
    settings      all core
    cli           all core, settings
    ui/framework  all core, settings
    ui/editor     all core, settings, ui/framework (what both source windows share)
    ui/editor/java, ui/editor/html
                  all core, settings, ui/framework, ui/editor (the Java window's
                  and the HTML window's own files; neither includes the other)
    ui/tools      all core, settings, ui/framework
    ui/search     all core, settings, ui/framework
    ui/bars       all core, settings, ui/framework
    ui/prefs      all core, settings, ui/framework
    ui/project    all core, settings, ui/framework, ui/tools, ui/bars
    ui/app        all core, settings, every ui/ folder
    app           all core, settings, every ui/ folder (main.cpp; nothing includes app)

No layer includes tests/.
Usage: check-layers.py [ROOT]   (ROOT defaults to the repository)
Prints each offending include as "file:line: <from layer> -> <to layer>" and
exits 1 when there is one, 0 otherwise.
"""
import os
import re
import sys

CORE = ["core", "core/jdk", "core/settings"]
UI_FOLDERS = ["ui/framework", "ui/editor", "ui/editor/java", "ui/editor/html", "ui/tools", "ui/search", "ui/bars", "ui/prefs", "ui/project", "ui/app"]

# Layer -> the other layers, or single folders of one, it may include.
LAYERS = {
    "core/jdk": ["core/io"],
    "core/settings": ["core/io", "core/jdk"],
    "core": ["core/settings"],
    "settings": CORE,
    "cli": CORE + ["settings"],
    "ui/framework": CORE + ["settings"],
    "ui/editor": CORE + ["settings", "ui/framework"],
    "ui/editor/java": CORE + ["settings", "ui/framework", "ui/editor"],
    "ui/editor/html": CORE + ["settings", "ui/framework", "ui/editor"],
    "ui/tools": CORE + ["settings", "ui/framework"],
    "ui/search": CORE + ["settings", "ui/framework"],
    "ui/bars": CORE + ["settings", "ui/framework"],
    "ui/prefs": CORE + ["settings", "ui/framework"],
    "ui/project": CORE + ["settings", "ui/framework", "ui/tools", "ui/bars"],
    "ui/app": CORE + ["settings"] + UI_FOLDERS,
    "app": CORE + ["settings"] + UI_FOLDERS,
}
# Layers that may not include Qt headers (<Q...>, <Qt.../...>, <Qsci/...>).
QT_FREE = set(CORE)

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


def target_of(root, source, name):
    """The layer and repository-relative path an #include "name" in source
    points at, or (None, None) for outside ones."""
    if name.startswith("tests/"):
        return "tests", name
    if layer_of(name) is not None or name.startswith("ui/"):
        return layer_of(name) or os.path.dirname(name), name
    local = os.path.normpath(os.path.join(os.path.dirname(source), name)).replace(os.sep, "/")
    if os.path.exists(os.path.join(root, local)):
        return layer_of(local), local
    return None, None


def allowed(layer, target, path):
    """Whether layer may include the file at path, which lies in layer target."""
    if target is None or target == layer:
        return True
    # A folder listed on its own (core/io) is fine; the rest of its layer is not.
    return any(target == other or (layer_of(other) == target and path.startswith(other + "/"))
               for other in LAYERS[layer])


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
                        target, path = target_of(root, source, name)
                        if allowed(layer, target, path):
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
