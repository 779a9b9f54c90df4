#pragma once
// The glow around a hot control or title button: a click-through,
// non-activating layered window that shows a nine-piece image of the skin
// around the control's screen rectangle. Every live glow has an index in
// one list; the owners keep it and give it back to free the glow.

#include "ui/core/Types.h"

#include "platform/window/WindowMessages.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TForm;
class TSkinManager;

// Set while a glow window is destroyed: the window-creation hook ignores it.
extern bool GlowDestroying;

class TxGlowEffect {
public:
    TxGlowEffect(TSkinManager* manager, int maskIndex, int margin);
    ~TxGlowEffect();
    TxGlowEffect(const TxGlowEffect&) = delete;
    TxGlowEffect& operator=(const TxGlowEffect&) = delete;

    // Makes and shows the window around `control`, cropped to `visible` (screen coordinates).
    void Show(const TRect& control, const TRect& visible, platform::HWND owner);
    // A width x height image of the glow mask's first state, alpha 0 where the mask has nothing.
    std::unique_ptr<TBitmap> MakeGlowImage(int width, int height) const;
    TForm* GlowForm() const { return form_.get(); }
    TSkinManager* GlowManager() const { return manager_; }
    int GlowMaskIndex() const { return maskIndex_; }
    int GlowMargin() const { return margin_; }
    // Frees the window now (true) or from the message loop.
    void CloseWindow(bool now);

private:
    TSkinManager* manager_;
    int maskIndex_;
    int margin_;
    std::unique_ptr<TForm> form_;
};

// The glow's index, or -1 without layered windows or without the section's
// image `maskName` + "0". Null manager: the default one.
int CreateGlowEffect(const TRect& control, const TRect& visible, const std::string& section, TSkinManager* manager,
                     platform::HWND owner, int margin, const std::string& maskName);
// Frees the glow and sets the index to -1; other indexes are ignored.
void FreeGlowEffect(int& index);
void FreeAllGlowEffects(bool freeWindows);
// The list; entries of freed glows are null until FreeAllGlowEffects.
const std::vector<std::unique_ptr<TxGlowEffect>>& GlowEffects();
