#include "skin/core/manager/AnimEffects.h"

#include "skin/core/layered/LayeredBinding.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/utils/SkinSystem.h"

#include "ui/core/PublishedProperties.h"

namespace {

const TEnumInfo& AnimTypeInfo() {
    static const TEnumInfo info("TxAnimType", {"atFading", "atAero"});
    return info;
}

const TEnumInfo& BtnEventInfo() {
    static const TEnumInfo info("TxBtnEvent", {"beMouseEnter", "beMouseLeave", "beMouseDown", "beMouseUp"});
    return info;
}

// Active and Time, then Mode where the kind has one.
template <class C>
TPublished<C> AnimationProperties(const char* name, std::uint16_t time, bool withMode, TxAnimType mode) {
    TPublished<C> published(name, TxFormAnimation::StaticClass());
    published.Boolean("Active", &C::Active, &C::Active, true).Integer("Time", &C::Time, &C::Time, time);
    if (withMode) published.Enumeration("Mode", AnimTypeInfo(), &C::Mode, &C::Mode, static_cast<std::int64_t>(mode));
    return published;
}

}  // namespace

const TClassInfo& TxFormAnimation::StaticClass() {
    static const TClassInfo info = TPublished<TxFormAnimation>("TxFormAnimation", TPersistent::StaticClass()).Build();
    return info;
}

const TClassInfo& TxFormShow::StaticClass() {
    static const TClassInfo info = AnimationProperties<TxFormShow>("TxFormShow", 0, true, TxAnimType::atAero).Build();
    return info;
}

const TClassInfo& TxFormHide::StaticClass() {
    static const TClassInfo info = AnimationProperties<TxFormHide>("TxFormHide", 0, true, TxAnimType::atAero).Build();
    return info;
}

const TClassInfo& TxDialogShow::StaticClass() {
    static const TClassInfo info =
        AnimationProperties<TxDialogShow>("TxDialogShow", 0, true, TxAnimType::atAero).Build();
    return info;
}

const TClassInfo& TxMinimizing::StaticClass() {
    static const TClassInfo info =
        AnimationProperties<TxMinimizing>("TxMinimizing", kDefaultTime, false, TxAnimType::atAero).Build();
    return info;
}

const TClassInfo& TxPageChange::StaticClass() {
    static const TClassInfo info =
        AnimationProperties<TxPageChange>("TxPageChange", 0, false, TxAnimType::atAero).Build();
    return info;
}

const TClassInfo& TxSkinChanging::StaticClass() {
    static const TClassInfo info =
        AnimationProperties<TxSkinChanging>("TxSkinChanging", kDefaultTime, true, TxAnimType::atFading).Build();
    return info;
}

const TClassInfo& TxBlendOnMoving::StaticClass() {
    static const TClassInfo info =
        TPublished<TxBlendOnMoving>("TxBlendOnMoving", TxFormAnimation::StaticClass())
            .Boolean("Active", &TxBlendOnMoving::Active, &TxBlendOnMoving::Active, false)
            .Integer("Time", &TxBlendOnMoving::Time, &TxBlendOnMoving::Time, kDefaultTime)
            .Integer("BlendValue", &TxBlendOnMoving::BlendValue, &TxBlendOnMoving::BlendValue, kDefaultBlendValue)
            .Build();
    return info;
}

const TClassInfo& TxBtnEffects::StaticClass() {
    static const TClassInfo info =
        TPublished<TxBtnEffects>("TxBtnEffects", TPersistent::StaticClass())
            .Set("Events", BtnEventInfo(), &TxBtnEffects::Events, &TxBtnEffects::Events, TxBtnEffects().Events.Mask())
            .Build();
    return info;
}

const TClassInfo& TxAnimEffects::StaticClass() {
    static const TClassInfo info =
        TPublished<TxAnimEffects>("TxAnimEffects", TPersistent::StaticClass())
            .Object("BlendOnMoving", &TxBlendOnMoving::StaticClass, &TxAnimEffects::BlendOnMoving, nullptr)
            .Object("Buttons", &TxBtnEffects::StaticClass, &TxAnimEffects::Buttons, nullptr)
            .Object("DialogShow", &TxDialogShow::StaticClass, &TxAnimEffects::DialogShow, nullptr)
            .Object("FormShow", &TxFormShow::StaticClass, &TxAnimEffects::FormShow, nullptr)
            .Object("FormHide", &TxFormHide::StaticClass, &TxAnimEffects::FormHide, nullptr)
            .Object("DialogHide", &TxFormHide::StaticClass, &TxAnimEffects::DialogHide, nullptr)
            .Object("Minimizing", &TxMinimizing::StaticClass, &TxAnimEffects::Minimizing, nullptr)
            .Object("PageChange", &TxPageChange::StaticClass, &TxAnimEffects::PageChange, nullptr)
            .Object("SkinChanging", &TxSkinChanging::StaticClass, &TxAnimEffects::SkinChanging, nullptr)
            .Build();
    return info;
}

void TxAnimEffects::SetManager(TSkinManager* manager) {
    manager_ = manager;
    buttons_->Manager = manager;
}

const TClassInfo& TxSkinEffects::StaticClass() {
    static const TClassInfo info =
        TPublished<TxSkinEffects>("TxSkinEffects", TPersistent::StaticClass())
            .Boolean("AllowGlowing", &TxSkinEffects::AllowGlowing, &TxSkinEffects::SetAllowGlowing, true)
            .Boolean("AllowAeroBluring", &TxSkinEffects::AllowAeroBluring, &TxSkinEffects::AllowAeroBluring, true)
            .Build();
    return info;
}

bool TxSkinEffects::AllowGlowing() const {
    const bool designing = Manager && Manager->ComponentState().Contains(TComponentStateItem::csDesigning);
    return allowGlowing_ && (LayeredWindowsAvailable() || designing) && !EffectsDisabled();
}
