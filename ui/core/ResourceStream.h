#pragma once
// The program's embedded data: files under resources/ compiled into the
// program by a build step (velzar_embed_resources in cmake/) and found by
// name and type, read through TResourceStream.

#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"

#include <span>
#include <string>
#include <string_view>

VELZAR_EXCEPTION(EResNotFound, Exception);

inline constexpr std::string_view RT_RCDATA = "RCDATA";

struct TResourceEntry {
    std::string_view name;
    std::string_view type;
    std::string_view bytes;
};

// Makes a table of entries known; the generated table of a module calls it
// (once per table, as often as asked).
void RegisterResources(std::span<const TResourceEntry> entries);
// Nothing when no registered entry has the name and type (without regard to case).
const TResourceEntry* FindResourceEntry(std::string_view name, std::string_view type);

// A copy of one resource's bytes, positioned at its start.
class TResourceStream : public TMemoryStream {
public:
    // Raises EResNotFound "Resource <name> not found".
    TResourceStream(std::string_view name, std::string_view type);
};
