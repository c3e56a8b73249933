#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Runs a command in a desktop session of its own: desktop_session.py COMMAND [ARGUMENT...]

The session is a virtual X server and a D-Bus session bus, which starts the accessibility bus
when the first program asks for it, as a logged-in desktop does. The command gets DISPLAY and
DBUS_SESSION_BUS_ADDRESS; when it ends, so does everything the session started, the command's own
children included. Exits with the command's status, or fails when it runs past the time limit, so
that the session is always cleaned up before a test runner gives up on it.
"""

import os
import select
import signal
import subprocess
import sys
import tempfile
import time

START_LIMIT_SECONDS = 15
COMMAND_LIMIT_SECONDS = 45
STOP_LIMIT_SECONDS = 5


def read_line(stream_fd, what):
    """The first line a starting server writes, within the time limit."""
    line = b""
    deadline = time.monotonic() + START_LIMIT_SECONDS
    while not line.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([stream_fd], [], [], remaining)[0]:
            sys.exit(f"desktop_session: {what} did not start within {START_LIMIT_SECONDS} s")
        chunk = os.read(stream_fd, 256)
        if not chunk:
            sys.exit(f"desktop_session: {what} ended while starting")
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


def stop(process):
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    deadline = time.monotonic() + STOP_LIMIT_SECONDS
    while time.monotonic() < deadline:
        try:
            os.killpg(process.pid, 0)
        except ProcessLookupError:
            break
        process.poll()
        time.sleep(0.05)
    else:
        os.killpg(process.pid, signal.SIGKILL)
    process.wait(STOP_LIMIT_SECONDS)


def run(command, environment):
    process = subprocess.Popen(command, env=environment, start_new_session=True)
    try:
        return process.wait(COMMAND_LIMIT_SECONDS)
    except subprocess.TimeoutExpired:
        print(f"desktop_session: {command[0]} ran past {COMMAND_LIMIT_SECONDS} s", file=sys.stderr)
        return 1
    finally:
        stop(process)


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
                stop(process)


if __name__ == "__main__":
    sys.exit(main())
