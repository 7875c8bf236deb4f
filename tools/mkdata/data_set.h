// Writing the whole data set the game opens from its folder, and the desktop icon.
#pragma once

#include <string>

// False, with *error, at the first file that cannot be made.
bool WriteDataSet(const std::string& directory, std::string* error);
