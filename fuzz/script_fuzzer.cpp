// Any text as the headless runner's input script. A script that is accepted must come back
// in the order its actions apply, each remembering the line it was written on.
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "runner_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<ScriptAction> actions;
    ScriptError error;
    if (!ParseScript(text, &actions, &error)) {
        if (error.line < 1 || error.what.empty()) Finding("a refused script without a line or a reason");
        return 0;
    }
    int lines = 1;
    for (const char byte : text) lines += byte == '\n';
    for (std::size_t at = 0; at < actions.size(); ++at) {
        const ScriptAction& action = actions[at];
        if (action.frame < 0) Finding("an action before the first frame");
        if (action.line < 1 || action.line > lines) Finding("an action from a line the script does not have");
        if (at == 0) continue;
        const ScriptAction& before = actions[at - 1];
        if (before.frame > action.frame) Finding("actions out of frame order");
        if (before.frame == action.frame && before.line >= action.line) Finding("actions of one frame out of line order");
    }
    return 0;
}
