#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Quillet as a native Wayland client, in a Weston compositor of the test's own.

Run inside desktop_session.py: wayland_test.py QUILLET_PROGRAM SCENARIOS_JSON
Weston runs as a window of the session's virtual X server (its headless backend has no seat, so
no keyboard): keys typed into that window reach the Wayland client Weston has focused. The window
must show its controls over AT-SPI, and a password copied with its keys must reach wl-paste with
the marks that keep it out of clipboard histories.
"""

import os
import subprocess
import sys
import tempfile
import warnings

import pyatspi

from atspi_scenarios import (WAIT_LIMIT_SECONDS, designed_controls, load, shown_controls,
                             wait_for, window_of)

START_LIMIT_SECONDS = 20
SOCKET = "wayland-quillet-test"
MARKS = {"x-kde-passwordManagerHint": "secret", "application/x-copyq-hidden": "1"}


def paste(environment, *arguments):
    return subprocess.run(["wl-paste", "--no-newline", *arguments], env=environment,
                          capture_output=True, text=True, timeout=WAIT_LIMIT_SECONDS).stdout


def main():
    warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")
    shared = load(sys.argv[2])
    runtime = tempfile.mkdtemp()
    environment = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=SOCKET)
    environment.pop("DISPLAY")  # nothing may fall back to the X server
    # The kiosk shell gives the one client the whole output and the keyboard.
    weston = subprocess.Popen(
        ["weston", "--backend=x11-backend.so", "--shell=kiosk-shell.so", f"--socket={SOCKET}",
         "--width=800", "--height=600", "--idle-time=0"],
        env=dict(environment, DISPLAY=os.environ["DISPLAY"]), stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    quillet = None
    try:
        wait_for(lambda: os.path.exists(os.path.join(runtime, SOCKET)), "Weston",
                 START_LIMIT_SECONDS)
        quillet = subprocess.Popen([sys.argv[1]], env=dict(
            environment, QT_QPA_PLATFORM="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        window = wait_for(lambda: window_of(quillet.pid), "the window on the accessibility bus",
                          START_LIMIT_SECONDS)
        shown = shown_controls(window)
        designed = designed_controls(shared)
        controls = {child.name: child for child in window}

        controls[shared["spoken"]["Command1"]].queryAction().doAction(0)
        password_box = controls[shared["spoken"]["Text9"]]
        password = wait_for(lambda: password_box.queryText().getText(0, -1), "a password")
        password_box.queryComponent().grabFocus()
        wait_for(lambda: password_box.getState().contains(pyatspi.STATE_FOCUSED), "the focus")
        # Into Weston's window on the X server, which hands the keys to the focused client.
        subprocess.run(["xdotool", "mousemove", "400", "300", "key", "ctrl+a", "ctrl+c"],
                       check=True)
        wait_for(lambda: paste(environment) == password, "the password on the clipboard")

        types = paste(environment, "--list-types").split("\n")
        results = {
            f"the window shows its {sum(designed.values())} controls over AT-SPI, each once, by "
            f"name and role ({sum(shown.values())} shown)": shown == designed,
            "the password copied with Ctrl+C reaches wl-paste": paste(environment) == password,
        }
        for mark, value in MARKS.items():
            results[f"the copy carries {mark} = {value}"] = (
                mark in types and paste(environment, "--type", mark) == value)
    finally:
        if quillet is not None:
            quillet.terminate()
            quillet.wait(WAIT_LIMIT_SECONDS)
        weston.terminate()
        weston.wait(WAIT_LIMIT_SECONDS)

    for name, passed in results.items():
        print(f"{'ok  ' if passed else 'FAIL'} {name}")
    failed = sum(not passed for passed in results.values())
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
