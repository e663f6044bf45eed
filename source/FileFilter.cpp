#include "source/FileFilter.h"

#include <algorithm>

namespace {

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string_view ExtensionOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

FileFilter FileFilter::ForEntry(int index)
{
    if (index < 0 || index >= static_cast<int>(kFilterTexts.size()))
        index = 0;
    std::string upperText(kFilterTexts[static_cast<std::size_t>(index)]);
    std::transform(upperText.begin(), upperText.end(), upperText.begin(), AsciiUpper);
    return FileFilter(std::move(upperText), index == kAllFilesFilter);
}

FileFilter::FileFilter(std::string upperText, bool admitsAll)
    : m_upperText(std::move(upperText))
    , m_admitsAll(admitsAll)
{
}

bool FileFilter::Admits(std::string_view name) const
{
    if (m_admitsAll)
        return true;
    const std::string_view extension = ExtensionOf(name);
    if (extension.empty())
        return false;
    return std::search(m_upperText.begin(), m_upperText.end(), extension.begin(), extension.end(),
                       [](char text, char wanted) { return text == AsciiUpper(wanted); })
        != m_upperText.end();
}
