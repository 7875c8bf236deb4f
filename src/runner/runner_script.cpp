#include "runner_script.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>

#include "platform/win32.h"

namespace {

// Screen coordinates and motion far beyond the screen are surely mistakes.
constexpr long long kCoordinateLimit = 65535;

struct KeyName {
    std::string_view name;
    int virtualKey;
};
constexpr KeyName kKeys[] = {
    {"lbutton", VK_LBUTTON}, {"rbutton", VK_RBUTTON}, {"escape", VK_ESCAPE},
    {"pgup", VK_PRIOR},      {"pgdn", VK_NEXT},
};

struct VerbName {
    std::string_view name;
    ScriptVerb verb;
    int argumentCount;
};
constexpr VerbName kVerbs[] = {
    {"cursor", ScriptVerb::Cursor, 2}, {"move", ScriptVerb::Move, 2},
    {"down", ScriptVerb::Down, 1},     {"up", ScriptVerb::Up, 1},
    {"tap", ScriptVerb::Tap, 1},       {"close", ScriptVerb::Close, 0},
    {"destroy", ScriptVerb::Destroy, 0}, {"quit", ScriptVerb::Quit, 1},
    {"message", ScriptVerb::Message, 1}, {"snap", ScriptVerb::Snap, 1},
};

// Joins the pieces of a message (GCC 12 misjudges literal + string chains, so no operator+).
std::string Said(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view piece : pieces) text.append(piece);
    return text;
}

std::vector<std::string_view> SplitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    constexpr std::string_view kBlanks = " \t\r\v\f";
    std::size_t at = line.find_first_not_of(kBlanks);
    while (at != std::string_view::npos) {
        const std::size_t end = line.find_first_of(kBlanks, at);
        words.push_back(line.substr(at, end == std::string_view::npos ? end : end - at));
        at = end == std::string_view::npos ? end : line.find_first_not_of(kBlanks, end);
    }
    return words;
}

// A whole word as a number within [low, high].
std::optional<long long> ParseNumber(std::string_view word, long long low, long long high)
{
    long long value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, fault] = std::from_chars(word.data(), end, value);
    if (fault != std::errc() || stop != end || value < low || value > high) return std::nullopt;
    return value;
}

class LineParser {
public:
    LineParser(int lineNumber, ScriptError* error) : lineNumber_(lineNumber), error_(error) {}

    bool Parse(const std::vector<std::string_view>& words, ScriptAction* action)
    {
        action->line = lineNumber_;
        const std::optional<long long> frame =
            ParseNumber(words[0], 0, std::numeric_limits<int>::max());
        if (!frame) return Fail(Said({"the frame \"", words[0], "\" is not a number from 0 up"}));
        action->frame = static_cast<int>(*frame);
        if (words.size() < 2) return Fail("an action is missing after the frame");

        const auto verb = std::find_if(std::begin(kVerbs), std::end(kVerbs),
                                       [&](const VerbName& v) { return v.name == words[1]; });
        if (verb == std::end(kVerbs)) return Fail(Said({"unknown action \"", words[1], "\""}));
        action->verb = verb->verb;
        const int given = static_cast<int>(words.size()) - 2;
        if (given != verb->argumentCount) {
            return Fail(Said({verb->name, " takes ", std::to_string(verb->argumentCount),
                              " argument(s), not ", std::to_string(given)}));
        }
        return ParseArguments(words.data() + 2, action);
    }

private:
    bool ParseArguments(const std::string_view* args, ScriptAction* action)
    {
        switch (action->verb) {
        case ScriptVerb::Cursor:
        case ScriptVerb::Move:
            return Coordinate(args[0], &action->x) && Coordinate(args[1], &action->y);
        case ScriptVerb::Down:
        case ScriptVerb::Up:
        case ScriptVerb::Tap:
            return Key(args[0], &action->key);
        case ScriptVerb::Close:
        case ScriptVerb::Destroy:
            return true;
        case ScriptVerb::Quit: {
            const auto code = ParseNumber(args[0], std::numeric_limits<int>::min(),
                                          std::numeric_limits<int>::max());
            if (!code) return Fail(Said({"quit needs a whole-number exit code, not \"", args[0], "\""}));
            action->exitCode = static_cast<int>(*code);
            return true;
        }
        case ScriptVerb::Message: {
            const auto number = ParseNumber(args[0], 0, std::numeric_limits<std::uint32_t>::max());
            if (!number) return Fail(Said({"message needs a number from 0 to 4294967295, not \"", args[0], "\""}));
            action->message = static_cast<std::uint32_t>(*number);
            return true;
        }
        case ScriptVerb::Snap:
            if (action->frame == 0) return Fail("snap at frame 0: nothing has been shown yet");
            action->file = std::string(args[0]);
            return true;
        }
        return Fail("unknown action");
    }

    bool Coordinate(std::string_view word, int* value)
    {
        const auto number = ParseNumber(word, -kCoordinateLimit, kCoordinateLimit);
        if (!number) return Fail(Said({"\"", word, "\" is not a number from -65535 to 65535"}));
        *value = static_cast<int>(*number);
        return true;
    }

    bool Key(std::string_view word, int* virtualKey)
    {
        for (const KeyName& key : kKeys) {
            if (key.name == word) {
                *virtualKey = key.virtualKey;
                return true;
            }
        }
        return Fail(Said({"unknown key \"", word, "\" (lbutton, rbutton, escape, pgup, pgdn)"}));
    }

    bool Fail(std::string what)
    {
        error_->line = lineNumber_;
        error_->what = std::move(what);
        return false;
    }

    int lineNumber_;
    ScriptError* error_;
};

}  // namespace

bool ParseScript(std::string_view text, std::vector<ScriptAction>* actions, ScriptError* error)
{
    std::vector<ScriptAction> parsed;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        line = line.substr(0, line.find('#'));
        const std::vector<std::string_view> words = SplitWords(line);
        if (words.empty()) continue;
        if (line.find('\0') != std::string_view::npos) {
            *error = {lineNumber, "a zero byte in the line"};
            return false;
        }
        ScriptAction action;
        if (!LineParser(lineNumber, error).Parse(words, &action)) return false;
        parsed.push_back(std::move(action));
    }
    std::stable_sort(parsed.begin(), parsed.end(),
                     [](const ScriptAction& a, const ScriptAction& b) { return a.frame < b.frame; });
    *actions = std::move(parsed);
    return true;
}
