#pragma once
// A print server of the test's own: cupsd started on a socket in a
// temporary folder, with its own configuration and two queues whose device
// is a file there. "Velzar_PDF" (the default) takes PDF jobs and writes what
// its PDF filter makes of them to OutputFile(); "Velzar_Closed" refuses
// every job. The client library of this thread talks to it while the
// server lives; stopping it ends the server and forgets it.

#include "TempFolder.h"

#include <cups/cups.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class PrivatePrintServer {
public:
    static constexpr const char* Daemon = "/usr/sbin/cupsd";
    static constexpr const char* OpenQueue = "Velzar_PDF";
    static constexpr const char* ClosedQueue = "Velzar_Closed";
    static constexpr int StartMs = 30000;
    static constexpr int StopMs = 10000;

    static bool Installed() { return ::access(Daemon, X_OK) == 0; }

    // Throws when the server does not come up within StartMs.
    PrivatePrintServer() {
        // The server's filters run as another user: they must reach the spool.
        std::filesystem::permissions(folder_.Path(), std::filesystem::perms(0755));
        for (const char* sub : {"root/ppd", "spool", "cache", "state", "tmp", "out"})
            std::filesystem::create_directories(folder_.Path() / sub);
        for (const char* open : {"tmp", "out"})
            std::filesystem::permissions(folder_.Path() / open, std::filesystem::perms::all);
        WriteConfiguration();
        pid_ = ::fork();
        if (pid_ == 0) {
            // The server ends with the test program, however that ends.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            std::string conf = Path("cupsd.conf"), files = Path("cups-files.conf");
            ::execl(Daemon, Daemon, "-f", "-c", conf.c_str(), "-s", files.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (pid_ < 0 || !WaitFor([this] { return Answers(); }, StartMs)) {
            Stop();
            throw std::runtime_error("the private print server did not start; see " + Path("error_log"));
        }
        cupsSetServer(Socket().c_str());
    }
    ~PrivatePrintServer() { Stop(); }

    std::string Path(const std::string& name) const { return (folder_.Path() / name).string(); }
    std::string Socket() const { return Path("cups.sock"); }
    std::string OutputFile() const { return Path("out/job.pdf"); }

    // A condition checked until it holds or `ms` have passed.
    template <typename Condition>
    static bool WaitFor(Condition done, int ms) {
        auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done()) {
            if (std::chrono::steady_clock::now() >= until) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

private:
    void Write(const std::string& name, const std::string& text) const { folder_.Write(name, text); }

    void WriteConfiguration() const {
        std::string root = folder_.Path().string();
        Write("cupsd.conf", "Listen " + Socket() +
                                "\nLogLevel info\nWebInterface No\nBrowsing No\nDefaultAuthType None\n"
                                "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                                "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n");
        Write("cups-files.conf", "ServerRoot " + root + "/root\nRequestRoot " + root + "/spool\nCacheDir " + root +
                                     "/cache\nStateDir " + root + "/state\nTempDir " + root + "/tmp\nErrorLog " +
                                     root + "/error_log\nAccessLog " + root + "/access_log\nPageLog " + root +
                                     "/page_log\nFileDevice Yes\n");
        Write("root/printers.conf", Queue("DefaultPrinter", OpenQueue, true) + Queue("Printer", ClosedQueue, false));
        for (const char* queue : {OpenQueue, ClosedQueue}) Write(std::string("root/ppd/") + queue + ".ppd", Ppd());
    }

    std::string Queue(const std::string& tag, const std::string& name, bool accepting) const {
        return "<" + tag + " " + name + ">\nInfo Velzar test printer\nLocation Test bench\nDeviceURI file://" +
               OutputFile() + "\nState Idle\nAccepting " + (accepting ? "Yes" : "No") + "\nShared No\n</" + tag +
               ">\n";
    }

    // A PDF printer with A4 and Letter, 12-point margins, 300 and 600 dpi.
    static std::string Ppd() {
        return R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "VELZAR.PPD"
*Manufacturer: "Velzar"
*Product: "(Velzar test)"
*ModelName: "Velzar test PDF"
*ShortNickName: "Velzar test PDF"
*NickName: "Velzar test PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsManualCopies: True
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 pdftopdf"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "12 12 583 830"
*ImageableArea Letter/Letter: "12 12 600 780"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
*OpenUI *Resolution/Resolution: PickOne
*OrderDependency: 10 AnySetup *Resolution
*DefaultResolution: 300dpi
*Resolution 300dpi/300 DPI: "<</HWResolution[300 300]>>setpagedevice"
*Resolution 600dpi/600 DPI: "<</HWResolution[600 600]>>setpagedevice"
*CloseUI: *Resolution
)PPD";
    }

    bool Answers() const {
        int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0) return false;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::string socket = Socket();
        socket.copy(address.sun_path, sizeof address.sun_path - 1);
        bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return connected;
    }

    void Stop() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        int status = 0;
        if (!WaitFor([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, StopMs)) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
        }
        pid_ = -1;
        cupsSetServer(nullptr);
    }

    TempFolder folder_;
    pid_t pid_ = -1;
};
