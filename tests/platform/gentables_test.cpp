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

namespace {

class Gentables : public ::testing::Test {
protected:
    // Runs the texts mode on `def`: the exit status, with stderr in `errors`.
    int Run(const std::string& def)
    {
        std::ofstream(folder.path / "in.def", std::ios::binary) << def;
        const std::string command = std::string(TUMBLOX_GENTABLES) + " texts in.def out.h 2>errors";
        const int status = std::system(("cd " + folder.path.string() + " && " + command).c_str());
        const Bytes errorBytes = ReadBytes(folder.path / "errors");
        errors.assign(errorBytes.begin(), errorBytes.end());
        return status;
    }

    ScratchDir folder;
    std::string errors;
};

}  // namespace

// Each bad file fails naming its line and fault, and leaves no header behind.
TEST_F(Gentables, BadFilesFailNamingTheirLineAndWriteNothing)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Good = ok\nSmile = \xF0\x9F\x98\x80\n", "in.def:2: Smile cannot be written in CP949"},
        {"Broken = \xC7\n", "in.def:1: Broken cannot be written"},  // not UTF-8
        {"No equals sign\n", "in.def:1: expected NAME = text"},
        {"9Lives = x\n", "in.def:1: expected NAME = text"},
        {"Same = a\nSame = b\n", "in.def:2: Same is already defined on line 1"},
        {"kAll = x\n", "in.def:1: kAll is the generated list's own name"},
        {"# only a comment\n", "in.def: holds no text"},
    };
    for (auto [def, says] : cases) {
        SCOPED_TRACE(def);
        EXPECT_NE(Run(def), 0);
        EXPECT_NE(errors.find(says), std::string::npos) << errors;
        EXPECT_FALSE(std::filesystem::exists(folder.path / "out.h"));
    }
}
