#pragma once
// What printing tests of the class library share: the program's printer
// object fresh for the test, and the client library without a print server.

#include "../support/TempFolder.h"

#include "ui/printers/Printer.h"

#include <cups/cups.h>

#include <memory>
#include <string>

// The program's printer object replaced by a fresh one for the test.
struct FreshPrinter {
    FreshPrinter() : old(SetPrinter(nullptr)) {}
    ~FreshPrinter() { SetPrinter(std::move(old)); }
    std::unique_ptr<TPrinter> old;
};

// The client library pointed at a socket nobody listens on.
struct NoPrintServer {
    TempFolder folder;
    std::string socket = (folder.Path() / "none.sock").string();
    NoPrintServer() { cupsSetServer(socket.c_str()); }
    ~NoPrintServer() { cupsSetServer(nullptr); }
};
