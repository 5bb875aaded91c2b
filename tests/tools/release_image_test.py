#!/usr/bin/env python3
"""The release image's check (tools/check_release_image.py) on a folder
holding the 32-bit menu as built, then with one fault planted at a time: a
64-bit machine, a subsystem version Windows 2000 does not load, a manifest
naming another architecture, and an unsigned menu where autorun.inf starts a program that must be signed.

  release_image_test.py <check_release_image.py> <32-bit Splash.exe>
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile


def machine_offset(data):
    return struct.unpack_from("<I", data, 0x3C)[0] + 4


def plant_machine(data):
    struct.pack_into("<H", data, machine_offset(data), 0x8664)


def plant_subsystem(data):
    struct.pack_into("<HH", data, machine_offset(data) + 20 + 48, 6, 0)


def plant_manifest(data):
    at = data.index(b'processorArchitecture="x86"')
    data[at:at + 27] = b'processorArchitecture="ia6"'


# name, fault, --signed, expected status, a word the report must hold
CASES = [
    ("as built", None, False, 0, "all 32-bit"),
    ("64-bit machine", plant_machine, False, 1, "x86-64"),
    ("subsystem 6.0", plant_subsystem, False, 1, "subsystem version 6.0"),
    ("manifest for another architecture", plant_manifest, False, 1, "'ia6'"),
    ("the started menu unsigned where signed is due", None, True, 1, "Splash.exe: not signed"),
]


def main(check, splash):
    if not os.path.exists(splash):
        print(f"FAILED: no 32-bit menu at {splash}: ./test builds it on every host")
        return 1
    failures = 0
    for name, plant, signed, expected, word in CASES:
        with tempfile.TemporaryDirectory() as disc:
            with open(splash, "rb") as program:
                data = bytearray(program.read())
            if plant:
                plant(data)
            os.makedirs(os.path.join(disc, "Corla"))
            with open(os.path.join(disc, "Splash.exe"), "wb") as program:
                program.write(data)
            shutil.copy(splash, os.path.join(disc, "Corla", "setup.exe"))
            with open(os.path.join(disc, "autorun.inf"), "w", newline="\r\n") as autorun:
                autorun.write("[autorun]\nopen=Splash.exe\nicon=Splash.exe,0\n")
            result = subprocess.run([sys.executable, check] + (["--signed"] if signed else []) + [disc],
                                    capture_output=True, text=True)
            if result.returncode != expected or word not in result.stdout:
                print(f"FAILED: {name}: status {result.returncode}, not {expected}, or no '{word}' in:\n"
                      + result.stdout + result.stderr)
                failures += 1
    if failures == 0:
        print(f"The check passes the 32-bit menu and fails each of {len(CASES) - 1} planted faults")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
