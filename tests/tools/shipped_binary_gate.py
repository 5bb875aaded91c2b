#!/usr/bin/env python3
"""The shipped-binary gate: reads the executables that ship, on the host, for
what decides whether Windows starts them at all. Wine loads a program whatever
it imports, so only this check sees an import that Windows 2000 or XP lacks.

  shipped_binary_gate.py <objdump> <import table> <manifest> <exe>... [--if-built <exe>...]
"""
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from check_release_image import MANIFEST_ARCHITECTURES, PeFile  # noqa: E402

VERSIONS = ["2000", "XP", "XPx64", "Vista", "7", "8", "8.1", "10"]
# Per PE format: the oldest Windows the build serves, and the highest
# subsystem version that Windows loads.
FLOORS = {"pei-i386": ("2000", (5, 0)), "pei-x86-64": ("XPx64", (5, 2))}
ALLOWED_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "MSVCRT.DLL"}
RT_VERSION = 16
# A start reads the whole menu from the disc before its first paint.
SIZE_LIMITS = {("pei-i386", "Splash.exe"): 600 * 1024}
REQUIRED_CHARACTERISTICS = {0x0040: "DYNAMIC_BASE (ASLR)", 0x0100: "NX_COMPAT (DEP)",
                            0x8000: "TERMINAL_SERVICE_AWARE"}


def read_table(path):
    table = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split()
            if not fields or fields[0].startswith("#"):
                continue
            dll, function, version = fields[:3]
            if version not in VERSIONS:
                sys.exit(f"{path}: '{version}' for {function} is not one of {', '.join(VERSIONS)}")
            table[(dll.upper() + ".DLL", function)] = version
    return table


class PeFacts:
    """What objdump -p says about one executable."""

    def __init__(self, text):
        self.format = re.search(r"file format (\S+)", text).group(1)
        self.subsystem = (int(re.search(r"MajorSubsystemVersion\s+(\d+)", text).group(1)),
                          int(re.search(r"MinorSubsystemVersion\s+(\d+)", text).group(1)))
        self.characteristics = int(re.search(r"DllCharacteristics\s+([0-9a-fA-F]+)", text).group(1), 16)
        delay = re.search(r"Entry d ([0-9a-fA-F]+) ([0-9a-fA-F]+) Delay Import Directory", text)
        self.has_delay_imports = delay is not None and int(delay.group(2), 16) != 0
        self.imports = []  # (DLL, function name or None for an ordinal)
        dll = None
        for line in text.splitlines():
            named = re.match(r"\s*DLL Name: (\S+)", line)
            if named:
                dll = named.group(1).upper()
            elif not line.strip():
                dll = None
            elif dll:
                entry = re.match(r"\s+[0-9a-fA-F]+\s+(\d+)(?:\s+(\S+))?", line)
                if entry:
                    name = entry.group(2)
                    self.imports.append((dll, None if name in (None, "<none>") else name))


def check_executable(objdump, path, table):
    facts = PeFacts(subprocess.run([objdump, "-p", path], check=True, capture_output=True, text=True).stdout)
    if facts.format not in FLOORS:
        return [f"unknown format {facts.format}"], None
    floor, highest_subsystem = FLOORS[facts.format]
    problems = []
    if facts.subsystem > highest_subsystem:
        problems.append("subsystem version %d.%d: Windows %s needs %d.%d or lower"
                        % (facts.subsystem + (floor,) + highest_subsystem))
    for bit, name in REQUIRED_CHARACTERISTICS.items():
        if not facts.characteristics & bit:
            problems.append(f"DLL characteristics lack {name}")
    with open(path, "rb") as program:
        pe = PeFile(program.read())
    if pe.resource(RT_VERSION) is None:
        problems.append("no version resource")
    if pe.manifest is None:
        problems.append("no embedded manifest")
    elif pe.manifest_architecture() != MANIFEST_ARCHITECTURES[pe.machine]:
        problems.append(f"its manifest names processorArchitecture {pe.manifest_architecture()!r} "
                        f"for an {pe.machine} program")
    limit = SIZE_LIMITS.get((facts.format, os.path.basename(path)))
    size = os.path.getsize(path)
    if limit is not None and size > limit:
        problems.append(f"{size // 1024} KB: a start from the disc reads all of it; at most {limit // 1024} KB")
    if facts.has_delay_imports:
        problems.append("delay-load imports: load such DLLs at run time from the system folder instead")
    for dll, function in facts.imports:
        if dll not in ALLOWED_DLLS:
            problems.append(f"imports {dll}: load it at run time from the system folder instead")
        elif function is None:
            problems.append(f"imports from {dll} by ordinal")
        elif (dll, function) not in table:
            problems.append(f"{dll} {function} is not in the import table: look up its minimum supported "
                            "client in Microsoft's documentation and add it")
        elif VERSIONS.index(table[(dll, function)]) > VERSIONS.index(floor):
            problems.append(f"{dll} {function} needs Windows {table[(dll, function)]}; this build serves {floor}")
    return problems, f"{len(facts.imports)} imports, all on Windows {floor}; manifest for {pe.machine}"


def check_manifest(path):
    try:
        root = ElementTree.parse(path).getroot()
    except ElementTree.ParseError as error:
        return [f"not well-formed XML: {error}"]
    def texts(name):
        return [element.text.strip() for element in root.iter() if element.tag.endswith("}" + name)]
    problems = []
    if texts("dpiAware") != ["true"]:
        problems.append("dpiAware true is needed for Vista to 8.1")
    awareness = [value.strip() for text in texts("dpiAwareness") for value in text.split(",")]
    if awareness[:1] != ["PerMonitorV2"] or awareness[-1:] != ["system"]:
        problems.append(f"dpiAwareness is {awareness}: PerMonitorV2 first, system last "
                        "(Windows 10 1607 takes the first it knows)")
    return problems


def main(arguments):
    objdump, table_path, manifest = arguments[:3]
    executables = arguments[3:]
    if "--if-built" in executables:
        split = executables.index("--if-built")
        executables = executables[:split] + [path for path in executables[split + 1:] if os.path.exists(path)]
    table = read_table(table_path)
    results = [(manifest, check_manifest(manifest), "well-formed, DPI awareness falls back to system")]
    results += [(path, *check_executable(objdump, path, table)) for path in executables]
    for path, problems, summary in results:
        for problem in problems:
            print(f"FAIL {path}: {problem}")
        if not problems:
            print(f"OK   {path}: {summary}")
    return 1 if any(problems for _, problems, _ in results) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
