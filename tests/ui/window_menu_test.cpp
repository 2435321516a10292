// The window menu stand-in of the main dialog, the About box it opens and
// the frame both dialogs ask for.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QWindow>

#include "app_icon.h"
#include "convert_dialog_fixture.h"
#include "window_icon.h"

namespace {

QMenu* AsMenu(QWidget* window) {
    auto* menu = qobject_cast<QMenu*>(window);
    if (menu == nullptr) ADD_FAILURE() << "expected a menu, got " << window->metaObject()->className();
    return menu;
}

// Notes the entries of the menu ("-" for a separator) and dismisses it.
ModalScript::Step ReadMenu(QStringList& entries) {
    return [&entries](QWidget* window) {
        QMenu* menu = AsMenu(window);
        if (menu == nullptr) return;
        for (QAction* action : menu->actions()) entries.append(action->isSeparator() ? "-" : action->text());
        menu->close();
    };
}

ModalScript::Step Choose(const QString& entry) {
    return [entry](QWidget* window) {
        QMenu* menu = AsMenu(window);
        if (menu == nullptr) return;
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
                return;
            }
        }
        ADD_FAILURE() << "no entry " << entry.toStdString();
        menu->close();
    };
}

struct SeenAbout {
    QString title;
    Qt::WindowFlags flags;
    QPoint centre;
    QImage picture;
    QStringList texts;
};

// Notes the About box and ends it with `key`, or with "OK" for Qt::Key_unknown.
ModalScript::Step ReadAbout(SeenAbout& seen, Qt::Key key) {
    return [&seen, key](QWidget* window) {
        seen.title = window->windowTitle();
        seen.flags = window->windowHandle()->flags();
        seen.centre = window->frameGeometry().center();
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->pixmap().isNull()) {
                seen.texts.append(label->text());
            } else {
                seen.picture = label->pixmap().toImage();
            }
        }
        if (key == Qt::Key_unknown) {
            QTest::mouseClick(window->findChild<QPushButton*>(), Qt::LeftButton);
        } else {
            QTest::keyClick(window, key);
        }
    };
}

// Through the window, as the platform delivers it, so that Qt makes the context menu event.
void RightClick(QWidget& window) {
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
}

// No Minimize: the frame has no minimise box.
const QStringList kWindowMenu = {"&Close", "-", "&About IobToQuorvane..."};

// What the frame asks of the window manager, as the platform is given it.
void ExpectACloseButtonOnly(Qt::WindowFlags flags) {
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    for (Qt::WindowType wanted :
         {Qt::CustomizeWindowHint, Qt::WindowTitleHint, Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint}) {
        EXPECT_TRUE(flags.testFlag(wanted)) << std::hex << wanted;
    }
    for (Qt::WindowType unwanted :
         {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint,
          Qt::WindowFullscreenButtonHint, Qt::WindowShadeButtonHint, Qt::FramelessWindowHint}) {
        EXPECT_FALSE(flags.testFlag(unwanted)) << std::hex << unwanted;
    }
}

}  // namespace

TEST_F(ConvertDialogTest, RightClickOffersTheWindowCommandsAndTheAboutEntryBelowASeparator) {
    QStringList entries;
    script_.Then(ReadMenu(entries));
    RightClick(dialog_);
    EXPECT_EQ(entries, kWindowMenu);
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, FrameAsksForACloseButtonOnly) { ExpectACloseButtonOnly(dialog_.windowHandle()->flags()); }

TEST_F(ConvertDialogTest, MenuKeyOpensTheWindowMenu) {
    QStringList entries;
    script_.Then(ReadMenu(entries));
    // What the platform sends for the Menu key.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(0, 0), dialog_.mapToGlobal(QPoint(0, 0)),
                              Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog_, &menuKey);
    EXPECT_EQ(entries, kWindowMenu);
}

TEST_F(ConvertDialogTest, ShiftF10OpensTheWindowMenuFromAField) {
    QStringList entries;
    script_.Then(ReadMenu(entries));
    QTest::keyClick(controls_.iobField, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(entries, kWindowMenu);
}

TEST_F(ConvertDialogTest, AboutEntryOpensTheAboutBoxCentredOverTheDialogAndOkClosesIt) {
    SeenAbout about;
    script_.Then(Choose("&About IobToQuorvane...")).Then(ReadAbout(about, Qt::Key_unknown));
    RightClick(dialog_);
    EXPECT_EQ(about.title, "About IOB To Quorvane");
    const QPoint offset = about.centre - dialog_.frameGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 2);
    EXPECT_LE(std::abs(offset.y()), 2);
    EXPECT_TRUE(dialog_.isVisible());
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, AboutBoxClosesWithEscapeAndLeavesTheDialogUnchanged) {
    Type(controls_.iobField, "typed.iob");
    SeenAbout about;
    script_.Then(Choose("&About IobToQuorvane...")).Then(ReadAbout(about, Qt::Key_Escape));
    RightClick(dialog_);
    EXPECT_EQ(about.title, "About IOB To Quorvane");
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_EQ(controls_.iobField->text(), "typed.iob");
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, AboutBoxNamesTheVersionWhatTheProgramDoesAndItsLicence) {
    SeenAbout about;
    script_.Then(Choose("&About IobToQuorvane...")).Then(ReadAbout(about, Qt::Key_Escape));
    RightClick(dialog_);
    EXPECT_EQ(about.texts, (QStringList{"IobToQuorvane " IOB_PROJECT_VERSION,
                                        "Converts GeoLab IOB files into QUORVANE input files", "MIT License"}));
}

TEST_F(ConvertDialogTest, AboutBoxFrameAsksForACloseButtonOnly) {
    SeenAbout about;
    script_.Then(Choose("&About IobToQuorvane...")).Then(ReadAbout(about, Qt::Key_Escape));
    RightClick(dialog_);
    ExpectACloseButtonOnly(about.flags);
}

TEST_F(ConvertDialogTest, AboutBoxShowsTheApplicationIcon) {
    SeenAbout about;
    script_.Then(Choose("&About IobToQuorvane...")).Then(ReadAbout(about, Qt::Key_Escape));
    RightClick(dialog_);
    EXPECT_EQ(about.picture.convertToFormat(QImage::Format_ARGB32),
              AppIcon().pixmap(kAppIconSize, kAppIconSize).toImage().convertToFormat(QImage::Format_ARGB32));
}

TEST_F(ConvertDialogTest, CloseEntryEndsTheDialog) {
    script_.Then(Choose("&Close"));
    RightClick(dialog_);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
}
