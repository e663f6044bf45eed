#include "platform/ItemStatus.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

namespace {

std::string UserName(unsigned uid)
{
    const passwd* user = getpwuid(uid);
    return user ? std::string(user->pw_name) : std::to_string(uid);
}

std::string GroupName(unsigned gid)
{
    const struct group* found = getgrgid(gid);
    return found ? std::string(found->gr_name) : std::to_string(gid);
}

} // namespace

std::optional<ItemStatus> ReadItemStatus(const std::string& path)
{
    struct statx status;
    const unsigned mask = STATX_TYPE | STATX_MODE | STATX_UID | STATX_GID | STATX_SIZE
        | STATX_MTIME | STATX_ATIME | STATX_CTIME | STATX_BTIME;
    if (statx(AT_FDCWD, path.c_str(), AT_STATX_SYNC_AS_STAT, mask, &status) != 0)
        return std::nullopt;
    ItemStatus item;
    item.kind = S_ISREG(status.stx_mode) ? EntryKind::File
        : S_ISDIR(status.stx_mode)       ? EntryKind::Folder
                                         : EntryKind::Other;
    item.size = status.stx_size;
    item.created = (status.stx_mask & STATX_BTIME) ? status.stx_btime.tv_sec : status.stx_ctime.tv_sec;
    item.modified = status.stx_mtime.tv_sec;
    item.accessed = status.stx_atime.tv_sec;
    item.permissions = status.stx_mode & 07777u;
    item.owner = UserName(status.stx_uid);
    item.group = GroupName(status.stx_gid);
    return item;
}
