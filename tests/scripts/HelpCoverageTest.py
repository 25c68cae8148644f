#!/usr/bin/env python3
"""The help pages in res/help name every menu command and key the program has
(as tests/data/commands.golden lists them), every dialog, the project file and
every tarnwick-cli command; their pictures and links lead somewhere."""
import html
import os
import re
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
HELP = os.path.join(ROOT, "res", "help")
GOLDEN = os.path.join(ROOT, "tests", "data", "commands.golden")

DIALOGS = ["New Tarnwick Document", "New Project", "Recent Projects", "Tip of the Day", "Tarnwick Preferences",
           "Arguments", "Find", "Replace", "Properties", "About Tarnwick", "Select Window"]
CLI_COMMANDS = ["tarnwick-cli build", "tarnwick-cli compile", "tarnwick-cli run", "tarnwick-cli jar create",
                "tarnwick-cli jar list", "tarnwick-cli project new", "tarnwick-cli project add",
                "tarnwick-cli project remove", "tarnwick-cli project main", "tarnwick-cli project html-main",
                "tarnwick-cli project show", "tarnwick-cli project dump", "tarnwick-cli colour",
                "tarnwick-cli outline", "--print"]


def help_pages():
    return sorted(name for name in os.listdir(HELP) if name.endswith(".html"))


def page_text(name):
    with open(os.path.join(HELP, name), encoding="utf-8") as page:
        return page.read()


def plain_text(markup):
    text = re.sub(r"<[^>]+>", " ", markup)
    return re.sub(r"\s+", " ", html.unescape(text))


def menu_commands():
    """(label, key) of every menu item, '&' removed and '...' kept."""
    commands = set()
    for line in open(GOLDEN, encoding="utf-8"):
        found = re.match(r"^    (\S.*) = \d+$", line)
        if found:
            label, _, key = found.group(1).replace("&", "").partition("\\t")
            commands.add((label.strip(), key.strip()))
    return commands


def accelerator_keys():
    keys = set()
    section = None
    for line in open(GOLDEN, encoding="utf-8"):
        if not line.startswith(" "):
            section = line.split()[0] if line.strip() else None
        elif section == "accelerators":
            found = re.match(r"^  (\S+) = \d+$", line)
            if found:
                keys.add(found.group(1))
    return keys


class HelpCoverageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.markup = "".join(page_text(name) for name in help_pages())
        cls.text = plain_text(cls.markup)

    def test_every_menu_command_and_its_key_is_described(self):
        commands = menu_commands()
        self.assertGreater(len(commands), 40)
        missing = sorted(label for label, _ in commands if label not in self.text)
        self.assertEqual(missing, [], "menu commands the help does not name")
        keys = {key for _, key in commands if key} | accelerator_keys()
        self.assertGreater(len(keys), 15)
        self.assertEqual(sorted(key for key in keys if key not in self.text), [], "keys the help does not name")

    def test_every_dialog_the_project_file_and_the_command_line(self):
        self.assertEqual([title for title in DIALOGS if title not in self.text], [], "dialogs not described")
        self.assertEqual([command for command in CLI_COMMANDS if command not in self.text], [],
                         "command-line commands not described")
        for anchor in ("project-file", "command-line", "dialogs", "menus", "keys"):
            self.assertIn(f'id="{anchor}"', self.markup)

    def test_pictures_exist_and_links_lead_somewhere(self):
        pictures = re.findall(r'<img [^>]*src="([^"]+)"', self.markup)
        self.assertGreaterEqual(len(pictures), 6, "the help shows the program")
        for picture in pictures:
            self.assertTrue(os.path.isfile(os.path.join(HELP, picture)), picture)
        for name in help_pages():
            markup = page_text(name)
            for target in re.findall(r'href="([^"]+)"', markup):
                if target.startswith(("http://", "https://", "mailto:")):
                    continue
                page, _, anchor = target.partition("#")
                target_markup = page_text(page) if page else markup
                if page:
                    self.assertTrue(os.path.isfile(os.path.join(HELP, page)), f"{name}: {target}")
                if anchor:
                    self.assertIn(f'id="{anchor}"', target_markup, f"{name}: {target}")


if __name__ == "__main__":
    unittest.main()
