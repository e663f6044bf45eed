#include "platform/FileWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStatus Failure(int error)
{
    return {false, std::strerror(error)};
}

mode_t CurrentUmask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

} // namespace

FileStatus WriteWholeFile(const std::string& path, std::string_view bytes)
{
    struct stat existing {};
    const bool replacing = stat(path.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode))
        return Failure(S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);

    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return Failure(errno);
    const auto fail = [&](int error) {
        close(fd);
        unlink(temporary.c_str());
        return Failure(error);
    };
    const mode_t mode = replacing ? (existing.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (fchmod(fd, mode) != 0)
        return fail(errno);
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t count = write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        written += static_cast<std::size_t>(count);
    }
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return Failure(error);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return Failure(error);
    }
    return {};
}
