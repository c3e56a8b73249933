#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Builds the Debian package, checks it, unpacks it into a throwaway root and starts the program
the way its launcher does.

Run inside harness.py: package_test.py BUILD_DIRECTORY
"""

import contextlib
import glob
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

from harness import START_LIMIT_SECONDS, Quillet, wait_for
from install_test import APP_ID, INSTALLED_FILES, PROJECT, desktop_entry, validation_problems

FONT_FOLDER = "/usr/share/fonts/"
# Libraries Qt opens when they are there and does without when not.
OPTIONAL = {"libxcursor1"}  # themed mouse pointers on X11


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def build_type(build_directory):
    with open(os.path.join(build_directory, "CMakeCache.txt"), encoding="utf-8") as cache:
        for line in cache:
            if line.startswith("CMAKE_BUILD_TYPE:"):
                return line.strip().split("=", 1)[1]
    return ""


def depends_of(deb):
    """The package names in the Depends field, versions and alternatives aside."""
    field = run("dpkg-deb", "--field", deb, "Depends")
    return {part.split()[0] for part in field.split(",") if part.strip()}


def dependency_closure(packages):
    """The packages that installing these brings in, with every alternative of each choice."""
    listing = run("apt-cache", "depends", "--recurse", "--no-recommends", "--no-suggests",
                  "--no-conflicts", "--no-breaks", "--no-replaces", "--no-enhances", *packages)
    return {line for line in listing.splitlines() if line and not line[0].isspace()}


def essential_packages():
    listing = run("dpkg-query", "--show", "--showformat=${Package} ${Essential}\\n")
    return {line.split()[0] for line in listing.splitlines() if line.endswith(" yes")}


def owners(paths):
    """The installed packages that hold each path; a path no package holds is left out."""
    # Debian 12 merged /lib into /usr/lib, but dpkg still knows some files by the old name.
    old_names = {path: re.sub(r"^/usr/(lib|lib64|bin|sbin)/", r"/\1/", path) for path in paths}
    query = subprocess.run(["dpkg-query", "--search", *paths, *old_names.values()],
                           capture_output=True, text=True)
    holders = {}
    for line in query.stdout.splitlines():
        packages, _, name = line.partition(": ")
        holders[name] = {package.split(":")[0].strip() for package in packages.split(",")}
    found = {}
    for path in paths:
        for name in (path, old_names[path]):
            if name in holders:
                found[path] = holders[name]
    return found


def mapped_files(pid):
    with open(f"/proc/{pid}/maps", encoding="utf-8") as maps:
        fields = (line.split(None, 5) for line in maps)
        return {f[5].strip() for f in fields if len(f) == 6 and f[5].startswith("/")}


class PackageTest(unittest.TestCase):
    build_directory = None

    @classmethod
    def setUpClass(cls):
        cls.workspace = tempfile.TemporaryDirectory(prefix="quillet-package-")
        subprocess.run(["cmake", "--build", cls.build_directory, "--target", "deb"], check=True,
                       stdout=subprocess.DEVNULL)
        (cls.deb,) = glob.glob(os.path.join(cls.build_directory, "quillet_*.deb"))
        cls.root = os.path.join(cls.workspace.name, "root")
        run("dpkg-deb", "--extract", cls.deb, cls.root)

    @classmethod
    def tearDownClass(cls):
        cls.workspace.cleanup()

    def test_is_named_and_versioned_for_this_machine(self):
        architecture = run("dpkg", "--print-architecture").strip()
        version = PROJECT["version"]
        self.assertEqual(os.path.basename(self.deb), f"quillet_{version}_{architecture}.deb")
        self.assertEqual(run("dpkg-deb", "--field", self.deb, "Package").strip(), "quillet")
        self.assertEqual(run("dpkg-deb", "--field", self.deb, "Version").strip(), version)

    def test_depends_on_the_qt_libraries_and_the_japanese_font(self):
        # Debian 13 renamed the libraries whose interface took a 64-bit time_t: libqt6core6 is
        # libqt6core6t64 there.
        depends = {re.sub(r"t64$", "", name) for name in depends_of(self.deb)}
        self.assertLessEqual({"libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                              "fonts-ipafont-gothic"}, depends)

    def test_holds_the_installed_files_owned_by_root(self):
        files = {}
        for line in run("dpkg-deb", "--contents", self.deb).splitlines():
            mode, owner, _, _, _, path = line.split(None, 5)
            self.assertEqual(owner, "root/root", path)
            if mode.startswith("-"):
                files[path.removeprefix("./usr/")] = mode
        self.assertEqual(set(files), INSTALLED_FILES)
        self.assertEqual(files.pop("bin/quillet"), "-rwxr-xr-x")
        self.assertEqual(set(files.values()), {"-rw-r--r--"})

    def test_debians_own_checker_reports_nothing(self):
        # The package ships from the release build, which alone is hardened as Debian builds
        # (debugging builds cannot fortify without the optimiser).
        if build_type(self.build_directory) != "Release":
            self.skipTest("lintian judges the release build's package")
        # Every tag counts, errors, warnings and hints alike.
        lintian = subprocess.run(["lintian", "--info", "--display-info", "--tag-display-limit", "0",
                                  "--fail-on", "error,warning,info", self.deb],
                                 capture_output=True, text=True)
        self.assertEqual((lintian.returncode, lintian.stdout), (0, ""), lintian.stderr)

    def test_the_program_is_built_with_this_releases_hardening_flags(self):
        if build_type(self.build_directory) != "Release":
            self.skipTest("the release build alone is hardened")
        # Every flag Debian's own builds get for hardening, apart from optimising, debugging and the
        # path map, in the program's compile and link commands.
        given = dict(os.environ, DEB_BUILD_MAINT_OPTIONS="hardening=+all")
        wanted = {flag for kind in ("CPPFLAGS", "CXXFLAGS", "LDFLAGS") for flag in subprocess.run(
            ["dpkg-buildflags", "--get", kind], env=given, capture_output=True, text=True,
            check=True).stdout.split() if not re.match(r"-g$|-O2$|-ffile-prefix-map=", flag)}
        with open(os.path.join(self.build_directory, "compile_commands.json")) as commands:
            used = next(entry["command"] for entry in json.load(commands)
                        if entry["file"].endswith("ui/qt/main.cpp")).split()
        link = os.path.join(self.build_directory, "ui/qt/CMakeFiles/quillet.dir/link.txt")
        with open(link) as command:
            used += command.read().split()
        self.assertLessEqual(wanted, set(used))

    def test_the_validators_accept_the_packaged_launcher_and_description(self):
        self.assertEqual(validation_problems(os.path.join(self.root, "usr")), [])

    def test_the_launcher_starts_the_window_with_only_what_the_package_brings(self):
        entry = desktop_entry(f"{self.root}/usr/share/applications/{APP_ID}.desktop")
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb",
                           PATH=f"{self.root}/usr/bin:{os.environ['PATH']}")
        errors = tempfile.TemporaryFile(mode="w+")
        self.addCleanup(errors.close)
        program = Quillet(entry["Exec"].split(), env=environment, stderr=errors)
        self.addCleanup(program.stop)
        try:
            program.focus_x_window(entry["Name"])
        except AssertionError as error:
            errors.seek(0)
            windows = run("xwininfo", "-root", "-tree")
            self.fail(f"{error}; it said {errors.read()!r}, the X server shows {windows}")
        depends = depends_of(self.deb)
        # Qt opens a font when it first draws with it, which may come after the window is shown,
        # and may open others before the Japanese one.
        with contextlib.suppress(AssertionError):
            wait_for(lambda: depends & set().union(*owners([path for path in mapped_files(
                program.pid) if path.startswith(FONT_FOLDER)]).values()), "the Japanese font",
                     START_LIMIT_SECONDS)

        found = owners(mapped_files(program.pid))
        brought = dependency_closure(depends | OPTIONAL) | essential_packages()
        for path, packages in found.items():
            if not path.startswith(FONT_FOLDER):
                self.assertTrue(packages & brought, f"{path} comes from {packages}")
        # Other fonts may be installed here; the Japanese one the window draws with must not
        # need to be.
        font_packages = set().union(*(packages for path, packages in found.items()
                                      if path.startswith(FONT_FOLDER)))
        self.assertTrue(font_packages & depends, font_packages)


if __name__ == "__main__":
    PackageTest.build_directory = sys.argv.pop(1)
    unittest.main(verbosity=2)
