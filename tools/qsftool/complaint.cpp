#include "complaint.h"

#include <cstdio>

std::string Problem(const std::string& file, const std::string& what) {
    return file + ": " + what;
}

int Complain(const std::string& problem) {
    std::string line = problem;
    // A message of the game's may hold line feeds; the tool's report stays one line.
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    std::fprintf(stderr, "qsftool: %s\n", line.c_str());
    return 1;
}
