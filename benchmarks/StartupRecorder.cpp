// The benchmark build's MarkStartup: keeps the performance-counter reading of
// each start-up point's first occurrence and, when the process ends, writes
// them to the file named by SPLASH_STARTUP_TRACE, one "point counter" line each.
#include "framework/StartupTrace.h"

#include <windows.h>

#include <cstdio>

namespace
{
class CStartupRecorder
{
public:
    ~CStartupRecorder()
    {
        wchar_t szPath[MAX_PATH] = L"";
        if (::GetEnvironmentVariableW(L"SPLASH_STARTUP_TRACE", szPath, MAX_PATH) == 0)
            return;
        FILE* pFile = _wfopen(szPath, L"w");
        if (pFile == nullptr)
            return;
        for (int i = 0; i < kPoints; ++i)
            if (m_counters[i] != 0)
                std::fprintf(pFile, "%d %lld\n", i, m_counters[i]);
        std::fclose(pFile);
    }

    void Mark(StartupPoint point) noexcept
    {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        LONGLONG& counter = m_counters[static_cast<int>(point)];
        if (counter == 0)
            counter = now.QuadPart;
    }

private:
    static constexpr int kPoints = static_cast<int>(StartupPoint::kCount);
    LONGLONG m_counters[kPoints] = {};
};

CStartupRecorder g_recorder;
}  // namespace

void MarkStartup(StartupPoint point) noexcept { g_recorder.Mark(point); }
