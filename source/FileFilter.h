#pragma once

#include <array>
#include <string>
#include <string_view>

// The entries of the filter box, in order. An entry's text is the filter itself: it is
// searched, not parsed.
inline constexpr std::array<std::string_view, 5> kFilterTexts = {
    "Pictures (*.jpg;*.gif;*.png;*.ico;*.cur;*.pcx;*.bmp;*.psd;*.tif;*.tga)",
    "Videos (*.mpg;*.dat;*.mov;*.mp4;*.wmv;*.avi;*.ra;*.swf;*.flv;*.mkv;*.3gp)",
    "MP3 Music Files (*.mp3)",
    "Other Audio Files (*.wav;*.mid;*.aud;*.au;*.psm)",
    "All Files (*.*)",
};
inline constexpr int kMp3Filter = 2;
inline constexpr int kAllFilesFilter = 4;

// The extension of a name: from its last ".", the dot included; empty when it has none.
std::string_view ExtensionOf(std::string_view name);

// Which file names a filter entry admits: those whose extension, upper-cased, occurs anywhere
// in the entry's upper-cased text (so "x.jp" passes where ".jpg" is listed), and every name
// under "All Files (*.*)". A name without an extension passes only there. Only a-z fold.
class FileFilter {
public:
    // index: the chosen entry of kFilterTexts; none chosen (-1) counts as the first.
    static FileFilter ForEntry(int index);

    bool Admits(std::string_view name) const;

private:
    FileFilter(std::string upperText, bool admitsAll);

    std::string m_upperText;
    bool m_admitsAll;
};
