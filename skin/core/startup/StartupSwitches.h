#pragma once
// The skin library's command-line switches and the hand-shake with an
// outside skin editor that pushes a skin into the running program. The
// window system carries no messages between processes, so the editor's
// messages reach the program only from inside it (tests deliver them).

#include "ui/forms/Messages.h"

#include "platform/window/WindowMessages.h"

#include <cstdint>
#include <string>
#include <vector>

class TSkinManager;
class TStringList;

// The editor's message, and the window it is found by.
constexpr platform::UINT kEditorMessage = 0xA400;
constexpr const char* kEditorWindowTitle = "Skin Editor";
constexpr platform::WPARAM kEditorOffersWindow = 3;
constexpr platform::WPARAM kEditorSendsSkin = 7;
constexpr const char* kVersionText = "Skin engine v1.0";

// The record the editor sends as the data of WM_COPYDATA.
constexpr std::int32_t kEditorRecordId = 0xA400;
constexpr std::size_t kEditorNameSize = 128;
constexpr std::size_t kEditorFolderSize = 513;
constexpr std::size_t kEditorOptionsSize = 30001;
constexpr std::size_t kEditorRecordSize = 4 + kEditorNameSize + kEditorFolderSize + kEditorOptionsSize;

// "/skver" in any case shows the version once; a first parameter exactly
// "/skpreview" asks for the preview hand-shake.
void ApplyStartupSwitches(const std::vector<std::string>& parameters);
bool PreviewRequested();
platform::HWND PreviewWindow();
// Offers `window` (the main form's) to the editor, once.
void SendPreviewHandle(platform::HWND window);

// Set once a skin came from the editor, never cleared.
extern std::uint8_t EditorSkinMode;
// The options text of the editor's skin while it is being applied, else none.
const TStringList* EditorOptionsText();
// WM_COPYDATA from the editor: applies the skin it carries (result 1);
// anything else is left alone.
void ReceiveEditorSkin(TMessage& message, TSkinManager& manager);

// Forgets the preview state (a new start of the program, for tests).
void ResetStartupSwitches();
