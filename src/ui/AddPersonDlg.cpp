#include "ui/AddPersonDlg.h"

#include "ui/ControlIds.h"
#include "ui/DialogTemplate.h"
#include "ui/MessageBox.h"
#include "ui/NameValidator.h"
#include "ui/layout/ControlLookup.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr ControlTemplate kControls[] = {
    {AddPersonDlgId::kName, ControlKind::Edit, "", 36, 22, 143, 12},
    {ControlTemplate::kNoId, ControlKind::Label, "Name:", 7, 25, 22, 8},
    {CommonId::kOk, ControlKind::DefaultButton, "OK", 68, 49, 50, 14},
    {CommonId::kCancel, ControlKind::Button, "Cancel", 129, 49, 50, 14},
};
constexpr DialogTemplate kDialog = {
    AddPersonDlgId::kTemplate, "Add person to roster", 186, 70, "MS Shell Dlg", 8, kControls,
};
} // namespace

AddPersonDlg::AddPersonDlg(bool editMode, QWidget* parent)
    : QDialog(parent)
    , editMode(editMode)
{
    BuildFromTemplate(kDialog, *this);
    setFixedSize(size());
    nameEdit = FindControl<QLineEdit>(this, AddPersonDlgId::kName);
    nameEdit->setValidator(new NameValidator(nameEdit));
    connect(FindControl<QPushButton>(this, CommonId::kOk), &QPushButton::clicked, this,
            &AddPersonDlg::accept);
    connect(FindControl<QPushButton>(this, CommonId::kCancel), &QPushButton::clicked, this,
            &AddPersonDlg::reject);
}

void AddPersonDlg::SetName(const std::wstring& text)
{
    name = text;
}

void AddPersonDlg::showEvent(QShowEvent* event)
{
    if (!opened) {
        opened = true;
        nameEdit->setText(QString::fromStdWString(name));
    }
    QDialog::showEvent(event);
}

// An empty name is refused whether a person is added or renamed; blanks count as a name.
void AddPersonDlg::accept()
{
    name = nameEdit->text().toStdWString();
    if (name.empty()) {
        MessageBox::Error(this, QStringLiteral("Please enter a name."));
        nameEdit->setFocus();
        return;
    }
    QDialog::accept();
}
