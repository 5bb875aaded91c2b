#include "framework/ResourceModule.h"

namespace
{
HINSTANCE g_hResource = nullptr;
}  // namespace

HINSTANCE AfxGetResourceHandle() noexcept { return g_hResource != nullptr ? g_hResource : ::GetModuleHandleW(nullptr); }

void AfxSetResourceHandle(HINSTANCE hResource) noexcept { g_hResource = hResource; }
