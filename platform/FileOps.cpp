#include "platform/FileOps.h"

#include "platform/Umask.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Internal steps return 0 or an errno value, so the first failure survives the clean-up after it.
FileStatus Result(int error)
{
    return error == 0 ? FileStatus{} : FileStatus{false, std::strerror(error)};
}

enum class NoReplace { RenameFlag, Link };

// Unique within this process; the O_EXCL or RENAME_NOREPLACE that takes it settles any clash
// with a name someone else left there.
std::string TemporaryNameBeside(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    return folder + ".quillmark-" + std::to_string(::getpid()) + '-' + std::to_string(counter++)
        + ".tmp";
}

bool SameEntry(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::lstat(a.c_str(), &first) == 0 && ::lstat(b.c_str(), &second) == 0
        && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// A file system that rejects RENAME_NOREPLACE switches `how` to links for the rest of the move.
int MoveOnce(const std::string& from, const std::string& to, NoReplace& how, bool isFile)
{
    if (how == NoReplace::RenameFlag) {
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
            return 0;
        if (!isFile || (errno != EINVAL && errno != ENOSYS))
            return errno;
        how = NoReplace::Link;
    }
    if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) != 0)
        return errno;
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());
        return error;
    }
    return 0;
}

int Move(const std::string& from, const std::string& to, NoReplace how, bool isFile)
{
    if (from == to) {
        struct stat info {};
        return ::lstat(from.c_str(), &info) == 0 ? 0 : errno;
    }
    const int error = MoveOnce(from, to, how, isFile);
    if (error != EEXIST || !SameEntry(from, to))
        return error;
    // `to` names the source itself: a change of letter case on a file system that ignores
    // case, which only takes effect through another name. (A hard link of the source lands here
    // too; its second step fails and is undone.)
    const std::string temporary = TemporaryNameBeside(to);
    if (const int toTemporary = MoveOnce(from, temporary, how, isFile))
        return toTemporary;
    if (const int toTarget = MoveOnce(temporary, to, how, isFile)) {
        MoveOnce(temporary, from, how, isFile);
        return toTarget;
    }
    return 0;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return m_fd; }
    int Close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int WriteAll(int fd, const char* bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t written = ::write(fd, bytes, count);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return 0;
}

int CopyByReading(int in, int out)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(in, buffer, sizeof buffer);
        if (count == 0)
            return 0;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (const int error = WriteAll(out, buffer, static_cast<std::size_t>(count)))
            return error;
    }
}

// copy_file_range lets the file system share or offload the data; where it cannot (another
// file system, no support) a plain read/write loop goes on from the same offsets.
// `size` is the source's size when it was opened: once that much is copied, the copy is
// complete without one more call to find the end. A size of 0 (as some system files give)
// copies to the end.
int CopyContent(int in, int out, std::uint64_t size)
{
    std::uint64_t total = 0;
    while (size == 0 || total < size) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
        if (copied > 0) {
            total += static_cast<std::uint64_t>(copied);
            continue;
        }
        if (copied == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return errno;
        return CopyByReading(in, out);
    }
    return 0;
}

FileStatus CopyFile(const std::string& from, const std::string& to)
{
    // O_NONBLOCK: opening a FIFO must not wait; it is refused below.
    FileDescriptor in(::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (in.Get() < 0)
        return Result(errno);
    struct stat source {};
    if (::fstat(in.Get(), &source) != 0)
        return Result(errno);
    if (S_ISDIR(source.st_mode))
        return Result(EISDIR);
    if (!S_ISREG(source.st_mode))
        return {false, "Not a regular file"};
    // A new target is written in place: O_EXCL never takes over a file that appears meanwhile,
    // and a failure removes what was written. An existing one is replaced only by a complete
    // copy, written beside it first.
    const mode_t permissions = source.st_mode & 0777;
    std::string temporary = to;
    int fd = ::open(to.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, permissions);
    if (fd < 0 && errno != EEXIST)
        return Result(errno);
    if (fd < 0) {
        struct stat target {};
        if (::stat(to.c_str(), &target) == 0 && target.st_dev == source.st_dev && target.st_ino == source.st_ino)
            return {false, "Source and target are the same file"};
    }
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = TemporaryNameBeside(to);
        fd = ::open(temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, permissions);
        if (fd < 0 && errno != EEXIST)
            return Result(errno);
    }
    if (fd < 0)
        return Result(EEXIST);
    FileDescriptor out(fd);

    const timespec times[2] = {{0, UTIME_OMIT}, source.st_mtim};
    int error = CopyContent(in.Get(), out.Get(), static_cast<std::uint64_t>(source.st_size));
    // The permission bits without set-user-ID, set-group-ID and sticky (a copy made by someone
    // else should not carry them), whatever the umask took away at creation.
    if (error == 0 && (permissions & ProcessUmask()) != 0 && ::fchmod(out.Get(), permissions) != 0)
        error = errno;
    if (error == 0 && ::futimens(out.Get(), times) != 0)
        error = errno;
    if (const int closeError = out.Close(); error == 0)
        error = closeError;
    if (error == 0 && temporary != to && ::rename(temporary.c_str(), to.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return Result(error);
}

class SystemOps final : public FileOps {
public:
    FileStatus MoveFile(const std::string& from, const std::string& to) override
    {
        return Result(Move(from, to, NoReplace::RenameFlag, true));
    }

    FileStatus ShellRename(const std::string& from, const std::string& to) override
    {
        return Result(Move(from, to, NoReplace::RenameFlag, false));
    }

    FileStatus ShellCopy(const std::string& from, const std::string& to) override
    {
        return CopyFile(from, to);
    }

    bool FolderExists(const std::string& path) override
    {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    }

    bool FileExists(const std::string& path) override
    {
        struct stat info {};
        return ::lstat(path.c_str(), &info) == 0 && !FolderExists(path);
    }
};

char FoldAsciiLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

FileOps& SystemFileOps()
{
    static SystemOps ops;
    return ops;
}

FileStatus MoveFileByLink(const std::string& from, const std::string& to)
{
    return Result(Move(from, to, NoReplace::Link, true));
}

bool SamePathIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAsciiLetter(a[i]) != FoldAsciiLetter(b[i]))
            return false;
    }
    return true;
}
