#include "report/options/EngineOptions.h"

#include "ui/core/PublishedProperties.h"

namespace {

const TEnumInfo& SilentModeInfo() {
    static const TEnumInfo info("TrpSilentMode", {"simMessageBoxes", "simSilent", "simReThrow"});
    return info;
}

}  // namespace

const TClassInfo& TrpEngineOptions::StaticClass() {
    using O = TrpEngineOptions;
    static const TClassInfo info =
        TPublished<O>("TrpEngineOptions", TPersistent::StaticClass())
            .Boolean("ConvertNulls", &O::ConvertNulls, &O::ConvertNulls, true)
            .Boolean("DoublePass", &O::DoublePass, &O::DoublePass, false)
            .Integer("MaxMemSize", &O::MaxMemSize, &O::MaxMemSize, kDefaultMaxMemSize)
            .Boolean("PrintIfEmpty", &O::PrintIfEmpty, &O::PrintIfEmpty, true)
            .Boolean("SilentMode", &O::SilentMode, &O::SetSilentMode, false)
            .Enumeration("NewSilentMode", SilentModeInfo(), &O::NewSilentMode, &O::NewSilentMode, 0)
            .String("TempDir", &O::TempDir, &O::TempDir)
            .Boolean("UseFileCache", &O::UseFileCache, &O::UseFileCache, false)
            .Boolean("IgnoreDevByZero", &O::IgnoreDevByZero, &O::IgnoreDevByZero, false)
            .Build();
    return info;
}

void TrpEngineOptions::Clear() {
    ConvertNulls = true;
    IgnoreDevByZero = false;
    DoublePass = false;
}

void TrpEngineOptions::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TrpEngineOptions*>(source);
    if (!other) return;
    ConvertNulls = other->ConvertNulls;
    DoublePass = other->DoublePass;
    MaxMemSize = other->MaxMemSize;
    PrintIfEmpty = other->PrintIfEmpty;
    NewSilentMode = other->NewSilentMode;
    TempDir = other->TempDir;
    UseFileCache = other->UseFileCache;
    IgnoreDevByZero = other->IgnoreDevByZero;
}
