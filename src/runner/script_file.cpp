#include "script_file.h"

#include <fstream>
#include <sstream>

bool LoadScript(const std::string& path, std::vector<ScriptAction>* actions, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (in) bytes << in.rdbuf();
    if (!in || in.bad()) {
        *error = "cannot read the script " + path;
        return false;
    }
    ScriptError scriptError;
    if (!ParseScript(bytes.str(), actions, &scriptError)) {
        *error = path + ":" + std::to_string(scriptError.line) + ": " + scriptError.what;
        return false;
    }
    return true;
}
