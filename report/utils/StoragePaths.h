#pragma once
// How the report XML form names a component that a report object refers
// to, and how it finds it again.

#include <string>
#include <string_view>

class TComponent;

// Empty for none; the bare name for a component without owner, owned by the
// root, or (for a report root) owned by the report's owner; the window's
// name, '.' and the name for a component of a window; empty otherwise.
std::string rpComponentPath(const TComponent* root, const TComponent* reference);

// A bare name among the root's components (and, for a report, those of the
// report's owner); "Window.Name" among the program's windows. Nothing when
// no component has a bare name; EClassNotFound "Missing <name>" when a
// dotted name leads nowhere.
TComponent* rpFindComponentByPath(const TComponent* root, std::string_view name);
