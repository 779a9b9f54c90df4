#pragma once
// Binding modules: each registers a group of host types, constants,
// classes and routines into the script it is made for, and its handlers
// serve the calls of what it registered. The registry lists the modules
// every script gets from AddRTTI, the system library first.

#include "ui/core/Object.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TscScript;

class TscRTTIModule : public TObject {
public:
    explicit TscRTTIModule(TscScript& script) : Script(script) {}
    TscScript& Script;
};

struct TscRTTIModuleClass {
    std::string name;
    std::function<std::unique_ptr<TscRTTIModule>(TscScript&)> create;
};

// The registered modules in registration order, the system library first.
const std::vector<TscRTTIModuleClass>& RTTIModules();
// Appends a module class; a name already listed is not added twice.
void RegisterRTTIModule(TscRTTIModuleClass module);
void UnregisterRTTIModule(const std::string& name);
