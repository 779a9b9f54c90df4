#pragma once
// A skinned button's look dissolving from its old state into the new one:
// the fade timer blends the old cache image into the new one in the
// section's FADINGITERATIONS steps of 10 ms (half of them for presses and
// releases) and draws each step onto the control; the animation timer does
// the same into a work image for controls that repaint themselves from it.

#include "skin/core/manager/AnimEffects.h"

#include "ui/core/Set.h"
#include "ui/forms/Timer.h"

#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;
class TSkCommonData;
class TSkinManager;

enum class TxAnimatEvent { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };
using TxAnimatEvents = TSet<TxAnimatEvent>;

// Live fade and animation timers; while FadingSuspended no step runs.
extern int FadingTimerCount;
extern bool FadingSuspended;

constexpr unsigned kFadeIntervalMs = 10;

// The event is in the control's set, or the set follows the manager's
// button events (null manager: the default one) and the event is there.
bool AnimEventAllowed(TxAnimatEvent event, TxAnimatEvents events, TSkinManager* manager);

class TSkFadeTimer : public TTimer {
    DECLARE_CLASS_INFO
public:
    explicit TSkFadeTimer(TComponent* owner);
    ~TSkFadeTimer() override;

    std::uint8_t Phase = 0;
    TSkCommonData* ControlData = nullptr;
    int TotalSteps = 0;
    int StepIndex = 0;
    std::unique_ptr<TBitmap> StartImage;

    void SetPhase(std::uint8_t value);
    void Tick();
    // True once the last step has been shown (the control is told with command 16).
    bool Finished();
    void FadeStep();
    bool InTick() const { return inTick_; }

private:
    friend void StopFadeTimer(TSkFadeTimer*& timer);
    bool inTick_ = false;
    bool retired_ = false;
};

void ChangeStateWithFade(TSkFadeTimer*& timer, TSkCommonData& data, bool press, std::uint8_t direction, bool allowed);
void StartFade(TSkFadeTimer*& timer, TSkCommonData& data, bool press, std::uint8_t direction);
// Stops and frees the timer; one stopped from inside its own tick is freed after the tick.
void StopFadeTimer(TSkFadeTimer*& timer);

class TSkAnimTimer : public TTimer {
    DECLARE_CLASS_INFO
public:
    explicit TSkAnimTimer(TComponent* owner);
    ~TSkAnimTimer() override;

    bool Busy = false;
    std::unique_ptr<TBitmap> StartImage;
    std::unique_ptr<TBitmap> WorkImage;
    TSkCommonData* ControlData = nullptr;
    int TotalSteps = 0;
    int StepIndex = 0;

    void BindSkinData(TSkCommonData* data);
    void AnimStep();
    void Tick();
    bool Finished();
};
