#pragma once

#include "batch/RenameItem.h"
#include "platform/FileWrite.h"

#include <string>
#include <string_view>
#include <vector>

struct DateTime;
class PassProgress;
class TMP3Tag;

// The CSV report of the list: a header with the export's date and time, then one line per row
// ("Original Name", "New Name", "Path", "Type", "Modified Date"). A field holding a comma, a
// double quote, CR or LF is quoted with inner quotes doubled. Every line ends in CR LF. The
// text goes to `output` in pieces of a few hundred kilobytes.
void WriteCsv(const std::vector<RenameItem>& rows, const DateTime& now, std::string_view monthName,
              const TextOutput& output, PassProgress& progress);

// The M3U playlist of the list: each row's file under its present name, with artist and title
// from its tag as the tag holds them, to `output` a row at a time. A file whose tag cannot be
// read throws.
void WriteM3u(const std::vector<RenameItem>& rows, TMP3Tag& tag, const TextOutput& output, PassProgress& progress);
