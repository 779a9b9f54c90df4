#include "viewer/LogHeaderPage.h"

#include "device/TextFormatting.h"

std::string DeviceIdentityLine(const LogHeaderPage& header) {
    return FormatString("ID = %08X", {header.DeviceIdentity()});
}
