#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Quillet as a native Wayland client, in a Weston compositor of the test's own.

Run inside harness.py: wayland_test.py QUILLET_PROGRAM SCENARIOS_JSON
Weston runs as a window of the session's virtual X server (its headless backend has no seat, so
no keyboard): keys typed into that window reach the Wayland client Weston has focused. The window
must show its controls over AT-SPI, and a password copied with its keys must reach wl-paste with
the marks that keep it out of clipboard histories.
"""

import os
import subprocess
import sys
import tempfile
import unittest

import pyatspi

from harness import (START_LIMIT_SECONDS, WAIT_LIMIT_SECONDS, Quillet, designed_controls,
                     load_scenarios, shown_controls, stop, wait_for)

SOCKET = "wayland-quillet-test"
MARKS = {"x-kde-passwordManagerHint": "secret", "application/x-copyq-hidden": "1"}


class WaylandTest(unittest.TestCase):
    """Set by main from the command line."""
    program = None
    shared = None

    @classmethod
    def setUpClass(cls):
        runtime = tempfile.mkdtemp()
        cls.environment = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=SOCKET)
        cls.environment.pop("DISPLAY")  # nothing may fall back to the X server
        # The kiosk shell gives the one client the whole output and the keyboard.
        cls.weston = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--shell=kiosk-shell.so",
             f"--socket={SOCKET}", "--width=800", "--height=600", "--idle-time=0"],
            env=dict(cls.environment, DISPLAY=os.environ["DISPLAY"]), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        cls.quillet = None
        try:
            wait_for(lambda: os.path.exists(os.path.join(runtime, SOCKET)), "Weston",
                     START_LIMIT_SECONDS)
            cls.quillet = Quillet([cls.program], accessible=True,
                                  env=dict(cls.environment, QT_QPA_PLATFORM="wayland"))
            cls.window = cls.quillet.accessible_window()
        except BaseException:
            cls.tearDownClass()
            raise

    @classmethod
    def tearDownClass(cls):
        if cls.quillet is not None:
            cls.quillet.stop()
        stop(cls.weston)

    def paste(self, *arguments):
        return subprocess.run(["wl-paste", "--no-newline", *arguments], env=self.environment,
                              capture_output=True, text=True, timeout=WAIT_LIMIT_SECONDS).stdout

    def test_the_window_shows_every_control_once_by_name_and_role(self):
        self.assertEqual(shown_controls(self.window), designed_controls(self.shared))

    def test_a_password_copied_with_its_keys_reaches_wl_paste_with_the_marks(self):
        controls = {child.name: child for child in self.window}
        controls[self.shared["spoken"]["Command1"]].queryAction().doAction(0)
        password_box = controls[self.shared["spoken"]["Text9"]]
        password = wait_for(lambda: password_box.queryText().getText(0, -1), "a password")
        password_box.queryComponent().grabFocus()
        wait_for(lambda: password_box.getState().contains(pyatspi.STATE_FOCUSED), "the focus")
        # Into Weston's window on the X server, which hands the keys to the focused client.
        subprocess.run(["xdotool", "mousemove", "400", "300", "key", "ctrl+a", "ctrl+c"],
                       check=True)
        wait_for(lambda: self.paste() == password, "the password on the clipboard")
        types = self.paste("--list-types").split("\n")
        for mark, value in MARKS.items():
            with self.subTest(mark):
                self.assertIn(mark, types)
                self.assertEqual(self.paste("--type", mark), value)


def main():
    WaylandTest.program = sys.argv[1]
    WaylandTest.shared = load_scenarios(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=2)


if __name__ == "__main__":
    main()
