#include "settings/dialogs/SupplyKeyFilter.h"

char32_t FilterSupplyKey(const std::string& text, char32_t key) {
    if (key == U'.') key = U',';
    if (text == "0" && key != kBackspaceKey && key != U',') return 0;
    const bool digit = key >= U'0' && key <= U'9';
    if (!digit && key != kBackspaceKey && key != U',') return 0;
    if (key == U',' && (text.empty() || text.find(',') != std::string::npos)) return 0;
    return key;
}
