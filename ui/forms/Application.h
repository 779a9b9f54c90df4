#pragma once
// The application: the title, the main form, the message loop (which also
// runs what worker threads hand to the GUI thread), ProcessMessages for
// handlers that let pending messages run, and the handling of exceptions
// that escape an event handler: the loop shows them and goes on.

#include "ui/core/Component.h"
#include "ui/core/Events.h"
#include "ui/core/Types.h"
#include "ui/graphics/Colors.h"

#include "platform/window/WindowMessages.h"

#include <exception>
#include <functional>
#include <string>

class TControl;
class TCustomForm;
class THintWindow;
class TTimer;

// What a hint about to show may change: its text, place, width limit,
// colour and how long it stays.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint HintPos;  // the hint window's top-left corner, screen coordinates
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;  // leaving it hides the hint (the control's client area, screen coordinates)
    TPoint CursorPos;
    int HideTimeout = 0;
    std::string HintStr;
};
using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

using TMessageEvent = std::function<void(platform::MSG& Msg, bool& Handled)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;
// Shows a message and gives the button pressed (1 for OK).
using TMessageBoxFunction = std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;

constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNO = 0x4, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
                   MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;

class TApplication : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    // The first form made through CreateForm; closing it ends Run.
    TCustomForm* MainForm() const { return mainForm_; }

    // Makes a form owned by the application and runs its OnCreate.
    template <class T>
    void CreateForm(T*& reference) {
        reference = new T(this);
        FormCreated(reference);
    }
    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // Runs every pending message, then returns.
    void ProcessMessages();
    // Waits for one message (running idle work first) and runs it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Frees the form once the messages that are under way are done.
    void Release(TCustomForm* form);

    // Shows what escaped a handler (nothing for EAbort), through OnException
    // when one is set.
    void HandleException(TObject* sender);
    void ShowException(const std::exception& e);
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // How message boxes are shown; the dialogs set the real one.
    void SetMessageBoxFunction(TMessageBoxFunction show) { messageBox_ = std::move(show); }

    // Hints: a control's hint (the part before '|') shows when the mouse
    // has rested on it for HintPause ms (HintShortPause when another hint
    // was just showing) and hides after HintHidePause ms.
    bool ShowHint = true;
    int HintPause = 500;
    int HintShortPause = 50;
    int HintHidePause = 2500;
    TShowHintEvent OnShowHint;
    // The control under the mouse changed (the controls tell).
    void HintMouseMessage(TControl* control);
    void CancelHint();
    THintWindow* HintWindow() const { return hintWindow_; }

    TMessageEvent OnMessage;
    TIdleEvent OnIdle;
    TExceptionEvent OnException;

    // Forms tell the application when they go.
    void FormDestroyed(TCustomForm* form);

private:
    void FormCreated(TCustomForm* form);
    // One message: false when there was none.
    bool ProcessMessage(platform::MSG& msg);
    void Idle();
    void ShowHintNow();
    TTimer* MakeTimer(TNotifyEvent onTimer);

    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    TMessageBoxFunction messageBox_;
    TControl* hintControl_ = nullptr;
    THintWindow* hintWindow_ = nullptr;
    TTimer* hintTimer_ = nullptr;
    TTimer* hideTimer_ = nullptr;
};

// The part of a hint before '|'.
std::string GetShortHint(const std::string& hint);

extern TApplication* Application;
