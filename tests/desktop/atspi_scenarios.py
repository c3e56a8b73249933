# SPDX-License-Identifier: MIT
"""The scenarios the C++ tests share, as the build writes them into scenarios.json, and the
Quillet window as AT-SPI shows it."""

import collections
import json
import time

import pyatspi

WAIT_LIMIT_SECONDS = 5
ROLES = {"CommandButton": pyatspi.ROLE_PUSH_BUTTON, "OptionButton": pyatspi.ROLE_RADIO_BUTTON,
         "TextBox": pyatspi.ROLE_TEXT, "ScrollBar": pyatspi.ROLE_SCROLL_BAR}


def load(path):
    """The scenarios, with "spoken": each control's accessible name by its name in the program.
    A table's rows are lists of their fields, in the order of the C++ struct."""
    with open(path, encoding="utf-8") as file:
        scenarios = json.load(file)
    scenarios["spoken"] = {name: spoken for name, _, spoken in scenarios["controls"]}
    return scenarios


def designed_controls(scenarios):
    """The controls that are not labels, each as its accessible name and role."""
    return collections.Counter((spoken, ROLES[kind]) for _, kind, spoken in scenarios["controls"]
                               if kind in ROLES)


def shown_controls(window):
    """The window's children that are not labels, each as its name and role."""
    return collections.Counter((child.name, child.getRole()) for child in window
                               if child.getRole() != pyatspi.ROLE_LABEL)


def window_of(pid):
    """The window of the program with this process id, once it is on the accessibility bus."""
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.get_process_id() == pid:
            return next(iter(application), None)
    return None


def wait_for(condition, what, limit=WAIT_LIMIT_SECONDS):
    """condition()'s first true result; AT-SPI calls return before the window has acted."""
    deadline = time.monotonic() + limit
    while not (result := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"waited {limit} s for {what}")
        time.sleep(0.02)
    return result
