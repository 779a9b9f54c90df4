#include "script/bindings/RTTIModule.h"

#include "script/bindings/ClassesBinding.h"
#include "script/bindings/DialogsBinding.h"
#include "script/bindings/GraphicsBinding.h"
#include "script/bindings/IniFilesBinding.h"
#include "script/library/SysFunctions.h"

#include <algorithm>

namespace {

std::vector<TscRTTIModuleClass>& Modules() {
    static std::vector<TscRTTIModuleClass> modules{
        {"TscSysFunctions", [](TscScript& script) -> std::unique_ptr<TscRTTIModule> { return std::make_unique<TscSysFunctions>(script); }},
        {"TscClassesFunctions",
         [](TscScript& script) -> std::unique_ptr<TscRTTIModule> { return std::make_unique<TscClassesFunctions>(script); }},
        {"TscIniFilesFunctions",
         [](TscScript& script) -> std::unique_ptr<TscRTTIModule> { return std::make_unique<TscIniFilesFunctions>(script); }},
        {"TscGraphicsFunctions",
         [](TscScript& script) -> std::unique_ptr<TscRTTIModule> { return std::make_unique<TscGraphicsFunctions>(script); }},
        {"TscDialogsFunctions",
         [](TscScript& script) -> std::unique_ptr<TscRTTIModule> { return std::make_unique<TscDialogsFunctions>(script); }}};
    return modules;
}

}  // namespace

const std::vector<TscRTTIModuleClass>& RTTIModules() { return Modules(); }

void RegisterRTTIModule(TscRTTIModuleClass module) {
    std::vector<TscRTTIModuleClass>& modules = Modules();
    const bool listed = std::any_of(modules.begin(), modules.end(), [&](const TscRTTIModuleClass& m) { return m.name == module.name; });
    if (!listed) modules.push_back(std::move(module));
}

void UnregisterRTTIModule(const std::string& name) {
    std::vector<TscRTTIModuleClass>& modules = Modules();
    modules.erase(std::remove_if(modules.begin(), modules.end(), [&](const TscRTTIModuleClass& m) { return m.name == name; }), modules.end());
}
