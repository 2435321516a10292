// The checks and messages of "Convert Data" on real files.
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#undef LoadString
#undef FormatMessage
#endif

#include <iob/convert_files.h>
#include <iob/show_message.h>

#include "conversion_run.h"
#include "file_bytes.h"
#include "iob_records.h"

using namespace iob;

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

using Messages = std::vector<std::string>;

class ConvertFilesTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("iob-convert-files-" + std::to_string(::getpid()) + "-" +
                                               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        previous_ = SetMessagePresenter(
            [this](unsigned number, unsigned boxType, const std::string& text, const std::string& details) {
                messages_.push_back(std::to_string(number) + " " + std::to_string(boxType) + " " + text);
                details_.push_back(details);
                return kButtonOk;
            });
        WriteFile(Path("net.iob"), IobLines({Titl("t"), " END"}));
    }
    void TearDown() override {
        SetMessagePresenter(previous_);
        fs::remove_all(folder_);
    }
    // The full name in UTF-8, as the dialog and the command line hand it over.
    std::string Path(const std::string& name) const { return (folder_ / fs::u8path(name)).u8string(); }
    int Run(std::string iob, std::string output) { return ConvertFiles(iob, output).result; }
    // `other` names net.iob: converting net.iob into it is refused, and net.iob stays as it was.
    void ExpectSameFile(const std::string& other) {
        std::string original = ReadFileBytes(Path("net.iob"));
        messages_.clear();
        EXPECT_EQ(Run(Path("net.iob"), other), 5032) << other;
        EXPECT_EQ(messages_, Messages{"5032 0 The 'IOB' file and the 'QUORVANE' file are the same file " + other});
        EXPECT_EQ(ReadFileBytes(Path("net.iob")), original);
    }

    fs::path folder_;
    std::vector<std::string> messages_;
    std::vector<std::string> details_;
    MessagePresenter previous_;
};

// 200 000 bytes: three reads of 64 KiB and the rest, in each of the three passes.
TEST_F(ConvertFilesTest, ProgressFollowsEachPassToItsEnd) {
    WriteFile(Path("long.iob"), IobLines(std::vector<std::string>(2000, std::string(99, '!'))));
    std::vector<std::pair<int, double>> heard;
    std::string iob = Path("long.iob"), output = Path("long.txt");
    ConvertFilesOptions options;
    options.progress = [&heard](int pass, double share) { heard.emplace_back(pass, share); };
    EXPECT_EQ(ConvertFiles(iob, output, options).result, 0);
    const std::vector<std::pair<int, double>> expected = {
        {1, 65536 / 200000.0}, {1, 131072 / 200000.0}, {1, 196608 / 200000.0}, {1, 1.0},
        {2, 65536 / 200000.0}, {2, 131072 / 200000.0}, {2, 196608 / 200000.0}, {2, 1.0},
        {3, 65536 / 200000.0}, {3, 131072 / 200000.0}, {3, 196608 / 200000.0}, {3, 1.0}};
    EXPECT_EQ(heard, expected);
}

TEST_F(ConvertFilesTest, SuccessNamesTheTrimmedOutput) {
    std::string output = Path("out.txt");
    EXPECT_EQ(Run(" \t" + Path("net.iob") + "\r\n", "  " + output + " \v\f"), 0);
    EXPECT_EQ(messages_, Messages{"5041 0 Success - the results are in " + output});
    EXPECT_EQ(FirstLine(ReadFileBytes(output)), "! IOB File Record Type TITL - t\r\n");
}

TEST_F(ConvertFilesTest, NamesAreTrimmedInPlace) {
    std::string iob = " " + Path("net.iob") + " ";
    std::string output = "\t" + Path("out.txt");
    ConvertFiles(iob, output);
    EXPECT_EQ(iob, Path("net.iob"));
    EXPECT_EQ(output, Path("out.txt"));
}

TEST_F(ConvertFilesTest, BothNamesBlankGiveOnly5023) {
    EXPECT_EQ(Run(" \t ", ""), 5023);
    EXPECT_EQ(messages_, Messages{"5023 0 Please enter an 'IOB' File name"});
}

TEST_F(ConvertFilesTest, BlankOutputNameGives5022) {
    EXPECT_EQ(Run(Path("net.iob"), "   "), 5022);
    EXPECT_EQ(messages_, Messages{"5022 0 Please enter a 'QUORVANE' File name"});
}

TEST_F(ConvertFilesTest, MissingIobFileGives5031AndCreatesNoOutput) {
    EXPECT_EQ(Run(Path("missing.iob"), Path("out.txt")), 5031);
    EXPECT_EQ(messages_, Messages{"5031 0 Cannot open file " + Path("missing.iob")});
    EXPECT_FALSE(fs::exists(Path("out.txt")));
}

TEST_F(ConvertFilesTest, FolderAsIobNameGives5031) {
    EXPECT_EQ(Run(folder_.string(), Path("out.txt")), 5031);
    EXPECT_EQ(messages_, Messages{"5031 0 Cannot open file " + folder_.string()});
}

TEST_F(ConvertFilesTest, OutputInAMissingFolderGives5031) {
    std::string output = Path("no/such/folder/out.txt");
    EXPECT_EQ(Run(Path("net.iob"), output), 5031);
    EXPECT_EQ(messages_, Messages{"5031 0 Cannot open file " + output});
}

TEST_F(ConvertFilesTest, FolderAsOutputNameGives5031) {
    EXPECT_EQ(Run(Path("net.iob"), folder_.string()), 5031);
    EXPECT_EQ(messages_, Messages{"5031 0 Cannot open file " + folder_.string()});
}

TEST_F(ConvertFilesTest, ExistingOutputIsReplaced) {
    WriteFile(Path("out.txt"), std::string(10000, 'x'));
    EXPECT_EQ(Run(Path("net.iob"), Path("out.txt")), 0);
    EXPECT_EQ(ReadFileBytes(Path("out.txt")).find('x'), std::string::npos);
}

// The title line is written before the COV record fails the conversion.
TEST_F(ConvertFilesTest, FailedConversionLeavesAnEarlierFileOrNoneAndNoTemporaryFile) {
    WriteFile(Path("cov.iob"), IobLines({Titl("t"), Cov({}, "", "", "XY")}));
    WriteFile(Path("old.txt"), "earlier\n");
    EXPECT_EQ(Run(Path("cov.iob"), Path("old.txt")), 5111);
    EXPECT_EQ(Run(Path("cov.iob"), Path("new.txt")), 5111);
    EXPECT_EQ(ReadFileBytes(Path("old.txt")), "earlier\n");
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"cov.iob", "net.iob", "old.txt"}));
}

// A file of two names is written in place, so that both still name one file.
TEST_F(ConvertFilesTest, OutputWithASecondHardLinkIsWrittenInPlace) {
    WriteFile(Path("old.txt"), "earlier\n");
    fs::create_hard_link(Path("old.txt"), Path("other.txt"));
    EXPECT_EQ(Run(Path("net.iob"), Path("old.txt")), 0);
    EXPECT_EQ(FirstLine(ReadFileBytes(Path("other.txt"))), "! IOB File Record Type TITL - t\r\n");
}

// The link stays and the file it points to is replaced, keeping its permission bits.
TEST_F(ConvertFilesTest, SymbolicLinkAsOutputReplacesItsFile) {
    WriteFile(Path("old.txt"), "earlier\n");
    fs::permissions(Path("old.txt"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::error_code error;
    fs::create_symlink("old.txt", Path("link.txt"), error);
    if (error) GTEST_SKIP() << "symbolic links cannot be made here: " << error.message();
    EXPECT_EQ(Run(Path("net.iob"), Path("link.txt")), 0);
    EXPECT_TRUE(fs::is_symlink(Path("link.txt")));
    EXPECT_EQ(FirstLine(ReadFileBytes(Path("old.txt"))), "! IOB File Record Type TITL - t\r\n");
    EXPECT_EQ(fs::status(Path("old.txt")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ConvertFilesTest, SameFileUnderOtherSpellingsGives5032AndLeavesItUntouched) {
    fs::create_hard_link(Path("net.iob"), Path("hard.iob"));
    std::vector<std::string> spellings = {Path("net.iob"), folder_.string() + "/./net.iob", Path("hard.iob")};
#ifdef _WIN32
    // Windows names ignore case and take either slash.
    spellings.push_back(Path("NET.IOB"));
    spellings.push_back((folder_ / "net.iob").generic_string());
#endif
    for (const std::string& other : spellings) ExpectSameFile(other);
}

#ifdef _WIN32
// An output that another program holds open is refused before anything is
// written, with the reason, not a write error after the conversion.
TEST_F(ConvertFilesTest, HeldOpenOutputGives5031WithItsReason) {
    WriteFile(Path("out.txt"), "earlier");
    HANDLE held =
        CreateFileW((folder_ / "out.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string iob = Path("net.iob");
    std::string output = Path("out.txt");
    const FilesOutcome outcome = ConvertFiles(iob, output);
    CloseHandle(held);
    EXPECT_EQ(outcome.result, 5031);
    EXPECT_EQ(outcome.reason, "in use by another program");
    EXPECT_EQ(ReadFileBytes(Path("out.txt")), "earlier");
}
#endif

TEST_F(ConvertFilesTest, SymbolicLinkToTheIobFileGives5032) {
    std::error_code error;
    fs::create_symlink(Path("net.iob"), Path("link.iob"), error);
    if (error) GTEST_SKIP() << "symbolic links cannot be made here: " << error.message();
    ExpectSameFile(Path("link.iob"));
}

// Neither the ANSI code page of Windows nor the locale of Linux may stand in the way.
TEST_F(ConvertFilesTest, NamesInOtherScriptsAreUtf8) {
    const std::string survey = "\xe6\xb8\xac\xe9\x87\x8f";  // the two ideographs of "survey"
    WriteFile(fs::u8path(Path(survey + ".iob")), " TITL t\n END\n");
    EXPECT_EQ(Run(Path(survey + ".iob"), Path(survey + ".txt")), 0);
    EXPECT_EQ(ReadFileBytes(fs::u8path(Path(survey + ".txt"))).substr(0, 33), "! IOB File Record Type TITL - t\r\n");

    fs::create_hard_link(fs::u8path(Path(survey + ".iob")), fs::u8path(Path(survey + "-2.iob")));
    fs::create_directory(fs::u8path(Path(survey)));
    messages_.clear();
    EXPECT_EQ(Run(Path(survey + ".iob"), Path(survey + "-2.iob")), 5032);
    EXPECT_EQ(Run(Path(survey), Path("out.txt")), 5031);
    EXPECT_EQ(Run(Path(survey + "-3.iob"), Path("out.txt")), 5031);
    EXPECT_EQ(
        messages_,
        (Messages{"5032 0 The 'IOB' file and the 'QUORVANE' file are the same file " + Path(survey + "-2.iob"),
                  "5031 0 Cannot open file " + Path(survey), "5031 0 Cannot open file " + Path(survey + "-3.iob")}));
}

TEST_F(ConvertFilesTest, FullDiskGives5013) {
    // Wine reaches /dev/full too, though std::filesystem does not see it there.
    std::FILE* probe = std::fopen("/dev/full", "wb");
    if (probe == nullptr) GTEST_SKIP() << "no /dev/full";
    std::fclose(probe);
    EXPECT_EQ(Run(Path("net.iob"), "/dev/full"), 5013);
    EXPECT_EQ(messages_, Messages{"5013 0 File write error /dev/full"});
    // Its reason, and no count of what was written before it failed.
    EXPECT_EQ(details_, std::vector<std::string>{"the disk is full"});
}

TEST_F(ConvertFilesTest, UnsupportedSettingShowsOnlyItsOwnMessage) {
    WriteFile(Path("cov.iob"), IobLines({Cov({}, "", "", "XY")}));
    EXPECT_EQ(Run(Path("cov.iob"), Path("out.txt")), 5111);
    EXPECT_EQ(messages_, Messages{"5111 0 Currently no support for 'XY' setting in record 'COV '"});
}

TEST_F(ConvertFilesTest, LongFileNameIsNeverCut) {
    std::string name = std::string(200, 'n') + ".iob";
    std::string output = Path(std::string(240, 'o'));
    WriteFile(Path(name), " END\n");
    EXPECT_EQ(Run(Path(name), output), 0);
    EXPECT_EQ(messages_, Messages{"5041 0 Success - the results are in " + output});
}

// Each conversion starts from the default datum and unit, whatever the one
// before read: the same file converts the same in the dialog and alone.
TEST_F(ConvertFilesTest, NoSettingCarriesFromOneConversionToTheNext) {
    Station blankUnit = BenchMark();
    blankUnit.unit = "";
    WriteFile(Path("plain.iob"), IobLines({ShortStation(blankUnit)}));
    Run(Path("plain.iob"), Path("alone.txt"));
    WriteFile(Path("elip.iob"), IobLines({WorkedElip(), Lunt("xx", "0.3048006096")}));
    Run(Path("elip.iob"), Path("first.txt"));
    Run(Path("plain.iob"), Path("second.txt"));
    EXPECT_EQ(ReadFileBytes(Path("second.txt")), ReadFileBytes(Path("alone.txt")));
    EXPECT_NE(ReadFileBytes(Path("second.txt")).find("  NAD 83\r\n"), std::string::npos);
}

// A conversion's message carries its report; a file that fails before any
// conversion carries the system's reason.
TEST_F(ConvertFilesTest, MessageOfAConversionCarriesTheReport) {
    WriteFile(Path("dist.iob"), IobLines({WorkedElip(), " DIST A B 100.0", Dxyz("A", "B")}));
    Run(Path("dist.iob"), Path("out.txt"));
    Run(Path("missing.iob"), Path("out.txt"));
    EXPECT_EQ(details_,
              (std::vector<std::string>{"0 stations, 0 GPS vectors in 0 groups\n"
                                        "Not converted: 1 DIST record (line 2)\n"
                                        "Not converted: 1 incomplete GPS group of 1 vector at the end (line 3)",
                                        "no such file or folder"}));
}

// Only a conversion that would go ahead and replace a regular file asks first.
TEST_F(ConvertFilesTest, ReplaceQuestionOnlyForAnExistingRegularOutput) {
    WriteFile(Path("old.txt"), "earlier\n");
    const struct {
        std::string iob, output;
        bool replaces;
    } cases[] = {
        {Path("net.iob"), Path("old.txt"), true},
        {" " + Path("net.iob") + "\t", "  " + Path("old.txt") + "\r\n", true},
        {Path("net.iob"), Path("new.txt"), false},
        {Path("missing.iob"), Path("old.txt"), false},
        {folder_.string(), Path("old.txt"), false},
        {Path("net.iob"), Path("net.iob"), false},
        {Path("net.iob"), "/dev/null", false},  // no such file on Windows: false there too
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplacesExistingFile(c.iob, c.output), c.replaces) << c.iob << " " << c.output;
    EXPECT_EQ(messages_, Messages{});
}

// A name ending in ".iob", in any case, is asked about as the IOB file it may be.
TEST(AskReplace, IobNamesGetTheirOwnQuestionAndTheAnswerIsReturned) {
    const struct {
        const char* name;
        int answer;
        unsigned number;
        bool replace;
    } cases[] = {
        {"net.iob", kButtonYes, 5052, true},     {"NET.IOB", kButtonNo, 5052, false},
        {".Iob", kButtonYes, 5052, true},        {"net.txt", kButtonYes, 5051, true},
        {"net.iob.txt", kButtonNo, 5051, false}, {"netiob", kButtonYes, 5051, true},
        {"net.txt", kButtonOk, 5051, false},
    };
    for (const auto& c : cases) {
        Messages asked;  // the number, the box and the text's first word, the name
        MessagePresenter previous =
            SetMessagePresenter([&](unsigned number, unsigned boxType, const std::string& text, const std::string&) {
                asked.push_back(std::to_string(number) + " " + std::to_string(boxType) + " " +
                                text.substr(0, text.find(' ')));
                return c.answer;
            });
        EXPECT_EQ(AskReplace(c.name), c.replace) << c.name;
        SetMessagePresenter(previous);
        EXPECT_EQ(asked, Messages{std::to_string(c.number) + " 1 " + c.name});
    }
}

TEST(FormatMessage, FillsInTheOrderGiven) {
    EXPECT_EQ(FormatMessage(5014, 3000000000LL, "C:\\data\\net.iob"),
              "File read error on line 3000000000 - C:\\data\\net.iob");
}

TEST(FormatMessage, PercentInAFileNameStaysLiteral) {
    EXPECT_EQ(FormatMessage(5031, "100%s.iob"), "Cannot open file 100%s.iob");
}

TEST(FormatMessage, UnknownNumberGivesTheEmptyText) { EXPECT_EQ(FormatMessage(4711), ""); }

}  // namespace
