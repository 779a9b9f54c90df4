#include "viewer/log/LogHeaderPage.h"

#include "common/TextFormatting.h"

std::string DeviceIdentityLine(const LogHeaderPage& header) {
    return FormatString("ID = %08X", {header.DeviceIdentity()});
}
