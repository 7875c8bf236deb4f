// The texts generator on crafted files: what it writes, and the clear line it fails with.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

namespace {

class Gentables : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("tumblox-gentables-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Runs the texts mode on `def`; the exit status, with stderr in `errors`, the header in `header`.
    int Run(const std::string& def)
    {
        std::ofstream(folder / "in.def", std::ios::binary) << def;
        const std::string command = std::string(TUMBLOX_GENTABLES) + " texts " + (folder / "in.def").string() + " " +
                                    (folder / "out.h").string() + " 2>" + (folder / "errors").string();
        const int status = std::system(command.c_str());
        errors = Slurp(folder / "errors");
        header = Slurp(folder / "out.h");
        return status;
    }
    static std::string Slurp(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder;
    std::string errors, header;
};

}  // namespace

TEST_F(Gentables, WritesEachTextAsEscapedCp949Bytes)
{
    ASSERT_EQ(Run("# a comment\n\nHello = Hi \\n\xED\x95\x9C\r\nSpaces =  two  \n"), 0) << errors;
    EXPECT_NE(header.find("inline constexpr char Hello[] = \"\\x48\\x69\\x20\\x0A\\xC7\\xD1\";"), std::string::npos)
        << header;
    // One space after '=' belongs to the layout; the rest is the text's own.
    EXPECT_NE(header.find("inline constexpr char Spaces[] = \"\\x20\\x74\\x77\\x6F\\x20\\x20\";"), std::string::npos)
        << header;
    EXPECT_NE(header.find("{\"Hello\", Hello},"), std::string::npos);
}

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
        EXPECT_FALSE(std::filesystem::exists(folder / "out.h"));
    }
}
