// recpack-inspect's entry point.
#include "inspect/inspect_program.h"

int main(int argc, char* argv[])
{
    return recpack::inspect::runInspect(argc, argv);
}
