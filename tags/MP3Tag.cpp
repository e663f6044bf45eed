#include "tags/MP3Tag.h"

#include "engine/Utf8Text.h"
#include "platform/FileAccess.h"

#include <stdexcept>

namespace {

constexpr std::size_t kBlockSize = 128;
constexpr std::size_t kTextLimit = 30;
constexpr std::size_t kYearLimit = 4;
constexpr std::string_view kMarker = "TAG";
constexpr std::size_t kGenreOffset = 127;

struct Field {
    std::size_t offset;
    std::size_t length;
};
constexpr Field kTitleField{3, kTextLimit};
constexpr Field kArtistField{33, kTextLimit};
constexpr Field kAlbumField{63, kTextLimit};
constexpr Field kYearField{93, kYearLimit};
constexpr Field kCommentField{97, kTextLimit};

const std::string kMissingFile = "File doesn`t exist or is not valid !";
const std::string kReadOnly = "Can´t write ID3 tag information !";

std::string FirstChars(std::string_view text, std::size_t count)
{
    return std::string(text.substr(0, Utf8OffsetOfChar(text, count)));
}

// A field ends at its first NUL; every byte after it is padding.
std::string ReadField(std::string_view block, Field field)
{
    std::string_view bytes = block.substr(field.offset, field.length);
    bytes = bytes.substr(0, bytes.find('\0'));
    std::string text;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            text += byte;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

// A character outside Latin-1, and a byte that is not valid UTF-8, is written as "?".
void WriteField(std::string& block, Field field, std::string_view text)
{
    std::string latin1;
    for (const char32_t key : Utf8CharKeys(text, false))
        latin1 += key <= 0xFF ? static_cast<char>(key) : '?';
    latin1.copy(block.data() + field.offset, field.length);
}

std::runtime_error FileError(std::string_view what, const std::string& path,
                             const std::string& reason)
{
    return std::runtime_error(std::string(what) + " \"" + path + "\". " + reason);
}

} // namespace

void TMP3Tag::SetFilename(const std::string& path)
{
    m_filename = path;
    ReadTag();
}

void TMP3Tag::SetTitle(std::string_view title)
{
    m_title = FirstChars(title, kTextLimit);
    Changed();
}

void TMP3Tag::SetArtist(std::string_view artist)
{
    m_artist = FirstChars(artist, kTextLimit);
    Changed();
}

void TMP3Tag::SetAlbum(std::string_view album)
{
    m_album = FirstChars(album, kTextLimit);
    Changed();
}

void TMP3Tag::SetYear(std::string_view year)
{
    m_year = FirstChars(year, kYearLimit);
    Changed();
}

void TMP3Tag::SetComment(std::string_view comment)
{
    m_comment = FirstChars(comment, kTextLimit);
    Changed();
}

void TMP3Tag::SetGenreID(int code)
{
    StoreGenre(code);
    Changed();
}

const std::vector<std::string>& TMP3Tag::Genres() const
{
    return GenreNames();
}

void TMP3Tag::Save()
{
    m_saved = true;
    if (!RegularFileExists(m_filename)) {
        m_valid = false;
        Fail(kMissingFile);
        return;
    }

    std::string block(kBlockSize, ' ');
    kMarker.copy(block.data(), kMarker.size());
    WriteField(block, kTitleField, m_title);
    WriteField(block, kArtistField, m_artist);
    WriteField(block, kAlbumField, m_album);
    WriteField(block, kYearField, m_year);
    WriteField(block, kCommentField, m_comment);
    block[kGenreOffset] = static_cast<char>(m_genreId);

    const FileInfo info = ReadFileInfo(m_filename);
    if (!info.status.ok)
        throw FileError("Cannot write file", m_filename, info.status.error);
    // Write permission is only lent for the write, so a read-only file stays read-only.
    const bool lendWrite = (info.permissions & kOwnerWritePermission) == 0;
    if (lendWrite && !SetFileMode(m_filename, info.permissions | kOwnerWritePermission).ok) {
        Fail(kReadOnly);
        return;
    }
    // A tag block replaces the one the last read found; a file cut below it since then fails.
    const auto tagOffset =
        static_cast<std::int64_t>(info.size) - static_cast<std::int64_t>(kBlockSize);
    const FileStatus written =
        m_valid ? WriteFileAt(m_filename, tagOffset, block) : AppendToFile(m_filename, block);
    const FileStatus restored =
        lendWrite ? SetFileMode(m_filename, info.permissions) : FileStatus{};
    if (!written.ok)
        throw FileError("Cannot write file", m_filename, written.error);
    if (!restored.ok)
        throw FileError("Cannot restore the permissions of file", m_filename, restored.error);
}

void TMP3Tag::ReadTag()
{
    const FileTail tail = ReadFileTail(m_filename, kBlockSize);
    if (!tail.status.ok)
        throw FileError("Cannot open file", m_filename, tail.status.error);
    if (tail.bytes.size() < kBlockSize || !tail.bytes.starts_with(kMarker)) {
        ResetFields();
        return;
    }
    m_title = ReadField(tail.bytes, kTitleField);
    m_artist = ReadField(tail.bytes, kArtistField);
    m_album = ReadField(tail.bytes, kAlbumField);
    m_year = ReadField(tail.bytes, kYearField);
    m_comment = ReadField(tail.bytes, kCommentField);
    StoreGenre(static_cast<unsigned char>(tail.bytes[kGenreOffset]));
    m_valid = true;
    Changed();
}

void TMP3Tag::ResetFields()
{
    m_title.clear();
    m_artist.clear();
    m_album.clear();
    m_year.clear();
    m_comment.clear();
    m_genre.clear();
    m_genreId = kDefaultGenre;
    m_valid = false;
}

void TMP3Tag::StoreGenre(int code)
{
    const std::vector<std::string>& names = GenreNames();
    if (code < 0 || code >= static_cast<int>(names.size()))
        code = kDefaultGenre;
    m_genreId = static_cast<std::uint8_t>(code);
    m_genre = names[m_genreId];
}

void TMP3Tag::Changed()
{
    if (onChange)
        onChange(*this);
}

void TMP3Tag::Fail(const std::string& message)
{
    m_saved = false;
    m_error = message;
    if (onError)
        onError(*this);
}
