#include "platform/display/Display.h"

#include "platform/window/MessageQueue.h"

namespace platform {
namespace {

// Windows keep their pixels in memory; tests read them and bring input in
// through the testing calls of DisplayTesting.h.
class HeadlessDisplay final : public DisplayBackend {
public:
    const char* Name() const override { return "headless"; }
    void WindowChanged(HWND) override {}
    void SurfaceChanged(HWND) override {}
    void WindowDestroyed(HWND) override {}
    void Pump() override {}
    bool Wait(DWORD) override { return false; }
    void Wake() override {}
};

}  // namespace

std::unique_ptr<DisplayBackend> MakeHeadlessDisplay() {
    return std::make_unique<HeadlessDisplay>();
}

}  // namespace platform
