#pragma once
// How a report's engine runs: null handling, passes, memory, empty reports,
// where its temporary files go, and how its errors reach the user.

#include "ui/core/Persistent.h"

#include <string>

enum class TrpSilentMode { simMessageBoxes, simSilent, simReThrow };

class TrpEngineOptions : public TPersistent {
    DECLARE_CLASS_INFO
public:
    static constexpr int kDefaultMaxMemSize = 10;

    bool ConvertNulls = true;
    bool DestroyForms = true;
    bool DoublePass = false;
    int MaxMemSize = kDefaultMaxMemSize;
    bool PrintIfEmpty = true;
    bool ThreadSafeMode = false;
    TrpSilentMode NewSilentMode = TrpSilentMode::simMessageBoxes;
    std::string TempDir;
    bool UseFileCache = false;
    bool UseSharedDataSets = true;
    bool IgnoreDevByZero = false;

    // The older switch, a view of NewSilentMode: silent or message boxes.
    bool SilentMode() const { return NewSilentMode == TrpSilentMode::simSilent; }
    void SetSilentMode(bool value) {
        NewSilentMode = value ? TrpSilentMode::simSilent : TrpSilentMode::simMessageBoxes;
    }

    void Clear();
    void Assign(const TPersistent* source) override;
};
