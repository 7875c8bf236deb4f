// mkdata: makes the game's whole data set, every picture, sound and tune our own.
//   mkdata OUTDIR                    writes the data files into OUTDIR
//   mkdata --sheet FILE.png OUTDIR   writes them, then a contact sheet of them as FILE.png
#include <cstdio>
#include <string>

#include "contact_sheet.h"
#include "data_set.h"

int main(int argc, char** argv) {
    std::string sheet;
    int next = 1;
    if (argc == 4 && std::string(argv[1]) == "--sheet") {
        sheet = argv[2];
        next = 3;
    }
    if (argc != next + 1) {
        std::fprintf(stderr, "usage: mkdata [--sheet FILE.png] OUTDIR\n");
        return 2;
    }
    const std::string directory = argv[next];
    std::string error;
    if (!WriteDataSet(directory, &error) ||
        (!sheet.empty() && !WriteContactSheet(sheet, directory, TUMBLOX_UNIFONT_HEX, &error))) {
        std::fprintf(stderr, "mkdata: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
