#include "command_line.h"
#include "regional/number_locale.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char **argv)
{
    // Qt takes its own options out of argv; the rest are the calculator's.
    const QCoreApplication application(argc, argv);
    return rotavex::runCalculator(argc, argv, std::cout, std::cerr, rotavex::systemNumberLocale());
}
