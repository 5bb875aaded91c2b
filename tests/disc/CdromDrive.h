// A drive letter typed CD-ROM for a Unix folder, for running the menu from a
// real drive root under Wine. Wine's mount manager gives it, as winecfg does:
// it makes the dosdevices link and the HKLM\Software\Wine\Drives entry, and
// the prefix's running services see the drive at once (a link and entry
// made by hand are only read when the services start). Taken back on
// destruction.
#pragma once

#include <string>

namespace e2e
{

class CdromDrive
{
public:
    CdromDrive(wchar_t letter, const std::string& unixFolder);
    ~CdromDrive();
    CdromDrive(const CdromDrive&) = delete;
    CdromDrive& operator=(const CdromDrive&) = delete;

    bool Defined() const { return m_defined; }
    // "X:"
    std::wstring Root() const { return std::wstring(1, m_letter) + L":"; }

private:
    // An empty folder takes the letter back.
    bool Define(const std::string& unixFolder) const;

    wchar_t m_letter;
    bool m_defined;
};

}  // namespace e2e
