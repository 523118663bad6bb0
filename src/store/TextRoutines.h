#pragma once
// Small text routines shared by windows, reports and file writers.

#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace lohn {

// Brings a text to exactly `width` characters: longer texts are cut on the
// right whatever the alignment; shorter ones are filled on the right when
// `leftAligned`, else on the left.
std::string PadText(std::string_view text, int width, bool leftAligned, char32_t fill = U' ');

// A number as exactly `width` digits, as PadText makes it: zeros in front,
// a longer number cut on the right ("05", "2014").
std::string ZeroPadded(int value, int width);

// The text without the blanks and control characters at either end.
std::string_view TrimBlanks(std::string_view text);

// Control characters (below 0x20, DEL and U+0080..U+009F) as blanks, so that
// a tab or line break typed or pasted into a one-line text cannot split a
// record, a report line or a file's field. Other characters stay as they are.
std::string OhneSteuerzeichen(std::string_view utf8);

// Input filters: keep the listed characters in their order, drop the rest.
std::string FilterDigits(std::string_view text);            // digits; empty -> "0"
std::string FilterDigitsAllowEmpty(std::string_view text);  // digits; may stay empty
std::string FilterNumber(std::string_view text);            // digits , - . ; empty -> "0"
std::string FilterNumberStrict(std::string_view text);      // and a lone , . - -> "0"

// The value of the digits of a text (other characters skipped), held at
// 1,000,000,000 so that a long row of digits cannot overflow.
long long ZiffernWert(std::string_view text);

// "<code> - <name of the insurance carrier>".
std::string VersTraegerName(std::string_view code);

// Date and time stamps of file headers, zero-filled.
std::string TodayAsDDMMYYYY(const platform::Clock& clock);
std::string TodayAsYYYYMMDD(const platform::Clock& clock);
std::string NowAsHHMMSS(const platform::Clock& clock);
std::string TodayAsIsoDate(const platform::Clock& clock);
std::string NowAsIsoTime(const platform::Clock& clock);

// The file name of a path without its extension: after the last "\" or "/",
// up to the first "." that follows.
std::string getNameFromPfad(std::string_view path);

}  // namespace lohn
