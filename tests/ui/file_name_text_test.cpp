// File names as field texts on Linux: any bytes go to text and back
// unchanged, and the dialog converts the file a field names, byte for byte.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "convert_dialog.h"
#include "convert_dialog_controls.h"
#include "file_name_text.h"
#include "modal_script.h"
#include "qt_printers.h"
#include "test_files.h"

namespace {

// Files whose names Qt cannot spell, through the C++ library.
void WriteFile(const std::string& name, const QByteArray& bytes) {
    std::ofstream(name, std::ios::binary).write(bytes.data(), bytes.size());
}

// Qt lists no such names, so QTemporaryDir cannot remove them.
struct RemovedAtTheEnd {
    std::string folder;
    ~RemovedAtTheEnd() { std::filesystem::remove_all(folder); }
};

std::string ReadFile(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(FileNameText, UTF8IsQtsTextAndEveryOtherByteAnEscape) {
    EXPECT_EQ(FieldTextOf("/jobs/r\xC3\xA9seau.iob"), QString::fromUtf8("/jobs/r\xC3\xA9seau.iob"));
    EXPECT_EQ(FieldTextOf("/jobs/r\xE9seau.iob"), "/jobs/r" + QString(QChar(0xDCE9)) + "seau.iob");
    EXPECT_EQ(FileNameOf(QString::fromUtf8("r\xC3\xA9seau.iob")), "r\xC3\xA9seau.iob");
    EXPECT_EQ(FileNameOf("r" + QString(QChar(0xDCE9)) + "seau.iob"), "r\xE9seau.iob");
}

TEST(FileNameText, AnyBytesComeBackUnchanged) {
    const std::string names[] = {
        "r\xE9seau.iob",
        "\xFF\xFE",
        "cut\xC3",
        "\xE0\x80\x80overlong",
        "\xED\xA0\x80surrogate",
        "\xF4\x90\x80\x80"
        "beyond",
        "\xF0\x9F\x98\x80\xE9",  // a pair of surrogates, then an escape
        "\xEF\xBB\xBFnet.iob",   // a byte order mark, which Qt would drop
        "\xEF\xBF\xBD.iob",      // U+FFFD itself
        "",
    };
    for (const std::string& name : names) EXPECT_EQ(FileNameOf(FieldTextOf(name)), name) << name;
}

// The name Qt would make of r\xE9seau.iob, r\uFFFDseau.iob, holds another
// IOB file: converting it instead would be a silent wrong result.
TEST(FileNameText, ANameThatIsNotUtf8ConvertsItsOwnFileBesideIt) {
    const QTemporaryDir folder;
    const RemovedAtTheEnd removed{QFile::encodeName(folder.path()).toStdString()};
    const std::string base = removed.folder + "/r";
    WriteFile(base + "\xE9seau.iob", ReadBytes(ExamplePath("network.iob")));
    WriteFile(base + "\xEF\xBF\xBDseau.iob", ReadBytes(ExamplePath("header.iob")));
    CConvertDialog dialog(base + "\xE9seau.iob");
    dialog.show();
    const ConvertDialogControls controls(dialog);
    EXPECT_EQ(controls.outputField->text(), folder.path() + "/r" + QChar(0xDCE9) + "seau.txt");
    QStringList messages;
    ModalScript script;
    script.Then(PressOk(messages));
    QTest::mouseClick(controls.convert, Qt::LeftButton);
    EXPECT_EQ(messages,
              QStringList{"Success - the results are in " + folder.path() + "/r" + QChar(0xFFFD) + "seau.txt"});
    EXPECT_EQ(ReadFile(base + "\xE9seau.txt"), ReadBytes(ExamplePath("network.txt")).toStdString());
    EXPECT_FALSE(std::filesystem::exists(base + "\xEF\xBF\xBDseau.txt"));
    EXPECT_EQ(script.Unexpected(), QStringList());
}

}  // namespace
