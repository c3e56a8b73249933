#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What every desktop test needs: a desktop session of its own, Quillet started in it, found and
stopped, the scenarios the C++ tests share, and the window as AT-SPI shows it. Every wait is
bounded; one that runs out raises an AssertionError that says what it waited for.

As a program, runs a command in a desktop session of its own: harness.py COMMAND [ARGUMENT...]
The session is a virtual X server and a D-Bus session bus, which starts the accessibility bus
when the first program asks for it, as a logged-in desktop does. The command gets DISPLAY and
DBUS_SESSION_BUS_ADDRESS; when it ends, so does everything the session started, the command's own
children included. Exits with the command's status, or fails when it runs past the time limit, so
that the session is always cleaned up before a test runner gives up on it.
"""

import collections
import contextlib
import json
import os
import select
import signal
import subprocess
import sys
import tempfile
import time
import warnings

START_LIMIT_SECONDS = 20  # a loaded machine may take long to start a program
WAIT_LIMIT_SECONDS = 5
COMMAND_LIMIT_SECONDS = 45


def wait_for(condition, what, limit=WAIT_LIMIT_SECONDS):
    """condition()'s first true result; a program acts on a request after the call that sent it
    has returned."""
    deadline = time.monotonic() + limit
    while not (result := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"waited {limit} s for {what}")
        time.sleep(0.02)
    return result


def stop(process, limit=WAIT_LIMIT_SECONDS):
    """Ends a program the test started, killing it if it takes longer than the limit."""
    process.terminate()
    try:
        process.wait(limit)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def load_scenarios(path):
    """The scenarios the C++ tests share, as the build writes them into scenarios.json or, for
    the Windows edition, as write_scenarios.exe writes them under Wine; with "spoken": each
    control's accessible name by its name in the program. A table's rows are lists of their
    fields, in the order of the C++ struct."""
    if path.endswith(".exe"):
        scenarios = json.loads(subprocess.run(["wine", path], capture_output=True, check=True,
                                              timeout=START_LIMIT_SECONDS).stdout)
    else:
        with open(path, encoding="utf-8") as file:
            scenarios = json.load(file)
    scenarios["spoken"] = {name: spoken for name, _, spoken in scenarios["controls"]}
    return scenarios


class Quillet:
    """Quillet running in the session: the Linux edition, on X11 unless env says otherwise, or
    the Windows edition when the command starts Wine. Only an accessible one joins the
    accessibility bus."""

    def __init__(self, command, accessible=False, env=None, **options):
        env = dict(env or os.environ)
        env.setdefault("QT_QPA_PLATFORM", "xcb")
        if accessible:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.process = subprocess.Popen(command, env=env, **options)
        self.pid = self.process.pid

    def running(self):
        if self.process.poll() is not None:
            raise AssertionError(f"Quillet ended with status {self.process.returncode}")
        return True

    def focus_x_window(self, caption):
        """Gives the shown window the keyboard, as a window manager gives a new window; a bare X
        server leaves that to us. Qt also names a hidden helper window after the program."""
        def shown():
            return self.running() and subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--name", f"^{caption}$"],
                capture_output=True, text=True).stdout.split()
        window = wait_for(shown, "the window on the X server", START_LIMIT_SECONDS)[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True,
                       timeout=WAIT_LIMIT_SECONDS)
        return window

    def accessible_window(self):
        """The window, once it is on the accessibility bus."""
        pyatspi = atspi()

        def registered():
            return self.running() and next(
                (next(iter(application), None) for application in pyatspi.Registry.getDesktop(0)
                 if application is not None and application.get_process_id() == self.pid), None)
        return wait_for(registered, "the window on the accessibility bus", START_LIMIT_SECONDS)

    def stop(self):
        stop(self.process)


def atspi():
    """pyatspi, which only the tests that use the accessibility bus load. It calls libatspi
    functions that are deprecated for ones it does not use yet."""
    warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")
    import pyatspi
    return pyatspi


def designed_controls(scenarios):
    """The controls that are not labels, each as its accessible name and role."""
    pyatspi = atspi()
    roles = {"CommandButton": pyatspi.ROLE_PUSH_BUTTON, "OptionButton": pyatspi.ROLE_RADIO_BUTTON,
             "TextBox": pyatspi.ROLE_TEXT, "ScrollBar": pyatspi.ROLE_SCROLL_BAR}
    return collections.Counter((spoken, roles[kind]) for _, kind, spoken in scenarios["controls"]
                               if kind in roles)


def shown_controls(window):
    """The window's children that are not labels, each as its name and role."""
    return collections.Counter((child.name, child.getRole()) for child in window
                               if child.getRole() != atspi().ROLE_LABEL)


def read_line(stream_fd, what):
    """The first line a starting server writes, within the time limit."""
    line = b""
    deadline = time.monotonic() + START_LIMIT_SECONDS
    while not line.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([stream_fd], [], [], remaining)[0]:
            sys.exit(f"harness: {what} did not start within {START_LIMIT_SECONDS} s")
        chunk = os.read(stream_fd, 256)
        if not chunk:
            sys.exit(f"harness: {what} ended while starting")
        line += chunk
    return line.decode().strip()


def start_x_server():
    # -displayfd lets the server pick a free display, so sessions side by side never collide.
    # Without -noreset the server resets whenever its last client leaves, and drops a client
    # that connects meanwhile: a program started just as a polling xwininfo ends would abort.
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0", "1280x1024x24",
         "-nolisten", "tcp"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        start_new_session=True)
    os.close(write_end)
    try:
        return server, ":" + read_line(read_end, "Xvfb")
    finally:
        os.close(read_end)


def start_session_bus(environment):
    # Services the bus starts on demand (the accessibility bus and its registry) join the bus's
    # process group, so that ending the group ends them too.
    bus = subprocess.Popen(
        ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=environment,
        start_new_session=True)
    return bus, read_line(bus.stdout.fileno(), "dbus-daemon")


def group_ended(process):
    """Whether the process and every process of its group have ended."""
    if process.poll() is None:
        return False
    try:
        os.killpg(process.pid, 0)
    except ProcessLookupError:
        return True
    return False


def stop_group(process):
    with contextlib.suppress(ProcessLookupError):
        os.killpg(process.pid, signal.SIGTERM)
    try:
        wait_for(lambda: group_ended(process), f"{process.args[0]} and its children to end")
    except AssertionError:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(process.pid, signal.SIGKILL)
    process.wait(WAIT_LIMIT_SECONDS)


def run(command, environment):
    process = subprocess.Popen(command, env=environment, start_new_session=True)
    try:
        return process.wait(COMMAND_LIMIT_SECONDS)
    except subprocess.TimeoutExpired:
        print(f"harness: {command[0]} ran past {COMMAND_LIMIT_SECONDS} s", file=sys.stderr)
        return 1
    finally:
        stop_group(process)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))
    started = []
    with tempfile.TemporaryDirectory(prefix="quillet-session-") as runtime_dir:
        try:
            environment = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir)
            x_server, display = start_x_server()
            started.append(x_server)
            environment["DISPLAY"] = display
            bus, address = start_session_bus(environment)
            started.append(bus)
            environment["DBUS_SESSION_BUS_ADDRESS"] = address
            return run(sys.argv[1:], environment)
        finally:
            for process in reversed(started):
                stop_group(process)


if __name__ == "__main__":
    sys.exit(main())
