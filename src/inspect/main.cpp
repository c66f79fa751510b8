// recpack-inspect's entry point.
#include "frontend/standard_streams.h"
#include "inspect/inspect_program.h"

int main(int argc, char* argv[])
{
    recpack::occupyClosedStandardStreams();
    return recpack::inspect::runInspect(argc, argv);
}
