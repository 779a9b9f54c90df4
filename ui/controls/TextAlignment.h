#pragma once
// Horizontal alignment of a control's text, a column's or a panel's.

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
