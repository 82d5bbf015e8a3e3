#include "ps_fixture.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "console/text.hpp"
#include "console/units.hpp"
#include "numeric/angles.hpp"
#include "plot/plot_blocks.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/psparams.hpp"

namespace tensova::test {
namespace {
// The angle constants, as the program sets them at start-up.
const bool kAnglesSet = [] {
    trigoset();
    return true;
}();
}  // namespace

void resetBlocks() {
    psparams = Psparams{};
    psdevice = PsDevice{};
    plt1blk = Plt1blk{};
    plt2blk = Plt2blk{};
    psparams.fontNumber = 1;
    intstextsize(0.5f);
}

void openDocument(const std::string& path, const PsSettings& s, bool colour) {
    resetBlocks();
    plt2blk.colorplot = colour;
    if (!unitOpen(kPlotUnit, path, OpenStatus::Unknown)) ADD_FAILURE() << "cannot open " << path;
    beginDocument(s, fit("plot.ps", 20));
}

PsDocument::PsDocument(const PsSettings& s, bool colour, const std::string& keyboard)
    : console(keyboard), path_(dir.file("plot.ps")) {
    openDocument(path_, s, colour);
}

PsDocument::~PsDocument() {
    if (psdevice.open) psend();
}

std::string PsDocument::finish() {
    psend();
    return readFile(path_);
}

std::vector<std::string> between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to) {
    std::vector<std::string> out;
    bool in = false;
    for (const auto& l : lines) {
        if (!in) {
            in = l == from;
            continue;
        }
        if (l == to) break;
        out.push_back(l);
    }
    return out;
}

InFolder::InFolder() {
    char* cwd = getcwd(nullptr, 0);
    previous_ = cwd != nullptr ? cwd : ".";
    std::free(cwd);
    EXPECT_EQ(chdir(dir.path().c_str()), 0);
}

InFolder::~InFolder() {
    EXPECT_EQ(chdir(previous_.c_str()), 0);
}

std::string illustratorStub() {
    return (std::filesystem::path(__FILE__).parent_path() / "illustrator_stub.ps").string();
}

namespace {

bool haveGs() {
    static const bool have = ghostscriptAvailable();
    if (!have) std::cout << "Ghostscript (gs) is not installed: PostScript files not rendered\n";
    return have;
}

int expectedPages(const std::string& content, bool illustrator) {
    const auto lines = splitLines(content);
    if (illustrator) {
        int breaks = 0;
        for (const auto& l : lines) breaks += l == "gsave showpage";
        return breaks + 1;
    }
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (it->rfind("%%Pages: ", 0) == 0 && *it != "%%Pages: (atend)")
            return std::atoi(it->c_str() + 9);
    return -1;
}

}  // namespace

GsResult expectRenders(const std::string& path, const std::string& prolog) {
    if (!haveGs()) return {};
    const std::string content = readFile(path);
    const bool illustrator = content.rfind("%!PS-Adobe-2.0 EPSF-1.2", 0) == 0;
    const GsResult r = renderPostScript(path, illustrator ? illustratorStub() : prolog);
    EXPECT_EQ(r.exitCode, 0) << path << "\n" << r.log;
    EXPECT_FALSE(r.error) << path << "\n" << r.log;
    EXPECT_EQ(r.pages, expectedPages(content, illustrator)) << path << "\n" << r.log;
    return r;
}

std::vector<Box> pageBoxes(const GsResult& r) {
    std::vector<Box> boxes;
    std::size_t pos = 0;
    const std::string key = "%%HiResBoundingBox:";
    while ((pos = r.log.find(key, pos)) != std::string::npos) {
        pos += key.size();
        Box b{};
        if (std::sscanf(r.log.c_str() + pos, "%lf %lf %lf %lf", &b.x0, &b.y0, &b.x1, &b.y1) == 4)
            boxes.push_back(b);
    }
    return boxes;
}

bool Page::load(const std::string& path, const std::string& prolog) {
    if (!haveGs()) return false;
    const std::string out = path + ".ppm";
    const std::string cmd =
        "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r72 "
        "-sPAPERSIZE=a4 -dFirstPage=1 -dLastPage=1 -sOutputFile='" +
        out + "' " + (prolog.empty() ? "" : "'" + prolog + "' ") + "'" + path + "' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) return false;
    std::ifstream in(out, std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> width_ >> height_ >> maxval;
    in.get();
    if (magic != "P6" || width_ <= 0 || height_ <= 0) return false;
    rgb_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3);
    in.read(reinterpret_cast<char*>(rgb_.data()), static_cast<std::streamsize>(rgb_.size()));
    return static_cast<bool>(in);
}

std::array<int, 3> Page::at(double x, double y) const {
    const int col = static_cast<int>(x);
    const int row = height_ - 1 - static_cast<int>(y);
    if (col < 0 || col >= width_ || row < 0 || row >= height_) return {-1, -1, -1};
    const std::size_t i =
        (static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + col) * 3;
    return {rgb_[i], rgb_[i + 1], rgb_[i + 2]};
}

}  // namespace tensova::test
