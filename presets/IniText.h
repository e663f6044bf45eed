#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of an INI file under the rules of the Windows private-profile functions, so that
// settings.ini stays exchangeable with the Windows program both ways. No file access: the
// caller reads and writes the bytes.
//
// Section and key names match without regard to case and with their outer blanks dropped; the
// first section of a name is the one read and written. Lines a change does not touch are kept
// byte for byte, comments, blank lines and unknown keys included. Both CR LF and LF line ends
// are read; every line this class writes ends in CR LF, as the Windows functions write them.
class IniText {
public:
    explicit IniText(std::string_view text = {});

    std::string ToString() const;

    // The section names in file order, as the profile functions copy them into a buffer of
    // 16384 bytes, each name followed by a zero byte: the names that do not fit are left out and
    // the last one listed may be cut.
    std::vector<std::string> SectionNames() const;

    // The value of key in section, with its outer blanks and one pair of matching single or
    // double quotation marks removed, cut to 2047 characters; nothing when the key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the value on the key's own line, or adds the key at the end of its section, or
    // adds the section at the end of the text. A value that reading would change (outer blanks,
    // or the same quotation mark at both ends) is written in double quotes, so Value gives it
    // back exactly. The value must not hold a line break.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Removes every section of that name with all its lines. False when there was none.
    bool EraseSection(std::string_view section);

private:
    struct Line {
        std::string content;
        std::string end;  // "\r\n", "\n", or "" for a last line without a line end
    };

    std::optional<std::size_t> FindSection(std::string_view name) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;

    std::string bom_;  // a UTF-8 byte-order mark in front of the first line, kept as it was
    std::vector<Line> lines_;
};
