// The entry of every benchmark program here.
#include "bench_checks.h"

int main(int argc, char** argv)
{
    return bench::RunAll(argc, argv);
}
