#include "ui/printers/Printer.h"

#include "ui/core/OSError.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/print/PrintJobs.h"
#include "platform/print/PrinterContexts.h"
#include "platform/system/LastError.h"

#include <algorithm>

const char* const NoPrinterMessage =
    "Принтер не установлен: в системе нет ни одной очереди печати. Напечатать можно только в файл.";

namespace {

constexpr platform::DWORD JobFields = platform::DM_COPIES | platform::DM_ORIENTATION | platform::DM_COLLATE;
constexpr int MaxCopies = 9999;

std::unique_ptr<TPrinter>& ProgramPrinter() {
    static std::unique_ptr<TPrinter> printer;
    return printer;
}

}  // namespace

TPrinter::TPrinter() { mode_.dmFields = JobFields; }

TPrinter::~TPrinter() {
    if (printing_) platform::AbortDoc(job_);
    FreeJob();
    FreeInformation();
}

TStrings* TPrinter::Printers() {
    if (!listed_) Refresh();
    return &names_;
}

void TPrinter::Refresh() {
    CheckPrinting(false);
    std::string chosen = index_ >= 0 ? names_.Strings(index_) : std::string();
    names_.Clear();
    for (const platform::PrinterInfo& p : platform::EnumPrinters()) names_.Add(p.name);
    listed_ = true;
    index_ = chosen.empty() ? -1 : names_.IndexOf(chosen);
    capabilitiesRead_ = modeRead_ = false;
    FreeInformation();
}

void TPrinter::SetPrinterIndex(int index) {
    CheckPrinting(false);
    if (index < -1 || index >= Printers()->Count()) throw EPrinter("Номер принтера вне списка принтеров.");
    if (index == index_) return;
    index_ = index;
    capabilitiesRead_ = modeRead_ = false;
    FreeInformation();
}

std::string TPrinter::PrinterName() const {
    if (index_ >= 0) return names_.Strings(index_);
    return platform::GetDefaultPrinterName();
}

const platform::PrinterCapabilities* TPrinter::Capabilities() {
    if (!capabilitiesRead_) {
        capabilities_.reset();
        platform::PrinterCapabilities caps;
        std::string name = PrinterName();
        if (!name.empty() && platform::GetPrinterCapabilities(name, caps)) capabilities_ = std::move(caps);
        capabilitiesRead_ = true;
    }
    return capabilities_ ? &*capabilities_ : nullptr;
}

void TPrinter::SetCopies(int copies) {
    platform::DEVMODEA mode = DeviceMode();
    mode.dmCopies = static_cast<short>(std::clamp(copies, 1, MaxCopies));
    ChangeMode(mode);
}

TPrinterOrientation TPrinter::Orientation() {
    return DeviceMode().dmOrientation == platform::DMORIENT_LANDSCAPE ? TPrinterOrientation::poLandscape
                                                                : TPrinterOrientation::poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation orientation) {
    platform::DEVMODEA mode = DeviceMode();
    mode.dmOrientation =
        orientation == TPrinterOrientation::poLandscape ? platform::DMORIENT_LANDSCAPE : platform::DMORIENT_PORTRAIT;
    ChangeMode(mode);
}

const platform::DEVMODEA& TPrinter::DeviceMode() {
    ReadMode();
    return mode_;
}

void TPrinter::SetDeviceMode(const platform::DEVMODEA& mode) { ChangeMode(mode); }

void TPrinter::ReadMode() {
    if (modeRead_) return;
    // The printer's own defaults, with what this object sets on top.
    platform::DEVMODEA defaults;
    std::string name = PrinterName();
    if (!name.empty()) platform::GetPrinterDefaultMode(name, defaults);
    defaults.dmFields |= JobFields;
    defaults.dmCopies = mode_.dmCopies;
    defaults.dmOrientation = mode_.dmOrientation;
    defaults.dmCollate = mode_.dmCollate;
    mode_ = defaults;
    modeRead_ = true;
    FreeInformation();
}

void TPrinter::ChangeMode(const platform::DEVMODEA& mode) {
    CheckPrinting(false);
    platform::DEVMODEA wanted = mode;
    wanted.dmFields |= JobFields;
    // The mode is tried on an information context first, so a mode the
    // printer cannot print is refused here rather than when printing.
    std::string name = PrinterName();
    platform::HDC probe = platform::CreateICA(nullptr, name.c_str(), nullptr, &wanted);
    if (!probe) throw EPrinter("Принтер не может печатать так: " + SysErrorMessage(platform::GetLastError()));
    FreeInformation();
    information_ = probe;
    mode_ = wanted;
    modeRead_ = true;
}

int TPrinter::PageWidth() { return platform::GetDeviceCaps(Handle(), platform::HORZRES); }

int TPrinter::PageHeight() { return platform::GetDeviceCaps(Handle(), platform::VERTRES); }

platform::HDC TPrinter::Handle() {
    if (printing_) return job_;
    ReadMode();
    if (!information_) {
        std::string name = PrinterName();
        information_ = platform::CreateICA(nullptr, name.c_str(), nullptr, &mode_);
        // The printer went away since it was listed: measure as the file-only printer does.
        if (!information_) information_ = platform::CreateICA(nullptr, platform::FILE_ONLY_PRINTER, nullptr, &mode_);
        if (!information_) throw EPrinter("Принтер недоступен: " + SysErrorMessage(platform::GetLastError()));
    }
    return information_;
}

void TPrinter::BeginDoc() {
    CheckPrinting(false);
    std::string name = PrinterName();
    if (name.empty() && OutputFile.empty()) throw EPrinter(NoPrinterMessage);
    ReadMode();
    job_ = platform::CreateDCA(nullptr, name.c_str(), nullptr, &mode_);
    if (!job_) RaiseJobError("Принтер «" + name + "» недоступен");
    platform::DOCINFOA info;
    info.lpszDocName = Title.c_str();
    info.lpszOutput = OutputFile.empty() ? nullptr : OutputFile.c_str();
    if (platform::StartDocA(job_, &info) <= 0 || platform::StartPage(job_) <= 0) {
        std::uint32_t error = platform::GetLastError();
        FreeJob();
        platform::SetLastError(error);
        RaiseJobError("Печать не началась");
    }
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    canvas_.SetHandle(job_);
    // Text keeps its size in points on paper.
    TFont* font = canvas_.Font();
    int points = font->Size();
    font->PixelsPerInch = platform::GetDeviceCaps(job_, platform::LOGPIXELSY);
    font->SetSize(points);
}

void TPrinter::NewPage() {
    CheckPrinting(true);
    if (platform::EndPage(job_) <= 0 || platform::StartPage(job_) <= 0) RaiseJobError("Страница не напечатана");
    canvas_.Refresh();
    ++pageNumber_;
}

void TPrinter::EndDoc() {
    CheckPrinting(true);
    bool done = platform::EndPage(job_) > 0;
    done = platform::EndDoc(job_) > 0 && done;
    std::uint32_t error = platform::GetLastError();
    FreeJob();
    if (!done) {
        platform::SetLastError(error);
        RaiseJobError(OutputFile.empty() ? "Документ не напечатан" : "Документ не записан в файл «" + OutputFile + "»");
    }
}

void TPrinter::Abort() {
    CheckPrinting(true);
    platform::AbortDoc(job_);
    FreeJob();
    aborted_ = true;
}

void TPrinter::FreeInformation() {
    if (information_) platform::DeleteDC(information_);
    information_ = nullptr;
}

void TPrinter::FreeJob() {
    canvas_.SetHandle(nullptr);
    if (job_) platform::DeleteDC(job_);
    job_ = nullptr;
    printing_ = false;
    pageNumber_ = 0;
}

void TPrinter::CheckPrinting(bool wanted) const {
    if (printing_ == wanted) return;
    throw EPrinter(wanted ? "Печать не начата." : "Идёт печать: дождитесь её конца.");
}

void TPrinter::RaiseJobError(const std::string& what) const {
    std::string message = what + ": " + SysErrorMessage(platform::GetLastError());
    std::string server = platform::LastPrintServerMessage();
    if (platform::GetLastError() == platform::ERROR_NOT_READY && !server.empty())
        message += " Ответ сервера печати: " + server + ".";
    throw EPrinter(message);
}

TPrinter* Printer() {
    auto& printer = ProgramPrinter();
    if (!printer) printer = std::make_unique<TPrinter>();
    return printer.get();
}

std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> printer) {
    std::swap(ProgramPrinter(), printer);
    return printer;
}
