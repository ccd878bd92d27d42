// Drawings written by another program: the DXF files of LibreCAD's data
// package (parts libraries and hatch patterns, more than 1,300).  Every one
// is opened and saved; the saved files of a fixed sample (every n-th, n from
// LURAK_CORPUS_STRIDE, 1 for all; scripts/check_dxf_corpus.sh runs all) pass
// the drawing checks and keep their content.  Skipped when the package is
// not installed.
#include "dxf/parallel.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace host::dxf;

namespace {

constexpr const char* kCorpus = "/usr/share/librecad";
constexpr size_t kDefaultStride = 8;

// Files whose layer names dxflib wrote as question marks (characters it
// could not store): names no reader accepts, kept as they came, so their
// copies are compared but not audited.
constexpr const char* kInvalidNames[] = {"audio/mg1.dxf", "audio/mg2.dxf", "audio/mg3.dxf", "audio/mg4.dxf",
                                         "audio/mik1.dxf", "audio/speak1.dxf", "audio/speak_phone.dxf"};

bool hasInvalidNames(const std::string& path)
{
    for (const char* name : kInvalidNames)
        if (path.ends_with(std::string("/") + name)) return true;
    return false;
}

std::vector<std::string> corpusFiles()
{
    std::vector<std::string> files;
    std::error_code error;
    if (!std::filesystem::is_directory(kCorpus, error)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kCorpus, error)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (entry.is_regular_file() && extension == ".dxf") files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

size_t stride()
{
    const char* given = std::getenv("LURAK_CORPUS_STRIDE");
    long value = given ? std::strtol(given, nullptr, 10) : 0;
    return value > 0 ? static_cast<size_t>(value) : kDefaultStride;
}

} // namespace

TEST(ForeignCorpus, LibreCadDataOpensAndSavesWhole)
{
    const std::vector<std::string> files = corpusFiles();
    if (files.empty()) GTEST_SKIP() << "librecad-data is not installed";
    const std::string folder = outputPath("corpus");
    std::filesystem::create_directories(folder);

    // One after the other: drawings are made on one thread at a time (the
    // reader and writer use threads of their own).
    std::vector<std::string> failures;
    std::vector<std::string> saved(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        ReadReport report;
        auto db = readDxfFile(files[i], report);
        if (!db) {
            failures.push_back(report.error.text());
            continue;
        }
        std::string text;
        writeDxfText(*db, text);
        saved[i] = folder + "/" + std::to_string(i) + ".dxf";
        std::ofstream(saved[i], std::ios::binary) << text;
    }
    std::string all;
    for (const std::string& f : failures) all += f + "\n";
    EXPECT_TRUE(failures.empty()) << failures.size() << " of " << files.size() << " not opened and saved:\n" << all;

    // The sample: originals and copies side by side.
    std::vector<std::string> copies;
    std::string pairs;
    for (size_t i = 0; i < files.size(); i += stride()) {
        if (saved[i].empty()) continue;
        if (!hasInvalidNames(files[i])) copies.push_back(saved[i]);
        pairs += files[i] + "\n" + saved[i] + "\n";
    }
    std::string list = folder + "/pairs.txt";
    std::ofstream(list) << pairs;
    EXPECT_EQ(runChecksOnFiles(copies, workerCount()), "");
    std::string output;
    EXPECT_EQ(runPython("compare_corpus.py", list, output), 0) << output;
}
