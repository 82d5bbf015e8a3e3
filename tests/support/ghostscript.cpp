#include "support/ghostscript.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "support/run_binary.hpp"

namespace tensova::test {
namespace {

int runCaptured(const std::string& command, std::string& output) {
    output.clear();
    std::FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (p == nullptr) return -1;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) output.append(buf, n);
    const int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

// GTEST_SKIP returns from the function it is in; the skip it records marks the whole test.
void skipRender(const std::string& what) {
    GTEST_SKIP() << "Ghostscript (gs) is not on the PATH: " << what << " not rendered";
}

}  // namespace

bool ghostscriptAvailable() {
    return std::system("command -v gs >/dev/null 2>&1") == 0;
}

bool canRender(const std::string& what) {
    static const bool have = ghostscriptAvailable();
    if (have) return true;
    const char* ci = std::getenv("CI");
    if (ci != nullptr && std::string(ci) == "true")
        ADD_FAILURE() << "Ghostscript (gs) is not on the PATH, and CI=true needs it: " << what
                      << " not rendered";
    else
        skipRender(what);
    return false;
}

GsResult renderPostScript(const std::string& path, const std::string& prolog, const Paper& paper) {
    GsResult r;
    const std::string files = (prolog.empty() ? "" : quoted(prolog) + " ") + quoted(path);
    const std::string media = paper.width > 0
                                  ? "-dDEVICEWIDTHPOINTS=" + std::to_string(paper.width) +
                                        " -dDEVICEHEIGHTPOINTS=" + std::to_string(paper.height) +
                                        " -dFIXEDMEDIA "
                                  : "";
    // The bbox device prints one bounding box per page drawn; Ghostscript exits 0 even on a
    // truncated file, so the pages are counted.
    r.exitCode =
        runCaptured("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox " + media + files, r.log);
    std::size_t pos = 0;
    while ((pos = r.log.find("%%BoundingBox:", pos)) != std::string::npos) {
        ++r.pages;
        ++pos;
    }
    r.error = r.log.find("Error") != std::string::npos;
    return r;
}

std::vector<Box> pageBoxes(const GsResult& r) {
    std::vector<Box> boxes;
    const std::string key = "%%HiResBoundingBox:";
    for (auto pos = r.log.find(key); pos != std::string::npos; pos = r.log.find(key, pos + 1)) {
        Box b{};
        std::sscanf(r.log.c_str() + pos + key.size(), "%lf %lf %lf %lf", &b[0], &b[1], &b[2],
                    &b[3]);
        boxes.push_back(b);
    }
    return boxes;
}

std::array<int, 3> Image::at(double x, double y) const {
    const int col = static_cast<int>(x * scale), row = height - 1 - static_cast<int>(y * scale);
    if (col < 0 || col >= width || row < 0 || row >= height) return {-1, -1, -1};
    const std::size_t k = (static_cast<std::size_t>(row) * width + col) * 3;
    return {rgb[k], rgb[k + 1], rgb[k + 2]};
}

Image renderImage(const std::string& path, const std::string& prolog, int page, int dpi) {
    if (!canRender(path)) return {};
    const std::string ppm = path + ".ppm";
    std::string log;
    const std::string files = (prolog.empty() ? "" : quoted(prolog) + " ") + quoted(path);
    const std::string pages =
        " -dFirstPage=" + std::to_string(page) + " -dLastPage=" + std::to_string(page);
    if (runCaptured("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r" + std::to_string(dpi) +
                        " -sPAPERSIZE=a4" + pages + " -sOutputFile=" + quoted(ppm) + " " + files,
                    log) != 0)
        return {};
    std::ifstream in(ppm, std::ios::binary);
    std::string magic;
    Image image;
    image.scale = dpi / 72.0;
    int maxval = 0;
    in >> magic >> std::ws;
    while (in.peek() == '#') in.ignore(1 << 16, '\n');  // Ghostscript names itself in a comment
    in >> image.width >> image.height >> maxval;
    in.get();
    image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    if (magic != "P6" || !in.read(reinterpret_cast<char*>(image.rgb.data()),
                                  static_cast<std::streamsize>(image.rgb.size())))
        return {};
    return image;
}

std::string illustratorStub() {
    return std::string(TENSOVA_TEST_DATA) + "/illustrator_stub.ps";
}

GsResult expectRenders(const std::string& path, const std::string& prolog, int pages,
                       const Paper& paper) {
    if (!canRender(path)) return {};
    const std::vector<std::string> lines = splitLines(readFile(path));
    const bool illustrator = !lines.empty() && lines[0] == "%!PS-Adobe-2.0 EPSF-1.2";
    int trailer = illustrator ? countLines(lines, "gsave showpage") + 1 : -1;
    for (const auto& l : lines)
        if (!illustrator && l.rfind("%%Pages: ", 0) == 0 && l != "%%Pages: (atend)")
            trailer = std::stoi(l.substr(9));
    if (pages < 0) pages = trailer;
    const GsResult r = renderPostScript(path, illustrator ? illustratorStub() : prolog, paper);
    EXPECT_TRUE(r.exitCode == 0 && !r.error && r.pages == pages) << path << "\n" << r.log;
    return r;
}

}  // namespace tensova::test
