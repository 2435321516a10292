#include "dialog_builder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "dialog_units.h"
#include "unit_growth.h"

namespace {

QWidget* MakeControl(QDialog& dialog, const ControlTemplate& control, const QPixmap& icon) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::kText: {
        auto* label = new QLabel(text, &dialog);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::kEdit:
        return new QLineEdit(&dialog);
    case ControlKind::kButton:
    case ControlKind::kDefaultButton: {
        auto* button = new QPushButton(text, &dialog);
        button->setAutoDefault(false);
        button->setDefault(control.kind == ControlKind::kDefaultButton);
        return button;
    }
    case ControlKind::kIcon: {
        auto* label = new QLabel(&dialog);
        label->setPixmap(icon);
        return label;
    }
    case ControlKind::kProgressBar: {
        auto* bar = new QProgressBar(&dialog);
        bar->setRange(0, kProgressRange);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::kCheckBox:
        return new QCheckBox(text, &dialog);
    }
    return nullptr;
}

// The pixels a control's text needs, or an empty size for a control without text.
QSize RoomForText(const ControlTemplate& control, const QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::kText:
        return QSize(metrics.horizontalAdvance(text), metrics.height());
    case ControlKind::kButton:
    case ControlKind::kDefaultButton: {
        const QStyle* style = widget.style();
        const int padding = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &widget) +
                            2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget);
        return metrics.size(Qt::TextShowMnemonic, text) + QSize(padding, padding);
    }
    case ControlKind::kCheckBox: {
        // The box, the space after it, then the text.
        const QStyle* style = widget.style();
        const QSize written = metrics.size(Qt::TextShowMnemonic, text);
        const int box = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget) +
                        style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &widget);
        return QSize(box + written.width(),
                     std::max(written.height(), style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &widget)));
    }
    case ControlKind::kEdit:
    case ControlKind::kIcon:
    case ControlKind::kProgressBar:
        break;
    }
    return QSize();
}

DialogUnits FittingUnits(const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& widgets,
                         const DialogUnits& base) {
    const auto room = [&](std::size_t i) {
        const QSize size = RoomForText(dialogTemplate.controls[i], *widgets[i]);
        return TextRoom{static_cast<double>(size.width()), static_cast<double>(size.height())};
    };
    const UnitGrowth growth = GrowthToFit(dialogTemplate, room, base.horizontal, base.vertical);
    return DialogUnits{base.horizontal * growth.horizontal, base.vertical * growth.vertical};
}

}  // namespace

std::map<int, QWidget*> BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate, const QPixmap& icon) {
    dialog.setWindowTitle(QString::fromUtf8(dialogTemplate.title));
    std::vector<QWidget*> widgets;
    std::map<int, QWidget*> byId;
    for (const ControlTemplate& control : dialogTemplate) {
        QWidget* widget = MakeControl(dialog, control, icon);
        // A field's label is the text just before it, as on Windows: a
        // screen reader announces the field by it.
        const std::size_t index = widgets.size();
        auto* label = index > 0 && dialogTemplate.controls[index - 1].kind == ControlKind::kText
                          ? qobject_cast<QLabel*>(widgets.back())
                          : nullptr;
        if (control.kind == ControlKind::kEdit && label != nullptr) {
            label->setBuddy(widget);
            widget->setAccessibleName(label->text());
        }
        if (const char* name = ControlAccessibleName(control.id)) widget->setAccessibleName(QString::fromUtf8(name));
        widgets.push_back(widget);
        if (control.id != kIdNone) byId[control.id] = widget;
    }

    const DialogUnits units = FittingUnits(dialogTemplate, widgets, BaseUnitsOf(QFontMetricsF(dialog.font())));
    for (std::size_t i = 0; i < dialogTemplate.controlCount; ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        QRect rect = ToPixels(units, control.x, control.y, control.width, control.height);
        if (control.kind == ControlKind::kIcon) rect.setSize(icon.deviceIndependentSize().toSize());
        widgets[i]->setGeometry(rect);
    }
    dialog.setFixedSize(ToPixels(units, dialogTemplate.width, dialogTemplate.height));
    return byId;
}
