#pragma once

#include <string>
#include <string_view>

// The readable type name of a file extension (".jpg" gives "JPEG image"), asked of the MIME
// database by the extension alone, as for a made-up file: no file is opened. An extension
// the database does not know shows as the upper-cased extension and " File" ("XYZ File"); a
// name without an extension, or one ending in a bare ".", shows as "File".
//
// Answers are cached per extension with ASCII letters lower-cased, so a repeated extension
// costs a hash lookup and no allocation. One thread: the UI thread.
const std::string& TypeNameOf(std::string_view extension);

// The type shown for every folder.
inline constexpr std::string_view kFolderTypeName = "File Folder";
