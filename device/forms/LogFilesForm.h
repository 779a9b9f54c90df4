#pragma once
// The log-file window "Загрузка файлов с данными полета": lists the
// flight-log files in the controller's memory, downloads the chosen ones
// into a folder and clears the memory. The jobs run on TnewThread, which
// shows its progress through TLogFilesView.

#include "device/forms/PlainSkinnedControls.h"
#include "device/logs/LogFilesThread.h"
#include "ui/controls/Button.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/controls/ListView.h"
#include "ui/controls/Panels.h"
#include "ui/forms/Form.h"

#include <memory>
#include <string>
#include <vector>

class TForm5 : public TForm, public TLogFilesView {
    DECLARE_CLASS_INFO
public:
    explicit TForm5(TComponent* owner);
    ~TForm5() override;

    TLabel* Label1;  // "Занято:"
    TGauge* Gauge1;  // memory in use, per cent
    TPanel* panDevState;
    TListView* ListView1;  // list style, several rows chosen at once
    TProgressBar* ProgressBar1;
    TMemo* Memo1;
    TButton* Button9;  // "Получить список файлов"
    TButton* Button6;  // "Загрузить файлы"
    TButton* Button1;  // "Стереть файлы"
    TSkPathDialog* skPathDialog1;

    void Button9Click(TObject* Sender);
    void Button6Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void FormShow(TObject* Sender);
    // One entry per list row: selected or not.
    std::vector<bool> SelectedRows() const;

    // TLogFilesView
    void AddMemoLine(const std::string& line) override;
    void SetProgress(int percent) override;
    void SetGauge(int percent) override;
    void ClearList() override;
    void AddListRow(const std::string& caption) override;
    void RefreshGauge() override;
    void RefreshWindow() override;

private:
    TButton* AddButton(int top, const std::string& caption, TNotifyEvent onClick);
    // Held only by the window; the workers hold it weakly, so they leave a closed window alone.
    std::shared_ptr<TLogFilesView> view_;
};

// The one log-file window, made at start-up.
extern TForm5* Form5;
