#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Tabs through the Quillet window with the Orca screen reader running, and checks that Orca
speaks the name of every control the keyboard reaches.

Run inside harness.py: orca_test.py QUILLET_PROGRAM SCENARIOS_JSON
"""

import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

import harness
from harness import WAIT_LIMIT_SECONDS, Quillet, load_scenarios

ORCA_LIMIT_SECONDS = 30  # Orca takes seconds to start or quit, more on a loaded machine

# Orca speaks to its debug log only: no speech server, no sound device. The log is written a line
# at a time, so that what Orca says can be read as it says it.
CUSTOMIZATIONS = """\
import orca.debug
import orca.settings
orca.settings.speechServerFactory = None
orca.settings.speechFactoryModules = []
orca.debug.debugFile.reconfigure(line_buffering=True)
"""
# Orca 42 (Debian 12) and 48 (Debian 13) write their logs a little differently: the speech with or
# without a space before its settings, a box as [text | NAME] or as [text: 'NAME'].
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{")
# What a text box reports as it takes the focus, as Orca receives it.
BOX_EVENT = re.compile(r"EVENT MANAGER: (object:state-changed:focused|object:text-caret-moved|"
                       r"object:text-selection-changed) for \[text(?: \| |: ')(.*?)'?\] in")


class SpeechLog:
    """What Orca has said, read from its debug log as it grows."""

    def __init__(self, path):
        self.path = path
        self.read_up_to = 0
        self.box_events = []

    def new_speech(self):
        with open(self.path, "rb") as log:
            log.seek(self.read_up_to)
            text = log.read()
        complete = text[:text.rfind(b"\n") + 1]
        self.read_up_to += len(complete)
        lines = complete.decode("utf-8", errors="replace")
        self.box_events += BOX_EVENT.findall(lines)
        return SPEECH.findall(lines)

    def wait_for(self, words):
        """Everything said until the words, as words of their own, or within the time limit."""
        said = []
        spoken = re.compile(rf"(^|\s){re.escape(words)}(\s|\.|$)")
        deadline = time.monotonic() + WAIT_LIMIT_SECONDS
        while time.monotonic() < deadline:
            said += self.new_speech()
            if any(spoken.search(line) for line in said):
                return said
            time.sleep(0.02)
        raise AssertionError(f"Orca did not say {words!r}; it said {said}")


class OrcaTest(unittest.TestCase):
    program = None
    caption = None
    tab_stops = None  # one lap from the button, by what the window gives Orca to say

    def setUp(self):
        workspace = tempfile.TemporaryDirectory(prefix="quillet-orca-")
        self.addCleanup(workspace.cleanup)
        preferences = os.path.join(workspace.name, "preferences")
        os.mkdir(preferences)
        with open(os.path.join(preferences, "orca-customizations.py"), "w") as file:
            file.write(CUSTOMIZATIONS)
        log_path = os.path.join(workspace.name, "orca.log")
        open(log_path, "w").close()
        self.speech = SpeechLog(log_path)

        # Orca runs once per user: it will not start beside the user's own screen reader.
        self.orca_output = open(os.path.join(workspace.name, "orca.out"), "w+")
        self.addCleanup(self.orca_output.close)
        self.orca = subprocess.Popen(
            ["orca", "--user-prefs", preferences, "--debug-file", log_path],
            stdout=self.orca_output, stderr=subprocess.STDOUT)
        self.addCleanup(harness.stop, self.orca, ORCA_LIMIT_SECONDS)
        self.wait_long_for("Screen reader on.")

        quillet = Quillet([self.program], accessible=True)
        self.addCleanup(quillet.stop)
        quillet.focus_x_window(self.caption)
        self.speech.wait_for(self.tab_stops[0])

    def wait_long_for(self, words):
        deadline = time.monotonic() + ORCA_LIMIT_SECONDS
        while time.monotonic() < deadline:
            if self.orca.poll() is not None:
                self.orca_output.seek(0)
                self.fail(f"Orca ended, saying {self.orca_output.read()!r}")
            try:
                return self.speech.wait_for(words)
            except AssertionError:
                pass
        self.fail(f"Orca did not say {words!r} within {ORCA_LIMIT_SECONDS} s")

    def test_every_stop_of_the_tab_key_is_announced_by_name(self):
        forwards = self.tab_stops[1:] + self.tab_stops[:1]
        backwards = list(reversed(self.tab_stops))
        rounds = [("Tab", forwards), ("Tab", forwards), ("shift+Tab", backwards)]
        boxes_checked = 0
        for key, stops in rounds:
            for stop in stops:
                with self.subTest(key=key, stop=stop):
                    self.speech.box_events = []
                    subprocess.run(["xdotool", "key", key], check=True)
                    self.speech.wait_for(stop)
                    # Orca moves to a box silently on a caret report that comes before the focus,
                    # and then may drop the focus as old news.
                    events = [event for event, name in self.speech.box_events if name == stop]
                    if events:
                        boxes_checked += 1
                        self.assertEqual(events[0], "object:state-changed:focused", events)
        self.assertGreater(boxes_checked, 0, "Orca's log names no box's reports")


if __name__ == "__main__":
    OrcaTest.program = os.path.realpath(sys.argv.pop(1))
    shared = load_scenarios(sys.argv.pop(1))
    OrcaTest.caption = shared["window_caption"]
    OrcaTest.tab_stops = [shared["spoken"][name] for name in shared["tab_stops"]]
    unittest.main(verbosity=2)
