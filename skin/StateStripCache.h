// CStateStripCache: the state strips of one dialog's buttons, each loaded
// once and shared by every button that shows it. A button keeps its strip
// alive for as long as it holds it, so neither side outlives the other's
// bitmap; the last holder deletes it.
#pragma once

#include "framework/Bitmap.h"

#include <memory>
#include <utility>
#include <vector>

class CStateStripCache
{
public:
    // The strip of bitmap resource nIDResource, loaded as LoadStrip loads it.
    std::shared_ptr<const CBitmap> Get(UINT nIDResource);
    // A strip of one's own, for a button outside a skinned dialog.
    static std::shared_ptr<const CBitmap> LoadStrip(UINT nIDResource);

private:
    std::vector<std::pair<UINT, std::shared_ptr<const CBitmap>>> m_strips;
};
