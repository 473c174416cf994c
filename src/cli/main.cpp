#include "price_files.h"
#include "regional/number_locale.h"

#include <iostream>

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return rotavex::runCalculator(args, std::cout, std::cerr, rotavex::systemNumberLocale());
}
