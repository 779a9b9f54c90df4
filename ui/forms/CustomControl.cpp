#include "ui/forms/CustomControl.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"

namespace {

// Paint with the canvas over `dc`, its font the control's.
template <class PaintFn>
void PaintOn(TCanvas& canvas, TControl& control, platform::HDC dc, PaintFn paint) {
    canvas.Lock();
    canvas.SetFont(control.Font());
    canvas.Brush()->SetColor(control.Color());
    canvas.SetHandle(dc);
    ScopeExit release([&canvas] {
        canvas.SetHandle(nullptr);
        canvas.Unlock();
    });
    paint();
}

}  // namespace

const TClassInfo& TCustomControl::StaticClass() {
    static const TClassInfo info = TPublished<TCustomControl>("TCustomControl", TWinControl::StaticClass()).Build();
    return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(*this) {}

void TCustomControl::PaintWindow(platform::HDC dc) { PaintOn(canvas_, *this, dc, [this] { Paint(); }); }

void TCustomControl::Dispatch(TMessage& m) {
    if (m.Msg == CM_FONTCHANGED || m.Msg == CM_COLORCHANGED) canvas_.Refresh();
    TWinControl::Dispatch(m);
}

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo info = TPublished<TGraphicControl>("TGraphicControl", TControl::StaticClass()).Build();
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(*this) {}

void TGraphicControl::Dispatch(TMessage& m) {
    if (m.Msg == platform::WM_PAINT) {
        // The parent paints us into its own context, moved to our corner.
        PaintOn(canvas_, *this, reinterpret_cast<platform::HDC>(m.WParam), [this] { Paint(); });
        return;
    }
    TControl::Dispatch(m);
}
