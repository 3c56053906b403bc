#include "ui/AddTaskDlg.h"

#include "ui/ControlIds.h"
#include "ui/DialogTemplate.h"
#include "ui/MessageBox.h"
#include "ui/NameValidator.h"
#include "ui/layout/ControlLookup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
using namespace AddTaskDlgId;

constexpr ControlTemplate kControls[] = {
    {kName, ControlKind::Edit, "", 45, 7, 194, 12},
    {kNameLabel, ControlKind::Label, "Task name:", 7, 9, 38, 8},
    {kFrequencyPlaceholder, ControlKind::GroupBox, "", 7, 23, 232, 109},
    {CommonId::kOk, ControlKind::DefaultButton, "OK", 135, 140, 50, 14},
    {CommonId::kCancel, ControlKind::Button, "Cancel", 189, 140, 50, 14},
};
constexpr DialogTemplate kDialog = {kTemplate, "Add task to roster", 246, 161, "MS Shell Dlg", 8, kControls};
} // namespace

AddTaskDlg::AddTaskDlg(bool editMode, QWidget* parent)
    : QDialog(parent)
    , editMode(editMode)
{
    BuildFromTemplate(kDialog, *this);
    setFixedSize(size());
    nameEdit = FindControl<QLineEdit>(this, kName);
    nameEdit->setValidator(new NameValidator(nameEdit));
    connect(FindControl<QPushButton>(this, CommonId::kOk), &QPushButton::clicked, this, &AddTaskDlg::accept);
    connect(FindControl<QPushButton>(this, CommonId::kCancel), &QPushButton::clicked, this,
            &AddTaskDlg::reject);
}

void AddTaskDlg::SetName(const std::wstring& text)
{
    name = text;
}

void AddTaskDlg::SetFrequency(Frequency& edited)
{
    frequency = &edited;
    frequencyCtrl.SetFrequency(edited);
}

void AddTaskDlg::showEvent(QShowEvent* event)
{
    if (!opened) {
        opened = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

// The editor takes the place the placeholder marks in the template.
void AddTaskDlg::OnInitDialog()
{
    nameEdit->setText(QString::fromStdWString(name));
    snapshot.New(L"snapshot", L"UTF-8", L"", L"");
    frequency->SaveXml(snapshot.Root());
    QWidget* placeholder = FindControl(this, kFrequencyPlaceholder);
    QRect area = placeholder->geometry();
    delete placeholder;

    frequencyCtrl.Create(*this);
    // The panels grow to their longest texts, in a large font too; the dialog grows with them
    // rather than cut them off.
    const int wider = frequencyCtrl.MinimumWidth() - area.width();
    if (wider > 0) {
        WidenBy(wider);
        area.setWidth(area.width() + wider);
    }
    frequencyCtrl.setGeometry(area);
    frequencyCtrl.show();

    // The editor is made after the buttons but sits above them: Tab leaves the editor for OK.
    QWidget* lastInEditor = nameEdit;
    for (QWidget* w = frequencyCtrl.nextInFocusChain(); frequencyCtrl.isAncestorOf(w);
         w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            lastInEditor = w;
    auto* okButton = FindControl<QPushButton>(this, CommonId::kOk);
    setTabOrder(lastInEditor, okButton);
    setTabOrder(okButton, FindControl<QPushButton>(this, CommonId::kCancel));
}

// The buttons keep to the right edge and the name field reaches it.
void AddTaskDlg::WidenBy(int pixels)
{
    setFixedSize(width() + pixels, height());
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        button->move(button->x() + pixels, button->y());
    nameEdit->resize(nameEdit->width() + pixels, nameEdit->height());
}

// A task that is being edited may be left without a name; a new one may not. Blanks count as a
// name.
void AddTaskDlg::accept()
{
    name = nameEdit->text().toStdWString();
    if (!editMode && name.empty()) {
        MessageBox::Error(this, QStringLiteral("Please enter a name."));
        nameEdit->setFocus();
        return;
    }
    QDialog::accept();
}

// A user who tries another kind of rule and cancels must not find the task, and the printed rota,
// changed. The rule goes back once the dialog is closed, after the editor's fields have handed over
// their last values.
void AddTaskDlg::reject()
{
    QDialog::reject();
    RestoreFrequency();
}

void AddTaskDlg::RestoreFrequency()
{
    const XmlNode saved = snapshot.Root().FindChildElement(L"frequency", false);
    if (!saved.IsNull())
        frequency->LoadXml(saved);
}
