#pragma once
// Numbers in the analysis lines of the text log: thousands separated, three
// decimals.

#include <string>

std::string AnalysisNumberText(long double value);
