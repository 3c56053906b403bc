#include "ui/AwayDlg.h"

#include "ui/DateConversion.h"
#include "ui/MessageBox.h"

#include "recurrence/Today.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QDateEdit* DateField(QWidget* parent)
{
    auto* field = new QDateEdit(parent);
    field->setCalendarPopup(true);
    field->setDisplayFormat(ShortDateFormat());
    field->setDateRange(EarliestFieldDate(), LatestFieldDate());
    return field;
}

QString PeriodText(const AwayPeriod& period)
{
    const QString format = ShortDateFormat();
    return ToFieldDate(period.from).toString(format) + QStringLiteral(" \u2013 ")
        + ToFieldDate(period.until).toString(format);
}
} // namespace

AwayDlg::AwayDlg(Person& person, QWidget* parent)
    : QDialog(parent)
    , person(person)
    , periods(person.GetAway())
{
    setWindowTitle(QStringLiteral("Away"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Days %1 takes no turns (first and last day included):")
                                   .arg(QString::fromStdWString(person.GetName())),
                               this);
    caption->setWordWrap(true);
    layout->addWidget(caption);
    auto* listRow = new QHBoxLayout;
    periodList = new QListWidget(this);
    listRow->addWidget(periodList, 1);
    listRow->addWidget(ButtonColumn());
    layout->addLayout(listRow, 1);
    layout->addWidget(FieldRow());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(periodList, &QListWidget::itemSelectionChanged, this, &AwayDlg::OnSelectionChanged);
    FillList();
    OnSelectionChanged();
}

// A new period starts today, the likeliest day for someone to say they will be away. The hint ties
// the fields to the buttons, which act on them.
QWidget* AwayDlg::FieldRow()
{
    auto* box = new QGroupBox(QStringLiteral("Period"), this);
    auto* layout = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    fromField = DateField(box);
    untilField = DateField(box);
    fromField->setDate(ToFieldDate(Today()));
    untilField->setDate(ToFieldDate(Today()));
    auto* fromLabel = new QLabel(QStringLiteral("&From:"), box);
    auto* untilLabel = new QLabel(QStringLiteral("&Until:"), box);
    fromLabel->setBuddy(fromField);
    untilLabel->setBuddy(untilField);
    for (QWidget* control : std::initializer_list<QWidget*>{fromLabel, fromField, untilLabel, untilField})
        row->addWidget(control);
    row->addStretch();
    layout->addLayout(row);
    auto* hint = new QLabel(
        QStringLiteral("Choose the first and the last day away, then Add them as a new period or Change the "
                       "selected one to them."),
        box);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    return box;
}

QWidget* AwayDlg::ButtonColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    addButton = new QPushButton(QStringLiteral("Add"), column);
    changeButton = new QPushButton(QStringLiteral("Change"), column);
    removeButton = new QPushButton(QStringLiteral("Remove"), column);
    addButton->setToolTip(QStringLiteral("Adds the period of the From and Until fields"));
    changeButton->setToolTip(
        QStringLiteral("Gives the selected period the dates of the From and Until fields"));
    for (QPushButton* button : {addButton, changeButton, removeButton})
        layout->addWidget(button);
    layout->addStretch();
    connect(addButton, &QPushButton::clicked, this, &AwayDlg::OnAdd);
    connect(changeButton, &QPushButton::clicked, this, &AwayDlg::OnChange);
    connect(removeButton, &QPushButton::clicked, this, &AwayDlg::OnRemove);
    return column;
}

void AwayDlg::FillList()
{
    periodList->clear();
    for (const AwayPeriod& period : periods)
        periodList->addItem(PeriodText(period));
}

bool AwayDlg::EnteredPeriod(AwayPeriod& period)
{
    period = {FromFieldDate(fromField->date()), FromFieldDate(untilField->date())};
    if (period.until < period.from) {
        MessageBox::Error(this, QStringLiteral("The first day away must not be after the last day away."));
        return false;
    }
    return true;
}

void AwayDlg::OnAdd()
{
    AwayPeriod period;
    if (!EnteredPeriod(period))
        return;
    periods.push_back(period);
    FillList();
    periodList->setCurrentRow(periodList->count() - 1);
}

void AwayDlg::OnChange()
{
    const int row = periodList->currentRow();
    AwayPeriod period;
    if (row < 0 || !EnteredPeriod(period))
        return;
    periods[static_cast<std::size_t>(row)] = period;
    FillList();
    periodList->setCurrentRow(row);
}

void AwayDlg::OnRemove()
{
    const int row = periodList->currentRow();
    if (row < 0)
        return;
    periods.erase(periods.begin() + row);
    FillList();
}

// The fields take the selected period, ready to be changed.
void AwayDlg::OnSelectionChanged()
{
    const int row = periodList->currentRow();
    const bool selected = row >= 0 && periodList->item(row)->isSelected();
    changeButton->setEnabled(selected);
    removeButton->setEnabled(selected);
    if (!selected)
        return;
    const AwayPeriod& period = periods[static_cast<std::size_t>(row)];
    fromField->setDate(ToFieldDate(period.from));
    untilField->setDate(ToFieldDate(period.until));
}

void AwayDlg::accept()
{
    person.SetAway(periods);
    QDialog::accept();
}
