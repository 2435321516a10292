// The start folder the open dialog is given: the field's folder while its
// name fits in MAX_PATH, else the nearest folder above it that fits and exists.
#include <gtest/gtest.h>

#include <set>

#include "open_dialog_start_folder.h"

namespace {

// Folders of 100 letters below C:\jobs: the first ends at 108 characters,
// the second at 209, the third at 310.
const std::string kJobs = "C:\\jobs";
const std::string kFirst = kJobs + "\\" + std::string(100, 'a');
const std::string kSecond = kFirst + "\\" + std::string(100, 'b');
const std::string kThird = kSecond + "\\" + std::string(100, 'c');

std::string StartFolderAmong(const std::string& folder, const std::set<std::string>& folders) {
    return OpenDialogStartFolder(folder, [&](const std::string& name) { return folders.count(name) != 0; });
}

}  // namespace

TEST(OpenDialogStartFolder, IsTheFolderItselfWhenItsNameFits) {
    EXPECT_EQ(StartFolderAmong(kSecond, {kJobs, kFirst, kSecond}), kSecond);
    EXPECT_EQ(StartFolderAmong("C:\\", {"C:\\"}), "C:\\");
}

TEST(OpenDialogStartFolder, IsTheNearestFolderAboveALongName) {
    EXPECT_EQ(StartFolderAmong(kThird, {kJobs, kFirst, kSecond, kThird}), kSecond);
    EXPECT_EQ(StartFolderAmong(kThird, {kJobs, kFirst, kThird}), kFirst);
}

TEST(OpenDialogStartFolder, TakesNamesOfUpTo259Characters) {
    const std::string fits = kSecond + "\\" + std::string(49, 'd');
    const std::string tooLong = kSecond + "\\" + std::string(50, 'd');
    ASSERT_EQ(fits.size(), 259U);
    EXPECT_EQ(StartFolderAmong(fits, {kSecond, fits}), fits);
    EXPECT_EQ(StartFolderAmong(tooLong, {kSecond, tooLong}), kSecond);
}

TEST(OpenDialogStartFolder, CountsCharactersNotBytes) {
    // 150 "é" are 300 bytes of UTF-8 but 150 characters, as the dialog counts them.
    std::string accented = kJobs + "\\";
    for (int letter = 0; letter < 150; ++letter) accented += "\xC3\xA9";
    EXPECT_EQ(StartFolderAmong(accented, {kJobs, accented}), accented);
}

TEST(OpenDialogStartFolder, IsEmptyWhenNoFolderExists) {
    EXPECT_EQ(StartFolderAmong(kThird, {}), "");
    EXPECT_EQ(StartFolderAmong("\\\\server\\share\\" + std::string(300, 'x'), {}), "");
    EXPECT_EQ(StartFolderAmong("", {""}), "");
}
