// recpack's entry point.
#include "frontend/program.h"
#include "frontend/standard_streams.h"

int main(int argc, char* argv[])
{
    recpack::occupyClosedStandardStreams();
    return recpack::runProgram(argc, argv);
}
