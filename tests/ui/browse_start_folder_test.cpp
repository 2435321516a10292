// The start-folder rule of the Browse dialogs, each case on a made-up file system.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <set>

#include "qt_printers.h"

#include "platform_folders.h"

namespace {

const std::set<std::string> kFolders = {"/", "/home/ann", "/home/ann/jobs", "/data/net", "/opt/iob", "/usr/bin"};
const std::set<std::string> kWritable = {"/home/ann", "/home/ann/jobs", "/opt/iob"};

StartFolderChecks MadeUpChecks() {
    return StartFolderChecks{[](const std::string& folder) { return kFolders.count(folder) > 0; },
                             [](const std::string& folder) { return kWritable.count(folder) > 0; }};
}

struct StartFolderCase {
    const char* what;
    const char* ownName;
    const char* otherName;
    const char* programFolder;
    const char* expected;
};

// The working folder is /home/ann; the home folder, /home/bob, is told apart from it.
const StartFolderCase kCases[] = {
    {"own field's folder", "/home/ann/jobs/net.iob", "/data/net/out.txt", "/opt/iob", "/home/ann/jobs"},
    {"own folder read-only but existing", "/usr/bin/net.iob", "/data/net/out.txt", "/opt/iob", "/usr/bin"},
    {"own folder missing: the other field's", "/gone/net.iob", "/data/net/out.txt", "/opt/iob", "/data/net"},
    {"own field blank: the other field's", "  ", "/data/net/out.txt", "/opt/iob", "/data/net"},
    {"neither folder exists: a writable program folder", "/gone/a.iob", "/gone/b.txt", "/opt/iob", "/opt/iob"},
    {"installed program folder is read-only: home", "", "/gone/b.txt", "/usr/bin", "/home/bob"},
    {"program folder unknown: home", "", "", "", "/home/bob"},
    {"relative name, from the working folder", "jobs/net.iob", "", "/usr/bin", "/home/ann/jobs"},
    {"name without folder: the working folder", "net.iob", "", "/usr/bin", "/home/ann"},
    {"blanks around the name", " \t/data/net/a.iob  ", "", "/usr/bin", "/data/net"},
    {"name ending in a slash is a folder", "/data/net/", "", "/usr/bin", "/data/net"},
    {"dot-dot steps are resolved", "/data/net/../net/./a.iob", "", "/usr/bin", "/data/net"},
    {"file in the root folder", "/a.iob", "", "/usr/bin", "/"},
};

}  // namespace

TEST(BrowseStartFolder, EachCaseOfTheRule) {
    for (const StartFolderCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const BrowseStartPlaces places{c.ownName, c.otherName, "/home/ann", c.programFolder, "/home/bob"};
        EXPECT_EQ(BrowseStartFolder(places, MadeUpChecks()), c.expected);
    }
}

TEST(FileSystemFolderChecks, TellFoldersFromFilesAndMissingNames) {
    QTemporaryDir folder;
    QFile file(folder.filePath("net.iob"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const StartFolderChecks checks = FileSystemFolderChecks();
    const auto name = [](const QString& path) { return QFile::encodeName(path).toStdString(); };
    EXPECT_TRUE(checks.exists(name(folder.path())) && checks.writable(name(folder.path())));
    for (const QString& notAFolder : {folder.filePath("net.iob"), folder.filePath("gone")}) {
        EXPECT_FALSE(checks.exists(name(notAFolder)) || checks.writable(name(notAFolder))) << name(notAFolder);
    }
}
