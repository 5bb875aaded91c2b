// Shared by the tests on the demo disc's content: where it lies, copies of
// it, and DiscCheck's runs.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// The content taken out of the demo disc's image, as Windows and Unix paths.
inline const std::wstring kDiscContent = SPLASH_DISC_CONTENT;
inline const std::string kDiscContentUnix = SPLASH_DISC_CONTENT_UNIX;

// Copies a folder's files and subfolders into target (made when missing).
void CopyTree(const std::wstring& source, const std::wstring& target);
// Deletes every file of that name under folder.
void DeleteEverywhere(const std::wstring& folder, const std::wstring& name);

struct DiscCheckRun {
    unsigned long exitCode = 0;
    std::wstring output;
    std::vector<std::wstring> Lines() const;
    std::vector<std::wstring> Problems() const;  // the lines starting with "PROBLEM: "
};

// Runs DiscCheck.exe with these arguments (each quoted) and collects its output.
DiscCheckRun RunDiscCheck(const std::vector<std::wstring>& arguments);

} // namespace e2e
