// The two Browse buttons: the file dialog they open, what a choice puts
// into the fields and what Cancel leaves.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListView>
#include <QScreen>
#include <QTreeView>

#include <iob/string_table.h>

#include "app_icon.h"
#include "browse_file_dialog.h"
#include "browse_placement.h"
#include "convert_dialog_fixture.h"
#include "test_files.h"
#include "window_icon.h"

using namespace iob;

namespace {

struct SeenFileDialog {
    QString title;
    QString directory;
    QStringList filters;
    QString currentFilter;
    QRect frame;
    QSize size;
    QImage icon;
};

QFileDialog* AsFileDialog(QWidget* window, SeenFileDialog& seen) {
    auto* dialog = qobject_cast<CBrowseFileDialog*>(window);
    if (dialog == nullptr) {
        ADD_FAILURE() << "expected a browse dialog, got " << window->metaObject()->className();
        window->close();
        return nullptr;
    }
    seen.title = dialog->windowTitle();
    seen.directory = dialog->directory().absolutePath();
    const auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    for (int i = 0; i < types->count(); ++i) seen.filters.append(types->itemText(i));
    seen.currentFilter = types->currentText();
    seen.frame = dialog->frameGeometry();
    seen.size = dialog->size();
    seen.icon = dialog->windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    return dialog;
}

// Types `path` as the file name and presses Enter, as a user naming a file does.
ModalScript::Step ChooseFile(const QString& path, SeenFileDialog& seen) {
    return [path, &seen](QWidget* window) {
        QFileDialog* dialog = AsFileDialog(window, seen);
        if (dialog == nullptr) return;
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    };
}

ModalScript::Step Cancel(SeenFileDialog& seen) {
    return [&seen](QWidget* window) {
        if (AsFileDialog(window, seen) != nullptr) QTest::keyClick(window, Qt::Key_Escape);
    };
}

// The names the file dialog lists in its folder once it has read it.
QStringList ListedNames(QFileDialog& dialog, int expected) {
    auto* list = dialog.findChild<QListView*>("listView");
    QStringList names;
    const bool listed = QTest::qWaitFor(
        [&] {
            names.clear();
            for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
                names.append(list->model()->index(row, 0, list->rootIndex()).data().toString());
            }
            return names.size() >= expected;
        },
        2000);
    EXPECT_TRUE(listed);
    names.sort();
    return names;
}

}  // namespace

TEST_F(ConvertDialogTest, BrowseIobFillsTheIobFieldAndKeepsTheTypedOutputName) {
    WriteBytes(Path("Job1.IOB"), " END\r\n");
    Type(controls_.outputField, "typed output.txt");
    SeenFileDialog seen;
    script_.Then(ChooseFile(Path("Job1.IOB"), seen));
    QTest::mouseClick(controls_.browseIob, Qt::LeftButton);
    EXPECT_EQ(seen.title, "Select IOB File");
    EXPECT_EQ(controls_.iobField->text(), Path("Job1.IOB"));
    EXPECT_EQ(controls_.outputField->text(), "typed output.txt");
    ExpectScriptDone();
}

// A proposal left as it was follows the next IOB file; a ".txt" one would propose itself.
TEST_F(ConvertDialogTest, BrowseIobProposesTheOutputNameForABlankFieldAndFollowsItsOwnProposal) {
    Type(controls_.outputField, " ");
    // The IOB file's dialog takes only files that exist.
    WriteBytes(Path("Job1.IOB"), "");
    WriteBytes(Path("Job2.TXT"), "");
    SeenFileDialog first, second;
    script_.Then(ChooseFile(Path("Job1.IOB"), first)).Then(ChooseFile(Path("Job2.TXT"), second));
    QTest::mouseClick(controls_.browseIob, Qt::LeftButton);
    EXPECT_EQ(controls_.outputField->text(), Path("Job1.txt"));
    QTest::mouseClick(controls_.browseIob, Qt::LeftButton);
    EXPECT_EQ(controls_.outputField->text(), "");
}

TEST_F(ConvertDialogTest, BrowseOutputTakesANewNameWithoutAddingAnExtensionAndKeepsTheTypedIobName) {
    Type(controls_.iobField, "typed.iob");
    SeenFileDialog seen;
    script_.Then(ChooseFile(Path("New Output"), seen));
    QTest::mouseClick(controls_.browseOutput, Qt::LeftButton);
    EXPECT_EQ(seen.title, "Enter/Select An Output File");
    EXPECT_EQ(controls_.outputField->text(), Path("New Output"));
    EXPECT_EQ(controls_.iobField->text(), "typed.iob");
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, BrowseOutputTakesAnExistingFileWithoutAskingToReplaceIt) {
    WriteBytes(Path("old.txt"), "old\r\n");
    SeenFileDialog seen;
    script_.Then(ChooseFile(Path("old.txt"), seen));
    QTest::mouseClick(controls_.browseOutput, Qt::LeftButton);
    EXPECT_EQ(controls_.outputField->text(), Path("old.txt"));
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, BrowseOutputTakesANameInAFolderThatDoesNotExist) {
    SeenFileDialog seen;
    script_.Then(ChooseFile(Path("later/out.txt"), seen));
    QTest::mouseClick(controls_.browseOutput, Qt::LeftButton);
    EXPECT_EQ(controls_.outputField->text(), Path("later/out.txt"));
}

TEST_F(ConvertDialogTest, CancelledBrowseChangesNeitherField) {
    Type(controls_.iobField, " typed.iob ");
    Type(controls_.outputField, "typed.txt");
    SeenFileDialog seen;
    script_.Then(Cancel(seen));
    QTest::mouseClick(controls_.browseIob, Qt::LeftButton);
    EXPECT_EQ(controls_.iobField->text(), " typed.iob ");
    EXPECT_EQ(controls_.outputField->text(), "typed.txt");
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, EachBrowseDialogStartsInTheFolderOfItsOwnFieldsName) {
    QDir(folder_.path()).mkpath("jobs");
    QDir(folder_.path()).mkpath("results");
    Type(controls_.iobField, Path("jobs/in.iob"));
    Type(controls_.outputField, Path("results/out.txt"));
    SeenFileDialog iob, output;
    script_.Then(Cancel(iob)).Then(Cancel(output));
    QTest::mouseClick(controls_.browseIob, Qt::LeftButton);
    QTest::mouseClick(controls_.browseOutput, Qt::LeftButton);
    EXPECT_EQ(iob.directory, Path("jobs"));
    EXPECT_EQ(output.directory, Path("results"));
}

TEST_F(ConvertDialogTest, BrowseStartsInTheOtherFieldsFolderWhenItsOwnIsMissing) {
    Type(controls_.iobField, Path("gone/in.iob"));
    Type(controls_.outputField, Path("out.txt"));
    SeenFileDialog iob;
    script_.Then(Cancel(iob));
    QTest::mouseClick(controls_.browseIob, Qt::LeftButton);
    EXPECT_EQ(iob.directory, folder_.path());
}

// The test binary's folder is the build's, where the user may write.
TEST_F(ConvertDialogTest, WithBothFieldsBlankBrowseStartsInTheProgramsOwnWritableFolder) {
    SeenFileDialog output;
    script_.Then(Cancel(output));
    QTest::mouseClick(controls_.browseOutput, Qt::LeftButton);
    EXPECT_EQ(output.directory, QCoreApplication::applicationDirPath());
}

TEST_F(ConvertDialogTest, IobBrowseOffersTheIobFilterFirstThenAllFiles) {
    SeenFileDialog seen;
    script_.Then(Cancel(seen));
    QTest::mouseClick(controls_.browseIob, Qt::LeftButton);
    EXPECT_EQ(seen.filters, (QStringList{"IOB File (*.iob)", "All Files (*.*)"}));
    EXPECT_EQ(seen.currentFilter, "IOB File (*.iob)");
}

TEST_F(ConvertDialogTest, BrowseDialogIsPlacedByThePositioningRuleOverTheDesktop) {
    SeenFileDialog seen;
    script_.Then(Cancel(seen));
    QTest::mouseClick(controls_.browseIob, Qt::LeftButton);
    const QScreen* screen = QGuiApplication::primaryScreen();
    EXPECT_EQ(seen.frame.topLeft(), BrowseDialogPosition(screen->virtualGeometry(), seen.frame.size(), screen->size()));
}

TEST_F(ConvertDialogTest, BrowseDialogOpensLargeWithTheProgramsIcon) {
    SeenFileDialog seen;
    script_.Then(Cancel(seen));
    QTest::mouseClick(controls_.browseOutput, Qt::LeftButton);
    const QSize available = QGuiApplication::primaryScreen()->availableSize();
    EXPECT_EQ(seen.size, QSize(std::max(720, available.width() * 2 / 3), std::max(460, available.height() * 2 / 3)));
    EXPECT_EQ(seen.icon, AppIcon().pixmap(kAppIconSize, kAppIconSize).toImage().convertToFormat(QImage::Format_ARGB32));
}

// Long sizes, type names and dates: each column at least as wide as what it
// shows, and the last one ending inside the view.
TEST_F(ConvertDialogTest, DetailViewShowsEveryColumnWhole) {
    WriteBytes(Path("a-rather-long-survey-network-name.iob"), QByteArray(1234567, 'x'));
    WriteBytes(Path("net.txt"), "x");
    CBrowseFileDialog browse(LoadString(kMsgIobFilter), nullptr);
    browse.setDirectory(folder_.path());
    browse.selectNameFilter(browse.nameFilters().value(1));
    browse.setViewMode(QFileDialog::Detail);
    browse.show();
    ListedNames(browse, 2);
    auto* details = browse.findChild<QTreeView*>("treeView");
    QHeaderView* header = details->header();
    ASSERT_EQ(header->count(), 4);
    QTest::qWait(50);
    for (int column = 0; column < header->count(); ++column) {
        const int shown = static_cast<QAbstractItemView*>(details)->sizeHintForColumn(column);
        EXPECT_GE(header->sectionSize(column), shown) << "column " << column;
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << "heading " << column;
    }
    EXPECT_LE(header->length(), details->viewport()->width());
}

TEST_F(ConvertDialogTest, OtherFileDialogsKeepQtsInteractiveColumns) {
    { CBrowseFileDialog browse(LoadString(kMsgIobFilter), nullptr); }
    QFileDialog other;
    other.setOption(QFileDialog::DontUseNativeDialog);
    QHeaderView* header = other.findChild<QTreeView*>("treeView")->header();
    for (int column = 0; column < header->count(); ++column) {
        EXPECT_EQ(header->sectionResizeMode(column), QHeaderView::Interactive) << "column " << column;
    }
}

TEST_F(ConvertDialogTest, AllFilesListsNamesWithoutADotToo) {
    for (const char* name : {"net.iob", "README", "net.txt"}) WriteBytes(Path(name), "x");
    CBrowseFileDialog browse(LoadString(kMsgOutputFilter), nullptr);
    browse.setDirectory(folder_.path());
    browse.selectNameFilter(browse.nameFilters().value(1));
    browse.show();
    EXPECT_EQ(ListedNames(browse, 3), (QStringList{"README", "net.iob", "net.txt"}));
}
