#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Installs a built Quillet with `cmake --install` and checks what a desktop finds there.

install_test.py BUILD_DIRECTORY
"""

import json
import os
import subprocess
import sys
import tempfile
import unittest

# What CMakeLists.txt alone says of Quillet, as the build wrote it. This test and the package's
# are both run with the build folder first: install_test.py BUILD_DIRECTORY.
with open(os.path.join(sys.argv[1], "project.json"), encoding="utf-8") as facts:
    PROJECT = json.load(facts)
APP_ID = PROJECT["app_id"]
ICON_SIZES = (16, 32, 48, 64, 128, 256)

# Every file an installation holds, relative to its prefix.
INSTALLED_FILES = {
    "bin/quillet",
    f"share/applications/{APP_ID}.desktop",
    f"share/metainfo/{APP_ID}.metainfo.xml",
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    *(f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png" for size in ICON_SIZES),
    "share/man/man1/quillet.1.gz",
    "share/man/ja/man1/quillet.1.gz",
    "share/doc/quillet/copyright",
    "share/doc/quillet/changelog.gz",
}


def files_under(root):
    return {os.path.relpath(os.path.join(folder, name), root)
            for folder, _, names in os.walk(root) for name in names}


def desktop_entry(path):
    """The keys of a desktop entry's main group; localised keys keep their [locale]."""
    entry = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            if "=" in line and not line.startswith("#"):
                key, value = line.rstrip("\n").split("=", 1)
                entry[key] = value
    return entry


def validation_problems(prefix):
    """What the desktop's own validators object to in an installation, hints aside."""
    desktop = subprocess.run(
        ["desktop-file-validate", f"{prefix}/share/applications/{APP_ID}.desktop"],
        capture_output=True, text=True)
    problems = [line for line in desktop.stdout.splitlines() if ": hint: " not in line]
    if desktop.returncode != 0 and not problems:
        problems.append(desktop.stderr)
    # validate-tree also checks that the launcher and icon named by the metainfo are installed.
    appstream = subprocess.run(
        ["appstreamcli", "validate-tree", "--no-net", "--strict", os.path.dirname(prefix)],
        capture_output=True, text=True)
    if appstream.returncode != 0:
        problems.append(appstream.stdout + appstream.stderr)
    return problems


class InstallTest(unittest.TestCase):
    build_directory = None

    @classmethod
    def setUpClass(cls):
        cls.workspace = tempfile.TemporaryDirectory(prefix="quillet-install-")
        # validate-tree expects the usual /usr below the root it is given.
        cls.prefix = os.path.join(cls.workspace.name, "usr")
        subprocess.run(["cmake", "--install", cls.build_directory, "--prefix", cls.prefix],
                       check=True, stdout=subprocess.DEVNULL)

    @classmethod
    def tearDownClass(cls):
        cls.workspace.cleanup()

    def test_installs_the_program_launcher_icons_and_description(self):
        self.assertEqual(files_under(self.prefix), INSTALLED_FILES)
        self.assertTrue(os.access(os.path.join(self.prefix, "bin/quillet"), os.X_OK))

    def test_the_validators_accept_the_launcher_and_the_description(self):
        self.assertEqual(validation_problems(self.prefix), [])

    def test_the_launcher_starts_the_installed_program_with_its_icon_in_the_menu(self):
        entry = desktop_entry(f"{self.prefix}/share/applications/{APP_ID}.desktop")
        program = entry["Exec"].split()[0]
        self.assertIn(f"bin/{program}", INSTALLED_FILES)
        self.assertIn(f"share/icons/hicolor/48x48/apps/{entry['Icon']}.png", INSTALLED_FILES)
        self.assertEqual(set(entry["Categories"].strip(";").split(";")), {"Utility", "Security"})
        for key in ("Comment", "Comment[ja]"):
            self.assertTrue(entry.get(key), key)

if __name__ == "__main__":
    InstallTest.build_directory = sys.argv.pop(1)
    unittest.main(verbosity=2)
