#pragma once
// Errors the chart engine raises for invalid settings and point indexes.

#include "ui/core/Exceptions.h"

class ChartException : public Exception {
public:
    using Exception::Exception;
};

class AxisException : public Exception {
public:
    using Exception::Exception;
};

class LegendException : public Exception {
public:
    using Exception::Exception;
};
