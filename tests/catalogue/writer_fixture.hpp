#pragma once
// A fixture for the catalogue writers: a quiet console, a temporary folder, the store read from
// catalogue text, and the writer's output slot opened on a file of that folder.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue_writers.hpp"
#include "catalogue/read_loop.hpp"
#include "catalogue/selection_tests.hpp"
#include "catalogue/store.hpp"
#include "console/files.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova::test {

class WriterFixture : public ::testing::Test {
  protected:
    static constexpr int32_t kSlot = 1;
    static constexpr int32_t kInputUnit = 11;

    void SetUp() override {
        setseistest6(5);
        initfio(0, 1);
        gcmtblk.count = 0;
        gcmtblk.dataType = kNoData;
    }

    int32_t outputUnit() const { return fiocom.iouf[kSlot - 1]; }

    // Reads a catalogue file into the store; true when every record was read and kept.
    bool readPath(const std::string& path, const RecordLayout& layout) {
        if (!unitOpen(kInputUnit, path, OpenStatus::Old)) return false;
        const ReadOutcome r = readCatalogue(layout, kInputUnit, false, false, reader);
        unitClose(kInputUnit);
        return r.end == ReadEnd::EndOfFile && r.records == gcmtblk.count;
    }
    bool readText(const std::string& text, const RecordLayout& layout) {
        dir.write("input.txt", text);
        return readPath(dir.file("input.txt"), layout);
    }

    // Opens the writer's slot on `path` as the menu would leave it, named `name`.
    void openOutput(const std::string& path, const std::string& name) {
        ASSERT_TRUE(unitOpen(outputUnit(), path, OpenStatus::Unknown)) << path;
        fiocom.oufnam[kSlot - 1] = fit(name, 40);
        fiocom.iopou[kSlot - 1] = true;
    }

    // Runs a writer into the folder's file `name`, closes it and returns its lines.
    template <class Writer>
    std::vector<std::string> writeFile(const std::string& name, Writer write,
                                       WriteOutcome* outcome = nullptr) {
        openOutput(dir.file(name), name);
        const WriteOutcome r = write();
        EXPECT_TRUE(unitClose(outputUnit()));
        fiocom.iopou[kSlot - 1] = false;
        if (outcome != nullptr) *outcome = r;
        return splitLines(dir.read(name));
    }

    // What the console shows from here on.
    void markConsole() { mark = cap.lines().size(); }
    std::vector<std::string> printed() {
        const auto all = cap.lines();
        return {all.begin() + static_cast<std::ptrdiff_t>(mark), all.end()};
    }

    std::unique_ptr<Gcmtblk> snapshot() const { return std::make_unique<Gcmtblk>(gcmtblk); }

    ConsoleCapture cap;
    TempDir dir;
    std::size_t mark = 0;
    const Stamp reader{"gcmtreadex1", " 8.0", "08-05-2010"};
};

// Every place of the layout that differs between two stores, as "event k: line l column c".
inline std::vector<std::string> differences(const RecordLayout& layout, const Gcmtblk& a,
                                            const Gcmtblk& b) {
    std::vector<std::string> out;
    auto& x = const_cast<Gcmtblk&>(a);
    auto& y = const_cast<Gcmtblk&>(b);
    if (a.count != b.count) out.push_back("count");
    for (int32_t k = 0; k < a.count && k < b.count; ++k)
        for (std::size_t l = 0; l < layout.lines.size(); ++l)
            for (const RecordField& f : layout.lines[l].fields) {
                bool same = true;
                if (f.text != nullptr)
                    same = std::string(f.text(x, k), static_cast<std::size_t>(f.length)) ==
                           std::string(f.text(y, k), static_cast<std::size_t>(f.length));
                else if (f.integer != nullptr)
                    same = *f.integer(x, k) == *f.integer(y, k);
                else
                    same = *f.real(x, k) == *f.real(y, k);
                if (!same)
                    out.push_back("event " + std::to_string(k + 1) + ": line " +
                                  std::to_string(l + 1) + " column " + std::to_string(f.first));
            }
    return out;
}

}  // namespace tensova::test
