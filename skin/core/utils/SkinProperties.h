#pragma once
// Published-property access by name for the skin library: a missing
// property is an answer (false, nullptr, -1), never an error.

#include <cstdint>
#include <string>

class TObject;

bool HasProperty(const TObject& object, const std::string& name);
// The value of an object-typed property, nullptr when there is none.
TObject* GetObjectProperty(TObject& object, const std::string& name);
// The set property holds the element of that name.
bool SetPropertyHas(const TObject& object, const std::string& setName, const std::string& element);
// Adds or removes the element through the set's text form.
void ChangeSetProperty(TObject& object, const std::string& setName, const std::string& element, bool add);
// -1 when there is no such property.
std::int64_t GetOrdinalProperty(const TObject& object, const std::string& name);
void SetOrdinalProperty(TObject& object, const std::string& name, std::int64_t value);
