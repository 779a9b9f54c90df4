#include "ui/controls/SpinEdit.h"

#include "platform/window/Input.h"
#include "platform/window/MessageBeep.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/forms/Messages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int kWheelNotch = 120;
constexpr char32_t kBackspace = 8, kTab = 9, kReturn = 13, kEscape = 27;

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

constexpr int kMostDecimals = 15;

// Fixed-point text with the program's decimal comma.
std::string FixedText(double value, int decimals) {
    decimals = std::min(decimals, kMostDecimals);
    char text[384];
    std::snprintf(text, sizeof text, "%.*f", decimals, RoundToWhole(value * std::pow(10.0, decimals)) / std::pow(10.0, decimals));
    std::string result = text;
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

}  // namespace

// ---- TCustomSpinEdit ----

const TClassInfo& TCustomSpinEdit::StaticClass() {
    static const TClassInfo info = TPublished<TCustomSpinEdit>("TCustomSpinEdit", TCustomEdit::StaticClass()).Build();
    return info;
}

TCustomSpinEdit::TCustomSpinEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomSpinEdit::StepUp() {
    if (ReadOnly()) {
        platform::MessageBeep(0);
    } else if (OnUpClick) {
        OnUpClick(this);
    } else {
        Step(1);
    }
}

void TCustomSpinEdit::StepDown() {
    if (ReadOnly()) {
        platform::MessageBeep(0);
    } else if (OnDownClick) {
        OnDownClick(this);
    } else {
        Step(-1);
    }
}

void TCustomSpinEdit::Dispatch(TMessage& message) {
    TCustomEdit::Dispatch(message);
    if (message.Msg == CM_EXIT) CheckOnExit();
}

bool TCustomSpinEdit::EditKeyDown(platform::WORD key, TShiftState shift) {
    if (key == platform::VK_UP) {
        StepUp();
        return true;
    }
    if (key == platform::VK_DOWN) {
        StepDown();
        return true;
    }
    return TCustomEdit::EditKeyDown(key, shift);
}

bool TCustomSpinEdit::DoKeyPress(char32_t& key) {
    if (!AcceptKey(key)) {
        key = 0;
        platform::MessageBeep(0);
        return true;
    }
    if (key == 0) return true;
    return TCustomEdit::DoKeyPress(key);
}

bool TCustomSpinEdit::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    if (TCustomEdit::DoMouseWheel(shift, delta, mousePos)) return true;
    if (ReadOnly()) return false;
    if (delta / kWheelNotch != 0) Step(delta / kWheelNotch);
    return true;
}

bool TCustomSpinEdit::MinusFits(bool minimumAllowsNegative) const {
    if (!AllowNegative || SelStart() != 0 || !minimumAllowsNegative) return false;
    const std::string text = Text();
    return text.find('-') == std::string::npos || SelLength() >= static_cast<int>(text.size()) - 1;
}

// ---- TSpinEdit ----

const TClassInfo& TSpinEdit::StaticClass() {
    static const TClassInfo info = TPublished<TSpinEdit>("TSpinEdit", TCustomSpinEdit::StaticClass()).Build();
    return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomSpinEdit(owner) { SetText("0"); }

int TSpinEdit::Value() const {
    const std::string text = Text();
    if (text.empty()) return 0;
    return StrToIntDef(text, MinValue);
}

void TSpinEdit::SetValue(int value) {
    if (value < 0 && !AllowNegative) value = std::max(0, MinValue);
    SetText(std::to_string(CheckValue(value)));
}

int TSpinEdit::CheckValue(int value) const {
    const int result = value < 0 && !AllowNegative ? std::max(0, MinValue) : value;
    if (MinValue == 0 && MaxValue == 0) return result;
    if (value < MinValue) return MinValue;
    if (MaxValue != 0 && value > MaxValue) return MaxValue;
    return result;
}

bool TSpinEdit::AcceptKey(char32_t& key) {
    if (key == kBackspace || key == kEscape) return true;
    if (key == kTab || key == kReturn) {
        key = 0;
        return true;
    }
    if (key == U'-') return MinusFits(MinValue <= 0);
    return key < U' ' || (EditorEnabled && IsDigit(key));
}

void TSpinEdit::Step(int steps) {
    const std::int64_t wanted = std::int64_t{Value()} + std::int64_t{steps} * Increment;
    const int value = static_cast<int>(std::clamp<std::int64_t>(wanted, INT32_MIN, INT32_MAX));
    // A step that the limits stop is told with a beep.
    if (CheckValue(value) != value) platform::MessageBeep(0);
    SetValue(value);
}

void TSpinEdit::CheckOnExit() {
    const std::string text = Text();
    if (text == "-0" || text == "-") SetText("0");
    if (CheckValue(Value()) != Value()) SetValue(Value());
}

// ---- TDecimalSpinEdit ----

const TClassInfo& TDecimalSpinEdit::StaticClass() {
    static const TClassInfo info =
        TPublished<TDecimalSpinEdit>("TDecimalSpinEdit", TCustomSpinEdit::StaticClass()).Build();
    return info;
}

TDecimalSpinEdit::TDecimalSpinEdit(TComponent* owner) : TCustomSpinEdit(owner) { ShowValue(); }

void TDecimalSpinEdit::SetValue(double value) {
    if (value < 0 && !AllowNegative) value = std::max(0.0, MinValue);
    value_ = MaxValue > MinValue ? std::clamp(value, MinValue, MaxValue) : value;
    ShowValue();
    if (OnChange) OnChange(this);
}

double TDecimalSpinEdit::CheckValue(double value) const {
    const double result = value < 0 && !AllowNegative ? std::max(0.0, MinValue) : value;
    if (MinValue != 0 && value < MinValue) return MinValue;
    if (MaxValue != 0 && value > MaxValue) return MaxValue;
    return result;
}

void TDecimalSpinEdit::SetDecimalPlaces(int value) {
    value = std::max(0, value);
    if (value == decimalPlaces_) return;
    decimalPlaces_ = value;
    SetValue(CheckValue(value_));
}

void TDecimalSpinEdit::ShowValue() {
    writingText_ = true;
    const double shown = CheckValue(value_);
    SetText(FixedText(shown, decimalPlaces_));
    writingText_ = false;
}

bool TDecimalSpinEdit::AcceptKey(char32_t& key) {
    if (key == kBackspace || key == kEscape) return true;
    if (key == kTab || key == kReturn) {
        key = 0;
        return true;
    }
    const std::string text = Text();
    bool accepted;
    if (key == U',' || key == U'.') {
        const std::size_t sign = text.find_first_of("+-");
        accepted = decimalPlaces_ > 0 && text.find_first_of(",.") == std::string::npos &&
                   (sign == std::string::npos || static_cast<int>(sign) < SelStart());
    } else if (key == U'-' || key == U'+') {
        const bool wholeSelected = SelLength() >= static_cast<int>(text.size());
        accepted = (key != U'-' || AllowNegative) &&
                   ((SelStart() == 0 && text.find_first_of("+-") == std::string::npos) || wholeSelected);
    } else {
        accepted = IsDigit(key) || key < U' ';
    }
    if (!EditorEnabled && key >= U' ') accepted = false;
    return accepted;
}

void TDecimalSpinEdit::Step(int steps) {
    const double wanted = value_ + steps * Increment;
    if (CheckValue(wanted) != wanted) platform::MessageBeep(0);
    SetValue(wanted);
}

void TDecimalSpinEdit::CheckOnExit() {
    if (CheckValue(value_) != value_) SetValue(value_);
    ShowValue();
}

void TDecimalSpinEdit::Change() {
    if (!writingText_) {
        // Typed: the value follows the text; a text that is no number keeps the last value.
        const std::string text = Text();
        const double typed = text.empty() || text == "-" ? 0 : StrToFloatDef(text, value_);
        if (typed < 0 && !AllowNegative)
            value_ = std::max(0.0, MinValue);
        else
            value_ = MaxValue > MinValue ? std::clamp(typed, MinValue, MaxValue) : typed;
    }
    TCustomSpinEdit::Change();
}
