// The game's texts reach the program as the CP949 bytes of what texts.def says, every one.
#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "texts/texts.h"

namespace {

// The UTF-8 text as glibc writes it in CP949.
std::string ToCp949(std::string input)
{
    iconv_t cd = iconv_open("CP949", "UTF-8");
    std::string output(input.size() * 2, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size(), outLeft = output.size();
    EXPECT_NE(iconv(cd, &in, &inLeft, &out, &outLeft), static_cast<std::size_t>(-1)) << input;
    iconv_close(cd);
    output.resize(output.size() - outLeft);
    return output;
}

// texts.def read the simple way: NAME = text, "\n" a line feed.
std::map<std::string, std::string> DefinedTexts()
{
    std::map<std::string, std::string> texts;
    std::ifstream in(TUMBLOX_TEXTS_DEF);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t separator = line.find(" = ");
        std::string text = line.substr(separator + 3);
        for (std::size_t at; (at = text.find("\\n")) != std::string::npos;)
            text.replace(at, 2, "\n");
        texts[line.substr(0, separator)] = text;
    }
    return texts;
}

}  // namespace

TEST(Texts, EveryTextIsTheCp949OfItsDefinition)
{
    const std::map<std::string, std::string> defined = DefinedTexts();
    EXPECT_EQ(std::size(text::kAll), defined.size());
    for (const text::Entry& entry : text::kAll) {
        auto it = defined.find(entry.name);
        ASSERT_NE(it, defined.end()) << entry.name;
        EXPECT_EQ(std::string(entry.bytes), ToCp949(it->second)) << entry.name;
    }
}
