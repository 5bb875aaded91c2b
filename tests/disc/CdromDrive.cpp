#include "tests/disc/CdromDrive.h"

#include <windows.h>
#include <winioctl.h>

#include <vector>

namespace e2e
{

namespace
{

// Wine's own mount-manager request (include/wine/mountmgr.h since Wine 6).
constexpr DWORD kDefineUnixDrive = CTL_CODE(0x6d, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

struct UnixDriveRequest
{
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};

}  // namespace

CdromDrive::CdromDrive(wchar_t letter, const std::string& unixFolder) : m_letter(letter), m_defined(false)
{
    // A letter left by an earlier run that ended abruptly is replaced.
    m_defined = Define(unixFolder);
}

CdromDrive::~CdromDrive()
{
    if (m_defined)
        Define({});
}

bool CdromDrive::Define(const std::string& unixFolder) const
{
    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> buffer(sizeof(UnixDriveRequest) + unixFolder.size() + 1, '\0');
    auto* request = reinterpret_cast<UnixDriveRequest*>(buffer.data());
    request->size = static_cast<ULONG>(buffer.size());
    request->letter = static_cast<WCHAR>(towlower(m_letter));
    request->type = unixFolder.empty() ? DRIVE_NO_ROOT_DIR : DRIVE_CDROM;
    if (!unixFolder.empty())
    {
        request->mountPointOffset = sizeof(UnixDriveRequest);
        unixFolder.copy(buffer.data() + sizeof(UnixDriveRequest), unixFolder.size());
    }
    DWORD returned = 0;
    const bool done = DeviceIoControl(manager, kDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()),
                                      nullptr, 0, &returned, nullptr) != FALSE;
    CloseHandle(manager);
    return done;
}

}  // namespace e2e
