#include "png/image/PngRowFilters.h"

void UndoRowFilter(std::uint8_t filterType, std::uint8_t* r, const std::uint8_t* p, std::size_t n,
                   std::size_t s) {
    switch (filterType) {
        case pfSub:
            for (std::size_t i = s; i < n; ++i) r[i] = std::uint8_t(r[i] + r[i - s]);
            break;
        case pfUp:
            for (std::size_t i = 0; i < n; ++i) r[i] = std::uint8_t(r[i] + p[i]);
            break;
        case pfAverage:
            for (std::size_t i = 0; i < n; ++i) {
                int left = i >= s ? r[i - s] : 0;
                r[i] = std::uint8_t(r[i] + ((p[i] + left) >> 1));
            }
            break;
        case pfPaeth:
            for (std::size_t i = 0; i < n; ++i) {
                int left = i >= s ? r[i - s] : 0;
                int upperLeft = i >= s ? p[i - s] : 0;
                r[i] = std::uint8_t(r[i] + PaethPredictor(left, p[i], upperLeft));
            }
            break;
        default: break;
    }
}

void ApplyRowFilter(TPngFilter filter, const std::uint8_t* r, const std::uint8_t* p, std::uint8_t* out,
                    std::size_t n, std::size_t s) {
    for (std::size_t i = 0; i < n; ++i) {
        int left = i >= s ? r[i - s] : 0;
        int upperLeft = i >= s ? p[i - s] : 0;
        int predicted = 0;
        switch (filter) {
            case pfSub: predicted = left; break;
            case pfUp: predicted = p[i]; break;
            case pfAverage: predicted = (p[i] + left) >> 1; break;
            case pfPaeth: predicted = PaethPredictor(left, p[i], upperLeft); break;
            default: break;
        }
        out[i] = std::uint8_t(r[i] - predicted);
    }
}
