#include "skin/StateStripCache.h"

std::shared_ptr<const CBitmap> CStateStripCache::Get(UINT nIDResource)
{
    for (const auto& strip : m_strips)
        if (strip.first == nIDResource)
            return strip.second;
    std::shared_ptr<const CBitmap> pStrip = LoadStrip(nIDResource);
    m_strips.emplace_back(nIDResource, pStrip);
    return pStrip;
}

std::shared_ptr<const CBitmap> CStateStripCache::LoadStrip(UINT nIDResource)
{
    auto pStrip = std::make_shared<CBitmap>();
    pStrip->LoadImage(nIDResource, LR_LOADMAP3DCOLORS);
    return pStrip;
}
