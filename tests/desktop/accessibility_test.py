#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Uses the Quillet window as a screen reader does, through AT-SPI only.

Run inside harness.py: accessibility_test.py QUILLET_PROGRAM SCENARIOS_JSON
"""

import os
import sys
import unittest

import pyatspi

from harness import Quillet, designed_controls, load_scenarios, shown_controls, wait_for

TAB = 0xFF09  # X key symbols
DOWN = 0xFF54

PASSWORDS = ("Text1", "Text9", "Text10")


class QuilletWindowTest(unittest.TestCase):
    """Names the controls as the program does ("Text8"); the window knows them by what a screen
    reader says for them."""
    program = None
    scenarios = None

    def setUp(self):
        self.quillet = Quillet([self.program], accessible=True)
        self.addCleanup(self.quillet.stop)
        self.window = self.quillet.accessible_window()
        said = {spoken: name for name, spoken in self.scenarios["spoken"].items()}
        self.controls = {said.get(child.name, child.name): child for child in self.window
                         if child.getRole() != pyatspi.ROLE_LABEL}

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
        self.assertEqual(self.window.name, self.scenarios["window_caption"])

    def test_every_control_has_a_distinct_name_to_speak(self):
        expected = designed_controls(self.scenarios)
        self.assertEqual(shown_controls(self.window), expected)
        self.assertEqual(max(expected.values()), 1, expected)
        for label in (child for child in self.window if child.getRole() == pyatspi.ROLE_LABEL):
            self.assertTrue(label.name, "a label without a caption")

    def test_lengths_set_through_the_interface_shape_the_passwords(self):
        for box, text in self.scenarios["start_up_texts"]:
            self.assertEqual(self.text(box), text, box)
        for bar, value in self.scenarios["start_up_values"]:
            self.assertEqual(self.value(bar), value, bar)

        for option, length1_text, length2_text, length1, length2, characters in \
                self.scenarios["generations"]:
            shown = self.text("Text1")
            self.act(option, "Toggle")
            wait_for(lambda: self.has_state(option, pyatspi.STATE_CHECKED), "the option")
            for each in (self.scenarios["start_up_option"], self.scenarios["other_option"]):
                self.assertEqual(self.has_state(each, pyatspi.STATE_CHECKED), each == option, each)
            self.assertEqual(self.text("Text1"), shown, "choosing a set drew passwords")
            # One length through its box, the other through its scroll bar.
            self.set_text("Text8", length1_text)
            wait_for(lambda: self.value("HScroll1") == length1, "the bar to follow its box")
            self.set_value("HScroll2", length2)
            wait_for(lambda: self.text("Text11") == length2_text, "the box to follow its bar")

            before_press = self.text("Text1")
            self.act("Command1", "Press")
            lengths = [30, length1, length2]
            wait_for(lambda: self.text("Text1") != before_press
                     and [len(self.text(name)) for name in PASSWORDS] == lengths,
                     f"new passwords of {lengths} characters")
            for name in PASSWORDS:
                self.assertLessEqual(set(self.text(name)), set(characters), name)

        # With a password shown, moving a scroll bar draws the passwords again at its length.
        self.set_value("HScroll1", 12)
        wait_for(lambda: len(self.text("Text9")) == 12, "a password of the new length")

    def test_the_calculator_answers_text_set_through_the_interface(self):
        for box, text, before_tax, after_tax in self.scenarios["calculator_keystrokes"]:
            with self.subTest(box=box, text=text):
                self.set_text(box, text)
                wait_for(lambda: self.text(box) == text, box)
                sums = (before_tax, after_tax)
                wait_for(lambda: (self.text("Text6"), self.text("Text7")) == sums, f"{sums}")

    def press_key(self, key):
        """The control that has the keyboard after the key, which moves it."""
        before = self.focused()
        pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)

        def moved():
            now = self.focused()
            return now if now != before else None
        return wait_for(moved, "the keyboard to move")

    def test_tab_reaches_every_control(self):
        self.quillet.focus_x_window(self.scenarios["window_caption"])
        designed = self.scenarios["tab_stops"]
        wait_for(lambda: self.focused() == designed[0], "the button to have the keyboard")

        stops = [designed[0]]
        while len(stops) <= len(self.controls) and (stop := self.press_key(TAB)) != designed[0]:
            stops.append(stop)
        self.assertEqual(self.focused(), designed[0], stops)
        self.assertEqual(stops, designed)
        # The two option buttons are one stop; the arrow keys move within them.
        self.assertEqual(self.press_key(TAB), stops[1])
        self.assertEqual(self.press_key(TAB), self.scenarios["start_up_option"])
        other = self.scenarios["other_option"]
        self.assertEqual(self.press_key(DOWN), other)
        self.assertTrue(self.has_state(other, pyatspi.STATE_CHECKED))

if __name__ == "__main__":
    QuilletWindowTest.program = os.path.realpath(sys.argv.pop(1))
    QuilletWindowTest.scenarios = load_scenarios(sys.argv.pop(1))
    unittest.main(verbosity=2)
