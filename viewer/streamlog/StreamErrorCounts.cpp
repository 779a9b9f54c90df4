#include "viewer/streamlog/StreamErrorCounts.h"

#include <numeric>

const std::array<const char*, kStreamErrorKinds> kStreamErrorTexts = {
    "Ошибок GPS: ",
    "Ошибок датчика давления: ",
    "Ошибок магнитометра: ",
    "Ошибок акселерометра: ",
    "Ошибок гироскопа: ",
    "Ошибок проседания АКБ електр.: ",
    "Ошибок пикового проседания АКБ електр.: ",
    "Ошибок проседания силового АКБ : ",
    "Ошибок пикового проседания силового АКБ: ",
    "Ошибок нарушение контура воспламенителя: ",
    "Ошибок нарушения контура парашюта: ",
    "Ошибок карты памяти: ",
    "Ошибок шины передатчика : ",
    "Ошибок обмены данными в пультом: ",
};

void StreamErrorCounts::Count(std::uint32_t errorFlags) {
    for (std::size_t kind = 0; kind < kStreamErrorKinds; ++kind)
        if (errorFlags & (1u << kind)) ++Counts[kind];
}

std::int64_t StreamErrorCounts::Total() const { return std::accumulate(Counts.begin(), Counts.end(), std::int64_t{0}); }
