// The dialogs as laid out from their templates: every text fits its
// control, no controls overlap and the template's proportions hold, in
// the default font and in a much larger one.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

#include "about_dialog.h"
#include "app_icon.h"
#include "convert_dialog.h"
#include "convert_dialog_controls.h"
#include "progress_window.h"
#include "window_icon.h"

namespace {

void ExpectEveryTextFits(QDialog& dialog) {
    dialog.show();
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const QFontMetrics metrics = label->fontMetrics();
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
        EXPECT_LE(metrics.height(), label->contentsRect().height()) << label->text().toStdString();
    }
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.features = button->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        EXPECT_LE(text.width() + margin, contents.width()) << button->text().toStdString();
        EXPECT_LE(text.height(), contents.height()) << button->text().toStdString();
    }
}

void ExpectNoControlsOverlap(QDialog& dialog) {
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(dialog.rect().contains(controls[i]->geometry()));
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry())) << i << " and " << j;
        }
    }
}

// Restores the application font when the test ends.
class LargeFont {
public:
    LargeFont() : saved_(QApplication::font()) {
        QFont large = saved_;
        large.setPointSizeF(saved_.pointSizeF() * 1.6);
        QApplication::setFont(large);
    }
    ~LargeFont() { QApplication::setFont(saved_); }

private:
    QFont saved_;
};

std::unique_ptr<CAboutDialog> MakeAbout(QWidget* parent) { return std::make_unique<CAboutDialog>(AppIcon(), parent); }

}  // namespace

TEST(ConvertDialogLayout, EveryStaticTextAndButtonTextFits) {
    CConvertDialog dialog;
    ExpectEveryTextFits(dialog);
}

// The dialog names every record type the converter converts.
TEST(ConvertDialogLayout, RecordListNamesWhatIsConverted) {
    CConvertDialog dialog;
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("'IOB' File records currently supported include: TITL, ELIP, LUNT, PLH, PLO, DXYZ, COV, "
                               "WGT, GENC, CORR, ELEM, END"));
}

// A screen reader announces each field by the text before it.
TEST(ConvertDialogLayout, FieldsAreNamedByTheirLabels) {
    CConvertDialog dialog;
    const ConvertDialogControls controls(dialog);
    EXPECT_EQ(controls.iobField->accessibleName(), "Enter the name of the 'IOB' File:");
    EXPECT_EQ(controls.outputField->accessibleName(),
              "Enter the name of the QUORVANE ASCII (Text) file to create from data in the 'IOB' file:");
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            EXPECT_EQ(label->buddy()->accessibleName(), label->text());
        }
    }
}

// Both Browse buttons say "Browse...": a screen reader tells them apart by
// their names, and names the progress bar, which has no text.
TEST(ConvertDialogLayout, BrowseButtonsAndTheProgressBarHaveNamesOfTheirOwn) {
    CConvertDialog dialog;
    const ConvertDialogControls controls(dialog);
    EXPECT_EQ(controls.browseIob->accessibleName(), "Browse for the IOB file");
    EXPECT_EQ(controls.browseOutput->accessibleName(), "Browse for the QUORVANE file");
    EXPECT_EQ(controls.convert->accessibleName(), "");
    const CProgressWindow progress("Converting net.iob", &dialog);
    const auto* bar = progress.findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->accessibleName(), "Conversion progress");
}

TEST(ConvertDialogLayout, NoControlsOverlap) {
    CConvertDialog dialog;
    ExpectNoControlsOverlap(dialog);
}

TEST(ConvertDialogLayout, TextsStillFitInALargerFont) {
    LargeFont font;
    CConvertDialog dialog;
    ExpectEveryTextFits(dialog);
    ExpectNoControlsOverlap(dialog);
}

TEST(ConvertDialogLayout, ControlsKeepTheTemplatesProportions) {
    CConvertDialog dialog;
    const auto buttons = dialog.findChildren<QPushButton*>();
    const auto fields = dialog.findChildren<QLineEdit*>();
    // "Browse..." starts at 353 of 400 units, the fields at 7 and are 336 wide.
    EXPECT_NEAR(buttons[0]->x() / double(dialog.width()), 353.0 / 400, 0.005);
    EXPECT_NEAR(fields[0]->width() / double(dialog.width()), 336.0 / 400, 0.005);
    // The output field is 150 of 207 units down, the check box beneath it 170, "Close" 185.
    EXPECT_NEAR(fields[1]->y() / double(dialog.height()), 150.0 / 207, 0.005);
    const QCheckBox* box = ConvertDialogControls(dialog).syntaxBox;
    EXPECT_NEAR(box->y() / double(dialog.height()), 170.0 / 207, 0.005);
    EXPECT_EQ(box->x(), fields[1]->x());
    EXPECT_NEAR(buttons[3]->y() / double(dialog.height()), 185.0 / 207, 0.005);
    EXPECT_EQ(buttons[1]->x(), buttons[3]->x());
}

TEST(AboutDialogLayout, OkTextFitsAndTheIconKeepsItsSize) {
    CConvertDialog owner;
    auto about = MakeAbout(&owner);
    ExpectEveryTextFits(*about);
    ExpectNoControlsOverlap(*about);
    QLabel* icon = about->findChild<QLabel*>();
    EXPECT_EQ(icon->size(), QSize(32, 32));
}

TEST(AboutDialogLayout, TextsStillFitInALargerFont) {
    LargeFont font;
    CConvertDialog owner;
    auto about = MakeAbout(&owner);
    ExpectEveryTextFits(*about);
    ExpectNoControlsOverlap(*about);
}

// 235 x 55 units of the dialog's font, unless a text needs more.
TEST(AboutDialogLayout, KeepsTheTemplatesSizeWhenTheTextsFit) {
    CConvertDialog owner;
    auto about = MakeAbout(&owner);
    const QFontMetricsF metrics(about->font());
    const double unit = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52 / 4;
    ASSERT_LE(metrics.horizontalAdvance("Converts GeoLab IOB files into QUORVANE input files"), 188 * unit);
    EXPECT_EQ(about->size(),
              QSize(static_cast<int>(std::ceil(235 * unit)), static_cast<int>(std::ceil(55 * metrics.height() / 8))));
}

TEST(AboutDialogLayout, OkIsTheDefaultButton) {
    CConvertDialog owner;
    auto about = MakeAbout(&owner);
    EXPECT_TRUE(about->findChild<QPushButton*>()->isDefault());
    EXPECT_EQ(about->findChild<QPushButton*>()->text(), "OK");
}
