#include "skin/core/effects/FadeTimers.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapBlends.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Application.h"
#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/window/Painting.h"

int FadingTimerCount = 0;
bool FadingSuspended = false;

namespace {

constexpr int kFullWeight = 255;

// Timers stopped from inside their own tick, freed once that tick is over.
std::vector<std::unique_ptr<TSkFadeTimer>> retired;

void FreeRetired() {
    std::erase_if(retired, [](const std::unique_ptr<TSkFadeTimer>& t) { return !t->InTick(); });
}

const TSkGeneralData* SectionOf(const TSkCommonData& data) {
    TSkinManager* manager = data.SkinManager();
    if (!manager || !manager->Skin().SectionIndexValid(data.SectionIndex)) return nullptr;
    return &manager->Skin().GeneralData[static_cast<std::size_t>(data.SectionIndex)];
}

bool OwnerGone(const TSkCommonData* data) { return !data || !data->OwnerCtrl || data->OwnerCtrl->IsDestroying(); }

bool Skinned(const TSkCommonData& data) {
    TSkinManager* manager = data.SkinManager();
    return !data.SkinSection().empty() && manager && !manager->IsDestroying() && SectionOf(data) && !OwnerGone(&data);
}

bool CacheEmpty(const TSkCommonData& data) {
    return !data.CacheBitmap || data.CacheBitmap->Width() == 0 || data.CacheBitmap->Height() == 0;
}

std::unique_ptr<TBitmap> CopyOf(TBitmap& image) {
    auto copy = NewBitmap32(image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y)
        std::copy_n(PixelRow(image, y), image.Width(), PixelRow(*copy, y));
    return copy;
}

// The new look blended over the start image: step `index` of `total` shows index/total of the new one.
std::unique_ptr<TBitmap> StepImage(TBitmap& start, TBitmap& cache, int index, int total) {
    auto image = CopyOf(start);
    const int k = index * kFullWeight / total;
    BlendBitmapWhole(*image, cache, kFullWeight - k);
    return image;
}

platform::HWND WindowOf(TControl* control) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

platform::LRESULT Command(TControl* control, std::uint16_t command, platform::LPARAM lParam = 0) {
    return control->Perform(SkinCommandMsg, MakeSkinWParam(command), lParam);
}

}  // namespace

bool AnimEventAllowed(TxAnimatEvent event, TxAnimatEvents events, TSkinManager* manager) {
    if (events.Contains(event)) return true;
    if (!events.Contains(TxAnimatEvent::aeGlobalDef)) return false;
    TSkinManager* used = manager ? manager : DefaultSkinManager;
    if (!used) return false;
    const TxBtnEvent matching =
        event == TxAnimatEvent::aeGlobalDef ? TxBtnEvent::beMouseUp : static_cast<TxBtnEvent>(static_cast<int>(event));
    return used->AnimEffects().Buttons()->Events.Contains(matching);
}

const TClassInfo& TSkFadeTimer::StaticClass() {
    static const TClassInfo info = TPublished<TSkFadeTimer>("TSkFadeTimer", TTimer::StaticClass()).Build();
    return info;
}

TSkFadeTimer::TSkFadeTimer(TComponent* owner) : TTimer(owner) {
    ++FadingTimerCount;
    OnTimer = [this](TObject*) { Tick(); };
}

TSkFadeTimer::~TSkFadeTimer() {
    if (!retired_) --FadingTimerCount;
}

void TSkFadeTimer::SetPhase(std::uint8_t value) {
    Phase = value;
    if (StepIndex < 0) StepIndex = 1;
    SetEnabled(value != 0);
}

void TSkFadeTimer::Tick() {
    if (!ControlData || IsDestroying() || retired_) return;
    inTick_ = true;
    ScopeExit leave([this] { inTick_ = false; });
    if (Finished() || FadingSuspended) return;
    if (Phase == 1 || Phase == 2) FadeStep();
}

bool TSkFadeTimer::Finished() {
    if (OwnerGone(ControlData) || Application->Terminated()) {
        Phase = 0;
        return false;
    }
    if (StepIndex >= 0 && StepIndex <= TotalSteps) return false;
    Command(ControlData->OwnerCtrl, ScStopFading);
    return true;
}

void TSkFadeTimer::FadeStep() {
    if (OwnerGone(ControlData) || TotalSteps == 0 || FadingSuspended) return;
    TControl* control = ControlData->OwnerCtrl;
    if (!control->Enabled()) {
        SetEnabled(false);
        TotalSteps = 0;
        ControlData->BgDirty = true;
        control->Invalidate();
        return;
    }
    ScopeExit next([this] { ++StepIndex; });
    if (!StartImage || CacheEmpty(*ControlData)) return;
    std::unique_ptr<TBitmap> image = StepImage(*StartImage, *ControlData->CacheBitmap, StepIndex, TotalSteps);
    // The control may draw the step itself (it answers non-zero).
    if (Command(control, ScRegionOutOfDate, reinterpret_cast<platform::LPARAM>(image.get())) != 0) return;
    if (platform::HWND window = WindowOf(control)) {
        platform::HDC dc = platform::GetDC(window);
        const int saved = platform::SaveDC(dc);
        platform::BitBlt(dc, 0, 0, image->Width(), image->Height(), image->Canvas()->Handle(), 0, 0, platform::SRCCOPY);
        platform::RestoreDC(dc, saved);
        platform::ReleaseDC(window, dc);
    }
}

void StopFadeTimer(TSkFadeTimer*& timer) {
    if (!timer || timer->IsDestroying()) return;
    timer->SetEnabled(false);
    timer->Phase = 0;
    if (timer->InTick()) {
        timer->retired_ = true;
        --FadingTimerCount;
        retired.emplace_back(timer);
    } else {
        delete timer;
    }
    timer = nullptr;
    FreeRetired();
}

void StartFade(TSkFadeTimer*& timer, TSkCommonData& data, bool press, std::uint8_t direction) {
    const TSkGeneralData* section = SectionOf(data);
    if (!section || !section->FadingEnabled) return;
    FreeRetired();
    if (!timer) {
        timer = new TSkFadeTimer(nullptr);
        timer->SetEnabled(false);
    }
    timer->ControlData = &data;
    if (data.BgDirty && CacheEmpty(data))
        if (platform::HWND window = WindowOf(data.OwnerCtrl)) SendSkinCommandToWnd(window, ScRebuildFrame, 0);
    timer->StartImage = CacheEmpty(data) ? nullptr : CopyOf(*data.CacheBitmap);
    timer->SetInterval(kFadeIntervalMs);
    timer->TotalSteps = section->FadingIterations;
    if (press) timer->TotalSteps /= 2;
    timer->StepIndex = 1;
    Command(data.OwnerCtrl, ScRebuildFrame);
    timer->SetPhase(direction);
}

void ChangeStateWithFade(TSkFadeTimer*& timer, TSkCommonData& data, bool press, std::uint8_t direction, bool allowed) {
    if (!Skinned(data)) return;
    const TSkinManager* manager = data.SkinManager();
    const bool fading = allowed && !manager->IsLoading() && !SkinLoadInProgress && SectionOf(data)->FadingEnabled &&
                        !FadingSuspended && !CacheEmpty(data) && !data.BgDirty;
    data.BgDirty = true;
    if (fading) {
        StartFade(timer, data, press, direction);
        return;
    }
    StopFadeTimer(timer);
    data.OwnerCtrl->Repaint();
}

const TClassInfo& TSkAnimTimer::StaticClass() {
    static const TClassInfo info = TPublished<TSkAnimTimer>("TSkAnimTimer", TTimer::StaticClass()).Build();
    return info;
}

TSkAnimTimer::TSkAnimTimer(TComponent* owner) : TTimer(owner) {
    ++FadingTimerCount;
    OnTimer = [this](TObject*) { Tick(); };
}

TSkAnimTimer::~TSkAnimTimer() { --FadingTimerCount; }

void TSkAnimTimer::BindSkinData(TSkCommonData* data) {
    ControlData = data;
    SetInterval(kFadeIntervalMs);
    const TSkGeneralData* section = data ? SectionOf(*data) : nullptr;
    TotalSteps = section ? section->FadingIterations : 0;
}

void TSkAnimTimer::AnimStep() {
    if (Busy || OwnerGone(ControlData) || TotalSteps == 0 || StepIndex < 0) {
        ++StepIndex;
        return;
    }
    Busy = true;
    ScopeExit done([this] {
        ++StepIndex;
        Busy = false;
    });
    if (!StartImage || CacheEmpty(*ControlData)) return;
    WorkImage = StepImage(*StartImage, *ControlData->CacheBitmap, StepIndex, TotalSteps);
    Command(ControlData->OwnerCtrl, ScSetDeferPaint);
    Command(ControlData->OwnerCtrl, ScRedrawNow);
}

bool TSkAnimTimer::Finished() {
    if (OwnerGone(ControlData) || Application->Terminated()) return true;
    if (StepIndex >= 0 && StepIndex <= TotalSteps) return false;
    Command(ControlData->OwnerCtrl, ScStopFading);
    return true;
}

void TSkAnimTimer::Tick() {
    if (IsDestroying() || Finished()) return;
    AnimStep();
}
