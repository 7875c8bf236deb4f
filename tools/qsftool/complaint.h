// How qsftool tells of bad input: one line on stderr, "qsftool: FILE: problem", and exit 1.
#pragma once

#include <string>

// "file: what", the form of every problem the tool reports.
std::string Problem(const std::string& file, const std::string& what);

// Prints the problem as one line on stderr; the exit status to give back (1).
int Complain(const std::string& problem);
