#include "command_line.h"

CommandWords ReadCommandWords(int argc, char** argv) {
    CommandWords command;
    for (int n = 2; n < argc; ++n) {
        const std::string word = argv[n];
        if (word == "--help" || word == "-h")
            command.help = true;
        else
            command.words.push_back(word);
    }
    return command;
}

bool TakeOption(std::vector<std::string>& words, const std::string& name, std::string* value, std::string* problem) {
    const std::string flag = "--" + name;
    bool found = false;
    for (std::size_t n = 0; n < words.size();) {
        std::size_t taken = 0;
        std::string given;
        if (words[n] == flag) {
            if (n + 1 == words.size()) {
                *problem = flag + " needs a value";
                return false;
            }
            given = words[n + 1];
            taken = 2;
        } else if (words[n].starts_with(flag + "=")) {
            given = words[n].substr(flag.size() + 1);
            taken = 1;
        } else {
            ++n;
            continue;
        }
        if (found) {
            *problem = flag + " is given twice";
            return false;
        }
        found = true;
        *value = given;
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(n), words.begin() + static_cast<std::ptrdiff_t>(n + taken));
    }
    if (!found) *problem = flag + " is missing";
    return found;
}

bool CheckFileWords(const std::vector<std::string>& words, std::size_t least, std::size_t most, std::string* problem) {
    for (const std::string& word : words) {
        if (word.size() > 1 && word[0] == '-') {
            *problem = "unknown option " + word;
            return false;
        }
    }
    if (words.size() < least) {
        *problem = "too few file names";
        return false;
    }
    if (words.size() > most) {
        *problem = "too many file names";
        return false;
    }
    return true;
}
