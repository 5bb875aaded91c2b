#include "framework/Bitmap.h"

#include "framework/DC.h"

BOOL CBitmap::CreateDIBSection(int nWidth, int nHeight, DWORD** ppBits)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    if (!Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0)))
        return FALSE;
    *ppBits = static_cast<DWORD*>(pBits);
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(const CDCHandle* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}
