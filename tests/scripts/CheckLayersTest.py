#!/usr/bin/env python3
"""scripts/check-layers.py run on small trees: exact lines and exit status."""
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "check-layers.py")


class CheckLayersTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = self.folder.name
        # A clean tree: every layer includes only what it may.
        self.write("core/io/File.h", '#pragma once\n#include <string>\n')
        self.write("core/io/File.cpp", '#include "core/io/File.h"\n#include "File.h"\n')
        self.write("settings/Store.h", '#include "core/io/File.h"\n#include <QSettings>\n')
        self.write("cli/Main.cpp", '#include "settings/Store.h"\n#include "core/io/File.h"\n')
        self.write("ui/framework/Doc.h", '#include "core/io/File.h"\n#include <QObject>\n')
        self.write("ui/editor/Edit.h", '#include "ui/framework/Doc.h"\n')
        self.write("ui/tools/Run.h", '#include "ui/framework/Doc.h"\n')
        self.write("ui/bars/Bar.h", '#include "ui/framework/Doc.h"\n')
        self.write("ui/project/Tree.h", '#include "ui/tools/Run.h"\n#include "ui/bars/Bar.h"\n')
        self.write("ui/app/Main.h", '#include "ui/editor/Edit.h"\n#include "ui/project/Tree.h"\n')
        self.write("app/main.cpp", '#include "ui/app/Main.h"\n#include "settings/Store.h"\n')

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, text):
        full = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as handle:
            handle.write(text)

    def run_script(self):
        return subprocess.run([sys.executable, SCRIPT, self.root], capture_output=True, text=True, check=False)

    def assert_fails_with(self, lines):
        result = self.run_script()
        self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
        self.assertEqual(result.stdout.splitlines(), lines)

    def test_clean_tree_passes(self):
        result = self.run_script()
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(result.stdout, "check-layers: every include keeps to its layer\n")

    def test_editor_including_app_fails(self):
        self.write("ui/editor/Edit.cpp", '#include "ui/editor/Edit.h"\n\n#include "ui/app/Main.h"\n')
        self.assert_fails_with(["ui/editor/Edit.cpp:3: ui/editor -> ui/app"])

    def test_prefs_sits_beside_editor_tools_and_bars(self):
        self.write("ui/prefs/Sheet.h", '#include "ui/framework/Doc.h"\n#include "settings/Store.h"\n#include <QDialog>\n')
        self.write("ui/app/Prefs.cpp", '#include "ui/prefs/Sheet.h"\n')
        self.assertEqual(self.run_script().returncode, 0)
        self.write("ui/prefs/Sheet.cpp", '#include "ui/editor/Edit.h"\n#include "ui/app/Main.h"\n')
        self.write("ui/editor/Edit.cpp", '#include "ui/prefs/Sheet.h"\n')
        self.assert_fails_with([
            "ui/editor/Edit.cpp:1: ui/editor -> ui/prefs",
            "ui/prefs/Sheet.cpp:1: ui/prefs -> ui/editor",
            "ui/prefs/Sheet.cpp:2: ui/prefs -> ui/app",
        ])

    def test_sideways_and_upward_includes_fail(self):
        self.write("ui/editor/Edit.cpp", '#include "ui/tools/Run.h"\n')
        self.write("ui/project/Tree.cpp", '#include "ui/editor/Edit.h"\n')
        self.write("ui/framework/Doc.cpp", '#include "ui/bars/Bar.h"\n')
        self.write("ui/bars/Bar.cpp", '#include "ui/project/Tree.h"\n')
        self.assert_fails_with([
            "ui/bars/Bar.cpp:1: ui/bars -> ui/project",
            "ui/editor/Edit.cpp:1: ui/editor -> ui/tools",
            "ui/framework/Doc.cpp:1: ui/framework -> ui/bars",
            "ui/project/Tree.cpp:1: ui/project -> ui/editor",
        ])

    def test_core_settings_and_cli_limits(self):
        self.write("core/io/Bad.cpp", '#include "settings/Store.h"\n#include <QString>\n#include <QtCore/QFile>\n'
                   '#include "ui/framework/Doc.h"\n')
        self.write("settings/Bad.cpp", '#include "cli/Main.h"\n#include "ui/app/Main.h"\n')
        self.write("cli/Bad.cpp", '#include "ui/framework/Doc.h"\n#include "tests/ui/support/Fixture.h"\n')
        self.assert_fails_with([
            "cli/Bad.cpp:1: cli -> ui/framework",
            "cli/Bad.cpp:2: cli -> tests",
            "core/io/Bad.cpp:1: core -> settings",
            "core/io/Bad.cpp:2: core -> Qt",
            "core/io/Bad.cpp:3: core -> Qt",
            "core/io/Bad.cpp:4: core -> ui/framework",
            "settings/Bad.cpp:1: settings -> cli",
            "settings/Bad.cpp:2: settings -> ui/app",
        ])

    def test_jdk_sits_on_io_and_under_core_settings(self):
        self.write("core/jdk/Jdk.h", '#pragma once\n#include "core/io/File.h"\n#include "../io/File.h"\n#include <string>\n')
        self.write("core/jdk/Jdk.cpp", '#include "core/jdk/Jdk.h"\n#include "Jdk.h"\n')
        self.write("core/settings/Loader.cpp", '#include "core/jdk/Jdk.h"\n#include "core/io/File.h"\n')
        self.write("core/tools/Build.h", '#include "core/settings/Loader.h"\n')
        self.write("settings/Jdk.cpp", '#include "core/jdk/Jdk.h"\n#include "core/settings/Loader.h"\n')
        self.write("cli/Jdk.cpp", '#include "core/jdk/Jdk.h"\n')
        self.write("ui/prefs/Jdk.cpp", '#include "core/jdk/Jdk.h"\n#include "core/settings/Loader.h"\n')
        self.write("app/Jdk.cpp", '#include "core/jdk/Jdk.h"\n')
        result = self.run_script()
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

        self.write("core/editor/Help.h", '#pragma once\n')
        self.write("core/jdk/Bad.cpp", '#include "core/editor/Help.h"\n#include "core/settings/Loader.h"\n'
                   '#include "../tools/Build.h"\n#include <QString>\n#include "settings/Jdk.h"\n')
        self.write("core/editor/Help.cpp", '#include "core/jdk/Jdk.h"\n')
        self.write("core/settings/Bad.cpp", '#include "core/editor/Help.h"\n#include <QFile>\n')
        self.assert_fails_with([
            "core/editor/Help.cpp:1: core -> core/jdk",
            "core/jdk/Bad.cpp:1: core/jdk -> core",
            "core/jdk/Bad.cpp:2: core/jdk -> core/settings",
            "core/jdk/Bad.cpp:3: core/jdk -> core",
            "core/jdk/Bad.cpp:4: core/jdk -> Qt",
            "core/jdk/Bad.cpp:5: core/jdk -> settings",
            "core/settings/Bad.cpp:1: core/settings -> core",
            "core/settings/Bad.cpp:2: core/settings -> Qt",
        ])

    def test_java_and_html_windows_share_the_editor_but_not_each_other(self):
        self.write("ui/editor/java/JavaView.h", '#include "ui/editor/Edit.h"\n#include "ui/framework/Doc.h"\n')
        self.write("ui/editor/html/HtmlView.h", '#include "ui/editor/Edit.h"\n#include "../Edit.h"\n')
        self.write("ui/app/Kinds.cpp", '#include "ui/editor/java/JavaView.h"\n#include "ui/editor/html/HtmlView.h"\n')
        result = self.run_script()
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

        self.write("ui/editor/html/Bad.cpp", '#include "ui/editor/java/JavaView.h"\n')
        self.write("ui/editor/Shared.cpp", '#include "ui/editor/html/HtmlView.h"\n')
        self.write("ui/project/Bad.cpp", '#include "ui/editor/java/JavaView.h"\n')
        self.assert_fails_with([
            "ui/editor/Shared.cpp:1: ui/editor -> ui/editor/html",
            "ui/editor/html/Bad.cpp:1: ui/editor/html -> ui/editor/java",
            "ui/project/Bad.cpp:1: ui/project -> ui/editor/java",
        ])

    def test_nothing_includes_app(self):
        self.write("app/Version.h", '#pragma once\n')
        self.write("ui/app/About.cpp", '#include "app/Version.h"\n')
        self.assert_fails_with(["ui/app/About.cpp:1: ui/app -> app"])

    def test_include_beside_the_file_counts_for_its_folder(self):
        self.write("ui/tools/Helper.h", '#pragma once\n')
        self.write("ui/editor/Edit.cpp", '  #  include "../tools/Helper.h"\n')
        self.assert_fails_with(["ui/editor/Edit.cpp:1: ui/editor -> ui/tools"])


if __name__ == "__main__":
    unittest.main()
