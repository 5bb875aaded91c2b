#include "framework/Bitmap.h"

#include "framework/DC.h"
#include "framework/ResourceModule.h"

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

BOOL CBitmap::LoadImage(UINT nIDResource, UINT fuLoad)
{
    return Attach(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource),
                               IMAGE_BITMAP, 0, 0, fuLoad));
}

BOOL CBitmap::CreateCompatibleBitmap(const CDCHandle* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}
