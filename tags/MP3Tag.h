#pragma once

#include "tags/Genres.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The ID3v1 tag of one file: the 128-byte block at its end. One object is pointed at one file
// after another. Texts here are UTF-8; on disk they are ISO-8859-1, and a character outside
// it is written as "?". Assignments change the object only; Save writes the file.
class TMP3Tag {
public:
    // Stores the path and reads its tag: every field then describes that file, or is reset
    // when it has no tag block. A file that cannot be read (missing, a folder, a FIFO or
    // device) throws std::runtime_error naming it; the path stays and the fields do not change.
    void SetFilename(const std::string& path);
    const std::string& Filename() const { return m_filename; }

    // Each keeps its first 30 characters (the year 4) and calls onChange.
    void SetTitle(std::string_view title);
    const std::string& Title() const { return m_title; }
    void SetArtist(std::string_view artist);
    const std::string& Artist() const { return m_artist; }
    void SetAlbum(std::string_view album);
    const std::string& Album() const { return m_album; }
    void SetYear(std::string_view year);
    const std::string& Year() const { return m_year; }
    void SetComment(std::string_view comment);
    const std::string& Comment() const { return m_comment; }

    // A code outside the genre table stores "Other" (12). Genre follows the stored code.
    void SetGenreID(int code);
    std::uint8_t GenreID() const { return m_genreId; }
    const std::string& Genre() const { return m_genre; }

    // The last read found a tag block.
    bool Valid() const { return m_valid; }
    // The last Save passed its checks for a missing file and a file it may not write.
    bool Saved() const { return m_saved; }
    // The message of the last of those failures.
    const std::string& Error() const { return m_error; }

    // Writes the fields over the tag block that the last read found, or appends one. A file
    // without owner write permission gets it for the write and has its permissions restored
    // afterwards. Input/output failures throw std::runtime_error naming the file.
    void Save();

    const std::vector<std::string>& Genres() const;

    std::function<void(TMP3Tag&)> onChange;
    std::function<void(TMP3Tag&)> onError;

private:
    void ReadTag();
    void ResetFields();
    void StoreGenre(int code);
    void Changed();
    void Fail(const std::string& message);

    std::string m_filename;
    std::string m_title;
    std::string m_artist;
    std::string m_album;
    std::string m_year;
    std::string m_comment;
    std::uint8_t m_genreId = kDefaultGenre;
    std::string m_genre;
    bool m_valid = false;
    bool m_saved = false;
    std::string m_error;
};
