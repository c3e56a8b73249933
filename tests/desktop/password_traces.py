# SPDX-License-Identifier: MIT
"""What root can read of the passwords a running Quillet has replaced: the attack both editions'
memory tests make. Quillet is driven from the keyboard through a fixed sequence of generations;
after each key its writable memory is read through /proc/PID/mem.

The passwords are learnt from those snapshots alone, so that the test makes none of the copies it
looks for: a password is a run of the chosen set's characters, 8 or more long, that a generation
brings into memory as UTF-16 (the window's) and also as 8-bit text (the core's). A password once
replaced may then not be found again, whole or as any 8 of its characters in a row.
"""

import collections
import re
import subprocess
import time

FRAGMENT = 8
NARROW_RUN = re.compile(rb"[0-9A-Za-z]{%d,}" % FRAGMENT)
WIDE_RUN = re.compile(rb"(?:[0-9A-Za-z]\x00){%d,}" % FRAGMENT)
WAIT_LIMIT_SECONDS = 10

# (control, keys, the option selected, the two rows' lengths drawn or None). Over 20 generations:
# lengths by the scroll bars' arrows and by typing, both sets, and a row abandoned by deleting its
# length and pressing the button, which leaves that row's box empty. The option buttons are one
# Tab stop, Option2's in the scenarios' lap, on whichever of them is selected.
ALNUM, HEX = "Option2", "Option1"
SEQUENCE = [
    ("Command1", ["space"], ALNUM, (10, 20)),
    ("Command1", ["space"], ALNUM, (10, 20)),
    ("HScroll1", ["Right"], ALNUM, (11, 20)),
    ("HScroll1", ["Right"], ALNUM, (12, 20)),
    ("Text8", ["End", "BackSpace"], ALNUM, (1, 20)),
    ("Text8", ["BackSpace"], ALNUM, None),
    ("Text8", ["3"], ALNUM, (3, 20)),
    ("Text8", ["5"], ALNUM, (35, 20)),
    ("Option2", ["Down"], HEX, None),
    ("Command1", ["space"], HEX, (35, 20)),
    ("Command1", ["space"], HEX, (35, 20)),
    ("HScroll2", ["Left"], HEX, (35, 19)),
    ("HScroll2", ["Left"], HEX, (35, 18)),
    ("HScroll2", ["Left"], HEX, (35, 17)),
    ("Text11", ["End", "BackSpace"], HEX, (35, 1)),
    ("Text11", ["9"], HEX, (35, 19)),
    ("Text8", ["End", "BackSpace"], HEX, (3, 19)),
    ("Text8", ["BackSpace"], HEX, None),
    ("Command1", ["space"], HEX, (0, 19)),
    ("Option2", ["Up"], ALNUM, None),
    ("Text8", ["2", "4"], ALNUM, None),  # the row's box is empty: nothing is drawn
    ("Command1", ["space"], ALNUM, (24, 19)),
    ("HScroll2", ["Right"], ALNUM, (24, 20)),
    ("Command1", ["space"], ALNUM, (24, 20)),
    ("Command1", ["space"], ALNUM, (24, 20)),
]


def writable_memory(pid):
    """Every private writable mapping of the process, joined by zeros."""
    chunks = []
    with open(f"/proc/{pid}/maps") as maps, open(f"/proc/{pid}/mem", "rb", buffering=0) as memory:
        for line in maps:
            fields = line.split()
            if not fields[1].startswith("rw") or len(fields) > 5 and fields[5].startswith("/dev/"):
                continue
            start, end = (int(address, 16) for address in fields[0].split("-"))
            try:
                memory.seek(start)
                chunks.append(memory.read(end - start))
            except OSError:
                continue
    return b"\0".join(chunks)


class Snapshot:
    """The runs of letters and digits in memory, as 8-bit text and as UTF-16."""

    def __init__(self, pid):
        memory = writable_memory(pid)
        self.narrow = {run.decode() for run in NARROW_RUN.findall(memory)}
        self.wide = {run[::2].decode() for run in WIDE_RUN.findall(memory)}
        self.runs = self.narrow | self.wide

    def new_passwords(self, before, characters):
        """The new UTF-16 runs of the set's characters that are also in memory as 8-bit text,
        where an allocator's header may stand right before them."""
        return {run for run in self.wide - before.runs
                if set(run) <= set(characters) and run not in characters
                and any(run in text for text in self.narrow)}

    def holds_whole(self, password):
        return any(password in run for run in self.runs)

    def holds_piece(self, password):
        """Whether memory holds 8 or more of the password's characters in a row."""
        if not hasattr(self, "pieces"):
            self.pieces = {run[i:i + FRAGMENT] for run in self.runs
                           for i in range(len(run) - FRAGMENT + 1)}
        return any(password[i:i + FRAGMENT] in self.pieces
                   for i in range(len(password) - FRAGMENT + 1))


def press(keys):
    subprocess.run(["xdotool", "key", "--delay", "0", *keys], check=True)


def attack(pid, scenarios):
    """Plays the sequence on the window that has the focus, and returns the results as lines of
    (description, passed)."""
    tab_stops = scenarios["tab_stops"]
    sets = {option: characters for option, *_, characters in scenarios["generations"]}
    snapshot = Snapshot(pid)
    stop = 0
    drawn = []  # each generation's passwords, in order
    found_at_replacement = set()
    # The window may still hold the passwords it has just replaced while it finishes a generation;
    # those of the generation before have had a whole generation to go.
    left_behind = set()
    for control, keys, option, lengths in SEQUENCE:
        steps = (tab_stops.index(control) - stop) % len(tab_stops)
        press(["Tab"] * steps + keys)
        stop = tab_stops.index(control)
        if lengths is None:
            continue
        expected = collections.Counter(length for length in (30, *lengths) if length >= FRAGMENT)
        before = snapshot
        deadline = time.monotonic() + WAIT_LIMIT_SECONDS
        while True:
            snapshot = Snapshot(pid)
            new = {password for password in snapshot.new_passwords(before, sets[option])
                   if len(password) in expected}
            if collections.Counter(len(password) for password in new) >= expected:
                break
            if time.monotonic() > deadline:
                return [(f"generation {len(drawn) + 1} found in memory", False)]
        drawn.append(new)
        if len(drawn) > 1:
            found_at_replacement |= {password for password in drawn[-2]
                                     if snapshot.holds_whole(password)}
        left_behind |= {password for password in set().union(*drawn[:-2])
                        if snapshot.holds_piece(password)}
    replaced = set().union(*drawn[:-1]) - drawn[-1]
    whole = {password for password in replaced if snapshot.holds_whole(password)}
    at_end = {password for password in replaced if snapshot.holds_piece(password)}
    print(f"{len(drawn)} generations; of {len(replaced)} passwords replaced, "
          f"{len(found_at_replacement)} were whole in memory right after their replacement, "
          f"{len(left_behind)} left {FRAGMENT} or more characters in a row a generation later, "
          f"{len(whole)} are whole at the end and {len(at_end)} have such a piece there")
    return [(f"{len(drawn)} generations learnt from memory alone", len(drawn) >= 20),
            (f"no piece of the {len(replaced)} replaced passwords is left a generation after "
             f"their replacement {sorted(left_behind)}", not left_behind)]
