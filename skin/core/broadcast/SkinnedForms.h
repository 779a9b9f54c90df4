#pragma once
// Skin changes reaching every form: the forms that registered as skinned,
// the messages sent to all of them, and the bracket of freezing the forms
// before a change and unfreezing them after it.

#include "ui/forms/Messages.h"

#include <vector>

class TCustomForm;
class TSkinManager;

// Registration order; a removed form's place takes the last one.
const std::vector<TCustomForm*>& SkinnedForms();
void AddSkinnedForm(TCustomForm* form);
void RemoveSkinnedForm(TCustomForm* form);
void ClearSkinnedForms();

// Set while forms are frozen for an animated skin change.
extern bool SkinChangeAnimating;

// Every form of the application and its controls; skinned forms through SendToSkinnedForms, so once.
void SendToAllForms(TMessage& message);
void SendToSkinnedForms(TMessage& message);

// The skin-change bracket for the forms the manager skins.
void SnapshotForms(TSkinManager& manager);
void FreezeForms(TSkinManager& manager);
// Every form frozen by FreezeForms paints again, whatever happened to it
// meanwhile (hidden, minimized, the application minimized).
void UnfreezeForms(TSkinManager& manager, bool animate);

// Freezes now and unfreezes when the scope ends, also on an exception.
class [[nodiscard]] TSkFreezeScope {
public:
    explicit TSkFreezeScope(TSkinManager& manager, bool animate);
    ~TSkFreezeScope();
    TSkFreezeScope(const TSkFreezeScope&) = delete;
    TSkFreezeScope& operator=(const TSkFreezeScope&) = delete;
    // An exception leaves the forms unfrozen without the animation.
    void SetAnimate(bool value) { animate_ = value; }

private:
    TSkinManager& manager_;
    bool animate_;
};
