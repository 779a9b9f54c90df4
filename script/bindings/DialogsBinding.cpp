#include "script/bindings/DialogsBinding.h"

#include "script/component/Script.h"
#include "script/core/ScriptErrors.h"
#include "script/members/ClassVariable.h"
#include "script/members/MethodHelper.h"
#include "ui/dialogs/ColorDialog.h"
#include "ui/dialogs/CommonDialog.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/dialogs/PrintDialog.h"

#include <cstdint>

namespace {

constexpr int kLastDialogType = static_cast<int>(TMsgDlgType::mtCustom);

// A set argument: a set constructor gives its members' bit values as an
// array, a set variable one integer.
std::uint32_t SetMask(const Variant& value) {
    if (!value.IsArray()) return static_cast<std::uint32_t>(value.AsInteger());
    std::uint32_t mask = 0;
    for (int i = value.ArrayLowBound(1); i <= value.ArrayHighBound(1); ++i)
        mask |= static_cast<std::uint32_t>(value.GetElement({i}).AsInteger());
    return mask;
}

}  // namespace

TscDialogsFunctions::TscDialogsFunctions(TscScript& script) : TscRTTIModule(script) {
    auto call = [this](TObject* instance, const TClassInfo* classRef, const std::string& name, TscMethodHelper& method) {
        return CallMethod(instance, classRef, name, method);
    };
    script.AddEnumSet("TOpenOptions",
                      "ofReadOnly, ofOverwritePrompt, ofHideReadOnly,ofNoChangeDir, ofShowHelp, ofNoValidate, "
                      "ofAllowMultiSelect,ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,"
                      "ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton,ofNoLongNames, "
                      "ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify,ofEnableSizing");
    script.AddEnum("TFileEditStyle", "fsEdit, fsComboBox");
    script.AddEnumSet("TColorDialogOptions", "cdFullOpen, cdPreventFullOpen, cdShowHelp,cdSolidColor, cdAnyColor");
    script.AddEnumSet("TFontDialogOptions",
                      "fdAnsiOnly, fdTrueTypeOnly, fdEffects,fdFixedPitchOnly, fdForceFontExist, fdNoFaceSel, "
                      "fdNoOEMFonts,fdNoSimulations, fdNoSizeSel, fdNoStyleSel,  fdNoVectorFonts,fdShowHelp, "
                      "fdWysiwyg, fdLimitSize, fdScalableOnly, fdApplyButton");
    script.AddEnum("TFontDialogDevice", "fdScreen, fdPrinter, fdBoth");
    script.AddEnum("TPrintRange", "prAllPages, prSelection, prPageNums");
    script.AddEnumSet("TPrintDialogOptions", "poPrintToFile, poPageNums, poSelection,poWarning, poHelp, poDisablePrintToFile");
    script.AddEnum("TMsgDlgType", "mtWarning, mtError, mtInformation, mtConfirmation, mtCustom");
    script.AddEnumSet("TMsgDlgButtons",
                      "mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp");
    if (TscClassVariable* common = script.AddClass(TCommonDialog::StaticClass(), "TComponent"))
        common->AddMethod("function Execute: Boolean", call);
    for (const TClassInfo* info : {&TOpenDialog::StaticClass(), &TSaveDialog::StaticClass(), &TColorDialog::StaticClass(),
                                   &TPrintDialog::StaticClass()})
        script.AddClass(*info, "TCommonDialog");
    script.AddMethod("function MessageDlg(Msg: string; DlgType: TMsgDlgType; Buttons: TMsgDlgButtons; HelpCtx: Longint): Integer",
                     call, "ctOther");
}

Variant TscDialogsFunctions::CallMethod(TObject* instance, const TClassInfo*, const std::string& name, TscMethodHelper& method) {
    if (name == "EXECUTE") {
        auto* dialog = dynamic_cast<TCommonDialog*>(instance);
        if (!dialog) throw EScriptError("«" + name + "»: нет объекта (nil)");
        return Variant(dialog->Execute());
    }
    if (name == "MESSAGEDLG") {
        const int type = method.GetParam(1).AsInteger();
        if (type < 0 || type > kLastDialogType) throw EScriptRangeError("MessageDlg: нет вида окна " + std::to_string(type));
        const auto buttons = TMsgDlgButtons::FromMask(SetMask(method.GetParam(2)));
        return Variant(MessageDlg(method.GetParam(0).AsString(), static_cast<TMsgDlgType>(type), buttons,
                                  method.GetParam(3).AsInteger()));
    }
    return Variant(0);
}
