#include "platform/text/MarkedLetter.h"

#include "platform/text/LetterCase.h"
#include "platform/text/Utf8Text.h"

namespace platform {

char32_t MarkedLetter(std::string_view label) {
    std::u32string text = DecodeUtf8(label);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&') continue;
        if (text[i + 1] != U'&') return LowerLetter(text[i + 1]);
        ++i;
    }
    return 0;
}

bool IsMarkedLetter(char32_t typed, std::string_view label) {
    char32_t marked = MarkedLetter(label);
    return marked != 0 && marked == LowerLetter(typed);
}

}  // namespace platform
