#pragma once
// Forms appearing, disappearing and changing their skin through a layered
// cover window that shows a picture of the form: its opacity steps every
// 12 ms and, in atAero mode, its picture grows from (or shrinks to) three
// quarters of its size. Showing runs to its end inside the call; hiding
// runs on the hide timer after the form is gone.

#include "skin/core/manager/AnimEffects.h"
#include "skin/core/timer/ThreadedTimer.h"

#include "platform/window/WindowMessages.h"

#include <cstdint>
#include <memory>

class TBitmap;
class TCustomForm;
class TForm;
class TSkFormSkinState;

// The passes of a show on a cover already showing: steps + 1 passes from
// alpha 0 to `target` (capped at it), then the whole picture at `target`.
void RunShowPasses(platform::HWND cover, TBitmap& picture, int steps, std::uint8_t target, TxAnimType mode);

// Shows the form through a cover; without a picture of the form or below 12 ms nothing is animated.
void AnimateFormShow(TSkFormSkinState& state, int time, std::uint8_t target, TxAnimType mode);
// The form vanishes at once; its picture fades (FormHide settings) on the hide timer.
void AnimateFormHide(TSkFormSkinState& state);

// One hide animation at a time; a new one frees the cover of the old one.
class TxHideTimer : public TxThreadedTimer {
    DECLARE_CLASS_INFO
public:
    explicit TxHideTimer(TComponent* owner);
    ~TxHideTimer() override;
    void Start(std::unique_ptr<TForm> cover, std::unique_ptr<TBitmap> picture, int steps, platform::HWND target,
               TxAnimType mode, std::uint8_t startAlpha);
    void Step();
    // Frees the cover, picture and work bitmap of a running animation.
    void Drop();
    bool Animating() const { return cover_ != nullptr; }
    TForm* Cover() const { return cover_.get(); }
    int StepIndex() const { return stepIndex_; }
    std::uint8_t ConstantAlpha() const { return constantAlpha_; }

protected:
    void Tick() override { Step(); }

private:
    void FireAfterAnimation();
    void Finish();

    platform::HWND target_ = nullptr;
    bool done_ = false;
    int stepIndex_ = 0;
    int stepCount_ = 0;
    double alpha_ = 0;
    double decrement_ = 0;
    std::uint8_t constantAlpha_ = 0;
    TxAnimType mode_ = TxAnimType::atFading;
    double dx_ = 0, dy_ = 0;
    double left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    std::unique_ptr<TForm> cover_;
    std::unique_ptr<TBitmap> picture_;
    std::unique_ptr<TBitmap> work_;
};

// The process-wide hide timer, made on first use (owned by the application when there is one).
TxHideTimer& HideTimer();
void StartHideAnimation(std::unique_ptr<TForm> cover, std::unique_ptr<TBitmap> picture, int time,
                        platform::HWND target, TxAnimType mode, std::uint8_t startAlpha);
