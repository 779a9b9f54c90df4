#include "report/utils/StoragePaths.h"

#include "report/objects/Report.h"
#include "ui/core/Exceptions.h"
#include "ui/core/TextCase.h"
#include "ui/forms/Form.h"
#include "ui/forms/Screen.h"

std::string rpComponentPath(const TComponent* root, const TComponent* reference) {
    if (!reference) return {};
    const TComponent* owner = reference->Owner();
    bool reportRoot = dynamic_cast<const TrpReport*>(root) != nullptr;
    if (!owner || owner == root || (reportRoot && owner == root->Owner())) return reference->Name();
    if (dynamic_cast<const TCustomForm*>(owner)) return owner->Name() + "." + reference->Name();
    return {};
}

TComponent* rpFindComponentByPath(const TComponent* root, std::string_view name) {
    std::size_t dot = name.find('.');
    if (dot == std::string_view::npos) {
        if (!root) return nullptr;
        TComponent* found = root->FindComponent(name);
        if (!found && dynamic_cast<const TrpReport*>(root) && root->Owner()) found = root->Owner()->FindComponent(name);
        return found;
    }
    std::string_view windowName = name.substr(0, dot);
    TComponent* current = nullptr;
    for (int i = 0; Screen && i < Screen->FormCount() && !current; ++i)
        if (AnsiSameText(Screen->Forms(i)->Name(), windowName)) current = Screen->Forms(i);
    for (std::string_view rest = name.substr(dot + 1); current && !rest.empty();) {
        std::size_t next = rest.find('.');
        current = current->FindComponent(rest.substr(0, next));
        rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
    }
    if (!current) throw EClassNotFound("Missing " + std::string(name));
    return current;
}
