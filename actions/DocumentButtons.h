// CDocumentButtons: the manual (opened in Acrobat Reader, in the edition of
// the hardware model, asked for when unknown), the Readme (in the menu's
// language where the disc has one, else English) and the Acrobat Reader
// installer.
#pragma once

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

private:
    CLauncherDlg& m_menu;
};
