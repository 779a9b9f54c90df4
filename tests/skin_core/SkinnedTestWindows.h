#pragma once
// Forms and controls for the broadcast and animation tests: they record the
// skin commands and paints they get, and the skinned ones answer skin
// command 7 (and the form command 4 with its skinning state).

#include "skin/core/broadcast/FormSkinState.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/controls/Panels.h"
#include "ui/forms/CustomControl.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"

#include "platform/window/WindowMessages.h"

#include <cstdint>
#include <vector>

struct TReceived {
    std::vector<std::uint16_t> commands;
    int paints = 0;
    void Note(const TMessage& m) {
        if (m.Msg == SkinCommandMsg) commands.push_back(SkinCommandOf(m.WParam));
        if (m.Msg == platform::WM_PAINT) ++paints;
    }
    int Count(std::uint16_t command) const {
        int n = 0;
        for (std::uint16_t c : commands) n += c == command;
        return n;
    }
};

class TRecordingPanel : public TPanel {
public:
    TRecordingPanel(TComponent* owner, bool skinned) : TPanel(owner), skinned_(skinned) {}
    TReceived got;

protected:
    void WndProc(TMessage& message) override {
        got.Note(message);
        if (skinned_ && message.Msg == SkinCommandMsg && SkinCommandOf(message.WParam) == ScIsSkinned) {
            message.Result = 1;
            return;
        }
        TPanel::WndProc(message);
    }

private:
    bool skinned_;
};

class TRecordingGraphic : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    TReceived got;

protected:
    void WndProc(TMessage& message) override {
        got.Note(message);
        TGraphicControl::WndProc(message);
    }
};

// A skinned form whose picture is one colour (0xAARRGGBB with alpha 255).
class TSkinnedTestForm : public TForm, public TSkFormSkinState {
public:
    explicit TSkinnedTestForm(TComponent* owner, std::uint32_t pixel = 0xFF2040A0u)
        : TForm(owner), TSkFormSkinState(this), pixel_(pixel) {}
    TReceived got;
    std::vector<TxAnimEvent> after;
    int regionUpdates = 0;
    bool paintable = true;
    std::uint32_t pixel_;

    std::unique_ptr<TBitmap> MakeFormBitmap() override {
        if (!paintable) return nullptr;
        auto picture = NewBitmap32(Width(), Height());
        for (int y = 0; y < picture->Height(); ++y) FillDWords(PixelRow(*picture, y), picture->Width(), pixel_);
        return picture;
    }
    void UpdateRegion() override { ++regionUpdates; }
    void AfterAnimation(TxAnimEvent event) override { after.push_back(event); }

protected:
    void WndProc(TMessage& message) override {
        got.Note(message);
        if (message.Msg == SkinCommandMsg && SkinCommandOf(message.WParam) == ScIsSkinned) {
            message.Result = 1;
            return;
        }
        if (message.Msg == SkinCommandMsg && SkinCommandOf(message.WParam) == ScGetProvider) {
            message.Result = reinterpret_cast<platform::LRESULT>(static_cast<TSkFormSkinState*>(this));
            return;
        }
        TForm::WndProc(message);
    }
};
