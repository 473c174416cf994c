#pragma once
// The one rule for what the reports take from the user's locale, shared by
// the windows and rotavex-calc so that both write the same decimal separator
// under the same environment. Needs Qt Core only.

#include "report/number_format.h"

class QLocale;
class QString;

namespace rotavex {

// What the reports take from a Qt locale: the decimal separator, the short
// date format and the time format.
NumberLocale numberLocaleOf(const QLocale &locale);

// The date format of the status bar and the reports' date stamps: always in
// figures and with the year's four figures. Spanish dates read dd/MM/yyyy;
// other locales keep the order and separators of their short format, which
// gives way to dd/MM/yyyy where it names the month or the weekday.
QString numericDateFormat(const QLocale &locale);

// The same for the user's locale (QLocale::system()). Without a
// QCoreApplication, Qt takes it from LC_ALL, then LC_NUMERIC, then LANG.
NumberLocale systemNumberLocale();

}   // namespace rotavex
