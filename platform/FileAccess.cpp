#include "platform/FileAccess.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static_assert(kOwnerWritePermission == S_IWUSR);

namespace {

FileStatus Failure(int error)
{
    return {false, std::strerror(error)};
}

FileStatus LastFailure()
{
    return Failure(errno);
}

// O_NONBLOCK keeps the open itself from waiting on a FIFO or device; the check after it
// keeps every later read or write from doing so.
FileStatus OpenRegular(const std::string& path, int flags, int& fd, std::uint64_t& size)
{
    fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return LastFailure();
    struct stat info {};
    FileStatus status;
    if (::fstat(fd, &info) != 0)
        status = LastFailure();
    else if (S_ISDIR(info.st_mode))
        status = Failure(EISDIR);
    else if (!S_ISREG(info.st_mode))
        status = {false, "Not a regular file"};
    if (!status.ok) {
        ::close(fd);
        fd = -1;
        return status;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return status;
}

FileStatus CloseFile(int fd)
{
    return ::close(fd) == 0 ? FileStatus{} : LastFailure();
}

// Writes at offset, or at the end when there is none; closes fd in every case, and the first
// failure wins.
FileStatus WriteAllAndClose(int fd, std::optional<off_t> offset, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const char* from = bytes.data() + done;
        const std::size_t left = bytes.size() - done;
        const ssize_t written = offset
            ? ::pwrite(fd, from, left, *offset + static_cast<off_t>(done))
            : ::write(fd, from, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            const FileStatus status = LastFailure();
            ::close(fd);
            return status;
        }
        done += static_cast<std::size_t>(written);
    }
    return CloseFile(fd);
}

} // namespace

FileTail ReadFileTail(const std::string& path, std::size_t count)
{
    FileTail tail;
    int fd = -1;
    tail.status = OpenRegular(path, O_RDONLY, fd, tail.size);
    if (!tail.status.ok)
        return tail;
    const std::size_t wanted = tail.size < count ? static_cast<std::size_t>(tail.size) : count;
    tail.bytes.resize(wanted);
    const auto start = static_cast<off_t>(tail.size - wanted);
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t got = ::pread(fd, tail.bytes.data() + done, wanted - done,
                                    start + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            // The file was cut short meanwhile: report it rather than hand back a partial tail.
            tail.status = got < 0 ? LastFailure() : Failure(EIO);
            ::close(fd);
            return tail;
        }
        done += static_cast<std::size_t>(got);
    }
    tail.status = CloseFile(fd);
    return tail;
}

FileStatus WriteFileAt(const std::string& path, std::int64_t offset, std::string_view bytes)
{
    int fd = -1;
    std::uint64_t size = 0;
    const FileStatus opened = OpenRegular(path, O_WRONLY, fd, size);
    if (!opened.ok)
        return opened;
    return WriteAllAndClose(fd, offset, bytes);
}

FileStatus AppendToFile(const std::string& path, std::string_view bytes)
{
    int fd = -1;
    std::uint64_t size = 0;
    const FileStatus opened = OpenRegular(path, O_WRONLY | O_APPEND, fd, size);
    if (!opened.ok)
        return opened;
    return WriteAllAndClose(fd, std::nullopt, bytes);
}

FileInfo ReadFileInfo(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {LastFailure()};
    return {{}, static_cast<std::uint64_t>(info.st_size),
            static_cast<unsigned>(info.st_mode & 07777)};
}

FileStatus SetFileMode(const std::string& path, unsigned permissions)
{
    return ::chmod(path.c_str(), static_cast<mode_t>(permissions)) == 0 ? FileStatus{}
                                                                         : LastFailure();
}

bool RegularFileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
