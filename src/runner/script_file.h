// A script file read and parsed, for the runners that take one by name.
#pragma once

#include <string>
#include <vector>

#include "runner_script.h"

// False when the file cannot be read or a line is wrong; *error then names the file (and line).
bool LoadScript(const std::string& path, std::vector<ScriptAction>* actions, std::string* error);
