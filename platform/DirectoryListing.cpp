#include "platform/DirectoryListing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>

namespace {

constexpr unsigned kStatusMask = STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_ATIME
    | STATX_CTIME | STATX_BTIME;

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool ReadStatus(int folder, const char* name, bool followLink, struct statx& status)
{
    const int flags = AT_STATX_SYNC_AS_STAT | (followLink ? 0 : AT_SYMLINK_NOFOLLOW);
    return statx(folder, name, flags, kStatusMask, &status) == 0;
}

// For file systems that do not give the type in the folder itself.
bool IsLink(int folder, const char* name)
{
    struct statx status;
    return statx(folder, name, AT_STATX_SYNC_AS_STAT | AT_SYMLINK_NOFOLLOW, STATX_TYPE, &status)
        == 0
        && S_ISLNK(status.stx_mode);
}

EntryKind KindOf(std::uint16_t mode)
{
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    return EntryKind::Other;
}

} // namespace

DirectoryListing::DirectoryListing(const std::string& folder)
    : m_dir(opendir(folder.c_str()))
{
}

DirectoryListing::~DirectoryListing()
{
    if (m_dir)
        closedir(m_dir);
}

bool DirectoryListing::Next(DirectoryEntry& entry)
{
    if (!m_dir)
        return false;
    const int folder = dirfd(m_dir);
    while (const dirent* found = readdir(m_dir)) {
        const char* name = found->d_name;
        if (IsDotOrDotDot(name))
            continue;
        // A link that leads nowhere is described by the link itself.
        struct statx status;
        if (!ReadStatus(folder, name, true, status) && !ReadStatus(folder, name, false, status))
            continue;
        entry.isLink = found->d_type == DT_LNK
            || (found->d_type == DT_UNKNOWN && IsLink(folder, name));
        entry.name.assign(name);
        entry.kind = KindOf(status.stx_mode);
        entry.size = status.stx_size;
        entry.modified = status.stx_mtime.tv_sec;
        entry.accessed = status.stx_atime.tv_sec;
        entry.created = (status.stx_mask & STATX_BTIME) ? status.stx_btime.tv_sec
                                                        : status.stx_ctime.tv_sec;
        return true;
    }
    return false;
}
