// What every reader's fuzz target needs: the display up in a chosen layout, the input as an
// open file or as a file on disk, and a stop that libFuzzer reports as a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// The display up, in this layout.
void DisplayInLayout(bool is565);

// The bytes as a file open for reading at its start (nullptr when none can be made).
std::FILE* OpenBytes(const std::uint8_t* data, std::size_t size);

// A file of this process's own in memory-backed storage, holding the bytes; its path.
std::string StoreBytes(const std::string& name, const std::uint8_t* data, std::size_t size);
// The process's own folder for such files.
const std::string& ScratchFolder();

// A broken promise: says which, and aborts so that the fuzzer keeps the input.
[[noreturn]] void Finding(const char* what);
