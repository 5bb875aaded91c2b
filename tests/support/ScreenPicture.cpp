#include "tests/support/ScreenPicture.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdlib>

namespace
{
// zlib packs the pictures to about half of what stb's own deflate gives.
unsigned char* Deflate(const unsigned char* pData, int nLength, int* pnOut, int nQuality)
{
    uLongf cbOut = compressBound(static_cast<uLong>(nLength));
    auto* pOut = static_cast<unsigned char*>(std::malloc(cbOut));
    if (pOut == nullptr || compress2(pOut, &cbOut, pData, static_cast<uLong>(nLength), nQuality) != Z_OK)
    {
        std::free(pOut);
        return nullptr;
    }
    *pnOut = static_cast<int>(cbOut);
    return pOut;
}
}  // namespace

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBIW_ZLIB_COMPRESS Deflate
#include <stb_image.h>
#include <stb_image_write.h>

#include <vector>

namespace
{
// Where nothing was ever painted.
constexpr COLORREF kUnpainted = RGB(255, 0, 255);

std::vector<HDC> g_realPaintDCs;
std::map<HWND, RECT> g_paintRects;  // the update area of each window being painted
}  // namespace

CScreenPicture::CScreenPicture(HWND hDialog) : m_hDialog(hDialog)
{
    s_pCurrent = this;
    m_procedures[hDialog] = nullptr;
    for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        m_procedures[hChild] = nullptr;
    for (auto& [hWnd, pfnOld] : m_procedures)
        pfnOld = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CScreenPicture::Procedure)));
    FollowClientSize();
    ::RedrawWindow(hDialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

CScreenPicture::~CScreenPicture()
{
    for (const auto& [hWnd, pfnOld] : m_procedures)
        if (::IsWindow(hWnd))
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOld));
    s_pCurrent = nullptr;
}

Pixels CScreenPicture::Take()
{
    ::RedrawWindow(m_hDialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    FollowClientSize();
    return m_pCanvas->Read();
}

void CScreenPicture::FollowClientSize()
{
    RECT rc;
    ::GetClientRect(m_hDialog, &rc);
    if (m_pCanvas != nullptr && rc.right == m_size.cx && rc.bottom == m_size.cy)
        return;
    // A window that grows keeps what it showed, as on a screen.
    auto pCanvas = std::make_unique<CCanvas>(rc.right, rc.bottom, kUnpainted);
    if (m_pCanvas != nullptr)
        ::BitBlt(pCanvas->GetDC(), 0, 0, m_size.cx, m_size.cy, m_pCanvas->GetDC(), 0, 0, SRCCOPY);
    m_pCanvas = std::move(pCanvas);
    m_size = {rc.right, rc.bottom};
}

HDC CScreenPicture::Target(HWND hWnd, const RECT& rc)
{
    FollowClientSize();
    const HDC hDC = m_pCanvas->GetDC();
    ::SaveDC(hDC);
    POINT origin{0, 0};
    ::MapWindowPoints(hWnd, m_hDialog, &origin, 1);
    ::SetViewportOrgEx(hDC, origin.x, origin.y, nullptr);
    RECT rcClient;
    ::GetClientRect(hWnd, &rcClient);
    RECT rcClip;
    ::IntersectRect(&rcClip, &rc, &rcClient);
    ::OffsetRect(&rcClip, origin.x, origin.y);
    const HRGN hClip = ::CreateRectRgnIndirect(&rcClip);
    ::SelectClipRgn(hDC, hClip);
    ::DeleteObject(hClip);
    return hDC;
}

void CScreenPicture::PrintClient(HWND hWnd, WNDPROC pfnProcedure, const RECT& rc)
{
    // Wine's controls clip their printing to their client rectangle taken as
    // device coordinates: they print at the origin of a canvas of their own,
    // which starts as what the screen shows behind them.
    RECT rcClient;
    ::GetClientRect(hWnd, &rcClient);
    CCanvas own(rcClient.right, rcClient.bottom, kUnpainted);
    const HDC hDC = Target(hWnd, rc);
    ::BitBlt(own.GetDC(), 0, 0, rcClient.right, rcClient.bottom, hDC, 0, 0, SRCCOPY);
    ::CallWindowProcW(pfnProcedure, hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own.GetDC()), PRF_CLIENT);
    ::BitBlt(hDC, 0, 0, rcClient.right, rcClient.bottom, own.GetDC(), 0, 0, SRCCOPY);
    Release();
}

void CScreenPicture::Release() { ::RestoreDC(m_pCanvas->GetDC(), -1); }

LRESULT CALLBACK CScreenPicture::Procedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CScreenPicture& self = *s_pCurrent;
    const WNDPROC pfnOld = self.m_procedures[hWnd];
    const auto areaOf = [](HWND hPainted, HDC hReal) {
        RECT rc;
        if (const auto it = g_paintRects.find(hPainted); it != g_paintRects.end())
            return it->second;
        ::GetClipBox(hReal, &rc);
        return rc;
    };
    switch (message)
    {
    case WM_ERASEBKGND:
    {
        const LRESULT lResult = ::CallWindowProcW(
            pfnOld, hWnd, message,
            reinterpret_cast<WPARAM>(self.Target(hWnd, areaOf(hWnd, reinterpret_cast<HDC>(wParam)))), lParam);
        self.Release();
        return lResult;
    }
    case WM_DRAWITEM:
    {
        auto* pItem = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        const HDC hReal = pItem->hDC;
        pItem->hDC = self.Target(pItem->hwndItem, areaOf(pItem->hwndItem, hReal));
        // The button hands over its DC with its font selected.
        ::SelectObject(pItem->hDC, ::GetCurrentObject(hReal, OBJ_FONT));
        const LRESULT lResult = ::CallWindowProcW(pfnOld, hWnd, message, wParam, lParam);
        self.Release();
        pItem->hDC = hReal;
        self.m_bPaintedHere = true;
        return lResult;
    }
    case WM_PAINT:
    {
        RECT rc;
        if (!::GetUpdateRect(hWnd, &rc, FALSE))
            return ::CallWindowProcW(pfnOld, hWnd, message, wParam, lParam);
        g_paintRects[hWnd] = rc;
        self.m_bPaintedHere = false;
        const LRESULT lResult = ::CallWindowProcW(pfnOld, hWnd, message, wParam, lParam);
        // A system control painted to the real DC: it prints itself here.
        if (!self.m_bPaintedHere)
            self.PrintClient(hWnd, pfnOld, rc);
        g_paintRects.erase(hWnd);
        return lResult;
    }
    default: return ::CallWindowProcW(pfnOld, hWnd, message, wParam, lParam);
    }
}

HDC WINAPI CScreenPicture::BeginPaintHere(HWND hWnd, LPPAINTSTRUCT pPaint)
{
    const HDC hReal = SystemFunction<decltype(&::BeginPaint)>(L"user32.dll", "BeginPaint")(hWnd, pPaint);
    CScreenPicture* pSelf = s_pCurrent;
    if (pSelf == nullptr || hReal == nullptr || pSelf->m_procedures.count(hWnd) == 0)
        return hReal;
    pSelf->m_bPaintedHere = true;
    const auto it = g_paintRects.find(hWnd);
    g_realPaintDCs.push_back(hReal);
    pPaint->hdc = pSelf->Target(hWnd, it != g_paintRects.end() ? it->second : pPaint->rcPaint);
    return pPaint->hdc;
}

BOOL WINAPI CScreenPicture::EndPaintHere(HWND hWnd, const PAINTSTRUCT* pPaint)
{
    PAINTSTRUCT paint = *pPaint;
    CScreenPicture* pSelf = s_pCurrent;
    if (pSelf != nullptr && pSelf->m_pCanvas != nullptr && paint.hdc == pSelf->m_pCanvas->GetDC() &&
        !g_realPaintDCs.empty())
    {
        pSelf->Release();
        paint.hdc = g_realPaintDCs.back();
        g_realPaintDCs.pop_back();
    }
    return SystemFunction<decltype(&::EndPaint)>(L"user32.dll", "EndPaint")(hWnd, &paint);
}

namespace
{
std::string PicturePath(const std::string& folder, const std::string& name) { return folder + "\\" + name + ".png"; }

bool WritePng(const Pixels& picture, const std::string& path)
{
    std::vector<unsigned char> rgb;
    rgb.reserve(picture.values.size() * 3);
    for (const COLORREF cr : picture.values)
        rgb.insert(rgb.end(), {GetRValue(cr), GetGValue(cr), GetBValue(cr)});
    stbi_write_png_compression_level = 9;
    return stbi_write_png(path.c_str(), picture.nWidth, picture.nHeight, 3, rgb.data(), picture.nWidth * 3) != 0;
}

bool ReadPng(const std::string& path, Pixels& picture)
{
    int nChannels = 0;
    unsigned char* pData = stbi_load(path.c_str(), &picture.nWidth, &picture.nHeight, &nChannels, 3);
    if (pData == nullptr)
        return false;
    picture.values.clear();
    for (size_t i = 0; i < static_cast<size_t>(picture.nWidth) * picture.nHeight; ++i)
        picture.values.push_back(RGB(pData[3 * i], pData[3 * i + 1], pData[3 * i + 2]));
    stbi_image_free(pData);
    return true;
}
}  // namespace

void ExpectPicture(const Pixels& picture, const std::string& name)
{
    const std::string own = PicturePath(SPLASH_PICTURES_DIR "\\" SPLASH_TARGET, name);
    const std::string reference =
        ::GetFileAttributesA(own.c_str()) != INVALID_FILE_ATTRIBUTES ? own : PicturePath(SPLASH_PICTURES_DIR, name);
    if (::GetEnvironmentVariableA("SPLASH_UPDATE_PICTURES", nullptr, 0) != 0)
    {
        EXPECT_TRUE(WritePng(picture, reference)) << reference;
        return;
    }
    Pixels expected;
    ASSERT_TRUE(ReadPng(reference, expected))
        << "no reference " << reference << " (SPLASH_UPDATE_PICTURES=1 makes it; review it before committing)";
    Pixels diff = picture;
    int nDiffering = 0;
    const bool bSameSize = expected.nWidth == picture.nWidth && expected.nHeight == picture.nHeight;
    for (size_t i = 0; i < diff.values.size(); ++i)
    {
        const COLORREF cr = picture.values[i];
        const bool bDiffers = !bSameSize || expected.values[i] != cr;
        nDiffering += bDiffers;
        const BYTE grey = static_cast<BYTE>((GetRValue(cr) + GetGValue(cr) + GetBValue(cr)) / 12);
        diff.values[i] = bDiffers ? RGB(255, 0, 0) : RGB(grey, grey, grey);
    }
    if (nDiffering == 0)
        return;
    ::CreateDirectoryA(SPLASH_PICTURE_OUTPUT, nullptr);
    const std::string actual = PicturePath(SPLASH_PICTURE_OUTPUT, name + ".actual");
    const std::string differing = PicturePath(SPLASH_PICTURE_OUTPUT, name + ".diff");
    WritePng(picture, actual);
    WritePng(diff, differing);
    ADD_FAILURE() << name << ": " << nDiffering << " pixels differ from " << reference << " (" << expected.nWidth
                  << " x " << expected.nHeight << " against " << picture.nWidth << " x " << picture.nHeight << "); see "
                  << actual << " and " << differing;
}
