#pragma once
// HID devices: the interfaces present, their attributes, product strings and
// report lengths, and feature, output and input reports through handles.
//
// Reports carry their report ID in byte 0 in both directions (0 for devices
// without numbered reports), and report lengths count that byte. The devices
// are reached through hidraw, or through the controller emulator when the
// environment variable VELZAR_HID_EMULATOR names its socket; nothing above
// this layer knows which.

#include "platform/system/Handles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using USHORT = std::uint16_t;
using ULONG = std::uint32_t;
using BOOLEAN = std::uint8_t;
using WCHAR = char16_t;
using NTSTATUS = std::int32_t;

// The environment variable that selects the emulator and names its socket.
constexpr const char* HID_EMULATOR_VARIABLE = "VELZAR_HID_EMULATOR";

struct HIDD_ATTRIBUTES {
    ULONG Size = sizeof(HIDD_ATTRIBUTES);
    USHORT VendorID = 0;
    USHORT ProductID = 0;
    USHORT VersionNumber = 0;
};
static_assert(sizeof(HIDD_ATTRIBUTES) == 12);

struct HIDP_CAPS {
    USHORT Usage = 0;
    USHORT UsagePage = 0;
    USHORT InputReportByteLength = 0;
    USHORT OutputReportByteLength = 0;
    USHORT FeatureReportByteLength = 0;
    USHORT Reserved[17] = {};
    USHORT NumberLinkCollectionNodes = 0;
    USHORT NumberInputButtonCaps = 0;
    USHORT NumberInputValueCaps = 0;
    USHORT NumberInputDataIndices = 0;
    USHORT NumberOutputButtonCaps = 0;
    USHORT NumberOutputValueCaps = 0;
    USHORT NumberOutputDataIndices = 0;
    USHORT NumberFeatureButtonCaps = 0;
    USHORT NumberFeatureValueCaps = 0;
    USHORT NumberFeatureDataIndices = 0;
};
static_assert(sizeof(HIDP_CAPS) == 64);

struct HidPreparsedData;
using PHIDP_PREPARSED_DATA = HidPreparsedData*;

constexpr NTSTATUS HIDP_STATUS_SUCCESS = 0x00110000;
constexpr NTSTATUS HIDP_STATUS_INVALID_PREPARSED_DATA = static_cast<NTSTATUS>(0xC0110001u);

// The most input buffers a handle takes; fewer than 2 are refused too.
constexpr ULONG HID_MAX_INPUT_BUFFERS = 512;

// One HID interface present now.
struct HidInterface {
    std::string DevicePath;  // what HidOpenDevice opens
    DWORD DeviceID = 0;      // the device instance: new whenever a device is plugged in
};

// The interfaces present, in a stable order.
std::vector<HidInterface> HidGetInterfaces();

// Opens the interface for reading and writing (GENERIC_READ | GENERIC_WRITE)
// or for queries only (access 0): attributes, product string, capabilities.
// Fails with ERROR_ACCESS_DENIED when reading and writing is refused, and with
// ERROR_FILE_NOT_FOUND when the interface is not present. Close with CloseHandle.
HANDLE HidOpenDevice(const char* devicePath, DWORD access);

BOOLEAN HidD_GetAttributes(HANDLE device, HIDD_ATTRIBUTES* attributes);

// The product string as UTF-16 with a terminating zero, cut to the buffer.
BOOLEAN HidD_GetProductString(HANDLE device, void* buffer, ULONG bufferLength);

BOOLEAN HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* preparsedData);
BOOLEAN HidD_FreePreparsedData(PHIDP_PREPARSED_DATA preparsedData);
NTSTATUS HidP_GetCaps(PHIDP_PREPARSED_DATA preparsedData, HIDP_CAPS* capabilities);

// Kept per handle (2 ... HID_MAX_INPUT_BUFFERS, 32 at first).
BOOLEAN HidD_SetNumInputBuffers(HANDLE device, ULONG numberBuffers);
BOOLEAN HidD_GetNumInputBuffers(HANDLE device, ULONG* numberBuffers);

// Byte 0 of the buffer names the report. At most the feature report length is
// copied into the buffer; a length of 0 is refused.
BOOLEAN HidD_GetFeature(HANDLE device, void* reportBuffer, ULONG reportBufferLength);

// Sends one whole report: a shorter buffer is padded with zeros, one longer
// than the report, or empty, is refused with ERROR_INVALID_PARAMETER.
BOOLEAN HidD_SetFeature(HANDLE device, const void* reportBuffer, ULONG reportBufferLength);
BOOL HidWriteOutput(HANDLE device, const void* reportBuffer, DWORD reportBufferLength, DWORD* written);

// Waits up to timeoutMs for the next input report and copies at most
// bufferLength bytes of it. Every input report that arrives after the handle
// was opened is kept for it, up to its number of input buffers. Fails with
// ERROR_TIMEOUT when none came, ERROR_OPERATION_ABORTED when
// HidCancelInputRead was called for the handle, ERROR_DEVICE_NOT_CONNECTED
// when the device has gone.
BOOL HidReadInput(HANDLE device, void* buffer, DWORD bufferLength, DWORD* read, DWORD timeoutMs);

// Ends the read waiting on the handle at once; when none waits, the next one
// ends at once instead. Safe from any thread.
BOOL HidCancelInputRead(HANDLE device);

}  // namespace platform
