#include "ui/controls/CheckState.h"

TCheckBoxState NextCheckState(TCheckBoxState state, bool allowGrayed) {
    switch (state) {
    case TCheckBoxState::cbUnchecked: return allowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked;
    case TCheckBoxState::cbGrayed: return TCheckBoxState::cbChecked;
    case TCheckBoxState::cbChecked: return TCheckBoxState::cbUnchecked;
    }
    return TCheckBoxState::cbUnchecked;
}
