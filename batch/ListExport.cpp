#include "batch/ListExport.h"

#include "batch/CsvLine.h"
#include "engine/DateStamp.h"
#include "platform/OrderedBuild.h"
#include "platform/PassProgress.h"
#include "tags/MP3Tag.h"

#include <algorithm>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendTwoDigits(std::string& out, int value)
{
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

// «07, March 2009 02:05:09 pm»
std::string ExportDate(const DateTime& now, std::string_view monthName)
{
    std::string text;
    AppendTwoDigits(text, now.day);
    text += ", ";
    text += monthName;
    text += ' ';
    text += std::to_string(now.year);
    text += ' ';
    const int hour12 = now.hour % 12 == 0 ? 12 : now.hour % 12;
    AppendTwoDigits(text, hour12);
    text += ':';
    AppendTwoDigits(text, now.minute);
    text += ':';
    AppendTwoDigits(text, now.second);
    text += now.hour < 12 ? " am" : " pm";
    return text;
}

// A piece of the report: enough rows that handing it on costs little, few enough that the
// window hears of progress often.
constexpr std::size_t kRowsPerPiece = 2048;

} // namespace

void WriteCsv(const std::vector<RenameItem>& rows, const DateTime& now, std::string_view monthName,
              const TextOutput& output, PassProgress& progress)
{
    std::string header = "Quillmark - Renamed Files List ";
    header += kLineEnd;
    header += kLineEnd;
    header += "Date : " + ExportDate(now, monthName);
    header += kLineEnd;
    header += kLineEnd;
    header += "Original Name,New Name,Path,Type,Date";
    header += kLineEnd;
    header += kLineEnd;
    output(header);

    // Building the lines costs more than writing them: two threads build, this one writes.
    const std::size_t pieceCount = (rows.size() + kRowsPerPiece - 1) / kRowsPerPiece;
    const auto end = [&](std::size_t piece) { return std::min(rows.size(), (piece + 1) * kRowsPerPiece); };
    std::size_t delivered = 0;
    BuildInOrder(pieceCount, [&](std::size_t piece, std::string& text) {
        WriteCsvLines(rows, piece * kRowsPerPiece, end(piece), text);
    }, [&](std::string_view text) {
        output(text);
        progress.Advance(end(delivered++) - 1);
    });
}

void WriteM3u(const std::vector<RenameItem>& rows, TMP3Tag& tag, const TextOutput& output, PassProgress& progress)
{
    std::string text = "#EXTM3U";
    text += kLineEnd;
    output(text);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string file = CurrentPath(rows[i]);
        tag.SetFilename(file);
        text = "#EXTINF:0," + tag.Artist() + " - " + tag.Title();
        text += kLineEnd;
        text += file;
        text += kLineEnd;
        output(text);
        progress.Advance(i);
    }
}
