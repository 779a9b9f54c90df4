#pragma once
// The skin library's user-interface texts in the program's language, by
// their string-table identifiers.

#include <string>

namespace skin_strings {
constexpr int OkButton = 58992, CancelButton = 58991, HelpButton = 58990;
constexpr int RestoreItem = 58981, MoveItem = 58980, SizeItem = 58979, MinimizeItem = 58978,
              MaximizeItem = 58977, CloseItem = 58976;
constexpr int AvailableSkins = 58964, InternalMark = 58963;
constexpr int FrameAdapterPlacement = 58950;
constexpr int InvalidDate = 58923;
constexpr int ChooseFolder = 58911, CreateFolder = 58910;
}  // namespace skin_strings

// The text of the identifier; empty for an identifier the table lacks.
const std::string& SkinString(int id);
