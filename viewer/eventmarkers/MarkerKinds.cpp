#include "viewer/eventmarkers/MarkerKinds.h"

namespace {

// By event code 1 to 21.
constexpr std::array<int, kMarkerKindCount> kControlOfCode = {1,  4,  6,  5,  8,  2,  9,  12, 13, 16, 3,
                                                              10, 11, 14, 15, 17, 18, 7,  19, 20, 21};

// The 21st panel has no stored colour; red stands out among the others.
constexpr TColor kAbnormalStartColor = clRed;

// By control number 1 to 21.
constexpr std::array<TColor, kMarkerKindCount> kDefaultColors = {
    128,     32768,    8388608,  8421376,  65535,    0,     8388736, 8421376, 8421504, 255,
    65280,   65535,    16711680, 16711935, 12639424, 32768, 8388736, 16711680, 16776960, 255,
    kAbnormalStartColor};

}  // namespace

int MarkerControlOfCode(int code) { return kControlOfCode.at(static_cast<std::size_t>(code - 1)); }

const std::string& MarkerCaption(int controlNumber) {
    static const std::array<std::string, kMarkerKindCount> captions = {
        "Старт по ускорению",
        "Апогей по таймеру имитации апогея",
        "Приземление по таймеру имитации конца спуска ракеты",
        "Старт по датчику давления",
        "Окончание работы двигателя по таймеру",
        "Окончание работы двигателя по ускорению",
        "Барометр разблокирован ",
        "Апогей по датчику давления",
        "Выброс тормозного парашюта",
        "Включен ключ выброса тормозного парашюта",
        "Выключен ключ выброса тормозного парашюта",
        "Выброс основного парашюта по высоте",
        "Выброс основного парашюта по таймеру",
        "Включен ключ выброса основного парашюта",
        "Выключен ключ выброса основного парашюта",
        "Приземление по датчику давления",
        "Включен ключ №3",
        "Выключен ключ №3",
        "Барометр разблокирован",
        "Окончание работы двигателя по таймеру (ускорение)",
        "Зафиксирован внештатный старт",
    };
    return captions.at(static_cast<std::size_t>(controlNumber - 1));
}

TColor DefaultMarkerColor(int controlNumber) { return kDefaultColors.at(static_cast<std::size_t>(controlNumber - 1)); }
