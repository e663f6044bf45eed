#include "engine/TextUtil.h"

std::string_view TrimBlanks(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankByte(text[begin]))
        ++begin;
    while (end > begin && IsBlankByte(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool IsBlankText(std::string_view text)
{
    return TrimBlanks(text).empty();
}

std::string EraseBytesOf(std::string_view text, std::string_view set)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (set.find(c) == std::string_view::npos)
            result.push_back(c);
    }
    return result;
}

void EraseAll(std::string& text, std::string_view pattern)
{
    if (pattern.empty())
        return;
    std::size_t from = 0;
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, from)) {
        result.append(text, from, at - from);
        from = at + pattern.size();
    }
    result.append(text, from, std::string::npos);
    text = std::move(result);
}
