#include "bench/Fixtures.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string_view>

namespace {

constexpr std::string_view kExtensions[] = {".jpg", ".png", ".gif", ".mp3", ".txt", ".pdf"};

void MakeFile(const std::string& path, std::size_t number)
{
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + path);
    const off_t size = static_cast<off_t>((number * 7919) % 5000000);
    const bool sized = ftruncate(fd, size) == 0;
    close(fd);
    if (!sized)
        throw std::runtime_error("cannot size " + path);
}

void MakeFolder(const std::string& path)
{
    if (mkdir(path.c_str(), 0755) != 0)
        throw std::runtime_error("cannot create " + path);
}

std::string FileName(std::size_t number)
{
    return "File " + std::to_string(number) + std::string(kExtensions[number % 6]);
}

const std::string& Remember(std::map<std::size_t, std::string>& made, std::size_t files,
                            std::string folder)
{
    return made.emplace(files, std::move(folder)).first->second;
}

std::size_t StatEach(DIR* dir, const std::string& folder, bool recurse)
{
    std::size_t seen = 0;
    const int fd = dirfd(dir);
    while (const dirent* found = readdir(dir)) {
        const char* name = found->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        struct statx status;
        if (statx(fd, name, AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &status) != 0)
            continue;
        ++seen;
        if (recurse && S_ISDIR(status.stx_mode) && found->d_type != DT_LNK) {
            const std::string inner = folder + name + '/';
            if (DIR* innerDir = opendir(inner.c_str())) {
                seen += StatEach(innerDir, inner, true);
                closedir(innerDir);
            }
        }
    }
    return seen;
}

std::size_t Raw(const std::string& folder, bool recurse)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return 0;
    const std::size_t seen = StatEach(dir, folder, recurse);
    closedir(dir);
    return seen;
}

} // namespace

const std::string& FlatFolder(const std::string& scratch, std::size_t files)
{
    static std::map<std::size_t, std::string> made;
    if (const auto found = made.find(files); found != made.end())
        return found->second;
    const std::string folder = scratch + "flat-" + std::to_string(files) + '/';
    MakeFolder(folder);
    for (std::size_t number = 0; number < files; ++number)
        MakeFile(folder + FileName(number), number);
    return Remember(made, files, folder);
}

// Every hundredth folder sits at the top and holds the 99 after it, so the walk goes two levels
// deep; every folder holds its share of the files.
const std::string& FolderTree(const std::string& scratch, std::size_t files)
{
    static std::map<std::size_t, std::string> made;
    if (const auto found = made.find(files); found != made.end())
        return found->second;
    const std::string root = scratch + "tree-" + std::to_string(files) + '/';
    MakeFolder(root);
    const std::size_t folders = std::max<std::size_t>(1, files / 100);
    std::size_t number = 0;
    for (std::size_t index = 0; index < folders; ++index) {
        std::string folder = root + "top " + std::to_string(index / 100) + '/';
        if (index % 100 != 0)
            folder += "folder " + std::to_string(index) + '/';
        MakeFolder(folder);
        const std::size_t end = files * (index + 1) / folders;
        for (; number < end; ++number)
            MakeFile(folder + FileName(number), number);
    }
    return Remember(made, files, root);
}

std::size_t RawList(const std::string& folder)
{
    return Raw(folder, false);
}

std::size_t RawWalk(const std::string& folder)
{
    return Raw(folder, true);
}
