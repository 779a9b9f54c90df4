#include "script/messages/ScriptMessages.h"

std::string SLangNotFound = "Language '%s' not found";
std::string SInvalidLanguage = "Invalid language definition";
std::string SIdRedeclared = "Identifier redeclared: ";
std::string SUnknownType = "Unknown type: ";
std::string SIncompatibleTypes = "Incompatible types";
std::string SIdUndeclared = "Undeclared identifier: ";
std::string SClassRequired = "Class type required";
std::string SIndexRequired = "Index required";
std::string SStringError = "Strings doesn't have properties or methods";
std::string SClassError = "Class %s does not have a default property";
std::string SArrayRequired = "Array type required";
std::string SVarRequired = "Variable required";
std::string SNotEnoughParams = "Not enough actual parameters";
std::string STooManyParams = "Too many actual parameters";
std::string SLeftCantAssigned = "Left side cannot be assigned to";
std::string SForError = "For loop variable must be numeric variable";
std::string SEventError = "Event handler must be a procedure";

std::string ScriptMessageWith(const std::string& message, const std::string& argument) {
    std::string text = message;
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return text;
}
