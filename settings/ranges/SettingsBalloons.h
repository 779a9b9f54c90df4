#pragma once
// The balloons of the settings windows, drawn by one hint component: error
// balloons beside a control (template "Red"), status balloons in the middle
// of the window ("Blue3" for success, "Red3" for failure), each taken away
// by the balloon timer; the template goes back to "Blue" after each.

#include "ui/core/Component.h"
#include "ui/graphics/Colors.h"

#include <string>

class TControl;
class TCustomForm;
class TSkAlphaHints;
class TTimer;

// A value outside its range; conflicts between values use a colour that
// looks the same and is told apart by its value.
constexpr TColor RangeMarkColor = 0xB3B3FF;
constexpr TColor ConflictMarkColor = 0xB3B3FE;
constexpr TColor NormalEditColor = 0xFFFFFF;
// Hover and balloon texts are red.
constexpr TColor BalloonTextColor = 255;

constexpr unsigned kErrorBalloonMs = 5000;
constexpr unsigned kStatusBalloonMs = 2000;
// The single-stage window's error balloon stands this far from the edit's top-left corner.
constexpr int kEditBalloonDx = -120;
constexpr int kEditBalloonDy = 20;
// A balloon's text starts with this mark; hover hints take it away.
constexpr char kBalloonMark = '*';

class TSettingsBalloons : public TComponent {
public:
    // Owned by the window; makes its hint component and timer.
    explicit TSettingsBalloons(TCustomForm* window);
    ~TSettingsBalloons() override;

    TSkAlphaHints* Hints() const { return hints_; }
    TTimer* Timer() const { return timer_; }
    TControl* BalloonControl() const { return balloonControl_; }

    void ShowErrorBalloon(TControl* control, int screenX, int screenY, const std::string& text);
    // Centred on the window; the text is shown as given.
    void ShowStatusBalloon(bool ok, const std::string& text);
    // The timer's tick: hides the balloon, stops, gives the control its hint back.
    void TimerFired();
    void HideBalloon();

    // The window's balloons, while it lives: ShowErrorBalloon's target.
    static TSettingsBalloons* Active();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetBalloonControl(TControl* control);
    void ShowAt(int x, int y, const std::string& templateName, const std::string& text);

    TCustomForm* window_;
    TSkAlphaHints* hints_;
    TTimer* timer_;
    TControl* balloonControl_ = nullptr;
};
