// CDocumentButtons: the manual (opened in Acrobat Reader, in the edition of
// the hardware model, asked for when unknown), the Readme (in the menu's
// language where the disc has one, else English) and the Acrobat Reader
// installer.
#pragma once

#include "actions/DiscFiles.h"
#include "framework/String.h"

class CLauncherDlg;

class CDocumentButtons
{
public:
    explicit CDocumentButtons(CLauncherDlg& menu) noexcept : m_menu(menu) {}

    void RefreshAcrobatReader();
    void RefreshManual();
    void RefreshReadme();
    void InstallAcrobatReader();
    void ViewManual();
    void ViewReadme();

    static ButtonDiscFiles AcrobatReaderDiscFiles();
    // Either edition makes the button available; the model picks one at the click.
    static ButtonDiscFiles ManualDiscFiles();
    // Each language's Readme, then the English one.
    static ButtonDiscFiles ReadmeDiscFiles();

private:
    CLauncherDlg& m_menu;
};

// The Readme of a language, and after it the English one at the root.
std::vector<DiscFile> ReadmeChoices(int nLanguageIndex);

// The shell, by its full path in the Windows folder, opening the Readme.
CString ReadmeCommandLine(const CString& strReadmePath);
