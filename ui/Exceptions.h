#pragma once
// The root of the library's exception tree and its common kinds.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that is not a number of the wanted kind.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
