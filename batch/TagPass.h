#pragma once

#include "batch/RenameItem.h"

#include <optional>
#include <string>
#include <vector>

class PassProgress;
class TMP3Tag;

// The tag fields switched on in the "MP3 Tags" tab, with their values as typed.
struct TagFields {
    std::optional<std::string> title;
    std::optional<std::string> artist;
    std::optional<std::string> album;
    std::optional<std::string> year;
    std::optional<int> genreId;
    std::string genreName;  // the list entry's text, written to the "Genre" column
    std::optional<std::string> comment;
};

struct TagPassResult {
    int failures = 0;        // tags Save could not write
    std::string firstError;  // the reason of the first of them
};

// Writes the fields into the file of every row, first to last, and the typed values into the
// row's tag columns. A row's file is "Path" + "New Name", or + "Original Name" while "New Name"
// is blank. A tag that cannot be read, or an input/output error, throws and ends the pass there.
TagPassResult WriteTags(std::vector<RenameItem>& rows, const TagFields& fields, TMP3Tag& tag,
                        PassProgress& progress);
