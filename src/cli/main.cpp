#include "command_line.h"
#include "report/ui/number_locale.h"

#include <QCoreApplication>

#include <iostream>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A standard descriptor the caller closed keeps its number taken, on a device
// opened the other way round, so that no file the program opens later takes
// it (reading "-" would then read that file) and using it still fails as on
// a closed descriptor.
void holdClosedStandardDescriptors()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (::fcntl(fd, F_GETFD) == -1)
            (void)::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
}

}   // namespace

int main(int argc, char **argv)
{
    holdClosedStandardDescriptors();
    // Qt takes its own options out of argv; the rest are the calculator's.
    const QCoreApplication application(argc, argv);
    return rotavex::runCalculator(argc, argv, std::cout, std::cerr, rotavex::systemNumberLocale());
}
