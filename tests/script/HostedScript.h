#pragma once
// A script with the binding modules and a Print routine that collects what
// the program prints, one line per call.
#include "script/component/Script.h"
#include "script/grammar/ScriptGrammars.h"

#include <string>

struct HostedScript {
    TscScript script{nullptr};
    std::string output;

    HostedScript() {
        RegisterScriptGrammars();
        script.AddRTTI();
        // The host's own entries carry its marker, so ClearItems(kNoOwner) clears only the program.
        script.OwnerMarker = reinterpret_cast<TscOwnerMarker>(this);
        script.AddMethod("procedure Print(Value: Variant)",
                         [this](TObject*, const TClassInfo*, const std::string&, TscMethodHelper& method) {
                             output += VarToStr(method.GetParam(0)) + "\n";
                             return Variant(0);
                         });
        script.OwnerMarker = kNoOwner;
    }

    bool Compile(const std::string& source) {
        TStringList lines;
        lines.SetText(source);
        script.SetLines(lines);
        return script.Compile();
    }
};
