#include "settings/layout/StageWindowParts.h"

#include "ui/forms/Form.h"

namespace {

constexpr int kButtonHeight = 28;
constexpr TColor kUsbCaption = 0x808080;
constexpr int kStartPanelWidth = 260;
constexpr int kStartPanelHeight = 90;

}  // namespace

TButton* AddStageButton(TForm& form, TWinControl* parent, int left, int top, int width, const std::string& caption,
                        TNotifyEvent onClick) {
    auto* button = new TButton(&form);
    button->SetParent(parent);
    button->SetCaption(caption);
    button->SetBounds(left, top, width, kButtonHeight);
    button->OnClick = std::move(onClick);
    return button;
}

TStageStartPanel AddStageStartPanel(TForm& form, TWinControl* scrollBox, int scrollHeight, TNotifyEvent onCreate,
                                    TNotifyEvent onOpen) {
    auto* panel = new TPanel(&form);
    panel->SetName("Panel3");
    panel->SetParent(scrollBox);
    panel->SetCaption("");
    panel->SetBounds(kStageScrollBoxWidth / 2 - kStartPanelWidth / 2, scrollHeight / 2 - kStartPanelHeight,
                     kStartPanelWidth, kStartPanelHeight);
    TStageStartPanel start{panel, nullptr, nullptr};
    start.Create = AddStageButton(form, panel, 10, 10, 240, "Создать новый файл настроек", std::move(onCreate));
    start.Open = AddStageButton(form, panel, 10, 50, 240, "Открыть файл настроек", std::move(onOpen));
    panel->SetVisible(false);
    return start;
}

TStageSideColumn AddStageSideColumn(TForm& form, int memoHeight) {
    auto* usb = new TGroupBox(&form);
    usb->SetParent(&form);
    usb->SetCaption(" Подключение по USB ");
    usb->SetBounds(kStageSideLeft, 8, kStageSideWidth, 90);
    usb->Font()->SetColor(kUsbCaption);
    usb->Font()->SetStyle({TFontStyle::fsBold});
    AddStageButton(form, usb, 10, 20, kStageSideWidth - 20, "Записать настройки в контроллер", nullptr)->SetEnabled(false);
    AddStageButton(form, usb, 10, 54, kStageSideWidth - 20, "Вычитать настройки из контроллера", nullptr)->SetEnabled(false);
    AddStageButton(form, &form, kStageSideLeft, 106, kStageSideWidth, "Настройки по умолчанию", nullptr);
    TButton* close = AddStageButton(form, &form, kStageSideLeft, 140, kStageSideWidth, "Закрыть",
                                    [&form](TObject*) { form.Close(); });
    auto* memo = new TMemo(&form);
    memo->SetParent(&form);
    memo->SetBounds(kStageSideLeft, kStageMemoTop, kStageSideWidth, memoHeight);
    memo->SetReadOnly(true);
    return {usb, close, memo};
}

void ScrollByWheel(TScrollBox& scrollBox, int delta) {
    TControlScrollBar* bar = scrollBox.VertScrollBar();
    bar->SetPosition(bar->Position() + (delta < 0 ? kStageWheelStep : -kStageWheelStep));
}
