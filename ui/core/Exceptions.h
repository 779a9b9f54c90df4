#pragma once
// The root of the library's exception tree and the kinds the library raises.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
    virtual const char* ClassName() const { return "Exception"; }
};

#define VELZAR_EXCEPTION(Name, Base)                                  \
    class Name : public Base {                                        \
    public:                                                           \
        using Base::Base;                                             \
        const char* ClassName() const override { return #Name; }      \
    }

// The silent exception: it ends a handler and the application shows nothing.
VELZAR_EXCEPTION(EAbort, Exception);
// A text that is not a number of the wanted kind.
VELZAR_EXCEPTION(EConvertError, Exception);
VELZAR_EXCEPTION(EListError, Exception);
VELZAR_EXCEPTION(EStringListError, Exception);
VELZAR_EXCEPTION(EStreamError, Exception);
VELZAR_EXCEPTION(EReadError, EStreamError);
VELZAR_EXCEPTION(EWriteError, EStreamError);
VELZAR_EXCEPTION(EFCreateError, EStreamError);
VELZAR_EXCEPTION(EFOpenError, EStreamError);
VELZAR_EXCEPTION(EFilerError, EStreamError);
VELZAR_EXCEPTION(EClassNotFound, EFilerError);
VELZAR_EXCEPTION(EComponentError, Exception);
VELZAR_EXCEPTION(EPropertyError, Exception);
VELZAR_EXCEPTION(EPropertyConvertError, Exception);
VELZAR_EXCEPTION(EIniFileException, Exception);
VELZAR_EXCEPTION(EInvalidOperation, Exception);
VELZAR_EXCEPTION(EInvalidGraphic, Exception);
VELZAR_EXCEPTION(EInvalidGraphicOperation, Exception);
VELZAR_EXCEPTION(EOutOfResources, Exception);
VELZAR_EXCEPTION(EThread, Exception);

// Raises EAbort.
[[noreturn]] inline void Abort() { throw EAbort("Operation aborted"); }
