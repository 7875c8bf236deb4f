// The words after the command: --help wherever it stands, options taken out by name, and
// the plain words (file names) left in order.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct CommandWords {
    bool help = false;
    std::vector<std::string> words;
};

// The words after argv[1]; "--help" and "-h" set help and are not kept.
CommandWords ReadCommandWords(int argc, char** argv);

// Takes "--name VALUE" or "--name=VALUE" out of words. False, with *problem set, when the
// option is missing, has no value or is given twice.
bool TakeOption(std::vector<std::string>& words, const std::string& name, std::string* value, std::string* problem);

// False, with *problem set, when a word left is an option, or there are fewer than `least`
// or more than `most` words.
bool CheckFileWords(const std::vector<std::string>& words, std::size_t least, std::size_t most, std::string* problem);
