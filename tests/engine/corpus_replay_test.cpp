// Replays the regression corpus of nasty IOB files that the fuzzer started from.
#include <gtest/gtest.h>

#include <filesystem>

#include "conversion_checks.h"
#include "file_bytes.h"

using namespace iob;

namespace {

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(IOB_CORPUS_DIR)) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class Corpus : public testing::TestWithParam<std::string> {};

TEST_P(Corpus, ConvertsSoundlyAndTheSameTwice) {
    const std::string iob = ReadFileBytes(std::filesystem::path(IOB_CORPUS_DIR) / GetParam());
    for (OutputSyntax syntax : {OutputSyntax::kCompact, OutputSyntax::kSingleLine}) {
        Conversion first = Convert(iob, syntax);
        EXPECT_EQ(CheckConversion(first, syntax), "");
        Conversion second = Convert(iob, syntax);
        EXPECT_EQ(second.output, first.output);
        EXPECT_EQ(second.result, first.result);
    }
}

INSTANTIATE_TEST_SUITE_P(Replay, Corpus, testing::ValuesIn(CorpusFiles()),
                         [](const testing::TestParamInfo<std::string>& file) {
                             std::string name = file.param;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

}  // namespace
