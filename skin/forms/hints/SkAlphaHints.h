#pragma once
// The balloon-hint component: named templates, a width limit and a hide
// pause. Once loaded it decides every hover hint of the program through
// OnShowHint, and it shows texts at a screen point on request. Drawn with
// the class library's hint window until the skinned look exists.

#include "ui/core/Component.h"
#include "ui/forms/Application.h"

#include <string>
#include <vector>

class THintWindow;

struct TSkHintTemplate {
    std::string Name;
    TColor Color = clInfoBk;
};

class TSkAlphaHints : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TSkAlphaHints(TComponent* owner);
    ~TSkAlphaHints() override;

    std::vector<TSkHintTemplate> Templates;
    // The widest a balloon grows, in pixels.
    int MaxWidth = 300;
    // How long a hover hint stays, in milliseconds.
    int PauseHide = 2500;
    TShowHintEvent OnShowHint;

    // Takes over the application's hint event and sets its hide pause.
    void Loaded() override;

    // The selected template's name ("" when none); selecting compares names
    // without regard to case, and an unknown name selects none.
    std::string TemplateName() const;
    void SetTemplateName(const std::string& name);
    const TSkHintTemplate* SelectedTemplate() const;

    // Shows the text at the screen point whatever OnShowHint answers; the
    // handler may still change the text and the point.
    void ShowHintAt(TPoint point, const std::string& text);
    // Hides what ShowHintAt showed and frees its window; harmless when none shows.
    void HideHint();
    bool HintShown() const;
    // What ShowHintAt shows now ("" when nothing) and where.
    const std::string& ShownText() const { return shownText_; }
    TPoint ShownAt() const { return shownAt_; }
    THintWindow* ShownWindow() const { return window_; }

private:
    void ApplicationShowHint(std::string& text, bool& canShow, THintInfo& info);
    void Dress(THintInfo& info) const;

    int selected_ = -1;
    THintWindow* window_ = nullptr;
    std::string shownText_;
    TPoint shownAt_;
    bool tookOver_ = false;
};
