#pragma once

#include <string>
#include <string_view>

// Byte-level helpers for ASCII sets and patterns. An ASCII byte never occurs inside a
// multi-byte UTF-8 character, so these never split one.

// True for the blanks a trim removes: space and the control characters.
constexpr bool IsBlankByte(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// text without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

// True when text is empty or holds nothing but blanks.
bool IsBlankText(std::string_view text);

// text without any byte that occurs in the ASCII set.
std::string EraseBytesOf(std::string_view text, std::string_view set);

// Deletes every occurrence of the ASCII pattern, scanning left to right.
void EraseAll(std::string& text, std::string_view pattern);
