#include "ui/controls/TrackBar.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"

#include "platform/window/ControlMessages.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"

#include <algorithm>

const TClassInfo& TTrackBar::StaticClass() {
    static const TClassInfo info = TPublished<TTrackBar>("TTrackBar", TCustomControl::StaticClass())
                                       .Integer("Min", &TTrackBar::Min, &TTrackBar::SetMin, 0)
                                       .Integer("Max", &TTrackBar::Max, &TTrackBar::SetMax, 10)
                                       .Integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition, 0)
                                       .Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency, 1)
                                       .Build();
    return info;
}

namespace {
constexpr int ThumbHalf = 5;  // the thumb is 11 pixels along the bar
constexpr int TickLength = 4;
}  // namespace

TTrackBar::TTrackBar(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 150, 45);
    SetTabStop(true);
    SetColor(clBtnFace);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
    ControlStyle.Exclude(TControlStyleItem::csDoubleClicks);  // a quick second click is another page step
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (Vertical()) params.Style |= platform::TBS_VERT;
    if (tickMarks_ == TTickMark::tmTopLeft) params.Style |= platform::TBS_TOP;
    if (tickMarks_ == TTickMark::tmBoth) params.Style |= platform::TBS_BOTH;
    if (tickStyle_ == TTickStyle::tsNone) params.Style |= platform::TBS_NOTICKS;
    if (tickStyle_ == TTickStyle::tsAuto) params.Style |= platform::TBS_AUTOTICKS;
}

void TTrackBar::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    position_ = std::clamp(position_, min_, max_);
    Invalidate();
}

void TTrackBar::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    position_ = std::clamp(position_, min_, max_);
    Invalidate();
}

void TTrackBar::SetPosition(int value) {
    value = std::clamp(value, min_, max_);
    if (value == position_) return;
    position_ = value;
    Invalidate();
}

void TTrackBar::SetFrequency(int value) {
    frequency_ = std::max(value, 1);
    Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    // The bar turns: its width and height swap.
    SetBounds(Left(), Top(), Height(), Width());
    if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value) {
    tickMarks_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
    tickStyle_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetThumbLength(int value) {
    thumbLength_ = std::max(value, 4);
    Invalidate();
}

void TTrackBar::Changed() { FireEvent(OnChange, this); }

void TTrackBar::UserMove(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    Invalidate();
    Changed();
}

// Geometry: "along" runs with the bar, "across" over it.

namespace {

TRect Oriented(bool vertical, int alongFrom, int alongTo, int acrossFrom, int acrossTo) {
    return vertical ? TRect{acrossFrom, alongFrom, acrossTo, alongTo} : TRect{alongFrom, acrossFrom, alongTo, acrossTo};
}

}  // namespace

int TTrackBar::Along(int position) const {
    int start = ThumbHalf + 3, end = (Vertical() ? ClientHeight() : ClientWidth()) - ThumbHalf - 3;
    if (max_ == min_) return start;
    return start + static_cast<int>(static_cast<long long>(position - min_) * (end - start) / (max_ - min_));
}

int TTrackBar::PositionAt(int along) const {
    int start = ThumbHalf + 3, end = (Vertical() ? ClientHeight() : ClientWidth()) - ThumbHalf - 3;
    if (end <= start || max_ == min_) return min_;
    long long span = max_ - min_, room = end - start;
    long long offset = std::clamp<long long>(along - start, 0, room);
    return min_ + static_cast<int>((offset * span + room / 2) / room);
}

TRect TTrackBar::ThumbRect() const {
    bool ticksFirst = tickStyle_ != TTickStyle::tsNone && tickMarks_ != TTickMark::tmBottomRight;
    int across = ticksFirst ? 4 + TickLength + 2 : 4;
    int centre = Along(position_);
    return Oriented(Vertical(), centre - ThumbHalf, centre + ThumbHalf + 1, across, across + thumbLength_);
}

TRect TTrackBar::ChannelRect() const {
    TRect thumb = ThumbRect();
    int across = (Vertical() ? thumb.Left : thumb.Top) + thumbLength_ / 2 - 2;
    int end = (Vertical() ? ClientHeight() : ClientWidth()) - ThumbHalf - 3;
    return Oriented(Vertical(), ThumbHalf + 1, end + 2, across, across + 4);
}

std::vector<int> TTrackBar::TickPositions() const {
    std::vector<int> ticks;
    if (tickStyle_ == TTickStyle::tsNone) return ticks;
    if (tickStyle_ == TTickStyle::tsAuto)
        for (int p = min_; p < max_; p += frequency_) ticks.push_back(Along(p));
    else
        ticks.push_back(Along(min_));
    ticks.push_back(Along(max_));
    return ticks;
}

// Input

void TTrackBar::Dispatch(TMessage& m) {
    auto copyRect = [&](TRect r, bool transposed) {
        if (auto* out = reinterpret_cast<platform::RECT*>(m.LParam))
            *out = transposed ? platform::RECT{r.Top, r.Left, r.Bottom, r.Right} : platform::RECT(r);
    };
    switch (m.Msg) {
        case platform::WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
        case platform::WM_CAPTURECHANGED:
            dragOffset_ = -1;
            Invalidate();
            break;
        case platform::WM_SETFOCUS:
        case platform::WM_KILLFOCUS: Invalidate(); break;
        case platform::TBM_GETPOS: m.Result = position_; return;
        case platform::TBM_SETPOS: SetPosition(static_cast<int>(m.LParam)); return;
        case platform::TBM_GETRANGEMIN: m.Result = min_; return;
        case platform::TBM_GETRANGEMAX: m.Result = max_; return;
        case platform::TBM_SETRANGEMIN: SetMin(static_cast<int>(m.LParam)); return;
        case platform::TBM_SETRANGEMAX: SetMax(static_cast<int>(m.LParam)); return;
        case platform::TBM_GETPAGESIZE: m.Result = PageSize; return;
        case platform::TBM_GETLINESIZE: m.Result = LineSize; return;
        case platform::TBM_GETTHUMBLENGTH: m.Result = thumbLength_; return;
        case platform::TBM_GETNUMTICS: m.Result = static_cast<platform::LRESULT>(TickPositions().size()); return;
        case platform::TBM_GETTICPOS: {
            // The ticks between the ends, by index.
            std::vector<int> ticks = TickPositions();
            auto i = static_cast<std::size_t>(m.WParam) + 1;
            m.Result = ticks.size() > 2 && i < ticks.size() - 1 ? ticks[i] : -1;
            return;
        }
        case platform::TBM_GETTHUMBRECT: copyRect(ThumbRect(), false); return;
        // A vertical bar reports its channel across-first, as the horizontal one does.
        case platform::TBM_GETCHANNELRECT: copyRect(ChannelRect(), Vertical()); return;
        default: break;
    }
    TCustomControl::Dispatch(m);
}

bool TTrackBar::DoKeyDown(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift)) return true;
    switch (key) {
        case platform::VK_LEFT:
        case platform::VK_UP: UserMove(position_ - LineSize); return true;
        case platform::VK_RIGHT:
        case platform::VK_DOWN: UserMove(position_ + LineSize); return true;
        case platform::VK_PRIOR: UserMove(position_ - PageSize); return true;
        case platform::VK_NEXT: UserMove(position_ + PageSize); return true;
        case platform::VK_HOME: UserMove(min_); return true;
        case platform::VK_END: UserMove(max_); return true;
        default: return false;
    }
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        int along = Vertical() ? y : x;
        TRect thumb = ThumbRect();
        if (x >= thumb.Left && x < thumb.Right && y >= thumb.Top && y < thumb.Bottom) {
            dragOffset_ = along - Along(position_) + ThumbHalf;
            platform::SetCapture(Handle());  // the drag goes on outside the bar
            Invalidate();
        } else {
            UserMove(along < Along(position_) ? position_ - PageSize : position_ + PageSize);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TTrackBar::MouseMove(TShiftState shift, int x, int y) {
    if (dragOffset_ >= 0) UserMove(PositionAt((Vertical() ? y : x) - dragOffset_ + ThumbHalf));
    TCustomControl::MouseMove(shift, x, y);
}

void TTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && dragOffset_ >= 0) {
        dragOffset_ = -1;
        if (platform::GetCapture() == Handle()) platform::ReleaseCapture();
        Invalidate();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TTrackBar::Paint() {
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    TRect channel = ChannelRect();
    DrawSunkenFrame(c, channel);
    c.Brush()->SetColor(clWindow);
    c.FillRect(channel);
    TRect thumb = ThumbRect();
    c.Pen()->SetColor(clBtnText);
    bool vertical = Vertical();
    int before = vertical ? thumb.Left : thumb.Top, after = vertical ? thumb.Right : thumb.Bottom;
    for (int along : TickPositions()) {
        auto tick = [&](int from) {
            if (vertical) {
                c.MoveTo(from, along);
                c.LineTo(from + TickLength, along);
            } else {
                c.MoveTo(along, from);
                c.LineTo(along, from + TickLength);
            }
        };
        if (tickMarks_ != TTickMark::tmTopLeft) tick(after + 2);
        if (tickMarks_ != TTickMark::tmBottomRight) tick(before - 2 - TickLength);
    }
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(thumb);
    DrawRaisedFrame(c, thumb, false);
    if (Focused()) c.DrawFocusRect(ClientRect());
}
