#include "ui/DialogTemplate.h"

#include "ui/CCheckedEdit.h"
#include "ui/WordEllipsisLabel.h"
#include "ui/layout/ControlLookup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {
// The average is taken over the letters of the alphabet, both cases, and rounded to whole
// pixels, as the dialogs were designed with.
int AverageCharWidth(const QFontMetrics& metrics)
{
    const int extent
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (extent / 26 + 1) / 2;
}

int Scale(int units, int base, int unitsPerBase)
{
    return (units * base + unitsPerBase / 2) / unitsPerBase;
}

bool IsShellDialogFace(const char* face)
{
    return face == nullptr || std::strcmp(face, "MS Shell Dlg") == 0
        || std::strcmp(face, "MS Sans Serif") == 0;
}

QWidget* NewControl(const ControlTemplate& control, QWidget* parent)
{
    const QString text = QString::fromUtf8(control.text ? control.text : "");
    switch (control.kind) {
    case ControlKind::Label:
        return new QLabel(text, parent);
    case ControlKind::EllipsisLabel:
        return new WordEllipsisLabel(text, parent);
    case ControlKind::Edit:
        return new QLineEdit(text, parent);
    case ControlKind::CheckedEdit:
        return new CCheckedEdit(parent);
    case ControlKind::Button:
        return new QPushButton(text, parent);
    case ControlKind::DefaultButton: {
        auto* button = new QPushButton(text, parent);
        button->setDefault(true);
        return button;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, parent);
    case ControlKind::DropDownList:
        return new QComboBox(parent);
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::RadioButton:
        return new QRadioButton(text, parent);
    case ControlKind::DatePicker: {
        auto* picker = new QDateEdit(parent);
        picker->setCalendarPopup(true);
        return picker;
    }
    case ControlKind::IconList: {
        auto* list = new QListWidget(parent);
        list->setViewMode(QListView::IconMode);
        return list;
    }
    case ControlKind::ReportList: {
        auto* list = new QTreeWidget(parent);
        list->setRootIsDecorated(false);
        return list;
    }
    case ControlKind::ListBox:
        return new QListWidget(parent);
    case ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignCenter);
        return picture;
    }
    }
    return nullptr;
}

bool IsCaption(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

// A drop-down list's template height includes its open list; only the width applies to the field.
// Captions were measured in the font the dialogs were designed with; where the font in use needs
// more room for a text, its control grows to it rather than cut the text off.
QRect ControlRect(const ControlTemplate& control, const QWidget& widget, const DialogUnits& units)
{
    QRect rect = units.Rect(control.x, control.y, control.width, control.height);
    if (control.kind == ControlKind::DropDownList)
        rect.setHeight(widget.sizeHint().height());
    if (IsCaption(control.kind))
        rect.setWidth(std::max(rect.width(), widget.sizeHint().width()));
    return rect;
}

// A caption keeps its distance from the control to its right on the same line: that control
// gives up the start of its width when the caption has grown into it.
void KeepCaptionsClear(const std::vector<std::pair<ControlKind, QWidget*>>& controls,
                       const DialogUnits& units)
{
    for (const auto& [kind, caption] : controls) {
        if (!IsCaption(kind))
            continue;
        const QRect text = caption->geometry();
        const int clear = text.right() + 1 + units.X(kCaptionGap);
        for (const auto& [otherKind, other] : controls) {
            QRect rect = other->geometry();
            const bool sameLine = rect.top() <= text.bottom() && rect.bottom() >= text.top();
            if (other == caption || !sameLine || rect.left() <= text.left() || rect.left() >= clear)
                continue;
            rect.setLeft(clear);
            other->setGeometry(rect);
        }
    }
}
} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    baseX = AverageCharWidth(metrics);
    baseY = metrics.height();
}

int DialogUnits::X(int units) const
{
    return Scale(units, baseX, 4);
}

int DialogUnits::Y(int units) const
{
    return Scale(units, baseY, 8);
}

QSize DialogUnits::Size(int width, int height) const
{
    return {X(width), Y(height)};
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const
{
    return {QPoint(X(x), Y(y)), Size(width, height)};
}

QFont DialogFont(const DialogTemplate& dialogTemplate)
{
    if (IsShellDialogFace(dialogTemplate.fontFace))
        return QApplication::font();
    QFont font(QString::fromUtf8(dialogTemplate.fontFace));
    font.setPointSize(dialogTemplate.pointSize);
    return font;
}

DialogUnits BuildFromTemplate(const DialogTemplate& dialogTemplate, QWidget& widget)
{
    widget.setFont(DialogFont(dialogTemplate));
    SetControlId(&widget, dialogTemplate.id);
    if (dialogTemplate.caption)
        widget.setWindowTitle(QString::fromUtf8(dialogTemplate.caption));

    const DialogUnits units(widget.font());
    widget.resize(units.Size(dialogTemplate.width, dialogTemplate.height));
    std::vector<std::pair<ControlKind, QWidget*>> created;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* child = NewControl(control, &widget);
        if (control.id != ControlTemplate::kNoId)
            SetControlId(child, control.id);
        child->setGeometry(ControlRect(control, *child, units));
        child->show();
        created.emplace_back(control.kind, child);
    }
    KeepCaptionsClear(created, units);
    return units;
}
