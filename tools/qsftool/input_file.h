// A file given to read: it must be a regular file (a folder, a pipe or a device could stall
// or mislead a reader), and it is a sprite pack, a background picture or neither.
#pragma once

#include <string>

enum class FileKind { Pack, Picture, Neither };

// False, with *problem set, when the file is missing, unreadable or not a regular file.
bool CheckInputFile(const std::string& path, std::string* problem);

// A pack starts with the pack signature; a picture with the PCX maker byte 10.
FileKind KindOf(const std::string& path);
