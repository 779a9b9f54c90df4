#include "skin/core/startup/StartupSwitches.h"

#include "skin/core/manager/SkinManager.h"

#include "ui/core/Cp1251Text.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/StringList.h"
#include "ui/core/TextCase.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include "platform/window/CopyData.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/WindowTree.h"

#include <cstring>
#include <memory>

std::uint8_t EditorSkinMode = 0;

namespace {

constexpr int kEditorTries = 101;
constexpr const char* kVersionSwitch = "/skver";
constexpr const char* kPreviewSwitch = "/skpreview";

bool previewRequested = false;
platform::HWND previewWindow = nullptr;
std::unique_ptr<TStringList> editorOptions;

// A field of single-byte characters ending at its first NUL or its size.
std::string Field(const char* bytes, std::size_t size) { return std::string(bytes, strnlen(bytes, size)); }

}  // namespace

void ApplyStartupSwitches(const std::vector<std::string>& parameters) {
    for (const std::string& parameter : parameters)
        if (AnsiLowerCase(parameter) == kVersionSwitch) {
            Application->MessageBox(kVersionText, Application->Title(), MB_OK);
            break;
        }
    previewRequested = !parameters.empty() && parameters.front() == kPreviewSwitch;
}

bool PreviewRequested() { return previewRequested; }
platform::HWND PreviewWindow() { return previewWindow; }

void SendPreviewHandle(platform::HWND window) {
    if (!previewRequested || previewWindow) return;
    TCustomForm* main = Application->MainForm();
    if (main && (!main->HandleAllocated() || main->Handle() != window)) return;
    previewWindow = window;
    previewRequested = false;
    for (int i = 0; i < kEditorTries; ++i) {
        platform::HWND editor = platform::FindWindow(nullptr, kEditorWindowTitle);
        if (!editor) return;
        if (platform::SendMessage(editor, kEditorMessage, kEditorOffersWindow, reinterpret_cast<platform::LPARAM>(window)) == 1)
            return;
    }
}

const TStringList* EditorOptionsText() { return editorOptions.get(); }

void ReceiveEditorSkin(TMessage& message, TSkinManager& manager) {
    const auto* data = reinterpret_cast<const platform::COPYDATASTRUCT*>(message.LParam);
    if (message.WParam != kEditorSendsSkin || !data || !data->lpData || data->cbData < kEditorRecordSize) return;
    const auto* bytes = static_cast<const char*>(data->lpData);
    std::int32_t id = 0;
    std::memcpy(&id, bytes, sizeof id);
    if (id != kEditorRecordId) return;
    const char* name = bytes + sizeof id;
    const char* folder = name + kEditorNameSize;
    const char* options = folder + kEditorFolderSize;
    EditorSkinMode = 1;
    manager.SetDeferUpdates(true);
    editorOptions = std::make_unique<TStringList>();
    ScopeExit done([] { editorOptions.reset(); });
    editorOptions->SetText(Cp1251ToUtf8(Field(options, kEditorOptionsSize)));
    manager.SetSkinDirectory(Cp1251ToUtf8(Field(folder, kEditorFolderSize)));
    manager.SetSkinName(Cp1251ToUtf8(Field(name, kEditorNameSize)));
    manager.EndDeferUpdates(true);
    message.Result = 1;
}

void ResetStartupSwitches() {
    previewRequested = false;
    previewWindow = nullptr;
}
