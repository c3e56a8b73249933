#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Attacks a running Quillet from another process of the same ordinary user, as malware would.

Run inside desktop_session.py, as root: memory_guard_test.py QUILLET_PROGRAM
Quillet runs as nobody, with a home folder of its own, started by the attacker (also nobody) so
that even a kernel that lets processes trace only their own children allows the attempts. Every
attempt must be refused, and the crash forced at the end must leave no core.
"""

import ctypes
import os
import pwd
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import time

START_LIMIT_SECONDS = 20
PTRACE_ATTACH, PTRACE_DETACH = 16, 17


def read_memory(pid):
    with open(f"/proc/{pid}/maps") as maps:
        start = int(next(line for line in maps if " r" in line).split("-")[0], 16)
    with open(f"/proc/{pid}/mem", "rb") as memory:
        memory.seek(start)
        return memory.read(16)


def attach(pid):
    libc = ctypes.CDLL(None, use_errno=True)
    if libc.ptrace(PTRACE_ATTACH, pid, None, None) != 0:
        error = ctypes.get_errno()
        raise OSError(error, os.strerror(error))
    os.waitpid(pid, 0)
    libc.ptrace(PTRACE_DETACH, pid, None, None)


def allow_cores(pid):
    unlimited = (resource.RLIM_INFINITY, resource.RLIM_INFINITY)
    resource.prlimit(pid, resource.RLIMIT_CORE, unlimited)


ATTEMPTS = {
    "read its memory through /proc/PID/mem": read_memory,
    "attach to it with ptrace": attach,
    "raise its core limit with prlimit": allow_cores,
}


def attack(program, home):
    """The attacker's side: starts Quillet, waits for its window, and tries every attempt."""
    quillet = subprocess.Popen([program], cwd=home, env=dict(os.environ, HOME=home),
                               stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + START_LIMIT_SECONDS
    while subprocess.run(["xwininfo", "-name", "Quillet"], capture_output=True).returncode != 0:
        if time.monotonic() > deadline or quillet.poll() is not None:
            quillet.kill()
            sys.exit("memory_guard_test: no Quillet window")
        time.sleep(0.05)

    results = {}
    for name, attempt in ATTEMPTS.items():
        try:
            attempt(quillet.pid)
            results[f"refused: {name}"] = False
        except OSError:
            results[f"refused: {name}"] = True
    quillet.send_signal(signal.SIGSEGV)
    status = quillet.wait()
    cores = [name for name in os.listdir(home) if name.startswith("core")]
    # Under AddressSanitizer the crash ends in its report and exit status 1 instead of the signal.
    results[f"ended by SIGSEGV (status {status}), with no core {cores}"] = (
        status != 0 and not cores)

    for name, passed in results.items():
        print(f"{'ok  ' if passed else 'FAIL'} {name}")
    failed = sum(not passed for passed in results.values())
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


def main():
    if sys.argv[1] == "--attack":
        return attack(sys.argv[2], sys.argv[3])
    # Everything the unprivileged user needs is copied where it may read it.
    nobody = pwd.getpwnam("nobody")
    with tempfile.TemporaryDirectory() as home:
        program = shutil.copy(sys.argv[1], home)
        script = shutil.copy(__file__, home)
        os.chown(home, nobody.pw_uid, nobody.pw_gid)
        os.chmod(home, 0o755)
        return subprocess.run(
            [sys.executable, script, "--attack", program, home], cwd=home,
            user=nobody.pw_uid, group=nobody.pw_gid, extra_groups=[],
            env={"PATH": os.environ["PATH"], "DISPLAY": os.environ["DISPLAY"]}).returncode


if __name__ == "__main__":
    sys.exit(main())
