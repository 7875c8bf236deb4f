// The texts generator on crafted files: the clear line it fails with. What it writes from
// texts.def is pinned by the texts test, every text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "common/scratch_dir.h"
#include "common/test_support.h"

// Each bad file fails naming its line and fault, and leaves no header behind.
TEST(Gentables, BadFilesFailNamingTheirLineAndWriteNothing)
{
    const ScratchDir folder;
    for (const auto& [def, says] :
         {std::pair{"Good = ok\nSmile = \xF0\x9F\x98\x80\n",
                    "in.def:2: Smile cannot be written in CP949"},
          {"Same = a\nSame = b\n", "in.def:2: Same is already defined on line 1"},
          {"No equals sign\n", "in.def:1: expected NAME = text"}}) {
        std::ofstream(folder.path / "in.def", std::ios::binary) << def;
        const std::string command = "cd " + folder.path.string() + " && " + TUMBLOX_GENTABLES +
                                    " texts in.def out.h 2>errors";
        EXPECT_NE(std::system(command.c_str()), 0) << def;
        const Bytes errors = ReadBytes(folder.path / "errors");
        EXPECT_NE(std::string(errors.begin(), errors.end()).find(says), std::string::npos) << def;
        EXPECT_FALSE(std::filesystem::exists(folder.path / "out.h"));
    }
}
