// Damaged copies of a sound disc file (a DLL or a program whose version the
// probes read), each made from the sound file of its kind: whatever the
// damage, the probe reads the file as unreadable, and nothing of it stays
// loaded.
#pragma once

#include "tests/support/Driver.h"

#include <windows.h>

#include <ostream>
#include <string>

namespace broken
{
// Where the resources begin in a PE file, from its section table.
inline size_t ResourceOffset(const std::string& pe)
{
    const auto at = [&](size_t offset) { return static_cast<size_t>(*reinterpret_cast<const DWORD*>(&pe[offset])); };
    const size_t headers = at(0x3C), sections = headers + 24 + (at(headers + 20) & 0xFFFF);
    for (size_t i = 0; i < (at(headers + 6) & 0xFFFF); ++i)
        if (pe.compare(sections + 40 * i, 5, ".rsrc") == 0)
            return at(sections + 40 * i + 20);
    return pe.size() / 2;
}

// Content null: no file at all.
struct BrokenFile
{
    const char* name;
    std::string (*content)(const std::wstring& sound);
};
inline void PrintTo(const BrokenFile& c, std::ostream* os) { *os << c.name; }

inline const BrokenFile kBrokenFiles[] = {
    {"Missing", nullptr},
    {"ZeroBytes", [](auto&) { return std::string(); }},
    {"Truncated",
     [](auto& sound) {
         const std::string pe = e2e::ReadTextFile(sound);
         return pe.substr(0, ResourceOffset(pe) + 64);
     }},
    {"Corrupt", [](auto&) { return "MZ" + std::string(4096, '\x90'); }},
    {"NoExportOrResource", [](auto&) { return e2e::ReadTextFile(e2e::FixturePath(L"canary.dll")); }},
    {"SixtyFourBit", [](auto&) { return e2e::ReadTextFile(L"C:\\windows\\sysnative\\version.dll"); }},
};

// Lays the damaged copy of sound at relative on the disc.
inline void Add(const BrokenFile& file, const e2e::FixtureDisc& disc, const std::wstring& relative,
                const std::wstring& sound)
{
    if (file.content != nullptr)
        disc.AddText(relative, file.content(sound));
}
}  // namespace broken
