// The application's title: the executable's name without folder and extension.
#include <gtest/gtest.h>

#include "application_title.h"
#include "qt_printers.h"

TEST(TitleOfExecutable, WindowsPathLosesFolderAndExtension) {
    EXPECT_EQ(TitleOfExecutable("C:\\Programs\\IobToQuorvane.EXE"), "IobToQuorvane");
}

TEST(TitleOfExecutable, LinuxPathLosesItsFolder) {
    EXPECT_EQ(TitleOfExecutable("/usr/bin/IobToQuorvane"), "IobToQuorvane");
}

TEST(TitleOfExecutable, OnlyTheLastExtensionGoes) { EXPECT_EQ(TitleOfExecutable("D:conv.v2.exe"), "conv.v2"); }

TEST(ApplicationTitle, IsTheNameOfTheRunningExecutable) { EXPECT_EQ(ApplicationTitle(), "ui_tests"); }
