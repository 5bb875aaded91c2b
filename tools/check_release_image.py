#!/usr/bin/env python3
"""Checks, on the host, that every program of a release image starts on the
oldest Windows the disc serves: each .exe and .dll is a 32-bit (PE32, i386)
program with subsystem version 5.0 or lower, and an embedded manifest names
the x86 architecture. With --signed, the program autorun.inf starts must
carry an Authenticode signature too.

  check_release_image.py [--signed] <image.iso | folder>

Imported by the shipped-binary gate for the facts of one program.
"""
import os
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

MACHINES = {0x14C: "i386", 0x8664: "x86-64"}
MAGICS = {0x10B: "PE32", 0x20B: "PE32+"}
# The architecture a manifest names for each machine.
MANIFEST_ARCHITECTURES = {"i386": "x86", "x86-64": "amd64"}
RT_MANIFEST = 24
RESOURCE_DIRECTORY, SECURITY_DIRECTORY = 2, 4
ASSEMBLY_NAMESPACE = "{urn:schemas-microsoft-com:asm.v1}"


class PeFile:
    """The facts of one program that decide whether Windows loads it."""

    def __init__(self, data):
        if data[:2] != b"MZ":
            raise ValueError("not a Windows program (no MZ header)")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        self.machine = MACHINES.get(machine, hex(machine))
        self.format = MAGICS.get(magic, hex(magic))
        self.subsystem = struct.unpack_from("<HH", data, optional + 48)
        directories = optional + (96 if magic == 0x10B else 112)
        count = struct.unpack_from("<I", data, directories - 4)[0]
        self._directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(count)]
        self._sections = [struct.unpack_from("<IIII", data, optional + optional_size + 40 * i + 8)
                          for i in range(sections)]
        self._data = data
        self.signed = count > SECURITY_DIRECTORY and self._directories[SECURITY_DIRECTORY][1] != 0
        self.manifest = self.resource(RT_MANIFEST)

    def _offset(self, rva):
        for virtual_size, address, raw_size, raw_offset in self._sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_offset + rva - address
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def resource(self, type_id):
        """The first resource of a type, as bytes, or None."""
        if len(self._directories) <= RESOURCE_DIRECTORY or self._directories[RESOURCE_DIRECTORY][1] == 0:
            return None
        base = self._offset(self._directories[RESOURCE_DIRECTORY][0])

        def entries(offset):
            named, numbered = struct.unpack_from("<HH", self._data, base + offset + 12)
            for i in range(named + numbered):
                yield struct.unpack_from("<II", self._data, base + offset + 16 + 8 * i)

        offset = next((target for name, target in entries(0) if name == type_id), None)
        while offset is not None and offset & 0x80000000:  # name, then language
            offset = next((target for _, target in entries(offset & 0x7FFFFFFF)), None)
        if offset is None:
            return None
        rva, size = struct.unpack_from("<II", self._data, base + offset)
        start = self._offset(rva)
        return self._data[start:start + size]

    def manifest_architecture(self):
        """processorArchitecture of the manifest's own assemblyIdentity."""
        root = ElementTree.fromstring(self.manifest)
        identity = root.find(ASSEMBLY_NAMESPACE + "assemblyIdentity")
        return None if identity is None else identity.get("processorArchitecture")


def autorun_program(folder):
    """The path of the program autorun.inf's open= line names, or None."""
    for name in os.listdir(folder):
        if name.lower() == "autorun.inf":
            with open(os.path.join(folder, name), encoding="latin-1") as autorun:
                for line in autorun:
                    key, _, value = line.strip().partition("=")
                    if key.strip().lower() == "open" and value.strip():
                        return os.path.join(folder, value.strip().split()[0].replace("\\", os.sep))
    return None


def problems_of(path, require_signature):
    with open(path, "rb") as program:
        facts = PeFile(program.read())
    problems = []
    if (facts.format, facts.machine) != ("PE32", "i386"):
        problems.append(f"{facts.format} for {facts.machine}: the disc needs 32-bit programs (PE32, i386)")
    if facts.subsystem > (5, 0):
        problems.append("subsystem version %d.%d: Windows 2000 loads 5.0 or lower" % facts.subsystem)
    if facts.manifest is not None:
        architecture = facts.manifest_architecture()
        if architecture != MANIFEST_ARCHITECTURES.get(facts.machine):
            problems.append(f"its manifest names processorArchitecture {architecture!r} for an {facts.machine} program")
    if require_signature and not facts.signed:
        problems.append("not signed, though autorun.inf starts it")
    return problems, facts.signed


def check_folder(folder, require_signature):
    programs = sorted(os.path.join(top, name) for top, _, names in os.walk(folder)
                      for name in names if name.lower().endswith((".exe", ".dll")))
    started = autorun_program(folder) if require_signature else None
    if require_signature and started is None:
        print("FAIL autorun.inf names no program to start")
        return 1
    failures = signed = 0
    for path in programs:
        try:
            problems, is_signed = problems_of(path, started is not None and os.path.samefile(path, started))
        except (ValueError, struct.error, ElementTree.ParseError) as error:
            problems, is_signed = [f"cannot be read: {error}"], False
        signed += is_signed
        for problem in problems:
            print(f"FAIL {os.path.relpath(path, folder)}: {problem}")
        failures += bool(problems)
    if not programs:
        print("FAIL the image holds no programs")
        return 1
    if failures == 0:
        print(f"Release image: {len(programs)} programs, all 32-bit for Windows 2000 and later, "
              f"{signed} of them signed.")
    return 1 if failures else 0


def main(arguments):
    require_signature = "--signed" in arguments
    arguments = [argument for argument in arguments if argument != "--signed"]
    if len(arguments) != 1:
        sys.exit("Usage: check_release_image.py [--signed] <image.iso | folder>")
    source = arguments[0]
    if os.path.isdir(source):
        return check_folder(source, require_signature)
    with tempfile.TemporaryDirectory() as content:
        subprocess.run(["xorriso", "-no_rc", "-report_about", "WARNING", "-osirrox", "on", "-read_fs", "norock",
                        "-indev", source, "-extract", "/", content],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        status = check_folder(content, require_signature)
        subprocess.run(["chmod", "-R", "u+w", content], check=True)  # as extracted, read-only
        return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
