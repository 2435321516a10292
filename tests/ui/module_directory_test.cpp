// The executable's folder and the folder part of a path.
#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

#include "module_directory.h"
#include "path_case.h"
#include "qt_printers.h"

TEST(DirectoryOfPath, FileInAFolderGivesTheFolderWithItsBackslash) {
    EXPECT_EQ(DirectoryOfPath("C:\\Tools\\Conv\\app.exe"), "C:\\Tools\\Conv\\");
}

TEST(DirectoryOfPath, FileInADrivesRootGivesTheRoot) { EXPECT_EQ(DirectoryOfPath("C:\\app.exe"), "C:\\"); }

TEST(DirectoryOfPath, DriveWithoutBackslashGetsOne) { EXPECT_EQ(DirectoryOfPath("C:app.exe"), "C:\\"); }

TEST(DirectoryOfPath, NameWithoutFolderGivesTheEmptyText) { EXPECT_EQ(DirectoryOfPath("app.exe"), ""); }

TEST(DirectoryOfPath, FolderEndingInABackslashStaysAsItIs) { EXPECT_EQ(DirectoryOfPath("C:\\Tools\\"), "C:\\Tools\\"); }

TEST(DirectoryOfPath, NetworkPathKeepsServerAndShare) {
    EXPECT_EQ(DirectoryOfPath("\\\\server\\share\\app.exe"), "\\\\server\\share\\");
}

TEST(DirectoryOfPath, SlashSeparatesFoldersToo) {
    EXPECT_EQ(DirectoryOfPath("/opt/iob/bin/IobToQuorvane"), "/opt/iob/bin/");
}

TEST(DirectoryOfPath, BlanksAroundThePathAreTrimmedFirst) {
    EXPECT_EQ(DirectoryOfPath("  /home/surveyor/jobs \t"), "/home/surveyor/");
}

TEST(ProgramBrowseFolder, FolderLosesItsTrailingBackslash) {
    EXPECT_EQ(ProgramBrowseFolder("C:\\Tools\\Conv\\"), "C:\\Tools\\Conv");
}

TEST(ProgramBrowseFolder, RootFolderOfADriveGivesTheDriveAlone) { EXPECT_EQ(ProgramBrowseFolder("C:\\"), "C:"); }

TEST(GetModuleDirectory, IsTheFolderOfTheRunningExecutable) {
    EXPECT_EQ(GetModuleDirectory(), QFile::encodeName(QCoreApplication::applicationDirPath() + "/").toStdString());
}

TEST(ChosenPathCase, CaseIsKeptWhereItTellsFilesApart) {
    EXPECT_EQ(ChosenPathCase("/Survey/Job1.IOB"), "/Survey/Job1.IOB");
}
