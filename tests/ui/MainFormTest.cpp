#include "EditorTestSupport.h"
#include "MainFormSupport.h"

#include "ui/ControlIds.h"
#include "ui/FrequencyPanels.h"
#include "ui/MessageBox.h"

#include "print/PrintJob.h"

#include "recurrence/Today.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace MainFormId;

namespace {
// Every control that the roster selection enables, apart from Edit and Delete of persons and
// tasks, which follow the selection in their own lists.
constexpr int kRosterControls[] = {kDeleteRoster, kRenameRoster, kAddPerson, kAddTask,  kPersonList,
                                   kTaskList,     kPrint,        kFromDate,  kUntilDate};
constexpr int kSelectionButtons[] = {kEditPerson, kDeletePerson, kEditTask, kDeleteTask};

class MainForm : public testing::Test {
protected:
    MainForm() { InstallFrequencyPanels(); }

    MainFormWindow& Open()
    {
        form.emplace(rosters);
        return *form;
    }

    // The name editor the roster list shows while a label is being edited, or null. Closed editors
    // linger hidden until the event loop deletes them.
    QLineEdit* LabelEditor()
    {
        for (auto* editor : form->RosterList().viewport()->findChildren<QLineEdit*>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    void EditLabel(const QString& text, Qt::Key end = Qt::Key_Return)
    {
        QLineEdit* editor = LabelEditor();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, end);
        // The list ends the edit once the key has been handled.
        QCoreApplication::processEvents();
    }

    std::wstring RosterName(int index) { return rosters.At(index).GetName(); }

    RosterCollection rosters;
    MessageBoxScript messages;
    std::optional<MainFormWindow> form;
};

QString ValidationText(const QStringList& errors)
{
    return QStringLiteral("The following errors were detected:\n\n") + errors.join(QLatin1Char('\n'))
        + QStringLiteral("\n\nPlease correct and try again.");
}
} // namespace

TEST_F(MainForm, WithoutRostersOnlyNewAndTheListCanBeUsed)
{
    MainFormWindow& f = Open();
    EXPECT_EQ(f.RosterList().count(), 0);
    EXPECT_TRUE(f.Enabled(kNewRoster));
    EXPECT_TRUE(f.Enabled(kRosterList));
    for (const int id : kRosterControls)
        EXPECT_FALSE(f.Enabled(id)) << id;
    for (const int id : kSelectionButtons)
        EXPECT_FALSE(f.Enabled(id)) << id;
}

TEST_F(MainForm, StartsShowingTheFirstRosterReadyToEdit)
{
    rosters.Add(MakeRoster(L"Kitchen", {L"John", L"Linda"}, {L"Clean sink"}));
    rosters.Add(MakeRoster(L"Garden", {L"Sam"}));
    MainFormWindow& f = Open();
    EXPECT_EQ(f.RosterNames(), QStringList({"Kitchen", "Garden"}));
    EXPECT_TRUE(f.RosterList().item(0)->isSelected());
    EXPECT_EQ(rosters.CurrentIndex(), 0);
    EXPECT_EQ(f.PersonNames(), QStringList({"John", "Linda"}));
    EXPECT_EQ(f.TaskRows(), QStringList({"Clean sink | Every day"}));
    for (const int id : kRosterControls)
        EXPECT_TRUE(f.Enabled(id)) << id;
    for (const int id : kSelectionButtons)
        EXPECT_FALSE(f.Enabled(id)) << id;

    f.ClickRoster(1);
    EXPECT_EQ(rosters.CurrentIndex(), 1);
    EXPECT_EQ(f.PersonNames(), QStringList({"Sam"}));
    EXPECT_TRUE(f.TaskRows().isEmpty());
}

TEST_F(MainForm, RostersLoadedLaterAreShownAsTheyArrive)
{
    MainFormWindow& f = Open();
    rosters.Add(MakeRoster(L"Kitchen", {L"John"}));
    rosters.RostersLoaded();
    EXPECT_EQ(f.RosterNames(), QStringList({"Kitchen"}));
    EXPECT_EQ(f.PersonNames(), QStringList({"John"}));
    EXPECT_TRUE(f.Enabled(kAddPerson));
}

TEST_F(MainForm, NewRosterTwiceOpensTheLastNameWhileTheFirstRosterIsShown)
{
    rosters.Add(MakeRoster(L"Kitchen", {L"John"}));
    MainFormWindow& f = Open();
    for (const int count : {2, 3}) {
        f.Click(kNewRoster);
        ASSERT_EQ(rosters.Count(), count);
        EXPECT_EQ(RosterName(count - 1), L"New roster");
        EXPECT_EQ(f.RosterNames().back(), "New roster");
        EXPECT_TRUE(f.RosterList().item(0)->isSelected());
        EXPECT_EQ(f.PersonNames(), QStringList({"John"}));
        ASSERT_NE(LabelEditor(), nullptr);
        const QRect lastItem = f.RosterList().visualItemRect(f.RosterList().item(count - 1));
        EXPECT_TRUE(LabelEditor()->geometry().intersects(lastItem));
        QTest::keyClick(LabelEditor(), Qt::Key_Escape);
    }
    EXPECT_EQ(f.RosterNames(), QStringList({"Kitchen", "New roster", "New roster"}));
    EXPECT_TRUE(messages.Shown().isEmpty());
}

TEST_F(MainForm, ALabelEditKeepsAnyTextButAnEmptyOne)
{
    struct Case {
        const char* typed;
        Qt::Key end;
        const wchar_t* stored;
    };
    const Case cases[] = {
        {"Bathroom", Qt::Key_Return, L"Bathroom"},
        {"", Qt::Key_Return, L"Kitchen"},
        {"  ", Qt::Key_Return, L"  "},
        {"Cellar", Qt::Key_Escape, L"Kitchen"},
    };
    rosters.Add(MakeRoster(L"Kitchen"));
    for (const Case& c : cases) {
        rosters.At(0).SetName(L"Kitchen");
        MainFormWindow& f = Open();
        f.Click(kRenameRoster);
        EditLabel(QString::fromLatin1(c.typed), c.end);
        EXPECT_EQ(RosterName(0), c.stored) << c.typed;
        EXPECT_EQ(f.RosterList().item(0)->text(), QString::fromWCharArray(c.stored)) << c.typed;
        EXPECT_EQ(f.RosterList().item(0)->toolTip(), QString::fromWCharArray(c.stored)) << c.typed;
    }
}

TEST_F(MainForm, F2RenamesTheSelectedRosterOnlyFromTheRosterList)
{
    rosters.Add(MakeRoster(L"Kitchen", {L"John"}));
    rosters.Add(MakeRoster(L"Garden"));
    MainFormWindow& f = Open();
    f.ClickPerson(0);
    QTest::keyClick(&f.PersonList(), Qt::Key_F2);
    EXPECT_EQ(LabelEditor(), nullptr);
    EXPECT_EQ(f.PersonList().viewport()->findChild<QLineEdit*>(), nullptr);

    f.ClickRoster(1);
    QTest::keyClick(&f.RosterList(), Qt::Key_F2);
    EditLabel(QStringLiteral("Shed"));
    EXPECT_EQ(RosterName(1), L"Shed");
    EXPECT_EQ(RosterName(0), L"Kitchen");
}

TEST_F(MainForm, DeletingTheMiddleRosterKeepsItemsAndRostersInStepWithNoneSelected)
{
    for (const wchar_t* name : {L"Kitchen", L"Garden", L"Cellar"})
        rosters.Add(MakeRoster(name, {L"John"}, {L"Dust"}));
    MainFormWindow& f = Open();
    f.ClickRoster(1);

    messages.AnswerNext(false);
    f.Click(kDeleteRoster);
    EXPECT_EQ(rosters.Count(), 3);
    EXPECT_EQ(rosters.CurrentIndex(), 1);

    messages.AnswerNext(true);
    f.Click(kDeleteRoster);
    EXPECT_EQ(messages.Shown(),
              QStringList(2, QStringLiteral("Are you sure you want to delete this roster?")));
    ASSERT_EQ(rosters.Count(), 2);
    EXPECT_EQ(f.RosterNames(), QStringList({"Kitchen", "Cellar"}));
    EXPECT_EQ(RosterName(1), L"Cellar");
    EXPECT_EQ(rosters.CurrentIndex(), -1);
    EXPECT_TRUE(f.RosterList().selectedItems().isEmpty());
    EXPECT_TRUE(f.PersonNames().isEmpty());
    EXPECT_TRUE(f.TaskRows().isEmpty());
    for (const int id : kRosterControls)
        EXPECT_FALSE(f.Enabled(id)) << id;

    f.ClickRoster(1);
    EXPECT_EQ(rosters.CurrentIndex(), 1);
    EXPECT_TRUE(f.Enabled(kAddPerson));
}

TEST_F(MainForm, AddingAPersonRefusesOnlyTheSameNameExactly)
{
    rosters.Add(MakeRoster(L"Kitchen", {L"Anna"}));
    MainFormWindow& f = Open();
    struct Case {
        const char* name;
        QStringList shown;
        QStringList rows;
    };
    const Case cases[] = {
        {"Anna", {"Person with this name already exists."}, {"Anna"}},
        {"anna", {}, {"Anna", "anna"}},
        {" ", {}, {"Anna", "anna", " "}},
    };
    for (const Case& c : cases) {
        MessageBoxScript answers;
        WhenDialogOpens(TypeNameAndOk(QString::fromLatin1(c.name)));
        f.Click(kAddPerson);
        EXPECT_EQ(answers.Shown(), c.shown) << c.name;
        EXPECT_EQ(f.PersonNames(), c.rows) << c.name;
        EXPECT_EQ(static_cast<qsizetype>(rosters.At(0).PersonCount()), c.rows.size()) << c.name;
    }
    // A name of one blank is a row like any other: it can be selected and edited.
    f.ClickPerson(2);
    EXPECT_TRUE(f.Enabled(kEditPerson));
}

TEST_F(MainForm, EditingAPersonTakesAnotherPersonsNameWithoutAWord)
{
    rosters.Add(MakeRoster(L"Kitchen", {L"John", L"Linda"}));
    MainFormWindow& f = Open();
    f.ClickPerson(1);
    WhenDialogOpens([](QDialog& dialog) {
        EXPECT_EQ(Find<QLineEdit>(dialog, AddPersonDlgId::kName).text(), "Linda");
        TypeNameAndOk(QStringLiteral("John"))(dialog);
    });
    QTest::mouseDClick(f.PersonList().viewport(), Qt::LeftButton, {},
                       f.PersonList().visualItemRect(f.PersonList().item(1)).center());
    EXPECT_TRUE(messages.Shown().isEmpty());
    EXPECT_EQ(f.PersonNames(), QStringList({"John", "John"}));
    EXPECT_EQ(rosters.At(0).Persons()[1]->GetName(), L"John");
    EXPECT_TRUE(f.PersonList().item(1)->isSelected());
}

// Both persons of the name leave the roster, and the list shows what the roster holds.
TEST_F(MainForm, DeletingAPersonTakesEveryRowOfThatNameWithoutAQuestion)
{
    rosters.Add(MakeRoster(L"Kitchen", {L"John", L"Linda", L"John"}));
    MainFormWindow& f = Open();
    f.ClickPerson(2);
    ASSERT_TRUE(f.Enabled(kDeletePerson));
    f.Click(kDeletePerson);
    EXPECT_TRUE(messages.Shown().isEmpty());
    EXPECT_EQ(f.PersonNames(), QStringList({"Linda"}));
    ASSERT_EQ(rosters.At(0).PersonCount(), 1u);
    EXPECT_TRUE(f.PersonList().selectedItems().isEmpty());
    EXPECT_FALSE(f.Enabled(kEditPerson));
    EXPECT_FALSE(f.Enabled(kDeletePerson));
}

TEST_F(MainForm, DeletingATaskTakesTheFirstSelectedNameWithoutAQuestion)
{
    rosters.Add(MakeRoster(L"Kitchen", {}, {L"Dust", L"Mop", L"Dust", L"Hoover"}));
    MainFormWindow& f = Open();
    f.ClickTask(3);
    f.ClickTask(2, Qt::ControlModifier);
    ASSERT_EQ(f.TaskList().selectedItems().size(), 2);
    f.Click(kDeleteTask);
    EXPECT_TRUE(messages.Shown().isEmpty());
    EXPECT_EQ(f.TaskRows(), QStringList({"Mop | Every day", "Hoover | Every day"}));
    EXPECT_FALSE(f.Enabled(kEditTask));
    EXPECT_FALSE(f.Enabled(kDeleteTask));
}

TEST_F(MainForm, AddingATaskOfAnExistingNameDropsItAndItsRule)
{
    rosters.Add(MakeRoster(L"Kitchen", {}, {L"Dust"}));
    MainFormWindow& f = Open();
    WhenDialogOpens([](QDialog& dialog) {
        ChooseItem(Find<QComboBox>(dialog, FrequencyCtrlId::kKind), QStringLiteral("Weekly"));
        TypeNameAndOk(QStringLiteral("Dust"))(dialog);
    });
    f.Click(kAddTask);
    EXPECT_EQ(messages.Shown(), QStringList({"Task with this name already exists."}));
    EXPECT_EQ(f.TaskRows(), QStringList({"Dust | Every day"}));
    ASSERT_EQ(rosters.At(0).TaskCount(), 1u);
    EXPECT_EQ(rosters.At(0).Tasks()[0]->GetFrequency().selected, 0);

    WhenDialogOpens([](QDialog& dialog) {
        ChooseItem(Find<QComboBox>(dialog, FrequencyCtrlId::kKind), QStringLiteral("Weekly"));
        TypeNameAndOk(QStringLiteral("Water the plants on the windowsill of the kitchen"))(dialog);
    });
    f.Click(kAddTask);
    EXPECT_EQ(f.TaskRows(),
              QStringList({"Dust | Every day",
                           "Water the plants on the windowsill of the kitchen | Weekly on Monday"}));
    const QTreeWidget& list = f.TaskList();
    for (const int column : {0, 1}) {
        EXPECT_GE(list.columnWidth(column), list.header()->sectionSizeHint(column)) << column;
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QString text = list.topLevelItem(row)->text(column);
            EXPECT_GT(list.columnWidth(column), list.fontMetrics().horizontalAdvance(text))
                << text.toStdString();
        }
    }
    EXPECT_FALSE(list.rootIsDecorated());
}

// The editor works on the task's rule while the dialog is open; Cancel puts it back, so the row
// and the printed rota keep the rule the user left untouched.
TEST_F(MainForm, EditingATaskKeepsTheRuleOnlyOnOk)
{
    rosters.Add(MakeRoster(L"Kitchen", {}, {L"Dust"}));
    MainFormWindow& f = Open();
    const Frequency& rule = rosters.At(0).Tasks()[0]->GetFrequency();
    struct Case {
        bool ok;
        const char* row;
        int selected;
    };
    for (const Case& c : {Case{false, "Dust | Every day", 0}, Case{true, "Dusting | Weekly on Monday", 1}}) {
        f.ClickTask(0);
        WhenDialogOpens([&c](QDialog& dialog) {
            ChooseItem(Find<QComboBox>(dialog, FrequencyCtrlId::kKind), QStringLiteral("Weekly"));
            if (c.ok)
                TypeNameAndOk(QStringLiteral("Dusting"))(dialog);
            else
                QTest::mouseClick(&Find<QWidget>(dialog, CommonId::kCancel), Qt::LeftButton);
        });
        f.Click(kEditTask);
        EXPECT_EQ(f.TaskRows(), QStringList({c.row})) << c.ok;
        EXPECT_EQ(rule.selected, c.selected) << c.ok;
    }
}

TEST_F(MainForm, ValidationListsWhatIsMissingInItsOwnLines)
{
    struct Case {
        std::initializer_list<const wchar_t*> persons;
        std::initializer_list<const wchar_t*> tasks;
        int fromAfterUntil;
        QStringList errors;
    };
    const QString date = QStringLiteral("  \u2022  The 'from' date is after the 'until' date.");
    const Case cases[] = {
        {{L"John"}, {L"Dust"}, 0, {}},
        {{L"John"}, {L"Dust"}, 1, {date}},
        {{L"John", L"Linda"}, {}, 0, {"No tasks defined."}},
        {{}, {L"Dust"}, -3, {"No persons defined."}},
        {{}, {}, 1, {"No persons defined.", "No tasks defined.", date}},
    };
    for (const Case& c : cases) {
        RosterCollection own;
        own.Add(MakeRoster(L"Kitchen", c.persons, c.tasks));
        MainFormWindow f(own);
        auto& until = Find<QDateEdit>(f.View(), kUntilDate);
        Find<QDateEdit>(f.View(), kFromDate).setDate(until.date().addDays(c.fromAfterUntil));
        MessageBoxScript answers;
        EXPECT_EQ(f.View().ValidateForPrinting(), c.errors.isEmpty());
        EXPECT_EQ(answers.Shown(),
                  c.errors.isEmpty() ? QStringList() : QStringList{ValidationText(c.errors)});
    }
    EXPECT_EQ(ValidationText({"No tasks defined."}),
              "The following errors were detected:\n\nNo tasks defined.\n\n"
              "Please correct and try again.");
}

// Printing needs a current roster: with none there is nothing to print, and neither the print
// dialog nor the preview opens.
TEST_F(MainForm, PrintingOpensItsDialogsOnlyAfterTheValidationPassed)
{
    rosters.Add(MakeRoster(L"Kitchen", {L"John"}, {L"Dust"}));
    MainFormWindow& f = Open();
    PrintDialogScript dialogs;
    f.Click(kPrint);
    f.View().OnFilePrintPreview();
    EXPECT_EQ(dialogs.PrintDialogsAsked(), 1);
    EXPECT_EQ(dialogs.PreviewPages(), QList<int>({1}));
    EXPECT_EQ(f.View().PrintDocument().GetTitle(), "cleaning roster");
    EXPECT_EQ(f.View().Printer().docName(), "cleaning roster");

    messages.AnswerNext(true);
    f.Click(kDeleteRoster);
    f.View().OnFilePrint();
    f.View().OnFilePrintPreview();
    EXPECT_EQ(dialogs.PrintDialogsAsked(), 1);
    EXPECT_EQ(dialogs.PreviewPages().size(), 1);
    const QString noRoster = ValidationText({"No roster selected."});
    EXPECT_EQ(messages.Shown().mid(1), QStringList({noRoster, noRoster}));

    RosterCollection none;
    MainFormWindow empty(none);
    MessageBoxScript answers;
    empty.View().OnFilePrint();
    EXPECT_EQ(answers.Shown(), QStringList({noRoster}));
}

TEST_F(MainForm, ThePeriodRunsFromTodayForOneCalendarMonth)
{
    struct Case {
        Date today;
        Date until;
    };
    using boost::gregorian::date;
    const Case cases[] = {
        {date(2012, 1, 31), date(2012, 2, 29)},
        {date(2011, 4, 30), date(2011, 5, 31)},
        {date(2011, 3, 15), date(2011, 4, 15)},
    };
    for (const Case& c : cases) {
        TodayPin pin(c.today);
        RosterCollection own;
        MainFormWindow f(own);
        EXPECT_EQ(f.View().GetFromDate(), c.today);
        EXPECT_EQ(f.View().GetUntilDate(), c.until);
    }
    RosterCollection own;
    MainFormWindow f(own);
    EXPECT_EQ(Find<QDateEdit>(f.View(), kUntilDate).text(), "4/10/2010");
}

// A name is shown as it is stored, however long or blank, and stays in reach of the mouse.
TEST_F(MainForm, LongAndBlankRosterNamesStaySelectableAndEditable)
{
    const QString longName = QStringLiteral("The big spring clean of the whole house ").repeated(5);
    rosters.Add(MakeRoster(L"Kitchen"));
    rosters.Add(Roster(longName.toStdWString()));
    rosters.Add(MakeRoster(L"  "));
    MainFormWindow& f = Open();
    EXPECT_EQ(f.RosterNames(), QStringList({"Kitchen", longName, "  "}));
    EXPECT_EQ(f.RosterList().item(1)->toolTip(), longName);
    const int listWidth = f.RosterList().viewport()->width();
    for (const int row : {1, 2}) {
        EXPECT_LE(f.RosterList().visualItemRect(f.RosterList().item(row)).width(), listWidth) << row;
        f.ClickRoster(row);
        EXPECT_EQ(rosters.CurrentIndex(), row);
        QTest::keyClick(&f.RosterList(), Qt::Key_F2);
        ASSERT_NE(LabelEditor(), nullptr) << row;
        EXPECT_EQ(LabelEditor()->text(), f.RosterNames()[row]);
        QTest::keyClick(LabelEditor(), Qt::Key_Escape);
    }
}

TEST_F(MainForm, ThePrintButtonStaysInTheCornerWhileTheListsGrow)
{
    rosters.Add(MakeRoster(L"Kitchen", {L"John"}, {L"Dust"}));
    MainFormWindow& f = Open();
    QuillmereView& view = f.View();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.Window()));
    const QRect rosterList = f.RosterList().geometry();
    const QRect personList = f.PersonList().geometry();
    const QRect taskList = f.TaskList().geometry();
    const QSize printButton = Find<QWidget>(view, kPrint).size();

    f.Window().resize(f.Window().size() + QSize(300, 240));
    QTest::qWait(0);
    const QRect print = Find<QWidget>(view, kPrint).geometry();
    EXPECT_EQ(print.size(), printButton);
    EXPECT_EQ(print.right(), view.width() - LayoutMgr::kMarginX - 1);
    EXPECT_EQ(print.bottom(), view.height() - LayoutMgr::kMarginY - 1);
    EXPECT_EQ(f.RosterList().width(), rosterList.width());
    EXPECT_GT(f.RosterList().height(), rosterList.height());
    EXPECT_GT(f.PersonList().width(), personList.width());
    EXPECT_GT(f.PersonList().height(), personList.height());
    EXPECT_GT(f.TaskList().height(), taskList.height());
    EXPECT_FALSE(view.GetDesignSize().isEmpty());
}

// The main window saves after every command that changed the rosters and only then, so each
// command must say so exactly once, and a command that changed nothing must stay quiet.
TEST_F(MainForm, EveryChangingCommandSaysOnceThatTheRostersChanged)
{
    const auto cancel = [](QDialog& dialog) {
        QTest::mouseClick(&Find<QWidget>(dialog, CommonId::kCancel), Qt::LeftButton);
    };
    struct Case {
        const char* command;
        std::function<void(MainFormWindow&)> run;
        int changes;
    };
    const Case cases[] = {
        {"new roster", [](MainFormWindow& f) { f.Click(kNewRoster); }, 1},
        {"rename roster",
         [this](MainFormWindow& f) {
             f.Click(kRenameRoster);
             EditLabel(QStringLiteral("Bathroom"));
         },
         1},
        {"rename roster cancelled",
         [this](MainFormWindow& f) {
             f.Click(kRenameRoster);
             EditLabel(QStringLiteral("Bathroom"), Qt::Key_Escape);
         },
         0},
        {"delete roster",
         [this](MainFormWindow& f) {
             messages.AnswerNext(true);
             f.Click(kDeleteRoster);
         },
         1},
        {"delete roster refused", [](MainFormWindow& f) { f.Click(kDeleteRoster); }, 0},
        {"add person",
         [](MainFormWindow& f) {
             WhenDialogOpens(TypeNameAndOk(QStringLiteral("Sam")));
             f.Click(kAddPerson);
         },
         1},
        {"add person cancelled",
         [cancel](MainFormWindow& f) {
             WhenDialogOpens(cancel);
             f.Click(kAddPerson);
         },
         0},
        {"edit person",
         [](MainFormWindow& f) {
             f.ClickPerson(0);
             WhenDialogOpens(TypeNameAndOk(QStringLiteral("Johnny")));
             f.Click(kEditPerson);
         },
         1},
        {"delete person",
         [](MainFormWindow& f) {
             f.ClickPerson(0);
             f.Click(kDeletePerson);
         },
         1},
        {"add task",
         [](MainFormWindow& f) {
             WhenDialogOpens(TypeNameAndOk(QStringLiteral("Mop")));
             f.Click(kAddTask);
         },
         1},
        {"edit task",
         [](MainFormWindow& f) {
             f.ClickTask(0);
             WhenDialogOpens(TypeNameAndOk(QStringLiteral("Dusting")));
             f.Click(kEditTask);
         },
         1},
        {"edit task cancelled",
         [cancel](MainFormWindow& f) {
             f.ClickTask(0);
             WhenDialogOpens(cancel);
             f.Click(kEditTask);
         },
         1},
        {"delete task",
         [](MainFormWindow& f) {
             f.ClickTask(0);
             f.Click(kDeleteTask);
         },
         1},
    };
    for (const Case& c : cases) {
        form.reset();
        while (rosters.Count() > 0)
            rosters.RemoveAt(0);
        rosters.Add(MakeRoster(L"Kitchen", {L"John"}, {L"Dust"}));
        MainFormWindow& f = Open();
        QSignalSpy changed(&f.View(), &QuillmereView::RostersChanged);
        c.run(f);
        EXPECT_EQ(changed.count(), c.changes) << c.command;
    }
}
