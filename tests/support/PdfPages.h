#pragma once
// What a PDF file holds, read back with the poppler tools: the page count,
// each page's size in points, and a page rendered to RGB pixels.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace pdfpages {

struct PipeClose {
    void operator()(FILE* f) const { ::pclose(f); }
};

// The command's standard output; throws when it cannot run or fails.
inline std::string Run(const std::string& command) {
    std::unique_ptr<FILE, PipeClose> pipe(::popen((command + " 2>/dev/null").c_str(), "r"));
    if (!pipe) throw std::runtime_error("cannot run: " + command);
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
    int status = ::pclose(pipe.release());
    if (status != 0) throw std::runtime_error("failed (" + std::to_string(status) + "): " + command);
    return out;
}

inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }

inline int PageCount(const std::string& pdf) {
    std::istringstream info(Run("pdfinfo " + Quoted(pdf)));
    for (std::string line; std::getline(info, line);)
        if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
    throw std::runtime_error("no page count in " + pdf);
}

struct PointSize {
    double width = 0, height = 0;
};

// Page numbers count from 1.
inline PointSize PageSize(const std::string& pdf, int page) {
    std::string n = std::to_string(page);
    std::istringstream info(Run("pdfinfo -f " + n + " -l " + n + " " + Quoted(pdf)));
    std::string key = "Page" + std::string(5 - std::min<std::size_t>(n.size(), 4), ' ') + n + " size:";
    for (std::string line; std::getline(info, line);) {
        if (line.rfind(key, 0) != 0) continue;
        std::istringstream sizes(line.substr(key.size()));
        PointSize size;
        std::string by;
        sizes >> size.width >> by >> size.height;
        return size;
    }
    throw std::runtime_error("no size of page " + n + " in " + pdf);
}

struct Pixels {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    // 0..255 brightness of one pixel (the mean of its channels).
    int Gray(int x, int y) const {
        const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return (p[0] + p[1] + p[2]) / 3;
    }
};

// The page drawn at `dpi` pixels per inch.
inline Pixels RenderPage(const std::string& pdf, int page, int dpi) {
    std::string n = std::to_string(page);
    std::string ppm = Run("pdftoppm -r " + std::to_string(dpi) + " -f " + n + " -l " + n + " " + Quoted(pdf));
    std::istringstream in(ppm);
    std::string magic;
    Pixels pixels;
    int maxValue = 0;
    in >> magic >> pixels.width >> pixels.height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255) throw std::runtime_error("not a colour page from pdftoppm");
    std::size_t bytes = static_cast<std::size_t>(pixels.width) * pixels.height * 3;
    std::size_t start = static_cast<std::size_t>(in.tellg());
    if (ppm.size() < start + bytes) throw std::runtime_error("a short page from pdftoppm");
    pixels.rgb.assign(ppm.begin() + static_cast<std::ptrdiff_t>(start),
                      ppm.begin() + static_cast<std::ptrdiff_t>(start + bytes));
    return pixels;
}

}  // namespace pdfpages
