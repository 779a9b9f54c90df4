#pragma once
// The failures of the skin engine's PNG reader and its pixel converter.

#include "ui/core/Exceptions.h"

VELZAR_EXCEPTION(EGraphicCompression, Exception);
VELZAR_EXCEPTION(EColorConversionError, Exception);
