#pragma once
// Horizontal alignment of a control's text, a column's or a panel's.

class TEnumInfo;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// The names form data gives the alignments.
const TEnumInfo& AlignmentInfo();
