#!/usr/bin/env python3
"""Fails on any C++ file of the project that clang-format would change, so
.clang-format stays a true statement of the style.

  format_check.py <source root> <clang-format program>
"""
import os
import shutil
import subprocess
import sys

FOLDERS = ("framework", "skin", "probes", "actions", "app", "tools", "benchmarks", "tests")


def sources(root):
    for folder in FOLDERS:
        for path, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                if name.endswith((".cpp", ".h")):
                    yield os.path.join(path, name)


def main(root, clang_format):
    if shutil.which(clang_format) is None:
        print(f"{clang_format} is missing: install Debian's clang-format-14 (./test does)")
        return 1
    # One run for every file: a process per file took most of the time.
    paths = list(sources(root))
    result = subprocess.run([clang_format, "--dry-run", "-Werror", *paths], capture_output=True, text=True)
    flagged = {line.split(":", 1)[0] for line in result.stderr.splitlines()}
    unformatted = [os.path.relpath(path, root) for path in paths if path in flagged]
    if result.returncode != 0 and not unformatted:
        print(result.stderr)
        return 1
    for path in unformatted:
        print(f"{path}: clang-format would change it; run: clang-format -i {path}")
    if not unformatted:
        print("every C++ file is as clang-format writes it")
    return 1 if unformatted else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
