// The event-marker window's part of settings.ini: [EasyMarker].

#include "viewer/eventmarkers/EventMarkerForm.h"

#include "ui/core/IniFiles.h"

namespace {

const std::string kSection = "EasyMarker";

std::string ColorKey(int number) { return "ColorMarker" + std::to_string(number); }
std::string SelectKey(int number) { return "SelectMarker" + std::to_string(number); }

}  // namespace

void TForm4::LoadMarkerSettings(const std::string& settingsPath) {
    TIniFile ini(settingsPath);
    for (int number = 1; number <= kStoredMarkerControls; ++number) {
        ColorPanel(number)->SetColor(ini.ReadInteger(kSection, ColorKey(number), DefaultMarkerColor(number)));
        MarkerText(number)->SetChecked(ini.ReadBool(kSection, SelectKey(number), false));
    }
}

void TForm4::SaveMarkerSettings(const std::string& settingsPath) {
    TIniFile ini(settingsPath);
    for (int number = 1; number <= kStoredMarkerControls; ++number) {
        ini.WriteInteger(kSection, ColorKey(number), ColorPanel(number)->Color());
        ini.WriteBool(kSection, SelectKey(number), MarkerText(number)->Checked());
    }
}
