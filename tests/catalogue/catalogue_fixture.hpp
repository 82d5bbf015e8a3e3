#pragma once
// A fixture for the read loop and the writers: a quiet console, a temporary folder, the store
// read from catalogue text, and the writers' output slot opened on a file of that folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_writers.hpp"
#include "catalogue/read_loop.hpp"
#include "catalogue/reader.hpp"
#include "catalogue/selection_tests.hpp"
#include "catalogue/store.hpp"
#include "catalogue_samples.hpp"
#include "console/files.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "support/console_capture.hpp"

namespace tensova::test {

class CatalogueFixture : public ::testing::Test {
  protected:
    static constexpr int32_t kSlot = 1;
    static constexpr int32_t kInputUnit = 11;

    void SetUp() override {
        setseistest6(5);
        initfio(0, 1);
        gcmtblk.count = 0;
        gcmtblk.dataType = kNoData;
        markConsole();
    }

    int32_t outputUnit() const { return fiocom.iouf[kSlot - 1]; }

    ReadOutcome readPath(const std::string& path, const RecordLayout& layout = ndkLayout) {
        EXPECT_TRUE(unitOpen(kInputUnit, path, OpenStatus::Old)) << path;
        const ReadOutcome r = readCatalogue(layout, kInputUnit, false, false, kGcmtreadex1);
        unitClose(kInputUnit);
        return r;
    }
    ReadOutcome readText(const std::string& text, const RecordLayout& layout = ndkLayout) {
        dir.write("input.txt", text);
        return readPath(dir.file("input.txt"), layout);
    }

    // Opens the writers' slot on `path` as the writer's menu would leave it, named `name`.
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

    // What the console shows from the mark on.
    void markConsole() { mark = cap.lines().size(); }
    std::vector<std::string> printed() {
        const auto all = cap.lines();
        return {all.begin() + static_cast<std::ptrdiff_t>(mark), all.end()};
    }

    ConsoleCapture cap;
    TempDir dir;
    std::size_t mark = 0;
};

}  // namespace tensova::test
