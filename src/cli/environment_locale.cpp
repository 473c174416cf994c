#include "environment_locale.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace rotavex {

namespace {

// Languages whose numbers are written with a decimal comma.
const std::set<std::string> commaLanguages = {
    "af", "az", "be", "bg", "bs", "ca", "cs", "da", "de", "el", "es", "et", "eu", "fi", "fo", "fr", "gl", "hr",
    "hu", "hy", "id", "is", "it", "ka", "kk", "ky", "lb", "lt", "lv", "mk", "mn", "nb", "nl", "nn", "no", "pl",
    "pt", "ro", "ru", "sk", "sl", "sq", "sr", "sv", "tr", "uk", "uz", "vi",
};

// Territories where a comma language writes a decimal point after all, and
// the reverse.
const std::set<std::string> pointLocales = {
    "es_MX", "es_US", "es_PR", "es_DO", "es_GT", "es_HN", "es_NI", "es_PA", "es_PE", "es_SV",
    "de_CH", "de_LI", "it_CH",
};
const std::set<std::string> commaLocales = {"en_ZA", "en_DK", "en_BE", "en_NL", "en_DE", "en_AT", "en_FI", "en_SE"};

} // namespace

std::string environmentLocaleName()
{
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

NumberLocale numberLocaleFor(const std::string &localeName)
{
    std::string name = localeName.substr(0, localeName.find_first_of(".@"));
    std::replace(name.begin(), name.end(), '-', '_');
    const std::string language = name.substr(0, name.find('_'));
    bool comma = commaLanguages.count(language) > 0;
    if (pointLocales.count(name))
        comma = false;
    if (commaLocales.count(name))
        comma = true;
    NumberLocale locale;
    locale.decimalSeparator = comma ? "," : ".";
    return locale;
}

} // namespace rotavex
