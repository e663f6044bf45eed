#include "batch/ListExport.h"

#include "engine/DateStamp.h"
#include "platform/PassProgress.h"
#include "tags/MP3Tag.h"

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

void AppendField(std::string& out, const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

std::string CsvText(const std::vector<RenameItem>& rows, const DateTime& now, std::string_view monthName,
                    PassProgress& progress)
{
    std::string text;
    text.reserve(200 + rows.size() * 100);
    text += "Quillmark - Renamed Files List ";
    text += kLineEnd;
    text += kLineEnd;
    text += "Date : " + ExportDate(now, monthName);
    text += kLineEnd;
    text += kLineEnd;
    text += "Original Name,New Name,Path,Type,Date";
    text += kLineEnd;
    text += kLineEnd;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RenameItem& row = rows[i];
        bool first = true;
        for (const RenameItem::Column column : {RenameItem::OriginalName, RenameItem::NewName, RenameItem::Path,
                                                RenameItem::Type, RenameItem::ModifiedDate}) {
            if (!first)
                text += ',';
            first = false;
            AppendField(text, row[column]);
        }
        text += kLineEnd;
        progress.Advance(i);
    }
    return text;
}

std::string M3uText(const std::vector<RenameItem>& rows, TMP3Tag& tag, PassProgress& progress)
{
    std::string text = "#EXTM3U";
    text += kLineEnd;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RenameItem& row = rows[i];
        const std::string file = CurrentPath(row);
        tag.SetFilename(file);
        text += "#EXTINF:0," + tag.Artist() + " - " + tag.Title();
        text += kLineEnd;
        text += file;
        text += kLineEnd;
        progress.Advance(i);
    }
    return text;
}
