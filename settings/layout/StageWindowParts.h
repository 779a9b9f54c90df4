#pragma once
// What the first- and second-stage windows build alike: the start panel in
// the middle of the scroll box, and the side column of the USB group, the
// defaults and close buttons and the log.

#include "ui/controls/Button.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Panels.h"
#include "ui/controls/ScrollBox.h"
#include "ui/core/Events.h"

#include <string>

class TForm;

constexpr int kStageScrollBoxWidth = 560;
constexpr int kStageSideLeft = kStageScrollBoxWidth + 16;
constexpr int kStageSideWidth = 250;
constexpr int kStageMemoTop = 176;
constexpr int kStageWheelStep = 15;

TButton* AddStageButton(TForm& form, TWinControl* parent, int left, int top, int width, const std::string& caption,
                        TNotifyEvent onClick);

struct TStageStartPanel {
    TPanel* Panel;
    TButton* Create;  // "Создать новый файл настроек"
    TButton* Open;    // "Открыть файл настроек"
};

// Hidden until the window shows it; centred in a scroll box of `scrollHeight`.
TStageStartPanel AddStageStartPanel(TForm& form, TWinControl* scrollBox, int scrollHeight, TNotifyEvent onCreate,
                                    TNotifyEvent onOpen);

struct TStageSideColumn {
    TGroupBox* Usb;  // " Подключение по USB ", its two buttons without action
    TButton* Close;
    TMemo* Memo;
};

TStageSideColumn AddStageSideColumn(TForm& form, int memoHeight);

// The scroll box moves a fixed step a wheel notch.
void ScrollByWheel(TScrollBox& scrollBox, int delta);
