#include "skin/core/glyphs/SmallCheckBox.h"

#include "skin/core/alpha/MaskFrame.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/PieceCopies.h"
#include "skin/core/pixels/AlphaRects.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/FrameDrawing.h"
#include "platform/window/SystemMetrics.h"

#include <array>

namespace {

constexpr std::array<const char*, 3> kImageKeys{"SMALLUNCHECKED", "SMALLCHECKED", "SMALLGRAYED"};
// Room beside the image.
constexpr int kCheckPad = 2;
constexpr std::uint8_t kOpaque = 255;

const TSkMaskData* SkinImage(TSkinManager* manager, int state) {
    if (!manager || !manager->Active() || state < scUnchecked || state > scGrayed) return nullptr;
    const int index = manager->Skin().StdIndexes.GlobalMask(kImageKeys[static_cast<std::size_t>(state)]);
    return manager->Skin().MaskIndexValid(index) ? &manager->Skin().Masks[static_cast<std::size_t>(index)] : nullptr;
}

bool HasSkinImages(TSkinManager* manager) { return SkinImage(manager, scChecked) != nullptr; }

}  // namespace

int SmallCheckWidth(TSkinManager* manager) {
    if (const TSkMaskData* checked = SkinImage(manager, scChecked)) return MaskFrameWidth(*checked) + kCheckPad;
    return platform::GetSystemMetrics(platform::SM_CXMENUCHECK);
}

int SmallCheckHeight(TSkinManager* manager) {
    if (const TSkMaskData* checked = SkinImage(manager, scChecked)) return MaskFrameHeight(*checked);
    return platform::GetSystemMetrics(platform::SM_CYMENUCHECK);
}

void DrawSmallCheckBox(const TRect& rect, int state, bool enabled, TSkinManager* manager, const TSkParentCache& cache,
                       TBitmap& bitmap) {
    const int w = SmallCheckWidth(manager), h = SmallCheckHeight(manager);
    if (const TSkMaskData* image = SkinImage(manager, state)) {
        const TPoint at{rect.Left + (rect.Width() - w) / 2, rect.Top + (rect.Height() - h) / 2};
        DrawMaskFrame(bitmap, at, 0, cache, *image, enabled ? kMaskFrameNormal : kMaskFrameInactive);
        return;
    }
    if (HasSkinImages(manager) && state > scGrayed) return;
    const TRect area(0, 0, w + kCheckPad, rect.Height());
    if (cache.Ready && cache.Bitmap)
        CopyPiece(bitmap, 0, 0, *cache.Bitmap,
                  Bounds(cache.OffsetX + rect.Left + 1, cache.OffsetY + rect.Top + 1, area.Width(), area.Height()));
    else
        FillRectWithAlpha(bitmap, area, cache.Color, kOpaque);
    platform::UINT flags = platform::DFCS_BUTTONCHECK;
    if (state == scChecked) flags |= platform::DFCS_CHECKED;
    if (state == scGrayed) flags |= platform::DFCS_CHECKED | platform::DFCS_BUTTON3STATE;
    if (!enabled) flags |= platform::DFCS_INACTIVE;
    const int left = (rect.Width() - w) / 2, top = (rect.Height() - h) / 2;
    platform::RECT box{left, top, left + w, top + h};
    platform::DrawFrameControl(bitmap.Canvas()->Handle(), &box, platform::DFC_BUTTON, flags);
}
