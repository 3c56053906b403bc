#include "ui/FrequencyCtrl.h"

#include "ui/ControlIds.h"
#include "ui/DialogTemplate.h"
#include "ui/FrequencyCtrlDetails.h"
#include "ui/WordEllipsisLabel.h"
#include "ui/layout/ControlLookup.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {
using namespace FrequencyCtrlId;

constexpr ControlTemplate kControls[] = {
    {kDoTaskLabel, ControlKind::Label, "Do task", 7, 7, 25, 8},
    {kKind, ControlKind::DropDownList, "", 38, 7, 97, 16},
    {kDetailsBox, ControlKind::GroupBox, "", 7, 32, 239, 56},
    {kDescription, ControlKind::EllipsisLabel, "", 7, 23, 239, 8},
};
constexpr DialogTemplate kDialog = {kTemplate, nullptr, 253, 88, "MS Shell Dlg", 8, kControls};
} // namespace

FrequencyCtrl::FrequencyCtrl()
{
    installEventFilter(this);
}

void FrequencyCtrl::SetFrequency(Frequency& edited)
{
    frequency = &edited;
}

void FrequencyCtrl::Create(QWidget& host)
{
    setParent(&host, Qt::Widget);
    const DialogUnits units = BuildFromTemplate(kDialog, *this);
    kindCombo = FindControl<QComboBox>(this, kKind);
    description = FindControl<WordEllipsisLabel>(this, kDescription);
    OnInitDialog();
    BuildLayout(units);
    connect(kindCombo, &QComboBox::currentIndexChanged, this, &FrequencyCtrl::OnKindSelChange);
}

void FrequencyCtrl::OnInitDialog()
{
    bool panelShown = false;
    for (const Frequency::Kind& entry : frequency->kinds) {
        kindCombo->addItem(
            QString::fromWCharArray(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
        entry.kind->CreateDetailsPanel(*this);
        Track(entry.kind->Changed.connect([this](FrequencyBase* kind) { OnFrequencyChanged(kind); }));
        if (QWidget* window = PanelWindow(entry)) {
            window->installEventFilter(this);
            window->setVisible(!panelShown);
            panelShown = true;
        }
    }
    kindCombo->setCurrentIndex(frequency->selected);
    OnKindSelChange();
    UpdateDescription();
}

// The details panels share the area of the frame: only the visible one takes space in it.
void FrequencyCtrl::BuildLayout(const DialogUnits& units)
{
    auto root = CreateRoot(Vertical, units.Y(3));
    auto kindRow = NewPane(Horizontal, Greedy, units.X(6));
    kindRow->Add(NewItem(kDoTaskLabel, FixedWidth | FixedHeight | AlignTop | AlignBottom), FixedWidth, 0);
    kindRow->Add(NewItem(kKind, FixedWidth | FixedHeight), FixedWidth, 0);
    root->Add(kindRow, FixedHeight, 0);
    root->Add(NewItem(kDescription, FixedHeight), FixedHeight, 0);

    auto details = NewPaneCtrl(kDetailsBox, Vertical, Greedy, 0, units.X(2), units.Y(2));
    for (const Frequency::Kind& entry : frequency->kinds) {
        if (QWidget* window = PanelWindow(entry))
            details->Add(NewItem(window, Greedy, 0, 0, -1, -1, true), Greedy, 0);
    }
    root->Add(details, Greedy, 0);
    UpdateLayout();
}

void FrequencyCtrl::OnKindSelChange()
{
    frequency->selected = kindCombo->currentIndex();
    for (std::size_t i = 0; i < frequency->kinds.size(); ++i) {
        if (QWidget* window = PanelWindow(frequency->kinds[i]))
            window->setVisible(static_cast<std::int32_t>(i) == frequency->selected);
    }
    UpdateLayout();
    UpdateDescription();
}

void FrequencyCtrl::OnFrequencyChanged(FrequencyBase*)
{
    if (kindCombo->currentIndex() >= 0)
        frequency->selected = kindCombo->currentIndex();
    UpdateDescription();
}

void FrequencyCtrl::UpdateDescription()
{
    description->setText(QString::fromStdWString(frequency->GetDescription()));
}

// The editor and its panels are dialogs too, and a dialog closes itself on Escape: swallowed
// here, Escape closes neither a panel nor, through the editor, the host. Enter goes on to the host,
// whose default button it presses as it does anywhere else in the host.
bool FrequencyCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape)
            return true;
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && QWidget::window() != this) {
            QCoreApplication::sendEvent(QWidget::window(), event);
            return true;
        }
    }
    return LayoutDialog::eventFilter(watched, event);
}

QWidget* FrequencyCtrl::PanelWindow(const Frequency::Kind& entry) const
{
    const auto* details = dynamic_cast<const FrequencyCtrlDetails*>(entry.kind->GetDetailsPanel());
    return details ? details->Window() : nullptr;
}
