#include "ui/QuillmereView.h"

#include "ui/AddPersonDlg.h"
#include "ui/AddTaskDlg.h"
#include "ui/AwayDlg.h"
#include "ui/ControlIds.h"
#include "ui/DateConversion.h"
#include "ui/DialogTemplate.h"
#include "ui/MessageBox.h"
#include "ui/NameValidator.h"
#include "ui/RotationDlg.h"
#include "ui/SaveFileDialog.h"
#include "ui/layout/ControlLookup.h"
#include "ui/resources/UiResources.h"

#include "print/ExportFileName.h"
#include "print/PrintJob.h"
#include "recurrence/Today.h"
#include "roster/RosterCollection.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <functional>
#include <initializer_list>
#include <utility>

// Rows keep a handle to the record they show, without keeping the record alive: the roster owns it.
Q_DECLARE_METATYPE(std::weak_ptr<Person>)
Q_DECLARE_METATYPE(std::weak_ptr<Task>)

namespace {
using namespace MainFormId;

constexpr ControlTemplate kControls[] = {
    {kRosterList, ControlKind::IconList, "", 7, 7, 158, 252},
    {kNewRoster, ControlKind::Button, "New", 7, 264, 50, 16},
    {kDeleteRoster, ControlKind::Button, "Delete", 61, 264, 50, 16},
    {kRenameRoster, ControlKind::Button, "Rename", 115, 264, 50, 16},
    {kPeoplePicture, ControlKind::Picture, "", 171, 7, 27, 25},
    {kPeopleBox, ControlKind::GroupBox, "People", 198, 7, 238, 82},
    {kPersonList, ControlKind::ListBox, "", 207, 20, 221, 39},
    {kAddPerson, ControlKind::Button, "Add...", 208, 67, 50, 16},
    {kEditPerson, ControlKind::Button, "Edit...", 258, 67, 50, 16},
    {kDeletePerson, ControlKind::Button, "Delete", 308, 67, 50, 16},
    {kTasksPicture, ControlKind::Picture, "", 171, 95, 27, 25},
    {kTasksBox, ControlKind::GroupBox, "Tasks", 198, 95, 238, 86},
    {kTaskList, ControlKind::ReportList, "", 206, 107, 219, 50},
    {kAddTask, ControlKind::Button, "Add...", 209, 162, 50, 16},
    {kEditTask, ControlKind::Button, "Edit...", 259, 162, 50, 16},
    {kDeleteTask, ControlKind::Button, "Delete", 309, 162, 50, 16},
    {kPeriodPicture, ControlKind::Picture, "", 171, 190, 27, 25},
    {kPeriodBox, ControlKind::GroupBox, "Roster time period", 198, 190, 238, 45},
    {kFromLabel, ControlKind::Label, "From:", 209, 197, 18, 8},
    {kFromDate, ControlKind::DatePicker, "", 209, 209, 100, 15},
    {kUntilLabel, ControlKind::Label, "Until:", 326, 197, 17, 8},
    {kUntilDate, ControlKind::DatePicker, "", 326, 209, 100, 15},
    {kPrint, ControlKind::Button, "Print!", 342, 241, 94, 39},
};
constexpr DialogTemplate kForm = {kTemplate, nullptr, 443, 287, "MS Sans Serif", 8, kControls};

// Pixels between neighbouring controls and panes.
constexpr int kGap = 7;
// The room a frame's caption takes above its controls, in vertical dialog units: it follows the
// caption's font.
constexpr int kFrameCaption = 10;
// The Print! button's text stands out as the form's main action.
constexpr int kPrintFontPixels = 24;

const QString kPersonExists = QStringLiteral("Person with this name already exists.");
const QString kTaskExists = QStringLiteral("Task with this name already exists.");
const QString kShowRota = QStringLiteral("Show &Rota...");
const QString kRotation = QStringLiteral("Rotation...");
const QString kAway = QStringLiteral("Away...");

// Hands a finished label edit to the view, which decides whether the item takes the new text. An
// edit the user cancels never gets here, and the item keeps its label.
class LabelEditDelegate : public QStyledItemDelegate {
public:
    using Handler = std::function<bool(int row, const QString& text)>;

    LabelEditDelegate(Handler handler, QObject* parent)
        : QStyledItemDelegate(parent)
        , handler(std::move(handler))
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            edit->setValidator(new NameValidator(edit));
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        const auto* edit = qobject_cast<QLineEdit*>(editor);
        if (!edit || !handler(index.row(), edit->text()))
            return;
        QStyledItemDelegate::setModelData(editor, model, index);
        model->setData(index, edit->text(), Qt::ToolTipRole);
    }

private:
    Handler handler;
};

template <class Record>
QVariant Handle(const std::shared_ptr<Record>& record)
{
    return QVariant::fromValue(std::weak_ptr<Record>(record));
}

template <class Record>
std::shared_ptr<Record> Held(const QVariant& handle)
{
    return handle.value<std::weak_ptr<Record>>().lock();
}

QString Text(const std::wstring& text)
{
    return QString::fromStdWString(text);
}

// The first selected row from the top, or -1.
int FirstSelectedRow(const QListWidget& list)
{
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->isSelected())
            return row;
    }
    return -1;
}

int FirstSelectedRow(const QTreeWidget& list)
{
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        if (list.topLevelItem(row)->isSelected())
            return row;
    }
    return -1;
}

// The template was measured for another font and for images the system drew; a control grows
// rather than cut off its image or its text.
void FitToContents(QWidget& control)
{
    control.resize(control.size().expandedTo(control.sizeHint()));
}
} // namespace

QuillmereView::QuillmereView(RosterCollection& rosters, QWidget* parent)
    : LayoutFormView(kTemplate, parent)
    , rosters(rosters)
    , printout(PrintSource{
          [this] { return ValidateForPrinting(); },
          [this]() -> const Roster* { return this->rosters.Current(); },
          [this] { return GetFromDate(); },
          [this] { return GetUntilDate(); },
          [this] { return logicalDpiX(); },
          [this](const std::wstring& text) { MessageBox::Error(this, QString::fromStdWString(text)); },
      })
{
    const DialogUnits units = BuildFromTemplate(kForm, *this);
    designSize = size();
    BindControls();
    Track(rosters.RostersLoaded.connect([this] { RefillRosterList(); }));
    Track(rosters.RosterAdded.connect([this](const Roster&) { OnRosterAdded(); }));
    OnInitialUpdate(units);
}

// The lists go with the widget's own destruction, after this object's part of it: their last
// signals must not reach it.
QuillmereView::~QuillmereView()
{
    for (QObject* list : std::initializer_list<QObject*>{rosterList, personList, taskList})
        list->disconnect(this);
}

void QuillmereView::BindControls()
{
    const auto button = [this](int id) { return FindControl<QPushButton>(this, id); };
    rosterList = FindControl<QListWidget>(this, kRosterList);
    taskList = FindControl<QTreeWidget>(this, kTaskList);
    printButton = button(kPrint);
    newRosterButton = button(kNewRoster);
    deleteRosterButton = button(kDeleteRoster);
    renameRosterButton = button(kRenameRoster);
    addPersonButton = button(kAddPerson);
    editPersonButton = button(kEditPerson);
    deletePersonButton = button(kDeletePerson);
    addTaskButton = button(kAddTask);
    editTaskButton = button(kEditTask);
    deleteTaskButton = button(kDeleteTask);
    personList = FindControl<QListWidget>(this, kPersonList);
    peoplePicture = FindControl<QLabel>(this, kPeoplePicture);
    tasksPicture = FindControl<QLabel>(this, kTasksPicture);
    periodPicture = FindControl<QLabel>(this, kPeriodPicture);
    fromDate = FindControl<QDateEdit>(this, kFromDate);
    untilDate = FindControl<QDateEdit>(this, kUntilDate);
}

// The rosters are there already when the main window makes the view, so the view shows the first
// one, ready to edit, as soon as it is made.
void QuillmereView::OnInitialUpdate(const DialogUnits& units)
{
    SetUpLists();
    SetUpImages();
    BuildLayout(units);
    ConnectControls();
    EnableRosterControls(false);
    RefillRosterList();
    rosterList->setFocus();
    SetPeriod();
}

void QuillmereView::SetUpLists()
{
    rosterList->setFlow(QListView::TopToBottom);
    rosterList->setWrapping(false);
    rosterList->setMovement(QListView::Static);
    rosterList->setIconSize(QSize(32, 32));
    rosterList->setSelectionMode(QAbstractItemView::SingleSelection);
    rosterList->setWordWrap(false);
    rosterList->setTextElideMode(Qt::ElideRight);
    // Editing starts only through Rename, F2 and New roster, which this view handles itself.
    rosterList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rosterList->setItemDelegate(new LabelEditDelegate(
        [this](int row, const QString& text) { return OnRosterLabelEdited(row, text); }, rosterList));
    rosterList->installEventFilter(this);

    personList->setSelectionMode(QAbstractItemView::SingleSelection);

    taskList->setColumnCount(2);
    taskList->setHeaderLabels({QStringLiteral("Description"), QStringLiteral("Frequency")});
    taskList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    taskList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    taskList->setUniformRowHeights(true);
    taskList->header()->setSectionsMovable(false);
    SizeTaskColumns();

    for (QDateEdit* picker : {fromDate, untilDate}) {
        picker->setDisplayFormat(ShortDateFormat());
        picker->setDateRange(EarliestFieldDate(), LatestFieldDate());
    }
}

void QuillmereView::SetUpImages()
{
    rosterImage = ResourceIcon(BitmapId::kRoster);

    QFont printFont = printButton->font();
    printFont.setPixelSize(kPrintFontPixels);
    printButton->setFont(printFont);
    printButton->setIcon(ResourceIcon(BitmapId::kPrintButton));
    printButton->setIconSize(QSize(48, 48));
    // Outside a dialog this only draws the button as the window's main action.
    printButton->setDefault(true);

    const std::pair<QPushButton*, int> smallButtons[] = {
        {newRosterButton, BitmapId::kNewRoster},       {deleteRosterButton, BitmapId::kDeleteRoster},
        {renameRosterButton, BitmapId::kRenameRoster}, {addPersonButton, BitmapId::kAddPerson},
        {editPersonButton, BitmapId::kEditPerson},     {deletePersonButton, BitmapId::kDeletePerson},
        {addTaskButton, BitmapId::kAddTask},           {editTaskButton, BitmapId::kEditTask},
        {deleteTaskButton, BitmapId::kDeleteTask},
    };
    for (const auto& [button, image] : smallButtons) {
        button->setIcon(ResourceIcon(image));
        button->setIconSize(QSize(16, 16));
        FitToContents(*button);
    }
    FitToContents(*printButton);

    const std::pair<QLabel*, int> pictures[] = {{peoplePicture, BitmapId::kPeople},
                                                {tasksPicture, BitmapId::kTasks},
                                                {periodPicture, BitmapId::kPeriod}};
    for (const auto& [picture, image] : pictures) {
        picture->setPixmap(ResourceIcon(image).pixmap(QSize(48, 48), devicePixelRatioF()));
        FitToContents(*picture);
    }
}

// The roster column keeps its width; the people and tasks share the height the period and the
// Print! button leave, and the button stays in the lower right corner.
void QuillmereView::BuildLayout(const DialogUnits& units)
{
    const int caption = units.Y(kFrameCaption);
    auto root = CreateRoot(Horizontal, kGap, 0);
    auto rosterColumn = NewPane(Vertical, FixedWidth, kGap, 0, 0);
    rosterColumn->Add(NewItem(kRosterList, Greedy, 0, 0, -1, -1));
    rosterColumn->Add(ButtonRow(Greedy, {kNewRoster, kDeleteRoster, kRenameRoster}));
    root->Add(rosterColumn);

    auto details = NewPane(Vertical, Greedy, kGap, 0, 0);
    details->Add(NamedListRow(kPeoplePicture, kPeopleBox, kPersonList, caption,
                              {kAddPerson, kEditPerson, kDeletePerson}));
    details->Add(
        NamedListRow(kTasksPicture, kTasksBox, kTaskList, caption, {kAddTask, kEditTask, kDeleteTask}));
    details->Add(PeriodRow(caption));
    auto printRow = NewPane(Horizontal, FixedHeight | AlignRight, kGap, 0, 0);
    printRow->Add(NewItem(nullptr, Greedy, 0, 0, -1, -1));
    printRow->Add(NewItem(kPrint, FixedWidth | FixedHeight | AlignRight, 0, 0, -1, -1));
    details->Add(printRow);
    root->Add(details);
    UpdateLayout();
}

// A picture beside a frame that holds a list and its row of buttons.
CPaneBase QuillmereView::NamedListRow(int pictureId, int frameId, int listId, int caption,
                                      std::initializer_list<int> buttonIds)
{
    auto row = NewPane(Horizontal, Greedy, kGap, 0, 0);
    row->Add(NewItem(pictureId, FixedWidth | FixedHeight, 0, 0, -1, -1));
    auto frame = NewPaneCtrl(frameId, Vertical, Greedy, kGap, kGap, caption, 0);
    frame->Add(NewItem(listId, Greedy, 0, 0, -1, -1));
    frame->Add(ButtonRow(FixedWidth | FixedHeight, buttonIds));
    row->Add(frame);
    return row;
}

CPaneBase QuillmereView::PeriodRow(int caption)
{
    auto row = NewPane(Horizontal, Greedy, kGap, 0, 0);
    row->Add(NewItem(kPeriodPicture, FixedWidth | FixedHeight, 0, 0, -1, -1));
    auto frame = NewPaneCtrl(kPeriodBox, Horizontal, Greedy, kGap, kGap, caption, 0);
    for (const auto& [label, picker] :
         {std::pair{kFromLabel, kFromDate}, std::pair{kUntilLabel, kUntilDate}}) {
        auto column = NewPane(Vertical, Greedy, kGap, 0, 0);
        column->Add(NewItem(label, FixedWidth | FixedHeight, 0, 0, -1, -1));
        column->Add(NewItem(picker, FixedWidth | FixedHeight, 0, 0, -1, -1));
        frame->Add(column);
    }
    frame->Add(NewItem(nullptr, FixedHeight, 0, 0, -1, -1));
    row->Add(frame);
    return row;
}

CPaneBase QuillmereView::ButtonRow(unsigned buttonMode, std::initializer_list<int> buttonIds)
{
    auto row = NewPane(Horizontal, FixedHeight, kGap, 0, 0);
    for (const int id : buttonIds)
        row->Add(NewItem(id, buttonMode, 0, 0, -1, -1));
    return row;
}

void QuillmereView::ConnectControls()
{
    connect(newRosterButton, &QPushButton::clicked, this, &QuillmereView::NewRoster);
    connect(deleteRosterButton, &QPushButton::clicked, this, &QuillmereView::OnDeleteRoster);
    connect(renameRosterButton, &QPushButton::clicked, this, &QuillmereView::OnRenameRoster);
    connect(rosterList, &QListWidget::itemSelectionChanged, this, &QuillmereView::OnRosterSelectionChanged);
    connect(addPersonButton, &QPushButton::clicked, this, &QuillmereView::OnAddPerson);
    connect(editPersonButton, &QPushButton::clicked, this, &QuillmereView::OnEditPerson);
    connect(personList, &QListWidget::itemDoubleClicked, this, &QuillmereView::OnEditPerson);
    connect(personList, &QListWidget::itemSelectionChanged, this, &QuillmereView::OnPersonSelectionChanged);
    connect(deletePersonButton, &QPushButton::clicked, this, &QuillmereView::OnDeletePerson);
    connect(addTaskButton, &QPushButton::clicked, this, &QuillmereView::OnAddTask);
    connect(editTaskButton, &QPushButton::clicked, this, &QuillmereView::OnEditTask);
    connect(taskList, &QTreeWidget::itemDoubleClicked, this, &QuillmereView::OnEditTask);
    connect(taskList, &QTreeWidget::itemSelectionChanged, this, &QuillmereView::OnTaskSelectionChanged);
    connect(deleteTaskButton, &QPushButton::clicked, this, &QuillmereView::OnDeleteTask);
    connect(printButton, &QPushButton::clicked, this, &QuillmereView::OnFilePrint);
    connect(fromDate, &QDateEdit::dateChanged, this, &QuillmereView::PeriodChanged);
    connect(untilDate, &QDateEdit::dateChanged, this, &QuillmereView::PeriodChanged);
    rosterList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(rosterList, &QListWidget::customContextMenuRequested, this, &QuillmereView::OnRosterContextMenu);
    personList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(personList, &QListWidget::customContextMenuRequested, this, &QuillmereView::OnPersonContextMenu);
}

// The month step of the calendar keeps the day of the month, takes the last day of a shorter
// month and goes from a month's last day to the next month's last day (30 April: 31 May).
void QuillmereView::SetPeriod()
{
    const Date today = Today();
    fromDate->setDate(ToFieldDate(today));
    untilDate->setDate(ToFieldDate(DefaultUntilDate(today)));
}

Date QuillmereView::GetFromDate() const
{
    return FromFieldDate(fromDate->date());
}

Date QuillmereView::GetUntilDate() const
{
    return FromFieldDate(untilDate->date());
}

void QuillmereView::resizeEvent(QResizeEvent* event)
{
    LayoutFormView::resizeEvent(event);
    ArrangeRosterIcons();
}

// F2 on the roster list renames the selected roster; every other key goes its usual way.
bool QuillmereView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == rosterList && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
        OnRenameRoster();
        return true;
    }
    return LayoutFormView::eventFilter(watched, event);
}

void QuillmereView::OnRosterAdded()
{
    RefillRosterList();
}

void QuillmereView::RefillRosterList()
{
    ClearRosterDetails();
    rosterList->clear();
    for (int index = 0; index < rosters.Count(); ++index) {
        const QString name = Text(rosters.At(index).GetName());
        auto* item = new QListWidgetItem(rosterImage, name, rosterList);
        item->setToolTip(name);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    ArrangeRosterIcons();
    if (rosterList->count() > 0)
        rosterList->item(0)->setSelected(true);
}

// One column of icons from the top, each item as wide as the list: the icons line up under each
// other, and a long name is cut off with an ellipsis instead of pushing the icons apart.
void QuillmereView::ArrangeRosterIcons()
{
    const int lineHeight = rosterList->fontMetrics().height();
    const QSize cell(std::max(rosterList->viewport()->width() - 2, 1),
                     rosterList->iconSize().height() + lineHeight + 2 * kGap);
    for (int row = 0; row < rosterList->count(); ++row)
        rosterList->item(row)->setSizeHint(cell);
    rosterList->setGridSize(cell);
    // At once rather than later: a label editor opened right after a refill needs its item's place.
    rosterList->doItemsLayout();
}

void QuillmereView::OnRosterSelectionChanged()
{
    const int index = FirstSelectedRow(*rosterList);
    if (index < 0) {
        EnableRosterControls(false);
        ClearRosterDetails();
    } else {
        SelectRoster(index);
    }
    Q_EMIT CurrentRosterChanged();
}

void QuillmereView::SelectRoster(int index)
{
    if (index >= rosters.Count())
        return;
    personList->clear();
    EnableRosterControls(true);
    rosters.SetCurrentIndex(index);
    const Roster& roster = rosters.At(index);
    FillPersonList(roster);
    FillTaskList(roster);
}

void QuillmereView::FillPersonList(const Roster& roster)
{
    personList->clear();
    for (const auto& person : roster.Persons()) {
        auto* row = new QListWidgetItem(Text(person->GetName()), personList);
        row->setData(Qt::UserRole, Handle(person));
    }
}

void QuillmereView::FillTaskList(const Roster& roster)
{
    taskList->clear();
    for (const auto& task : roster.Tasks())
        AppendTaskRow(task);
    SizeTaskColumns();
}

void QuillmereView::AppendTaskRow(const std::shared_ptr<Task>& task)
{
    auto* row = new QTreeWidgetItem(taskList);
    row->setData(0, Qt::UserRole, Handle(task));
    ShowTask(*row, *task);
}

void QuillmereView::ShowTask(QTreeWidgetItem& row, const Task& task)
{
    row.setText(0, Text(task.GetName()));
    row.setText(1, Text(task.GetFrequency().GetDescription()));
}

// Each column as wide as the wider of its header and its widest text.
void QuillmereView::SizeTaskColumns()
{
    for (int column = 0; column < taskList->columnCount(); ++column)
        taskList->resizeColumnToContents(column);
}

void QuillmereView::ClearRosterDetails()
{
    personList->clear();
    taskList->clear();
}

// Edit and Delete of persons and tasks follow the selection in their lists, whatever the roster.
void QuillmereView::EnableRosterControls(bool on)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{deleteRosterButton, renameRosterButton, addPersonButton})
        control->setEnabled(on);
    const bool personSelected = FirstSelectedRow(*personList) >= 0;
    editPersonButton->setEnabled(personSelected);
    deletePersonButton->setEnabled(personSelected);
    addTaskButton->setEnabled(on);
    const bool taskSelected = FirstSelectedRow(*taskList) >= 0;
    editTaskButton->setEnabled(taskSelected);
    deleteTaskButton->setEnabled(taskSelected);
    for (QWidget* control :
         std::initializer_list<QWidget*>{personList, taskList, printButton, fromDate, untilDate})
        control->setEnabled(on);
}

// The new roster is added last, but the refill that follows shows the first roster; only the
// new roster's name is opened for editing.
void QuillmereView::NewRoster()
{
    rosters.Add(Roster(L"New roster"));
    Q_EMIT RostersChanged();
    rosterList->setFocus();
    rosterList->editItem(rosterList->item(rosterList->count() - 1));
}

void QuillmereView::OnDeleteRoster()
{
    const int index = FirstSelectedRow(*rosterList);
    if (index < 0
        || !MessageBox::Question(this, QStringLiteral("Are you sure you want to delete this roster?")))
        return;
    rosters.RemoveAt(index);
    rosters.SetCurrentIndex(-1);
    EnableRosterControls(false);
    ClearRosterDetails();
    delete rosterList->takeItem(index);
    // Qt would make a neighbour the selected roster; none is, until the user picks one.
    rosterList->clearSelection();
    ArrangeRosterIcons();
    EnableRosterControls(false);
    ClearRosterDetails();
    Q_EMIT RostersChanged();
    Q_EMIT CurrentRosterChanged();
}

void QuillmereView::OnRenameRoster()
{
    const int index = FirstSelectedRow(*rosterList);
    if (index < 0)
        return;
    rosterList->setFocus();
    rosterList->editItem(rosterList->item(index));
}

// The name is taken as typed, blanks included; only an empty one is refused.
bool QuillmereView::OnRosterLabelEdited(int index, const QString& text)
{
    if (text.isEmpty() || index >= rosters.Count())
        return false;
    rosters.At(index).SetName(text.toStdWString());
    Q_EMIT RostersChanged();
    return true;
}

void QuillmereView::OnAddPerson()
{
    Roster* roster = rosters.Current();
    if (!roster)
        return;
    AddPersonDlg dialog(false, QWidget::window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::wstring name = dialog.GetName();
    if (roster->HasPerson(name)) {
        MessageBox::Error(this, kPersonExists);
        return;
    }
    roster->AddPerson(std::make_unique<Person>(name));
    auto* row = new QListWidgetItem(Text(name), personList);
    row->setData(Qt::UserRole, Handle(roster->Persons().back()));
    Q_EMIT RostersChanged();
}

// A new name is not checked against the others: two persons may end up with one name.
void QuillmereView::OnEditPerson()
{
    QListWidgetItem* row = personList->item(FirstSelectedRow(*personList));
    const std::shared_ptr<Person> person = row ? Held<Person>(row->data(Qt::UserRole)) : nullptr;
    if (!person)
        return;
    AddPersonDlg dialog(true, QWidget::window());
    dialog.SetName(person->GetName());
    if (dialog.exec() != QDialog::Accepted)
        return;
    person->SetName(dialog.GetName());
    row->setText(Text(person->GetName()));
    row->setSelected(true);
    Q_EMIT RostersChanged();
}

// Every person of the selected name leaves the roster, so the list is filled again from it: no row
// may stay behind for a person of the same name.
void QuillmereView::OnDeletePerson()
{
    Roster* roster = rosters.Current();
    const QListWidgetItem* row = personList->item(FirstSelectedRow(*personList));
    if (!roster || !row)
        return;
    roster->RemovePerson(row->text().toStdWString());
    FillPersonList(*roster);
    editPersonButton->setEnabled(false);
    deletePersonButton->setEnabled(false);
    Q_EMIT RostersChanged();
}

void QuillmereView::OnPersonSelectionChanged()
{
    const bool selected = FirstSelectedRow(*personList) >= 0;
    editPersonButton->setEnabled(selected);
    deletePersonButton->setEnabled(selected);
}

// The task belongs to this command until the roster takes it; a cancelled or refused task, and
// the rule entered for it, go with the command.
void QuillmereView::OnAddTask()
{
    Roster* roster = rosters.Current();
    if (!roster)
        return;
    auto task = std::make_unique<Task>();
    AddTaskDlg dialog(false, QWidget::window());
    dialog.SetFrequency(task->GetFrequency());
    if (dialog.exec() != QDialog::Accepted)
        return;
    task->SetName(dialog.GetName());
    if (roster->HasTask(task->GetName())) {
        MessageBox::Error(this, kTaskExists);
        return;
    }
    roster->AddTask(std::move(task));
    AppendTaskRow(roster->Tasks().back());
    SizeTaskColumns();
    Q_EMIT RostersChanged();
}

// The editor changes the task's rule while the dialog is open; Cancel puts the old rule back, so
// the row shows the task's rule either way. The rule was changed and put back in the records, so
// the change is told whichever button closed the dialog.
void QuillmereView::OnEditTask()
{
    QTreeWidgetItem* row = taskList->topLevelItem(FirstSelectedRow(*taskList));
    const std::shared_ptr<Task> task = row ? Held<Task>(row->data(0, Qt::UserRole)) : nullptr;
    if (!task)
        return;
    AddTaskDlg dialog(true, QWidget::window());
    dialog.SetFrequency(task->GetFrequency());
    dialog.SetName(task->GetName());
    if (dialog.exec() == QDialog::Accepted) {
        task->SetName(dialog.GetName());
        ShowTask(*row, *task);
        SizeTaskColumns();
    }
    Q_EMIT RostersChanged();
}

// With several rows selected only the first one's name goes; every task of that name goes with it.
void QuillmereView::OnDeleteTask()
{
    Roster* roster = rosters.Current();
    const QTreeWidgetItem* row = taskList->topLevelItem(FirstSelectedRow(*taskList));
    const std::shared_ptr<Task> task = row ? Held<Task>(row->data(0, Qt::UserRole)) : nullptr;
    if (!roster || !task)
        return;
    roster->RemoveTask(task->GetName());
    FillTaskList(*roster);
    editTaskButton->setEnabled(false);
    deleteTaskButton->setEnabled(false);
    Q_EMIT RostersChanged();
}

void QuillmereView::OnTaskSelectionChanged()
{
    const bool selected = FirstSelectedRow(*taskList) >= 0;
    editTaskButton->setEnabled(selected);
    deleteTaskButton->setEnabled(selected);
}

// Without a current roster (after a roster was deleted, or with none at all) there is nothing to
// print, and printing must not reach for a roster that is not there.
bool QuillmereView::ValidateForPrinting()
{
    const QStringList errors = PrintProblems();
    if (errors.isEmpty())
        return true;

    QString text = QStringLiteral("The following errors were detected:\n\n");
    for (const QString& error : errors)
        text += error + QLatin1Char('\n');
    text += QStringLiteral("\nPlease correct and try again.");
    MessageBox::Error(this, text);
    return false;
}

QStringList QuillmereView::PrintProblems() const
{
    QStringList errors;
    if (const Roster* roster = rosters.Current()) {
        if (roster->PersonCount() == 0)
            errors << QStringLiteral("No persons defined.");
        if (roster->TaskCount() == 0)
            errors << QStringLiteral("No tasks defined.");
        if (GetFromDate() > GetUntilDate())
            errors << QStringLiteral("  \u2022  The 'from' date is after the 'until' date.");
    } else {
        errors << QStringLiteral("No roster selected.");
    }
    return errors;
}

QPrinter& QuillmereView::Printer()
{
    if (!printer)
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

void QuillmereView::OnFilePrint()
{
    Print(false);
}

void QuillmereView::OnFilePrintPreview()
{
    Print(true);
}

// Checked before the save dialog, so that the user is not asked for a file that cannot be made.
void QuillmereView::OnFileExportPdf()
{
    const Roster* roster = rosters.Current();
    if (!ValidateForPrinting() || !roster)
        return;
    const std::wstring proposed = ExportFileName(roster->GetName(), GetFromDate(), GetUntilDate(), L".pdf");
    const QString path = SaveFileDialog::Ask(this, QStringLiteral("Export PDF"),
                                             SaveFileDialog::InDocuments(QString::fromStdWString(proposed)),
                                             QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    PrintJob job(printout, Printer(), this);
    if (job.ExportPdf(printDocument.GetTitle(), path) == PrintJob::ExportResult::NotWritten)
        MessageBox::Error(this, QStringLiteral("The PDF file could not be written:\n%1").arg(path));
}

// The roster under the pointer becomes the current one, so that the menu acts on the roster the
// user pointed at, as the list's own selection would after a left click.
void QuillmereView::OnRosterContextMenu(const QPoint& position)
{
    QListWidgetItem* item = rosterList->itemAt(position);
    if (!item)
        return;
    item->setSelected(true);
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(kShowRota, this, &QuillmereView::ShowRotaRequested);
    menu->addAction(kRotation, this, &QuillmereView::OnRotation);
    menu->popup(rosterList->viewport()->mapToGlobal(position));
}

// As on the roster list, the person under the pointer is the one the menu acts on.
void QuillmereView::OnPersonContextMenu(const QPoint& position)
{
    QListWidgetItem* item = personList->itemAt(position);
    if (!item)
        return;
    personList->setCurrentItem(item);
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(kAway, this, &QuillmereView::OnAway);
    menu->popup(personList->viewport()->mapToGlobal(position));
}

void QuillmereView::OnRotation()
{
    Roster* roster = rosters.Current();
    if (!roster)
        return;
    RotationDlg dialog(*roster, QWidget::window());
    if (dialog.exec() == QDialog::Accepted)
        Q_EMIT RostersChanged();
}

void QuillmereView::OnAway()
{
    const QListWidgetItem* row = personList->item(FirstSelectedRow(*personList));
    const std::shared_ptr<Person> person = row ? Held<Person>(row->data(Qt::UserRole)) : nullptr;
    if (!person)
        return;
    AwayDlg dialog(*person, QWidget::window());
    if (dialog.exec() == QDialog::Accepted)
        Q_EMIT RostersChanged();
}

void QuillmereView::Print(bool preview)
{
    // The job validates first: a roster that cannot be printed opens no dialog.
    PrintJob job(printout, Printer(), this);
    const QString title = printDocument.GetTitle();
    if (preview)
        job.Preview(title);
    else
        job.Print(title);
}
