#pragma once
// What the skin change and the form animations read and write of a form's
// skinning: the form skin provider derives from this and answers skin
// command 4 with a pointer to it.

#include <cstdint>
#include <memory>

class TBitmap;
class TCustomForm;
class TSkinManager;

enum class TxAnimEvent { aeShowing, aeHiding, aeSkinChanging };

class TSkFormSkinState {
public:
    explicit TSkFormSkinState(TCustomForm* form) : form_(form) {}
    virtual ~TSkFormSkinState() = default;
    TSkFormSkinState(const TSkFormSkinState&) = delete;
    TSkFormSkinState& operator=(const TSkFormSkinState&) = delete;

    TCustomForm* Form() const { return form_; }
    // The manager the form is skinned by; none: the default one.
    TSkinManager* Manager = nullptr;
    TSkinManager* UsedManager() const;

    bool InAnimation = false;
    bool SnapshotTaken = false;
    bool Frozen = false;
    bool DrawNonClientArea = true;
    // The form's constant alpha, 255 when it does not blend.
    std::uint8_t AlphaBlendValue = 255;
    // A picture of the whole form taken before a skin change.
    std::unique_ptr<TBitmap> CoverSnapshot;

    // A new 32-bit picture of the whole painted form with alpha 255; none
    // while the form cannot be painted.
    virtual std::unique_ptr<TBitmap> MakeFormBitmap() = 0;
    // Rebuilds the form's window region after a change of skin.
    virtual void UpdateRegion() {}
    virtual void AfterAnimation(TxAnimEvent) {}

private:
    TCustomForm* form_;
};

// The state a form's window gives for skin command 4, none when it is not skinned.
TSkFormSkinState* FormSkinStateOf(TCustomForm* form);
