#include "skin/StateStripCache.h"

#include "skin/PackedArtwork.h"
#include "skin/SkinColours.h"

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
    CPackedArtwork artwork(nIDResource);
    artwork.Decode(*pStrip, artwork.Size());
    if (artwork.IsDamaged())
        CSkinColours::SetArtworkDamaged(true);
    return pStrip;
}
