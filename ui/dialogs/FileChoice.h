#pragma once
// What the open and save dialogs make of the name typed when the user
// confirms: a file to give back, a folder to go into, a mask to list by, a
// question to ask first, or a refusal with the reason to show.

#include "ui/core/Set.h"

#include <string>

enum class TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
    ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;

enum class TFileChoiceKind { fcNothing, fcAccept, fcOpenFolder, fcFilter, fcRefuse, fcAskOverwrite, fcAskCreate };

struct TFileChoice {
    TFileChoiceKind Kind = TFileChoiceKind::fcNothing;
    // The full file or folder name, or the typed mask.
    std::string Path;
    // The reason of a refusal, the question to ask.
    std::string Message;
};

// `folder` is the one the dialog shows; `typed` may be relative to it or
// absolute. A name without an extension gets `defaultExt` (normalised).
// Saving needs an existing folder to save in; opening checks what the
// options ask (the folder, the file, creating it).
TFileChoice ResolveFileChoice(const std::string& folder, const std::string& typed, const std::string& defaultExt,
                              TOpenOptions options, bool saving);
