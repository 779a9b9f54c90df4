#include "skin/forms/hints/SkAlphaHints.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/TextCase.h"
#include "ui/forms/HintWindow.h"

const TClassInfo& TSkAlphaHints::StaticClass() {
    static const TClassInfo info = TPublished<TSkAlphaHints>("TSkAlphaHints", TComponent::StaticClass()).Build();
    return info;
}

TSkAlphaHints::TSkAlphaHints(TComponent* owner) : TComponent(owner) {}

TSkAlphaHints::~TSkAlphaHints() {
    HideHint();
    if (tookOver_ && Application) Application->OnShowHint = nullptr;
}

void TSkAlphaHints::Loaded() {
    TComponent::Loaded();
    if (!Application) return;
    Application->OnShowHint = [this](std::string& text, bool& canShow, THintInfo& info) {
        ApplicationShowHint(text, canShow, info);
    };
    Application->HintHidePause = PauseHide;
    tookOver_ = true;
}

std::string TSkAlphaHints::TemplateName() const {
    return selected_ >= 0 ? Templates[static_cast<std::size_t>(selected_)].Name : std::string();
}

void TSkAlphaHints::SetTemplateName(const std::string& name) {
    selected_ = -1;
    for (std::size_t i = 0; i < Templates.size(); ++i)
        if (AnsiSameText(Templates[i].Name, name)) {
            selected_ = static_cast<int>(i);
            return;
        }
}

const TSkHintTemplate* TSkAlphaHints::SelectedTemplate() const {
    return selected_ >= 0 && static_cast<std::size_t>(selected_) < Templates.size()
               ? &Templates[static_cast<std::size_t>(selected_)]
               : nullptr;
}

void TSkAlphaHints::Dress(THintInfo& info) const {
    info.HintMaxWidth = MaxWidth;
    if (const TSkHintTemplate* chosen = SelectedTemplate()) info.HintColor = chosen->Color;
}

void TSkAlphaHints::ApplicationShowHint(std::string& text, bool& canShow, THintInfo& info) {
    Dress(info);
    info.HideTimeout = PauseHide;
    if (OnShowHint) OnShowHint(text, canShow, info);
    // The colour a handler sets is the balloon's text colour in the skinned
    // look; the plain hint window keeps the template's background.
    const TSkHintTemplate* chosen = SelectedTemplate();
    info.HintColor = chosen ? chosen->Color : clInfoBk;
}

void TSkAlphaHints::ShowHintAt(TPoint point, const std::string& text) {
    if (!window_) window_ = new THintWindow(this);
    THintInfo info;
    info.HintPos = point;
    info.HintStr = text;
    Dress(info);
    std::string shown = text;
    bool canShow = true;
    if (OnShowHint) OnShowHint(shown, canShow, info);
    window_->SetColor(info.HintColor);
    const TRect needed = window_->CalcHintRect(info.HintMaxWidth, shown);
    window_->ActivateHint(Bounds(info.HintPos.X, info.HintPos.Y, needed.Width(), needed.Height()), shown);
    shownText_ = shown;
    shownAt_ = info.HintPos;
}

void TSkAlphaHints::HideHint() {
    if (!window_) return;
    THintWindow* window = window_;
    window_ = nullptr;
    shownText_.clear();
    window->ReleaseHint();
    delete window;
}

bool TSkAlphaHints::HintShown() const { return window_ && window_->HintShowing(); }
