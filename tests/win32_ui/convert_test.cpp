// "&Convert Data" in the Win32 dialog: the file written and the one message
// box that reports each outcome, with the report beneath it.
#include <gtest/gtest.h>

#include "dialog_run.h"
#include "dialog_templates.h"
#include "test_folder.h"

namespace {

class ConvertTest : public testing::Test {
protected:
    // Fills both fields, presses "&Convert Data", reads the box it shows and answers it.
    SeenBox Convert(const std::wstring& iobName, const std::wstring& outputName, int answer = IDOK) {
        SetItemText(run_.main, kIdIobName, iobName);
        SetItemText(run_.main, kIdOutputName, outputName);
        Press(run_.main, kIdConvert);
        return ReadMessageBox(run_, answer);
    }

    TestFolder folder_;
    DialogRun run_;
};

}  // namespace

TEST_F(ConvertTest, ExampleConvertsByteForByteAndItsReportStandsBeneathSuccess) {
    std::filesystem::copy_file(ExamplePath("network.iob"), folder_.Path(L"network.iob"));
    const SeenBox seen = Convert(folder_.Path(L"network.iob"), folder_.Path(L"network.txt"));
    EXPECT_EQ(seen.text, L"Success - the results are in " + folder_.Path(L"network.txt") +
                             L"\n\n3 stations, 3 GPS vectors in 2 groups\n"
                             L"Not converted: 1 data line after the END record on line 25, which ends the data");
    EXPECT_TRUE(seen.warningIcon);
    EXPECT_TRUE(seen.okIsTheOnlyButton);
    EXPECT_EQ(BytesOf(folder_.Path(L"network.txt")), BytesOf(ExamplePath("network.txt")));
}

TEST_F(ConvertTest, NonAsciiNamesConvert) {
    std::filesystem::copy_file(ExamplePath("header.iob"), folder_.Path(L"測量.iob"));
    EXPECT_EQ(
        Convert(folder_.Path(L"測量.iob"), L" " + folder_.Path(L"測量.txt")).text,
        L"Success - the results are in " + folder_.Path(L"測量.txt") +
            L"\n\n0 stations, 0 GPS vectors in 0 groups\nNothing was converted: the file holds no station and no GPS "
            L"vector. Check that it is an IOB file.");
    EXPECT_EQ(BytesOf(folder_.Path(L"測量.txt")), BytesOf(ExamplePath("header.txt")));
}

TEST_F(ConvertTest, EachFailedCheckShowsItsExactMessage) {
    std::filesystem::copy_file(ExamplePath("header.iob"), folder_.Path(L"net.iob"));
    const struct {
        const wchar_t* what;
        std::wstring iobName, outputName, message;
    } cases[] = {
        {L"both blank", L" ", L"", L"Please enter an 'IOB' File name"},
        {L"output blank", L"net.iob", L" \t", L"Please enter a 'QUORVANE' File name"},
        // No question about the existing output comes first.
        {L"missing IOB file", folder_.Path(L"gone.iob"), folder_.Path(L"net.iob"),
         L"Cannot open file " + folder_.Path(L"gone.iob") + L"\n\nno such file or folder"},
        {L"output in a missing folder", folder_.Path(L"net.iob"), folder_.Path(L"gone\\out.txt"),
         L"Cannot open file " + folder_.Path(L"gone\\out.txt") + L"\n\nno such file or folder"},
        {L"same file", folder_.Path(L"net.iob"), folder_.Path(L".\\NET.iob"),
         L"The 'IOB' file and the 'QUORVANE' file are the same file " + folder_.Path(L".\\NET.iob")},
        // The null device is no file that can be read three times.
        {L"a device", L"NUL", folder_.Path(L"out.txt"),
         L"Cannot convert NUL: an IOB file is read three times, so it must be a file, not a pipe or a device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Convert(c.iobName, c.outputName).text, c.message);
    }
}

TEST_F(ConvertTest, NoToReplacingAnIobFileWritesNothing) {
    std::filesystem::copy_file(ExamplePath("header.iob"), folder_.Path(L"net.iob"));
    std::ofstream(std::filesystem::path(folder_.Path(L"Swapped.IOB")), std::ios::binary) << std::string("x\0\r\n", 4);
    const SeenBox no = Convert(folder_.Path(L"net.iob"), folder_.Path(L"Swapped.IOB"), IDNO);
    EXPECT_EQ(no.text,
              folder_.Path(L"Swapped.IOB") + L" already exists and is an IOB file. Do you want to replace it?");
    EXPECT_TRUE(no.warningIcon && no.yesAndNoWithNoDefault);
    // No is answered, so that the old file is not taken for a new one.
    EXPECT_EQ(ReadMessageBox(run_, IDOK).text,
              L"Nothing was written: " + folder_.Path(L"Swapped.IOB") + L" is as it was");
    EXPECT_EQ(BytesOf(folder_.Path(L"Swapped.IOB")), std::string("x\0\r\n", 4));
}

// A name typed (a key at a time, and staying in the order typed) or pasted
// into the IOB field moves the untouched proposal along; a name typed into
// the output field stays.
TEST_F(ConvertTest, ProposalFollowsTheTypedIobNameUntilAnOutputNameIsTyped) {
    const HWND iobField = GetDlgItem(run_.main, kIdIobName);
    for (const wchar_t key : std::wstring(L"C:\\jobs\\network.iob")) SendMessageW(iobField, WM_CHAR, key, 0);
    EXPECT_EQ(TextOf(iobField), L"C:\\jobs\\network.iob");
    EXPECT_EQ(TextOf(GetDlgItem(run_.main, kIdOutputName)), L"C:\\jobs\\network.txt");
    SetItemText(run_.main, kIdIobName, L"\"C:\\jobs\\stations.iob\"");
    EXPECT_EQ(TextOf(GetDlgItem(run_.main, kIdOutputName)), L"C:\\jobs\\stations.txt");
    SetItemText(run_.main, kIdOutputName, L"C:\\jobs\\mine.txt");
    SetItemText(run_.main, kIdIobName, L"C:\\jobs\\other.iob");
    EXPECT_EQ(TextOf(GetDlgItem(run_.main, kIdOutputName)), L"C:\\jobs\\mine.txt");
}
