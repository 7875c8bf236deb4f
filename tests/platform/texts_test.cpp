// The game's texts reach the program as the CP949 bytes of what texts.def says, every one.
// They are read back through the CP949 reader, which the glibc comparison pins on every pair.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "platform/cp949.h"
#include "texts/texts.h"

TEST(Texts, EveryTextIsTheCp949OfItsDefinition)
{
    // texts.def read the simple way: NAME = text, "\n" a line feed.
    std::map<std::string, std::string> defined;
    std::ifstream in(TUMBLOX_TEXTS_DEF);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t separator = line.find(" = ");
        std::string text = line.substr(separator + 3);
        for (std::size_t at; (at = text.find("\\n")) != std::string::npos;)
            text.replace(at, 2, "\n");
        defined[line.substr(0, separator)] = text;
    }
    EXPECT_EQ(std::size(text::kAll), defined.size());
    for (const text::Entry& entry : text::kAll)
        EXPECT_EQ(Cp949ToUtf8(entry.bytes), defined[entry.name]) << entry.name;
}
