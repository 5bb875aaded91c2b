// CDocumentButtons: the manual (opened in Acrobat Reader, in the edition of
// the hardware model, asked for when unknown), the Readme (in the menu's
// language where the disc has one, else English) and the Acrobat Reader
// installer.
#pragma once

#include "actions/ButtonRow.h"

class CDocumentButtons
{
public:
    explicit CDocumentButtons(CMenuContext& menu) noexcept : m_menu(menu) {}

    ButtonState RefreshAcrobatReader(const ButtonRow& row) const;
    // Its target is the reader's folder, empty without a reader.
    ButtonState RefreshManual(const ButtonRow& row) const;
    // Its target is the Readme found, in the menu's language where there is one.
    ButtonState RefreshReadme(const ButtonRow& row) const;
    // Starts the reader's installer, the row's first file, as a program
    // that shows its own windows.
    AfterClick InstallAcrobatReader(const ButtonRow& row);
    // Opens the row's manual of the hardware model (Lite first, then Pro) in the reader.
    AfterClick ViewManual(const ButtonRow& row, const CString& strAcrobatFolder);
    AfterClick ViewReadme(const ButtonRow& row, const CString& strReadmePath);

private:
    CMenuContext& m_menu;
};

// The shell, by its full path in the Windows folder, opening the Readme (in
// quotes, always); empty when the Windows folder cannot be read.
CString ReadmeCommandLine(const CString& strReadmePath);
