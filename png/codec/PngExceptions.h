#pragma once
// The codec's exceptions: one class per failure, each with its fixed text.

#include "ui/core/Exceptions.h"

#include <string>

#define VELZAR_PNG_EXCEPTION(Name, Text)                                   \
    class Name : public Exception {                                        \
    public:                                                                \
        Name() : Exception(Text) {}                                        \
        explicit Name(const std::string& message) : Exception(message) {} \
        const char* ClassName() const override { return #Name; }           \
    };

VELZAR_PNG_EXCEPTION(EPngInvalidCRC,
    "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of data (crc error)")
VELZAR_PNG_EXCEPTION(EPngInvalidIHDR,
    "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) might be corrupted")
VELZAR_PNG_EXCEPTION(EPNGMissingMultipleIDAT,
    "This \"Portable Network Graphics\" image is invalid because it has missing image parts.")
VELZAR_PNG_EXCEPTION(EPNGZLIBError,
    "Could not decompress the image because it contains invalid compressed data.\r\n Description: ")
VELZAR_PNG_EXCEPTION(EPNGInvalidPalette,
    "The \"Portable Network Graphics\" image contains an invalid palette.")
VELZAR_PNG_EXCEPTION(EPNGInvalidFileHeader,
    "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an invalid header. "
    "This file may be corruped, try obtaining it again.")
VELZAR_PNG_EXCEPTION(EPNGIHDRNotFirst,
    "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n(IHDR chunk is not the first)")
VELZAR_PNG_EXCEPTION(EPNGSizeExceeds,
    "This \"Portable Network Graphics\" image is not supported because either it's width or height exceeds the maximum "
    "size, which is 65535 pixels length.")
VELZAR_PNG_EXCEPTION(EPngError, "")
VELZAR_PNG_EXCEPTION(EPNGUnknownCriticalChunk,
    "This \"Portable Network Graphics\" image contains an unknown critical part which could not be decoded.")
VELZAR_PNG_EXCEPTION(EPNGUnknownCompression,
    "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which could not be decoded.")
VELZAR_PNG_EXCEPTION(EPNGUnknownInterlace,
    "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be decoded.")
VELZAR_PNG_EXCEPTION(EPngUnexpectedEnd,
    "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of the file.")
VELZAR_PNG_EXCEPTION(EPNGNoImageData, "This \"Portable Network Graphics\" image contains no data.")
VELZAR_PNG_EXCEPTION(EPNGOutMemory,
    "Some operation could not be performed because the system is out of resources. Close some windows and try again.")
VELZAR_PNG_EXCEPTION(EPNGHeaderNotPresent,
    "This operation is not valid because the current image contains no valid header.")
VELZAR_PNG_EXCEPTION(EPNGInvalidNewSize, "The new size provided for image resizing is invalid.")

#undef VELZAR_PNG_EXCEPTION

// The texts EPngError carries.
inline constexpr const char* PngNoSuchPaletteEntryText = "There is no such palette entry.";
inline constexpr const char* PngIncompatibleChunksText = "The chunks must be compatible to be assigned.";

// EPNGZLIBError with the text of a zlib result code appended.
EPNGZLIBError ZlibErrorFor(int code);
