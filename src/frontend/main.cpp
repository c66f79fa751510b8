// recpack's entry point.
#include "frontend/program.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A standard stream that was closed would otherwise be taken by the first file the packer
// opens, and an error line could land in the user's output file. Closed standard output is
// replaced by /dev/full so that a help screen still fails as a failed write.
void occupyClosedStandardStreams()
{
    const char* const standIns[] = {"/dev/null", "/dev/full", "/dev/null"};
    const int modes[] = {O_RDONLY, O_WRONLY, O_WRONLY};
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int opened = ::open(standIns[fd], modes[fd]);
            if (opened != fd && opened >= 0) {
                ::close(opened);
            }
        }
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    occupyClosedStandardStreams();
    return recpack::runProgram(argc, argv);
}
