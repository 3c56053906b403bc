#include "ui/RotationDlg.h"

#include "ui/DateConversion.h"

#include "roster/Roster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <initializer_list>

namespace {
// Longer than any chore; the spin box only keeps a mistyped digit from meaning days.
constexpr int kMaxEffortMinutes = 24 * 60;

// In the order of TurnLength, so that a combo box index is the value.
const QStringList kTurnLengths = {QStringLiteral("Each due date"), QStringLiteral("One person per week"),
                                  QStringLiteral("One person per month")};

QComboBox* TurnLengthCombo(TurnLength length)
{
    auto* combo = new QComboBox;
    combo->addItems(kTurnLengths);
    combo->setCurrentIndex(static_cast<int>(length));
    return combo;
}

// The options of In turn sit indented under it, to show that they belong to it.
QHBoxLayout* IndentedRow(std::initializer_list<QWidget*> controls)
{
    auto* row = new QHBoxLayout;
    row->addSpacing(20);
    for (QWidget* control : controls)
        row->addWidget(control);
    row->addStretch();
    return row;
}

QSpinBox* EffortSpin(int minutes)
{
    auto* spin = new QSpinBox;
    spin->setRange(0, kMaxEffortMinutes);
    spin->setSpecialValueText(QStringLiteral("none"));
    spin->setValue(minutes);
    return spin;
}
} // namespace

RotationDlg::RotationDlg(Roster& roster, QWidget* parent)
    : QDialog(parent)
    , roster(roster)
{
    setWindowTitle(QStringLiteral("Rotation"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(OrderBox());
    layout->addWidget(TaskBox(), 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    ShowRoster();
    resize(520, 440);
}

QWidget* RotationDlg::OrderBox()
{
    auto* box = new QGroupBox(QStringLiteral("Who is next"), this);
    auto* layout = new QVBoxLayout(box);
    inTurn = new QRadioButton(QStringLiteral("In turn"), box);
    balanced = new QRadioButton(QStringLiteral("Balanced"), box);
    countFrom = new QCheckBox(QStringLiteral("Count the rotation from"), box);
    fromField = new QDateEdit(box);
    fromField->setCalendarPopup(true);
    fromField->setDisplayFormat(ShortDateFormat());
    fromField->setDateRange(EarliestFieldDate(), LatestFieldDate());
    staggered = new QCheckBox(QStringLiteral("Each task starts with the next person"), box);
    auto* hint
        = new QLabel(QStringLiteral("Balanced gives each due date to whoever has done the least so far, "
                                    "so it uses neither of the two options above."),
                     box);
    hint->setWordWrap(true);

    layout->addWidget(inTurn);
    layout->addLayout(IndentedRow({countFrom, fromField}));
    layout->addLayout(IndentedRow({staggered}));
    layout->addWidget(balanced);
    layout->addWidget(hint);

    connect(inTurn, &QRadioButton::toggled, this, &RotationDlg::EnableInTurnOptions);
    connect(countFrom, &QCheckBox::toggled, this, &RotationDlg::EnableInTurnOptions);
    return box;
}

QWidget* RotationDlg::TaskBox()
{
    auto* box = new QGroupBox(QStringLiteral("Tasks"), this);
    auto* layout = new QVBoxLayout(box);
    taskTable = new QTableWidget(0, 3, box);
    taskTable->setHorizontalHeaderLabels(
        {QStringLiteral("Task"), QStringLiteral("Turn length"), QStringLiteral("Effort (minutes)")});
    taskTable->verticalHeader()->hide();
    taskTable->setSelectionMode(QAbstractItemView::NoSelection);
    taskTable->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    taskTable->horizontalHeader()->setSectionResizeMode(TurnLengthColumn, QHeaderView::ResizeToContents);
    taskTable->horizontalHeader()->setSectionResizeMode(EffortColumn, QHeaderView::ResizeToContents);
    layout->addWidget(taskTable);
    return box;
}

void RotationDlg::ShowRoster()
{
    const Date from = roster.GetRotationFrom();
    countFrom->setChecked(!from.is_not_a_date());
    // Without a date of its own the field offers today, the usual start of a rotation.
    fromField->setDate(ToFieldDate(from));
    staggered->setChecked(roster.IsStaggered());
    (roster.GetAssignment() == Assignment::Balanced ? balanced : inTurn)->setChecked(true);
    taskTable->setRowCount(static_cast<int>(roster.TaskCount()));
    for (int row = 0; row < taskTable->rowCount(); ++row)
        ShowTaskRow(row);
    EnableInTurnOptions();
}

void RotationDlg::ShowTaskRow(int row)
{
    const Task& task = *roster.Tasks()[static_cast<std::size_t>(row)];
    auto* name = new QTableWidgetItem(QString::fromStdWString(task.GetName()));
    name->setFlags(Qt::ItemIsEnabled);
    taskTable->setItem(row, NameColumn, name);
    taskTable->setCellWidget(row, TurnLengthColumn, TurnLengthCombo(task.GetTurnLength()));
    taskTable->setCellWidget(row, EffortColumn, EffortSpin(task.GetEffort()));
}

void RotationDlg::EnableInTurnOptions()
{
    const bool on = inTurn->isChecked();
    countFrom->setEnabled(on);
    fromField->setEnabled(on && countFrom->isChecked());
    staggered->setEnabled(on);
}

// The options of In turn are kept as shown even under Balanced, so that going back to In turn
// finds them as they were.
void RotationDlg::accept()
{
    roster.SetRotationFrom(countFrom->isChecked() ? FromFieldDate(fromField->date()) : Date());
    roster.SetStaggered(staggered->isChecked());
    roster.SetAssignment(balanced->isChecked() ? Assignment::Balanced : Assignment::InTurn);
    WriteTasks();
    QDialog::accept();
}

void RotationDlg::WriteTasks()
{
    for (int row = 0; row < taskTable->rowCount(); ++row) {
        Task& task = *roster.Tasks()[static_cast<std::size_t>(row)];
        const auto* length = static_cast<QComboBox*>(taskTable->cellWidget(row, TurnLengthColumn));
        const auto* effort = static_cast<QSpinBox*>(taskTable->cellWidget(row, EffortColumn));
        task.SetTurnLength(static_cast<TurnLength>(length->currentIndex()));
        task.SetEffort(effort->value());
    }
}
