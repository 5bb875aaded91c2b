#include "tests/support/TextMetrics.h"

#include <vector>

namespace
{
const wchar_t kFontsKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";

// A registry string or multi-string value, whole; empty when missing.
std::wstring ReadValue(const std::wstring& subkey, const std::wstring& name)
{
    DWORD cb = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, subkey.c_str(), name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_MULTI_SZ, nullptr,
                     nullptr, &cb) != ERROR_SUCCESS)
        return {};
    std::wstring value(cb / sizeof(wchar_t), L'\0');
    RegGetValueW(HKEY_LOCAL_MACHINE, subkey.c_str(), name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_MULTI_SZ, nullptr,
                 value.data(), &cb);
    return value;
}

// The faces linked to face, in link order: entries "FILE.TTC,Face[,...]".
std::vector<std::wstring> LinkedFaces(const std::wstring& face)
{
    std::wstring real = ReadValue(std::wstring(kFontsKey) + L"FontSubstitutes", face).c_str();
    if (real.empty())
        real = face;
    real = real.substr(0, real.find(L','));  // "Face,charset"
    const std::wstring links = ReadValue(std::wstring(kFontsKey) + L"FontLink\\SystemLink", real);
    std::vector<std::wstring> faces;
    for (const wchar_t* p = links.c_str(); *p != L'\0'; p += wcslen(p) + 1)
    {
        const std::wstring entry = p;
        const size_t comma = entry.find(L',');
        if (comma != std::wstring::npos)
            faces.push_back(entry.substr(comma + 1, entry.find(L',', comma + 1) - comma - 1));
    }
    return faces;
}

// The characters of text that the font selected into hDC has no glyph for.
std::wstring WithoutGlyphs(HDC hDC, const std::wstring& text)
{
    std::vector<WORD> glyphs(text.size() + 1);
    GetGlyphIndicesW(hDC, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    std::wstring missing;
    for (size_t i = 0; i < text.size(); ++i)
        if (glyphs[i] == 0xFFFF)
            missing += text[i];
    return missing;
}

// Keeps the characters of missing that the linked face has no glyph for. A
// face that is not installed (the mapper gave another one) covers nothing.
void DropLinkedCovered(const LOGFONTW& base, const std::wstring& face, HDC hDC, std::wstring& missing)
{
    LOGFONTW lf = base;
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    const HFONT hFont = CreateFontIndirectW(&lf);
    const HGDIOBJ hOld = SelectObject(hDC, hFont);
    wchar_t selected[LF_FACESIZE] = L"";
    GetTextFaceW(hDC, LF_FACESIZE, selected);
    if (lstrcmpiW(selected, face.c_str()) == 0)
        missing = WithoutGlyphs(hDC, missing);
    SelectObject(hDC, hOld);
    DeleteObject(hFont);
}
}  // namespace

std::wstring MissingGlyphs(HFONT hFont, const std::wstring& text)
{
    std::wstring drawn;
    for (const wchar_t ch : text)
        if (ch >= L' ')
            drawn += ch;
    LOGFONTW lf{};
    GetObjectW(hFont, sizeof lf, &lf);
    const HDC hDC = CreateCompatibleDC(nullptr);
    const HGDIOBJ hOld = SelectObject(hDC, hFont);
    std::wstring missing = WithoutGlyphs(hDC, drawn);
    SelectObject(hDC, hOld);
    for (const std::wstring& face : LinkedFaces(lf.lfFaceName))
        if (!missing.empty())
            DropLinkedCovered(lf, face, hDC, missing);
    DeleteDC(hDC);
    return missing;
}

namespace
{
// The rectangle DrawTextW's DT_CALCRECT gives text in the font, starting nWidth wide.
RECT MeasureText(HFONT hFont, const std::wstring& text, int nWidth, UINT uFormat)
{
    const HDC hDC = CreateCompatibleDC(nullptr);
    const HGDIOBJ hOld = SelectObject(hDC, hFont);
    RECT rc = {0, 0, nWidth, 0};
    DrawTextW(hDC, text.c_str(), static_cast<int>(text.size()), &rc, DT_CALCRECT | uFormat);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    return rc;
}
}  // namespace

int CaptionOverflow(HFONT hFont, const std::wstring& caption, int nClientWidth, int nMargin)
{
    const RECT rc = MeasureText(hFont, caption, nClientWidth, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    return (rc.right - rc.left) - (nClientWidth - 2 * nMargin);
}

SIZE WrappedTextSize(HFONT hFont, const std::wstring& text, int nWidth)
{
    const RECT rc = MeasureText(hFont, text, nWidth, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS);
    return {rc.right - rc.left, rc.bottom - rc.top};
}
