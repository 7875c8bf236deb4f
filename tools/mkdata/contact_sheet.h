// The contact sheet: every sprite of every pack of a written data set, enlarged and labelled,
// the background before and after each of the intro's seven dimming steps, and whole game
// screens in both 16-bit layouts, on one PNG to look at.
#pragma once

#include <string>

bool WriteContactSheet(const std::string& sheetPath, const std::string& dataDirectory, const std::string& unifontHex,
                       std::string* error);
