#pragma once
// The printer object: the system's printers by name, the one chosen, the
// mode its jobs get (copies, orientation and what the properties dialog
// sets), and the job being printed, drawn page by page on Canvas. With no
// printer in the system the list is empty and only printing into a file
// (OutputFile) works.

#include "ui/core/Exceptions.h"
#include "ui/core/Object.h"
#include "ui/core/StringList.h"
#include "ui/graphics/Canvas.h"

#include "platform/print/DeviceMode.h"
#include "platform/print/Printers.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

VELZAR_EXCEPTION(EPrinter, Exception);

enum class TPrinterOrientation { poPortrait, poLandscape };

class TPrinter : public TObject {
public:
    TPrinter();
    ~TPrinter() override;

    // The printers' names as the print server lists them; Refresh reads
    // them again (the chosen printer stays chosen while it is listed).
    TStrings* Printers();
    void Refresh();
    // -1: the system's default printer. Raises EPrinter for an index that
    // is not in the list, or while printing.
    int PrinterIndex() const { return index_; }
    void SetPrinterIndex(int index);
    // The printer jobs go to; empty when there is none.
    std::string PrinterName() const;
    // What the chosen printer offers; null when there is none.
    const platform::PrinterCapabilities* Capabilities();

    std::string Title;
    // A file the job is printed into (a PDF document) instead of the
    // printer; empty: the printer.
    std::string OutputFile;

    int Copies() { return DeviceMode().dmCopies; }
    void SetCopies(int copies);
    TPrinterOrientation Orientation();
    void SetOrientation(TPrinterOrientation orientation);
    // The whole mode (paper, tray, two-sided printing...), for the
    // printer's properties; raises EPrinter for one the printer cannot print.
    const platform::DEVMODEA& DeviceMode();
    void SetDeviceMode(const platform::DEVMODEA& mode);

    // Raises EPrinter when no printer and no output file are given, when a
    // job is running already or when it cannot start.
    void BeginDoc();
    // Raises EPrinter when the document did not reach its file or the
    // printer (a job the print server refuses is a failure).
    void EndDoc();
    // Drops the job; nothing is printed.
    void Abort();
    void NewPage();
    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }

    // Draws on the current page while printing.
    TCanvas* Canvas() { return &canvas_; }
    // The printable area in the printer's pixels.
    int PageWidth();
    int PageHeight();
    // The printer's DC while printing, else an information context.
    platform::HDC Handle();

private:
    void ChangeMode(const platform::DEVMODEA& mode);
    void ReadMode();
    void FreeInformation();
    void FreeJob();
    void CheckPrinting(bool wanted) const;
    [[noreturn]] void RaiseJobError(const std::string& what) const;

    TStringList names_;
    bool listed_ = false;
    int index_ = -1;
    std::optional<platform::PrinterCapabilities> capabilities_;
    bool capabilitiesRead_ = false;
    platform::DEVMODEA mode_;
    bool modeRead_ = false;
    TCanvas canvas_;
    platform::HDC information_ = nullptr;
    platform::HDC job_ = nullptr;
    bool printing_ = false;
    bool aborted_ = false;
    int pageNumber_ = 0;
};

// The program's printer object, made on first use.
TPrinter* Printer();
// Puts another printer object in its place (null: a fresh one on next use)
// and hands back the old one.
std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> printer);

// What printing without a printer says.
extern const char* const NoPrinterMessage;
