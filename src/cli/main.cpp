#include "environment_locale.h"
#include "price_files.h"

#include <iostream>

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const rotavex::NumberLocale locale = rotavex::numberLocaleFor(rotavex::environmentLocaleName());
    return rotavex::runCalculator(args, std::cout, std::cerr, locale);
}
