#include "ui/RotaWindow.h"

#include "ui/MessageBox.h"
#include "ui/QuillmereView.h"
#include "ui/RotaModel.h"
#include "ui/SaveFileDialog.h"

#include "print/ExportFileName.h"
#include "print/RosterPrintout.h"
#include "print/RotaCalendar.h"
#include "roster/PlanSummary.h"
#include "roster/RosterCollection.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <stdexcept>

namespace {
const QString kTitle = QStringLiteral("Rota");
const QString kEveryone = QStringLiteral("Everyone");
// Room for the cell's margins and the header's sort indicator around a column's widest text.
constexpr int kColumnPadding = 24;
// A long name does not push the task column out of the window; the tooltip shows it whole.
constexpr int kMaxPersonColumn = 240;

QString Text(const std::wstring& text)
{
    return QString::fromStdWString(text);
}

QString DateWithYear(const Date& day)
{
    return Text(PrintedDateText(day)) + QStringLiteral(", ") + QString::number(static_cast<int>(day.year()));
}

// Each person once, in the roster's order: two persons may share a name, and their turns count as one.
QStringList PersonNames(const Roster& roster)
{
    QStringList names;
    for (const auto& person : roster.Persons()) {
        const QString name = Text(person->GetName());
        if (!names.contains(name))
            names << name;
    }
    return names;
}
} // namespace

RotaWindow::RotaWindow(QuillmereView& view, RosterCollection& rosters, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , view(view)
    , rosters(rosters)
    , model(new RotaModel(this))
{
    setWindowTitle(kTitle);
    BuildControls();
    ConnectControls();
    resize(620, 640);
}

void RotaWindow::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    periodLabel = new QLabel(this);
    QFont bold = periodLabel->font();
    bold.setBold(true);
    periodLabel->setFont(bold);
    layout->addWidget(periodLabel);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("&Show turns of:"), this);
    personFilter = new QComboBox(this);
    personFilter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    filterLabel->setBuddy(personFilter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(personFilter);
    filterRow->addStretch();
    layout->addLayout(filterRow);

    table = new QTableView(this);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    // Rows of one fixed height let the view place any of tens of thousands of rows without measuring them.
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->setContextMenuPolicy(Qt::CustomContextMenu);

    reason = new QLabel(this);
    reason->setWordWrap(true);
    reason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    reason->setMargin(12);
    reason->setTextInteractionFlags(Qt::TextSelectableByMouse);

    pages = new QStackedWidget(this);
    pages->addWidget(table);
    pages->addWidget(reason);
    layout->addWidget(pages, 1);

    summary = new QLabel(this);
    summary->setWordWrap(true);
    layout->addWidget(summary);
    layout->addWidget(ButtonRow());
}

QWidget* RotaWindow::ButtonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    printButton = new QPushButton(QStringLiteral("&Print..."), row);
    previewButton = new QPushButton(QStringLiteral("Print Pre&view"), row);
    pdfButton = new QPushButton(QStringLiteral("E&xport PDF..."), row);
    calendarButton = new QPushButton(QStringLiteral("Export to &Calendar..."), row);
    // The pages are the main window's printout, whoever the table shows; the calendar follows the table.
    for (QPushButton* button : {printButton, previewButton, pdfButton})
        button->setToolTip(QStringLiteral("The whole roster for the period, as the main window prints it"));
    calendarButton->setToolTip(
        QStringLiteral("The turns in the table, as all-day events of a calendar file"));
    auto* closeButton = new QPushButton(QStringLiteral("Close"), row);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton* button : {printButton, previewButton, pdfButton, calendarButton})
        layout->addWidget(button);
    layout->addStretch();
    layout->addWidget(closeButton);
    return row;
}

void RotaWindow::ConnectControls()
{
    connect(&view, &QuillmereView::CurrentRosterChanged, this, &RotaWindow::Replan);
    connect(&view, &QuillmereView::PeriodChanged, this, &RotaWindow::Replan);
    connect(&view, &QuillmereView::RostersChanged, this, &RotaWindow::Replan);
    connect(personFilter, &QComboBox::currentIndexChanged, this, &RotaWindow::OnPersonChosen);
    connect(table, &QTableView::customContextMenuRequested, this, &RotaWindow::OnTableContextMenu);
    connect(printButton, &QPushButton::clicked, &view, &QuillmereView::OnFilePrint);
    connect(previewButton, &QPushButton::clicked, &view, &QuillmereView::OnFilePrintPreview);
    connect(pdfButton, &QPushButton::clicked, &view, &QuillmereView::OnFileExportPdf);
    connect(calendarButton, &QPushButton::clicked, this, &RotaWindow::OnExportCalendar);
}

void RotaWindow::ShowAndRaise()
{
    show();
    raise();
    activateWindow();
}

void RotaWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Replan();
}

// A hidden window is planned when it is shown again, not at every edit made meanwhile.
void RotaWindow::Replan()
{
    if (!isVisible())
        return;
    Roster* roster = rosters.Current();
    const QStringList problems = view.PrintProblems();
    if (!problems.isEmpty() || !roster) {
        ShowReason(problems);
        return;
    }
    if (Plan(*roster))
        ShowTable(*roster);
}

bool RotaWindow::Plan(const Roster& roster)
{
    Schedule schedule;
    try {
        schedule.Generate(roster, view.GetFromDate(), view.GetUntilDate());
    } catch (const std::out_of_range&) {
        ShowReason({QString::fromWCharArray(kRosterBeyondCalendarMessage)});
        return false;
    }
    FillPersonFilter(roster);
    model->SetEntries(schedule.Entries());
    return true;
}

void RotaWindow::ShowReason(const QStringList& problems)
{
    setWindowTitle(kTitle);
    model->SetEntries({});
    QString text = QStringLiteral("The rota cannot be planned:\n\n");
    // The print check marks only its date line; here every line is a point of the same list.
    static const QRegularExpression mark(QStringLiteral("^\u2022\\s*"));
    for (const QString& problem : problems)
        text += QStringLiteral("\u2022  ") + problem.trimmed().remove(mark) + QLatin1Char('\n');
    text += QStringLiteral("\nIt is shown here as soon as this is put right in the main window.");
    reason->setText(text);
    pages->setCurrentWidget(reason);
    periodLabel->clear();
    summary->clear();
    EnableActions(false);
}

void RotaWindow::ShowTable(const Roster& roster)
{
    setWindowTitle(kTitle + QStringLiteral(" \u2014 ") + Text(roster.GetName()));
    periodLabel->setText(QStringLiteral("%1: %2 to %3")
                             .arg(Text(roster.GetName()), DateWithYear(view.GetFromDate()),
                                  DateWithYear(view.GetUntilDate())));
    reason->clear();
    ShowSummary(roster);
    SizeColumns(roster);
    pages->setCurrentWidget(table);
    EnableActions(true);
}

// The person chosen before stays chosen while the roster has someone of that name.
void RotaWindow::FillPersonFilter(const Roster& roster)
{
    const QString chosen = personFilter->currentIndex() > 0 ? personFilter->currentText() : QString();
    fillingFilter = true;
    personFilter->clear();
    personFilter->addItem(kEveryone);
    personFilter->addItems(PersonNames(roster));
    const int index = personFilter->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive);
    personFilter->setCurrentIndex(std::max(0, index));
    fillingFilter = false;
    OnPersonChosen();
}

void RotaWindow::OnPersonChosen()
{
    if (fillingFilter)
        return;
    const bool everyone = personFilter->currentIndex() <= 0;
    model->SetPerson(everyone ? std::nullopt : std::optional(personFilter->currentText().toStdWString()));
}

// Minutes only when some task has an effort; otherwise every share would read "0 min".
void RotaWindow::ShowSummary(const Roster& roster)
{
    const bool withMinutes = std::any_of(roster.Tasks().begin(), roster.Tasks().end(),
                                         [](const auto& task) { return task->GetEffort() > 0; });
    QStringList parts;
    std::int64_t allMinutes = 0;
    for (const PersonShare& share : SummarizePlan(roster, model->Entries())) {
        QString part = QStringLiteral("%1 %2").arg(Text(share.person)).arg(share.turns);
        if (withMinutes)
            part += QStringLiteral(" (%1 min)").arg(share.minutes);
        parts << part;
        allMinutes += share.minutes;
    }
    const std::size_t turns = model->Entries().size();
    const QString all = withMinutes ? QStringLiteral("; %1 turns, %2 min in all").arg(turns).arg(allMinutes)
                                    : QStringLiteral(" (%1 in all)").arg(turns);
    summary->setText(QStringLiteral("Turns in this period: ") + parts.join(QStringLiteral(", ")) + all);
}

// Widths from the texts the columns can hold rather than from every row, which would read them all.
void RotaWindow::SizeColumns(const Roster& roster)
{
    const QFontMetrics metrics = table->fontMetrics();
    int dateWidth = metrics.horizontalAdvance(QStringLiteral("Date"));
    for (int month = 1; month <= 12; ++month)
        dateWidth
            = std::max(dateWidth, metrics.horizontalAdvance(Text(PrintedDateText(Date(2014, month, 24)))));
    int personWidth = metrics.horizontalAdvance(QStringLiteral("Person"));
    for (const QString& name : PersonNames(roster))
        personWidth = std::max(personWidth, metrics.horizontalAdvance(name));
    // Stand-ins and swaps are few, and their longer texts ("Ben (for Anna)") are measured one by one.
    for (const ScheduleEntry& entry : model->Entries()) {
        if (entry.reason != EntryReason::InTurn && entry.reason != EntryReason::Balanced)
            personWidth = std::max(personWidth, metrics.horizontalAdvance(Text(EntryPersonText(entry))));
    }
    table->setColumnWidth(RotaModel::DateColumn, dateWidth + kColumnPadding);
    table->setColumnWidth(RotaModel::PersonColumn, std::min(personWidth + kColumnPadding, kMaxPersonColumn));
}

void RotaWindow::EnableActions(bool on)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{personFilter, printButton, previewButton, pdfButton, calendarButton})
        control->setEnabled(on);
}

QString RotaWindow::SummaryText() const
{
    return summary->text();
}

QString RotaWindow::ReasonText() const
{
    return pages->currentWidget() == reason ? reason->text() : QString();
}

// A turn given by hand stays with its task and date through every later plan, until undone.
void RotaWindow::OnTableContextMenu(const QPoint& position)
{
    const QModelIndex index = table->indexAt(position);
    Roster* roster = rosters.Current();
    if (!index.isValid() || !roster)
        return;
    const ScheduleEntry entry = model->ShownEntry(index.row());
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QMenu* giveTo = menu->addMenu(QStringLiteral("Give this turn to"));
    for (const QString& name : PersonNames(*roster)) {
        if (name.toStdWString() == entry.person)
            continue;
        giveTo->addAction(name, this, [this, entry, name] {
            ChangeTurn(
                [&](Roster& changed) { changed.GiveTurn(entry.task, entry.date, name.toStdWString()); });
        });
    }
    giveTo->setEnabled(!giveTo->isEmpty());
    QAction* undo = menu->addAction(QStringLiteral("Undo swap"), this, [this, entry] {
        ChangeTurn([&](Roster& changed) { changed.UndoSwap(entry.task, entry.date); });
    });
    undo->setEnabled(entry.reason == EntryReason::Swapped);
    menu->popup(table->viewport()->mapToGlobal(position));
}

// The view tells everyone of the change, as after an edit in the main window: the program saves,
// and this window plans again.
void RotaWindow::ChangeTurn(const std::function<void(Roster&)>& change)
{
    Roster* roster = rosters.Current();
    if (!roster)
        return;
    change(*roster);
    Q_EMIT view.RostersChanged();
}

void RotaWindow::OnExportCalendar()
{
    const Roster* roster = rosters.Current();
    if (!roster || !view.ValidateForPrinting())
        return;
    std::wstring name = roster->GetName();
    if (personFilter->currentIndex() > 0)
        name += L" (" + personFilter->currentText().toStdWString() + L")";
    const QString proposed = Text(ExportFileName(name, view.GetFromDate(), view.GetUntilDate(), L".ics"));
    const QString path = SaveFileDialog::Ask(this, QStringLiteral("Export to Calendar"),
                                             SaveFileDialog::InDocuments(proposed),
                                             QStringLiteral("iCalendar files (*.ics)"));
    if (path.isEmpty())
        return;
    const RotaCalendar calendar(roster->GetName(), std::time(nullptr));
    if (!calendar.Write(QFile::encodeName(path).toStdString(), model->ShownEntries()))
        MessageBox::Error(this, QStringLiteral("The calendar file could not be written:\n%1").arg(path));
}
