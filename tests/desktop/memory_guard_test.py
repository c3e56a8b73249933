#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Attacks a running Quillet from another process, as malware would.

Run inside harness.py, as root: memory_guard_test.py [--same-user-only] QUILLET_PROGRAM SCENARIOS_JSON
or, for the Windows edition under Wine: memory_guard_test.py --windows QUILLET_EXE WRITE_SCENARIOS_EXE
--same-user-only leaves root's reading out, for a program whose allocator keeps freed blocks as
they were (AddressSanitizer's, which holds them back to catch their use).
First root, whom nothing refuses, reads the passwords Quillet replaced (password_traces.py): none
may be left. Then, on Linux, an attacker of the same ordinary user tries to read Quillet's memory:
Quillet runs as nobody, with a home folder of its own, started by the attacker (also nobody) so
that even a kernel that lets processes trace only their own children allows the attempts. Every
attempt must be refused, and the crash forced at the end must leave no core.
"""

import ctypes
import json
import os
import pwd
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest

import harness
import password_traces

IMAGE_OPTIONS = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\Image File Execution Options"
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


def read_replaced_passwords(command, scenarios, **options):
    """Root's side: starts Quillet and reads what its replaced passwords left in its memory."""
    quillet = harness.Quillet(command, stderr=subprocess.DEVNULL, **options)
    try:
        quillet.focus_x_window(scenarios["window_caption"])
        return password_traces.attack(quillet.pid, scenarios)
    finally:
        quillet.stop()


def attack(program, home, caption):
    """The attacker's side: starts Quillet, waits for its window, and tries every attempt; returns
    each finding as (description, passed)."""
    before = set(os.listdir(home))
    quillet = harness.Quillet([program], cwd=home, env=dict(os.environ, HOME=home),
                              stderr=subprocess.DEVNULL)
    quillet.focus_x_window(caption)

    # What the process set itself, whatever the system does with cores: no core of any size,
    # a limit the same user cannot raise, and not dumpable (the kernel gives its /proc to root).
    with open(f"/proc/{quillet.pid}/limits") as limits:
        core = next(line for line in limits if line.startswith("Max core file size")).split()[4:6]
    results = {f"its core limit is 0, soft and hard {core}": core == ["0", "0"],
               "it is not dumpable": os.stat(f"/proc/{quillet.pid}/status").st_uid == 0}
    for name, attempt in ATTEMPTS.items():
        try:
            attempt(quillet.pid)
            results[f"refused: {name}"] = False
        except OSError:
            results[f"refused: {name}"] = True
    quillet.process.send_signal(signal.SIGSEGV)
    status = quillet.process.wait()
    left = set(os.listdir(home)) - before
    cores = [name for name in left if name.startswith("core")]
    # Under AddressSanitizer the crash ends in its report and exit status 1 instead of the signal.
    results[f"ended by SIGSEGV (status {status}), with no core {cores}"] = (
        status != 0 and not cores)
    results[f"left its fresh home as it was {sorted(left)}"] = not left
    return list(results.items())


class MemoryGuardTest(unittest.TestCase):
    """main sets the program, and which edition it is, from the command line."""
    program, scenarios, windows, same_user_only = None, None, False, False

    @classmethod
    def setUpClass(cls):
        if cls.windows:
            # Wine's own text drawing copies what it draws into blocks it frees unwiped, where no
            # program can reach them. The heap's free checking, the global flag a debugger sets
            # on Windows, fills every freed block, so that what is found is what the program
            # keeps alive: its own texts and its boxes' buffers.
            options = IMAGE_OPTIONS + "\\" + os.path.basename(cls.program)
            subprocess.run(["wine", "reg", "add", options, "/v", "GlobalFlag", "/t", "REG_DWORD",
                            "/d", "0x20", "/f"], check=True, capture_output=True)
            return
        # Everything the unprivileged user needs is copied where it may read it.
        nobody = pwd.getpwnam("nobody")
        home = cls.home = tempfile.mkdtemp()
        cls.addClassCleanup(shutil.rmtree, home)
        cls.home_program = shutil.copy(cls.program, home)
        for module in (__file__, harness.__file__, password_traces.__file__):
            shutil.copy(module, home)
        os.chown(home, nobody.pw_uid, nobody.pw_gid)
        os.chmod(home, 0o755)
        cls.as_nobody = {"cwd": home, "user": nobody.pw_uid, "group": nobody.pw_gid,
                         "extra_groups": [], "env": {"PATH": os.environ["PATH"],
                                                     "DISPLAY": os.environ["DISPLAY"],
                                                     "HOME": home}}

    def check(self, findings):
        for description, passed in findings:
            with self.subTest(description):
                self.assertTrue(passed)

    def test_root_finds_no_replaced_password(self):
        if self.same_user_only:
            self.skipTest("the allocator keeps freed blocks as they were")
        if self.windows:
            self.check(read_replaced_passwords(["wine", self.program], self.scenarios))
        else:
            self.check(read_replaced_passwords([self.home_program], self.scenarios,
                                               **self.as_nobody))

    def test_the_same_user_is_refused_and_gets_no_core(self):
        if self.windows:
            self.skipTest("the guard against the same user is the Linux edition's")
        script = os.path.join(self.home, os.path.basename(__file__))
        attempts = subprocess.run(
            [sys.executable, script, "--attack", self.home_program, self.home,
             self.scenarios["window_caption"]],
            stdout=subprocess.PIPE, text=True, check=True, **self.as_nobody)
        self.check(json.loads(attempts.stdout))


def main():
    if sys.argv[1] == "--attack":
        json.dump(attack(*sys.argv[2:]), sys.stdout)
        return
    MemoryGuardTest.program = sys.argv[-2]
    MemoryGuardTest.scenarios = harness.load_scenarios(sys.argv[-1])
    MemoryGuardTest.windows = sys.argv[1] == "--windows"
    MemoryGuardTest.same_user_only = sys.argv[1] == "--same-user-only"
    unittest.main(argv=sys.argv[:1], verbosity=2)


if __name__ == "__main__":
    main()
