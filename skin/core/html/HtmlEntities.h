#pragma once
// The character entities hint texts may carry (&amp;, &Eacute;, &#8364;...):
// each stands for one letter, given here as UTF-8.

#include <optional>
#include <string>
#include <string_view>

// The letter of a name between "&" and ";"; none for a name that is no entity.
std::optional<std::string> EntityLetter(std::string_view name);
