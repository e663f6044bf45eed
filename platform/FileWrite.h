#pragma once

#include "platform/FileAccess.h"

#include <string>
#include <string_view>

// Writes the whole file at once: the bytes go to a temporary file in the same folder, which
// then replaces the target, so a failure leaves an existing file exactly as it was. A new file
// gets the permissions the user's umask allows, a replaced one keeps its own.
FileStatus WriteWholeFile(const std::string& path, std::string_view bytes);
