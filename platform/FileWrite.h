#pragma once

#include "platform/FileAccess.h"

#include <functional>
#include <string>
#include <string_view>

// Takes a file's text piece by piece, in order.
using TextOutput = std::function<void(std::string_view)>;

// Writes a whole file: `produce` hands its text to the output, which goes into a temporary file
// in the same folder; only then does the temporary replace the target, so a failure, or an
// exception out of `produce` (passed on), leaves an existing file exactly as it was. A new file
// gets the permissions the user's umask allows, a replaced one keeps its own.
FileStatus WriteWholeFile(const std::string& path, const std::function<void(const TextOutput&)>& produce);
