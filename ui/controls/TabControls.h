#pragma once
// Tabs: the tab control (a row of tabs over a framed area; the program
// reads TabIndex) and the page control, whose tabs are its tab sheets and
// which shows the sheet of the chosen tab. A click on a tab, the arrow keys
// on a focused control and Ctrl+Tab (Ctrl+Shift+Tab) anywhere inside change
// the tab; OnChanging may refuse, OnChange follows. Setting TabIndex or
// ActivePage from code runs neither.

#include "ui/core/StringList.h"
#include "ui/forms/CustomControl.h"
#include "ui/graphics/MeasureCanvas.h"

enum class TTabPosition { tpTop, tpBottom };

class TCustomTabControl;
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
using TDrawTabEvent = std::function<void(TCustomTabControl* Control, int TabIndex, const TRect& Rect, bool Active)>;

class TCustomTabControl : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomTabControl(TComponent* owner);

    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int value);
    int TabCount() const { return static_cast<int>(TabCaptions().size()); }
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition value);
    // 0: as high as the text needs, as wide as each caption.
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int value);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int value);
    bool OwnerDraw = false;

    // In client coordinates.
    TRect TabRect(int index) const;
    int IndexOfTabAt(int x, int y) const;
    // Inside the frame below (above) the tabs: where the pages and aligned children go.
    TRect DisplayRect() const;
    TRect ClientRect() const override { return DisplayRect(); }

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;
    TDrawTabEvent OnDrawTab;

    void Dispatch(TMessage& message) override;

protected:
    virtual std::vector<std::string> TabCaptions() const = 0;
    virtual bool CanChange();
    virtual void Change();
    virtual void DrawTab(int index, const TRect& rect, bool active);
    // What the user chose: asked of CanChange, then made and told. False when refused.
    virtual bool UserSelect(int index);
    void CreateParams(TCreateParams& params) override;
    bool DoKeyDown(platform::WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;
    // The tabs' captions or count changed.
    void TabsChanged();

    int tabIndex_ = -1;

private:
    int StripHeight() const;

    TTabPosition tabPosition_ = TTabPosition::tpTop;
    int tabHeight_ = 0, tabWidth_ = 0;
    mutable TMeasureCanvas measure_;
};

class TTabControl : public TCustomTabControl {
    DECLARE_CLASS_INFO
public:
    explicit TTabControl(TComponent* owner);
    TStringList& Tabs() { return tabs_; }

protected:
    std::vector<std::string> TabCaptions() const override;

private:
    TStringList tabs_;
};

class TPageControl;

class TTabSheet : public TWinControl {
    DECLARE_CLASS_INFO
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* control);
    // Place among the page control's sheets.
    int PageIndex() const;
    void SetPageIndex(int index);
    // Place among the tabs shown, -1 when its tab is hidden.
    int TabIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool value);

    void Dispatch(TMessage& message) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TCustomTabControl {
    DECLARE_CLASS_INFO
public:
    using TCustomTabControl::TCustomTabControl;
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }
    void SetActivePageIndex(int index);
    // The next (previous) sheet after `current` with a shown tab, wrapping; nothing when none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward);

    void Dispatch(TMessage& message) override;

protected:
    std::vector<std::string> TabCaptions() const override;
    bool UserSelect(int index) override;
    void Resize() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    TTabSheet* SheetOfTab(int tabIndex) const;
    // Shows the active sheet over the display area and hides the rest.
    void ShowActive();

    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};
