#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Names are UTF-8 bytes as the file system gives them. A character is one well-formed UTF-8
// sequence, or a single byte that belongs to none; such a byte is kept as it is.

// Byte length of the character that starts at `at` (at least 1).
std::size_t Utf8CharLength(std::string_view text, std::size_t at);

// Byte offset of every character start, followed by text.size().
std::vector<std::size_t> Utf8CharStarts(std::string_view text);

// The characters as comparison keys: the code point of each well-formed sequence, or
// 0x110000 + byte for a stray byte, so a stray byte never equals a real character. With
// upperCase, each code point is upper-cased by the Unicode simple mapping.
std::vector<char32_t> Utf8CharKeys(std::string_view text, bool upperCase);

// Byte offset after the first `count` characters, or text.size() when it has fewer.
std::size_t Utf8OffsetOfChar(std::string_view text, std::size_t count);
