#include "viewer/analysis/AnalysisNumbers.h"

#include "ui/core/FloatFormatting.h"

namespace {

constexpr int kPrecision = 15;
constexpr int kDecimals = 3;

}  // namespace

std::string AnalysisNumberText(long double value) {
    return FloatToStrF(static_cast<double>(value), TFloatFormat::ffNumber, kPrecision, kDecimals);
}
