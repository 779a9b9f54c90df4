#pragma once
// The scroll-bar control: a bar of its own window with Min, Max, PageSize
// and Position, moved by its arrows, track and thumb (the platform's tracker
// tells the parent, which hands the message back) and by the arrow, page and
// Home/End keys. Each move asks OnScroll (which may change the position)
// and then sets Position; a change of Position runs OnChange.

#include "ui/forms/CustomControl.h"

#include "platform/window/ScrollBars.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind value);
    int Min() const { return info_.nMin; }
    void SetMin(int value) { SetParams(Position(), value, Max()); }
    int Max() const { return info_.nMax; }
    void SetMax(int value) { SetParams(Position(), Min(), value); }
    int Position() const { return info_.nPos; }
    void SetPosition(int value) { SetParams(value, Min(), Max()); }
    int PageSize() const { return static_cast<int>(info_.nPage); }
    void SetPageSize(int value);
    // All three at once; Position is kept inside the range (up to where the last page starts).
    void SetParams(int position, int min, int max);
    int SmallChange = 1;
    int LargeChange = 1;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool DoKeyDown(platform::WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;
    virtual void Change();
    virtual void Scroll(TScrollCode code, int& pos);

private:
    // One move of the bar by a WM_HSCROLL / WM_VSCROLL code.
    void ScrollBy(platform::WORD code, int thumbPos);
    // Stores new values; true when the position changed.
    bool Store(platform::SCROLLINFO info);

    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    platform::SCROLLINFO info_;
};
