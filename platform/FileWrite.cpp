#include "platform/FileWrite.h"

#include "platform/Umask.h"

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

// The temporary file until it has replaced the target; removed when anything fails.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target)
        : m_path(target + ".XXXXXX")
        , m_fd(mkstemp(m_path.data()))
        , m_error(m_fd < 0 ? errno : 0)
    {
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    ~TemporaryFile()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (m_created && !m_placed)
            unlink(m_path.c_str());
    }

    const std::string& Path() const { return m_path; }
    int Error() const { return m_error; }

    void SetMode(mode_t mode)
    {
        if (m_error == 0 && fchmod(m_fd, mode) != 0)
            m_error = errno;
    }

    // After the first failure, later pieces are dropped: the error is what the caller hears of.
    void Write(std::string_view bytes)
    {
        while (m_error == 0 && !bytes.empty()) {
            const ssize_t count = write(m_fd, bytes.data(), bytes.size());
            if (count < 0) {
                if (errno != EINTR)
                    m_error = errno;
                continue;
            }
            bytes.remove_prefix(static_cast<std::size_t>(count));
        }
    }

    void Close()
    {
        if (m_fd < 0)
            return;
        if (close(m_fd) != 0 && m_error == 0)
            m_error = errno;
        m_fd = -1;
    }

    // Swapping names keeps the target whole at every moment, as a rename over it would; unlike
    // that rename, it does not make ext4 allocate the whole new file at once.
    FileStatus Replace(const std::string& target, bool exists)
    {
        if (exists && renameat2(AT_FDCWD, m_path.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0)
            return {}; // the temporary name now holds the old text, removed on the way out
        if (std::rename(m_path.c_str(), target.c_str()) != 0)
            return Failure(errno);
        m_placed = true;
        return {};
    }

private:
    std::string m_path;
    int m_fd;
    int m_error;
    bool m_created = m_fd >= 0;
    bool m_placed = false;
};

} // namespace

FileStatus WriteWholeFile(const std::string& path, const std::function<void(const TextOutput&)>& produce)
{
    struct stat existing {};
    const bool replacing = stat(path.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode))
        return Failure(S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);

    TemporaryFile temporary(path);
    temporary.SetMode(replacing ? (existing.st_mode & 07777) : (0666 & ~ProcessUmask()));
    if (temporary.Error() == 0)
        produce([&temporary](std::string_view bytes) { temporary.Write(bytes); });
    temporary.Close();
    if (temporary.Error() != 0)
        return Failure(temporary.Error());
    return temporary.Replace(path, replacing);
}
