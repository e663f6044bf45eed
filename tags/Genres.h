#pragma once

#include <string>
#include <vector>

// The ID3v1 genre names with the Winamp extensions, in code order: code 0 "Blues" to
// code 115 "Folklore".
const std::vector<std::string>& GenreNames();

// The code a tag stores when its genre is unknown or out of range: "Other".
inline constexpr int kDefaultGenre = 12;
