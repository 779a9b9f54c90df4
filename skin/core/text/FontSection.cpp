#include "skin/core/text/FontSection.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/utils/SkinProperties.h"

#include "ui/forms/Control.h"
#include "ui/forms/WinControl.h"

#include <algorithm>

namespace {

constexpr int kMostlySeeThrough = 50;

// The section a parent paints with, from its published skin data or, for a
// bare window, from its answer to command 26.
int ParentSection(TWinControl* parent) {
    if (TObject* object = GetObjectProperty(*parent, "SkinData"))
        if (auto* data = dynamic_cast<TSkCommonData*>(object)) return data->SectionIndex;
    TxSectionInfo info;
    SendSkinCommandTo(parent, ScGetSectionIndex, reinterpret_cast<platform::LPARAM>(&info));
    return info.SectionIndex;
}

}  // namespace

int FindFontSection(TControl* control, int defaultIndex, TSkinManager* manager, int state) {
    TSkinManager* m = manager ? manager : DefaultSkinManager;
    while (control && control->Parent() && m) {
        TWinControl* parent = control->Parent();
        const int k = ParentSection(parent);
        if (!m->Skin().SectionIndexValid(k)) return defaultIndex;
        const TSkGeneralData& section = m->Skin().GeneralData[static_cast<std::size_t>(k)];
        const int s = std::min(state > 0 ? 1 : 0, section.StateCount - 1);
        const int transparency = section.StateProps[s > 0 ? HotState : NormalState].Transparency;
        if (transparency > kMostlySeeThrough && parent->Parent()) {
            control = parent;
            state = 0;
            continue;
        }
        return section.GiveOwnFont ? k : defaultIndex;
    }
    return defaultIndex;
}
