#include "batch/ListExport.h"

#include "engine/DateStamp.h"
#include "platform/PassProgress.h"
#include "tags/MP3Tag.h"

#include <array>

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

// The characters that make a field need quotes, by byte.
constexpr std::array<bool, 256> kQuoted = [] {
    std::array<bool, 256> quoted{};
    for (const unsigned char c : {',', '"', '\r', '\n'})
        quoted[c] = true;
    return quoted;
}();

// Looks at every byte without stopping early: fields are short, and a loop without branches
// is the faster one.
bool NeedsQuotes(const std::string& field)
{
    bool quoted = false;
    for (const unsigned char c : field)
        quoted |= kQuoted[c];
    return quoted;
}

void AppendField(std::string& out, const std::string& field)
{
    if (!NeedsQuotes(field)) {
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

// Collects the text and hands it on a piece at a time, so no text of the whole list's size is
// built and the pieces are written while they are still in the cache.
class Pieces {
public:
    explicit Pieces(const TextOutput& output)
        : m_output(output)
    {
        m_text.reserve(kPieceSize * 2);
    }

    std::string& Text() { return m_text; }
    bool Full() const { return m_text.size() >= kPieceSize; }

    void Flush()
    {
        if (!m_text.empty())
            m_output(m_text);
        m_text.clear();
    }

private:
    static constexpr std::size_t kPieceSize = 256 * 1024;
    const TextOutput& m_output;
    std::string m_text;
};

} // namespace

void WriteCsv(const std::vector<RenameItem>& rows, const DateTime& now, std::string_view monthName,
              const TextOutput& output, PassProgress& progress)
{
    Pieces pieces(output);
    std::string& text = pieces.Text();
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
        AppendField(text, row[RenameItem::OriginalName]);
        for (const RenameItem::Column column : {RenameItem::NewName, RenameItem::Path, RenameItem::Type,
                                                RenameItem::ModifiedDate}) {
            text += ',';
            AppendField(text, row[column]);
        }
        text += kLineEnd;
        // A row costs far less than a look at the clock: progress is told once per piece.
        if (pieces.Full()) {
            pieces.Flush();
            progress.Advance(i);
        }
    }
    pieces.Flush();
}

void WriteM3u(const std::vector<RenameItem>& rows, TMP3Tag& tag, const TextOutput& output, PassProgress& progress)
{
    Pieces pieces(output);
    std::string& text = pieces.Text();
    text += "#EXTM3U";
    text += kLineEnd;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string file = CurrentPath(rows[i]);
        tag.SetFilename(file);
        text += "#EXTINF:0," + tag.Artist() + " - " + tag.Title();
        text += kLineEnd;
        text += file;
        text += kLineEnd;
        if (pieces.Full())
            pieces.Flush();
        progress.Advance(i);
    }
    pieces.Flush();
}
