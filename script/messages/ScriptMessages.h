#pragma once
// The script engine's seventeen message texts. They are variables because
// the report engine puts its own texts in them when it starts; every raise
// reads the variable at that moment.

#include <string>

extern std::string SLangNotFound;       // "%s": the language name
extern std::string SInvalidLanguage;
extern std::string SIdRedeclared;       // the name follows in single quotes
extern std::string SUnknownType;        // the name follows in single quotes
extern std::string SIncompatibleTypes;
extern std::string SIdUndeclared;       // the name follows in single quotes
extern std::string SClassRequired;
extern std::string SIndexRequired;
extern std::string SStringError;
extern std::string SClassError;         // "%s": the class name
extern std::string SArrayRequired;
extern std::string SVarRequired;
extern std::string SNotEnoughParams;
extern std::string STooManyParams;
extern std::string SLeftCantAssigned;
extern std::string SForError;
extern std::string SEventError;

// The message's "%s" replaced by the argument.
std::string ScriptMessageWith(const std::string& message, const std::string& argument);
