#include "platform/FileWrite.h"

#include "platform/Umask.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
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

    // The file takes the text in whole blocks at block offsets: the page cache then holds it in
    // large pieces, which costs far less than the ragged ends of the pieces as they come. Only
    // what is left over past the last whole block is copied, to go out with the next piece.
    // After the first failure, later pieces are dropped: the error is what the caller hears of.
    void Write(std::string_view bytes)
    {
        const std::size_t total = m_carry.size() + bytes.size();
        if (total < kBlock) {
            m_carry.append(bytes);
            return;
        }
        const std::size_t whole = total / kBlock * kBlock;
        const std::size_t fromBytes = whole - m_carry.size();
        Reserve(m_written + whole);
        WriteAll({m_carry, bytes.substr(0, fromBytes)});
        m_carry.assign(bytes.substr(fromBytes));
    }

    void Close()
    {
        if (m_fd < 0)
            return;
        WriteAll({m_carry, {}});
        if (m_reserved > m_written && m_error == 0 && ftruncate(m_fd, static_cast<off_t>(m_written)) != 0)
            m_error = errno;
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
    static constexpr std::size_t kBlock = 256 * 1024;

    // Space taken ahead of the block writes, in steps that double, spares the file system from
    // setting space aside block by block as they come; what the text did not need goes back when
    // the file is closed. A file shorter than a block is written once and takes none. Where the
    // file system cannot take space ahead, the writes go on without.
    void Reserve(std::size_t end)
    {
        if (m_reserved >= end || m_reserveRefused || m_error != 0)
            return;
        const std::size_t reserved = std::max(end, 2 * m_reserved);
        if (fallocate(m_fd, FALLOC_FL_KEEP_SIZE, static_cast<off_t>(m_reserved),
                      static_cast<off_t>(reserved - m_reserved)) != 0) {
            m_reserveRefused = true;
            return;
        }
        m_reserved = reserved;
    }

    void WriteAll(std::array<std::string_view, 2> parts)
    {
        while (m_error == 0 && !(parts[0].empty() && parts[1].empty())) {
            const std::array<iovec, 2> vectors = {iovec{const_cast<char*>(parts[0].data()), parts[0].size()},
                                                  iovec{const_cast<char*>(parts[1].data()), parts[1].size()}};
            const ssize_t count = writev(m_fd, vectors.data(), static_cast<int>(vectors.size()));
            if (count < 0) {
                if (errno != EINTR)
                    m_error = errno;
                continue;
            }
            auto written = static_cast<std::size_t>(count);
            m_written += written;
            for (std::string_view& part : parts) {
                const std::size_t taken = std::min(written, part.size());
                part.remove_prefix(taken);
                written -= taken;
            }
        }
    }

    std::string m_path;
    int m_fd;
    int m_error;
    bool m_created = m_fd >= 0;
    bool m_placed = false;
    std::string m_carry;
    std::size_t m_written = 0;
    std::size_t m_reserved = 0;
    bool m_reserveRefused = false;
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
