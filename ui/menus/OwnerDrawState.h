#pragma once
// What an owner-drawn item (list, combo box, menu) is told of its state.

#include "ui/core/Set.h"

enum class TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
                                 odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
