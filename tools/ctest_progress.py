#!/usr/bin/env python3
"""Shows how far a CTest run is, reading CTest's output on stdin.

On a terminal one line, redrawn in place: tests done of the total, failures so
far, the elapsed time and the longest-running test. Into a log a line every few
seconds instead. Every line CTest prints goes through, a failed test's output
in full, except the per-test "Start" and "Passed" lines.
Usage: ctest ... | ctest_progress.py <seconds between log lines>
"""
import os
import re
import select
import shutil
import sys
import time

START = re.compile(r"^\s*Start\s+(\d+): (.+)$")
# Matched by number: a parameterised test's name may itself hold dots and "...".
DONE = re.compile(r"^\s*\d+/(\d+) Test\s+#(\d+): ")
PASSED = re.compile(r"(\s|\*{3})(Passed|Skipped)\s+[\d.]+ sec$")


class Progress:
    def __init__(self, log_every):
        self.terminal = sys.stdout.isatty()
        self.log_every = log_every
        self.begun = time.monotonic()
        self.last_log = self.begun
        self.total = None
        self.done = self.failed = 0
        self.running = {}  # test number -> (name, when it started)
        self.shown = False

    def status(self):
        now = time.monotonic()
        elapsed = int(now - self.begun)
        if self.total is None and not self.running:
            where = "finding the tests"
        else:
            where = f"{self.done}/{self.total or '?'} done, {self.failed} failed"
        text = f"Tests: {where}, {elapsed // 60}:{elapsed % 60:02d}"
        if self.running:
            name, since = min(self.running.values(), key=lambda item: item[1])
            text += f", running {name.split('  #')[0]} ({int(now - since)} s)"
        return text

    def clear(self):
        if self.shown:
            sys.stdout.write("\r\033[K")
            self.shown = False

    def draw(self):
        if self.terminal:
            width = shutil.get_terminal_size().columns - 1
            sys.stdout.write("\r\033[K" + self.status()[:width])
            self.shown = True
        elif time.monotonic() - self.last_log >= self.log_every:
            sys.stdout.write(self.status() + "\n")
            self.last_log = time.monotonic()
        sys.stdout.flush()

    def line(self, text):
        started = START.match(text)
        if started:
            self.running[started.group(1)] = (started.group(2), time.monotonic())
            return
        done = DONE.match(text)
        if done:
            self.total = int(done.group(1))
            self.done += 1
            self.running.pop(done.group(2), None)
            if PASSED.search(text):
                return
            self.failed += 1
        self.clear()
        sys.stdout.write(text + "\n")


def main():
    progress = Progress(float(sys.argv[1]) if len(sys.argv) > 1 else 10)
    source = sys.stdin.fileno()
    pending = b""
    while True:
        readable, _, _ = select.select([source], [], [], 1)
        if readable:
            chunk = os.read(source, 65536)
            if not chunk:
                break
            *lines, pending = (pending + chunk).split(b"\n")
            for raw in lines:
                progress.line(raw.decode("utf-8", "replace").rstrip("\r"))
        progress.draw()
    if pending:
        progress.line(pending.decode("utf-8", "replace"))
    progress.clear()
    sys.stdout.flush()


if __name__ == "__main__":
    main()
