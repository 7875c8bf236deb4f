// qsftool: looks inside the game's sprite packs and background pictures and makes new ones.
#include <cstdio>
#include <string>

#include "commands.h"
#include "complaint.h"

namespace {

constexpr char kUse[] =
    "Usage: qsftool COMMAND ...\n"
    "Looks inside the game's sprite packs and background pictures, and makes new ones.\n"
    "\n"
    "  qsftool info FILE                              what FILE holds\n"
    "  qsftool topng FILE OUT                         a pack to OUT/NNN.png, a picture to OUT\n"
    "  qsftool pack OUT --format 565|555 IN.png...    PNG pictures to a sprite pack\n"
    "  qsftool picture IN.png OUT                     a PNG picture to a background picture\n"
    "\n"
    "Each command takes --help. Bad input is named on stderr and gives exit status 1.\n";

struct Command {
    const char* name;
    int (*run)(const CommandWords&);
};

constexpr Command kCommands[] = {
    {"info", RunInfo},
    {"topng", RunToPng},
    {"pack", RunPack},
    {"picture", RunPicture},
};

}  // namespace

int ComplainOfUse(const char* name, const std::string& problem) {
    return Complain(std::string(name) + ": " + problem + " (see qsftool " + name + " --help)");
}

int main(int argc, char** argv) {
    if (argc < 2) return Complain("no command given (see qsftool --help)");
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        std::fputs(kUse, stdout);
        return 0;
    }
    for (const Command& command : kCommands)
        if (name == command.name) return command.run(ReadCommandWords(argc, argv));
    return Complain("unknown command " + name + " (see qsftool --help)");
}
