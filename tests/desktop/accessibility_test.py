#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Uses the Quillet window as a screen reader does, through AT-SPI only.

Run inside desktop_session.py: accessibility_test.py QUILLET_PROGRAM
"""

import os
import string
import subprocess
import sys
import time
import unittest
import warnings

import pyatspi

START_LIMIT_SECONDS = 20  # a loaded machine may take long to start a program
WAIT_LIMIT_SECONDS = 5
TAB = 0xFF09  # X key symbols
DOWN = 0xFF54

BUTTON = "実行"
ALNUM_OPTION = "全英数字･大文字･小文字"
HEX_OPTION = "16進数"
LENGTH_1, LENGTH_1_BAR, PASSWORD_1 = "パスワード1の桁数", "パスワード1の桁数の調節", "パスワード1"
LENGTH_2, LENGTH_2_BAR, PASSWORD_2 = "パスワード2の桁数", "パスワード2の桁数の調節", "パスワード2"
PASSWORD_30 = "30桁のパスワード"
AMOUNT, YEARS, MONTHS, RATE = "預け入れ金額(万円)", "預け入れ期間(年)", "預け入れ期間(ヶ月)", "利率(％)"
BEFORE_TAX, AFTER_TAX = "満期時の利息額(税引前)(円)", "満期時の利息額(税引後)(円)"


def wait_for(condition, what, limit=WAIT_LIMIT_SECONDS):
    """condition()'s first true result; AT-SPI calls return before the window has acted."""
    deadline = time.monotonic() + limit
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"waited {limit} s for {what}")
        time.sleep(0.02)


class QuilletWindowTest(unittest.TestCase):
    program = None

    @classmethod
    def setUpClass(cls):
        # pyatspi calls libatspi functions that are deprecated for ones it does not use yet.
        warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")

    def setUp(self):
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.process = subprocess.Popen([self.program], env=environment)
        self.addCleanup(self.process.wait, WAIT_LIMIT_SECONDS)
        self.addCleanup(self.process.terminate)
        self.window = wait_for(self.find_window, "the window on the accessibility bus",
                               START_LIMIT_SECONDS)
        self.controls = {child.name: child for child in self.window
                         if child.getRole() != pyatspi.ROLE_LABEL}

    def find_window(self):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == self.process.pid:
                return next(iter(application), None)
        return None

    def text(self, name):
        return self.controls[name].queryText().getText(0, -1)

    def set_text(self, name, text):
        self.controls[name].queryEditableText().setTextContents(text)

    def value(self, name):
        return self.controls[name].queryValue().currentValue

    def set_value(self, name, value):
        self.controls[name].queryValue().currentValue = value

    def act(self, name, action):
        actions = self.controls[name].queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        actions.doAction(names.index(action))

    def has_state(self, name, state):
        return self.controls[name].getState().contains(state)

    def focused(self):
        return next((name for name in self.controls
                     if self.has_state(name, pyatspi.STATE_FOCUSED)), None)

    def test_the_window_is_a_frame_named_quillet(self):
        self.assertEqual(self.window.getRole(), pyatspi.ROLE_FRAME)
        self.assertEqual(self.window.name, "Quillet")

    def test_every_control_has_a_distinct_name_to_speak(self):
        expected_counts = {pyatspi.ROLE_PUSH_BUTTON: 1, pyatspi.ROLE_RADIO_BUTTON: 2,
                           pyatspi.ROLE_TEXT: 11, pyatspi.ROLE_SCROLL_BAR: 2}
        names = [child.name for child in self.window if child.getRole() in expected_counts]
        counts = {role: sum(child.getRole() == role for child in self.window)
                  for role in expected_counts}
        self.assertEqual(counts, expected_counts)
        self.assertNotIn("", names)
        self.assertEqual(len(set(names)), len(names), names)
        for label in (child for child in self.window if child.getRole() == pyatspi.ROLE_LABEL):
            self.assertTrue(label.name, "a label without a caption")

    def test_lengths_set_through_the_interface_shape_the_passwords(self):
        self.assertEqual((self.text(LENGTH_1), self.value(LENGTH_1_BAR)), ("10", 10))
        self.set_text(LENGTH_1, "25")
        wait_for(lambda: self.value(LENGTH_1_BAR) == 25, "the scroll bar to follow its box")
        self.set_value(LENGTH_2_BAR, 7)
        wait_for(lambda: self.text(LENGTH_2) == "7", "the box to follow its scroll bar")

        self.act(BUTTON, "Press")
        wait_for(lambda: self.text(PASSWORD_2), "the passwords")
        shown = [self.text(name) for name in (PASSWORD_30, PASSWORD_1, PASSWORD_2)]
        self.assertEqual([len(password) for password in shown], [30, 25, 7])
        alnum = set(string.ascii_letters + string.digits)
        self.assertTrue(all(set(password) <= alnum for password in shown), shown)

        self.act(HEX_OPTION, "Toggle")
        wait_for(lambda: self.has_state(HEX_OPTION, pyatspi.STATE_CHECKED), "the option")
        self.assertFalse(self.has_state(ALNUM_OPTION, pyatspi.STATE_CHECKED))
        self.act(BUTTON, "Press")
        wait_for(lambda: self.text(PASSWORD_30) != shown[0], "new passwords")
        hex_digits = set("0123456789ABCDEF")
        for name in (PASSWORD_30, PASSWORD_1, PASSWORD_2):
            self.assertLessEqual(set(self.text(name)), hex_digits, name)

        # With a password shown, moving a scroll bar draws the passwords again at its length.
        self.set_value(LENGTH_1_BAR, 12)
        wait_for(lambda: len(self.text(PASSWORD_1)) == 12, "a password of the new length")

    def test_the_calculator_answers_text_set_through_the_interface(self):
        cases = [
            # amount (10,000 yen), years, months, rate (%): before tax, after tax
            (("100", "1", "0", "1"), ("10,000", "8,000")),
            (("100", "1", "6", "0.1"), ("1,500", "1,200")),
            (("２００", "0", "6", "1"), ("10,000", "8,000")),
        ]
        for inputs, expected in cases:
            with self.subTest(inputs=inputs):
                for name, text in zip((AMOUNT, YEARS, MONTHS, RATE), inputs):
                    self.set_text(name, text)
                    wait_for(lambda: self.text(name) == text, name)
                wait_for(lambda: (self.text(BEFORE_TAX), self.text(AFTER_TAX)) == expected,
                         f"{expected}, showing {self.text(BEFORE_TAX), self.text(AFTER_TAX)}")

    def press_key(self, key):
        """The control that has the keyboard after the key, which moves it."""
        before = self.focused()
        pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)

        def moved():
            now = self.focused()
            return now if now != before else None
        return wait_for(moved, "the keyboard to move")

    def test_tab_reaches_every_control(self):
        # A window manager gives a new window the keyboard; a bare X server leaves that to us.
        window_ids = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
             "--name", "^Quillet$"], capture_output=True, text=True, check=True).stdout.split()
        subprocess.run(["xdotool", "windowfocus", window_ids[0]], check=True)
        wait_for(lambda: self.focused() == BUTTON, "the button to have the keyboard")

        stops = [BUTTON]
        while len(stops) <= len(self.controls) and (stop := self.press_key(TAB)) != BUTTON:
            stops.append(stop)
        self.assertEqual(self.focused(), BUTTON, stops)
        self.assertEqual(len(set(stops)), len(stops), stops)
        # The two option buttons are one stop; the arrow keys move within them.
        self.assertEqual(set(self.controls) - set(stops), {HEX_OPTION})
        self.assertEqual(self.press_key(TAB), stops[1])
        self.assertEqual(self.press_key(TAB), ALNUM_OPTION)
        self.assertEqual(self.press_key(DOWN), HEX_OPTION)
        self.assertTrue(self.has_state(HEX_OPTION, pyatspi.STATE_CHECKED))

if __name__ == "__main__":
    QuilletWindowTest.program = os.path.realpath(sys.argv.pop(1))
    unittest.main(verbosity=2)
