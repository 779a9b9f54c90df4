#pragma once
// Flight time as the time edits show it: minutes, ':', seconds, ',' and
// hundredths ("01:02,03"); one tick of a log is one hundredth.

#include <cstdint>
#include <string>
#include <string_view>

// Characters 1-2 are minutes, 4-5 seconds, 7-8 hundredths; the separators are
// not looked at. A pair that is not a number raises EConvertError; text shorter
// than 8 characters reads the missing characters as blanks, so it raises too.
std::int32_t TimeTextToHundredths(std::string_view text);

// Negative times show as 00:00,00; 100 minutes and more get more minute digits.
std::string HundredthsToTimeText(std::int64_t hundredths);
