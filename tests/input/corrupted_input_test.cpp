// Damaged versions of the example inputs: truncated, with bytes changed, and
// with counts made huge or negative. Every one must end with status 0 or an
// input error; the sanitizer build checks that no table is overrun.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/environment.h"
#include "engine/run.h"
#include "input/input_file.h"
#include "input/readers.h"
#include "input/record_reader.h"
#include "engine/run_driver.h"
#include "support/temp_dir.h"

namespace drovi {
namespace {

int readStatus(const std::string& bytes) {
    static const FixedEnvironment env("/tmp", LocalTime{});
    Run run(env);
    run.report.open("/dev/null");
    run.log.open("/dev/null");
    run.input.assign(bytes);
    const std::string tag = ReadFormatTag(run.input);
    if (tag == kCurrentFormatTag) {
        ReadCurrentFormat(run);
    } else if (tag == kEarlierFormatTag) {
        ReadEarlierFormat(run);
    } else {
        run.input.rewind();
        ReadOldestFormat(run);
    }
    return run.status.value();
}

std::vector<std::string> exampleFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(DROVI_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".inp") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        files.push_back(s.str());
    }
    return files;
}

bool orderly(int status) { return status == 0 || (status >= 100 && status <= 199); }

TEST(CorruptedInput, ExamplesReadCleanly) {
    const auto files = exampleFiles();
    ASSERT_GE(files.size(), 3u);
    for (const auto& f : files) EXPECT_EQ(readStatus(f), 0) << f.substr(0, 200);
}

TEST(CorruptedInput, TruncatedAnywhere) {
    for (const auto& f : exampleFiles()) {
        for (std::size_t cut = 0; cut < f.size(); cut += 7) {
            const int status = readStatus(f.substr(0, cut));
            ASSERT_TRUE(orderly(status)) << "cut at " << cut << " gave " << status;
            // Without its END line the file cannot be complete.
            if (cut + 4 < f.size()) {
                EXPECT_NE(status, 0) << "cut at " << cut;
            }
        }
    }
}

TEST(CorruptedInput, BytesChanged) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (const auto& f : exampleFiles()) {
        for (int trial = 0; trial < 2000; ++trial) {
            std::string damaged = f;
            const int flips = 1 + static_cast<int>(next() % 4);
            for (int k = 0; k < flips; ++k) damaged[next() % damaged.size()] = static_cast<char>(next() & 0xFF);
            const int status = readStatus(damaged);
            ASSERT_TRUE(orderly(status)) << "trial " << trial << " gave " << status;
        }
    }
}

TEST(CorruptedInput, HugeAndNegativeCounts) {
    for (const auto& f : exampleFiles()) {
        std::vector<std::string> lines;
        std::istringstream in(f);
        for (std::string l; std::getline(in, l);) lines.push_back(l);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            int value = 0;
            if (!ParseInteger(TrimRight(lines[i]), value)) continue;
            for (const char* replacement : {"999999999", "2147483647", "-7", "0", "301", "101"}) {
                std::string damaged;
                for (std::size_t j = 0; j < lines.size(); ++j) damaged += (j == i ? replacement : lines[j]) + "\n";
                const int status = readStatus(damaged);
                ASSERT_TRUE(orderly(status)) << "line " << i + 1 << " = " << replacement << " gave " << status;
            }
        }
    }
}

// The same damage through whole runs: whatever reads without an input error
// goes on into the analysis, which must end in order too.
TEST(CorruptedInput, WholeRunsEndInOrder) {
    testing::TempDir dir;
    dir.write("NAMES.DAT", "pile.inp\npile.out\npile.plt\npile.msg\nuser\ncompany\n");
    const FixedEnvironment env(dir.path().string(), LocalTime{});
    std::uint32_t seed = 777;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    int analysed = 0;
    for (const auto& f : exampleFiles()) {
        for (int trial = 0; trial < 150; ++trial) {
            std::string damaged = f;
            damaged[next() % damaged.size()] = static_cast<char>('0' + next() % 10);  // digits keep it readable
            dir.write("pile.inp", damaged);
            const int status = RunAnalysis(env);
            const bool orderlyEnd = status <= 0 || (status >= 100 && status <= 299) || status == 99 || status == 999;
            ASSERT_TRUE(orderlyEnd) << "trial " << trial << " gave " << status;
            if (status <= 0) ++analysed;
        }
    }
    EXPECT_GT(analysed, 0);
}

}  // namespace
}  // namespace drovi
