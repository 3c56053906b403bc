#include "EditorTestSupport.h"
#include "MainFormSupport.h"
#include "TestEnvironment.h"

#include "ui/ControlIds.h"
#include "ui/FrequencyPanels.h"
#include "ui/MessageBox.h"
#include "ui/RotaModel.h"
#include "ui/AwayDlg.h"
#include "ui/RotaWindow.h"
#include "ui/RotationDlg.h"
#include "ui/SaveFileDialog.h"

#include "print/PrintJob.h"
#include "roster/SampleRoster.h"
#include "roster/Schedule.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <optional>

using namespace MainFormId;

namespace {
QString TestFile(const char* name)
{
    return QString::fromStdString((TestHome() / name).string());
}

QString Tool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QPushButton& Button(QWidget& window, const QString& text)
{
    for (auto* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return *button;
    }
    throw std::runtime_error("no such button");
}

// The main form on rosters of the test's own, with its rota window open; today is 2010-03-10, so
// the period runs to 2010-04-10: 32 days.
class RotaWindowTest : public testing::Test {
protected:
    RotaWindowTest()
    {
        InstallFrequencyPanels();
        rosters.Add(MakeRoster(L"Home", {L"Ann", L"Bob"}, {L"Sweep"}));
        rosters.Add(MakeRoster(L"Flat", {L"Cy"}, {L"Dust", L"Mop"}));
        form.emplace(rosters);
        rota.emplace(form->View(), rosters, &form->Window());
        rota->ShowAndRaise();
    }

    // What the table shows is exactly what the printout would print now.
    void ExpectPlanOfCurrentRoster()
    {
        ASSERT_NE(rosters.Current(), nullptr);
        Schedule schedule;
        schedule.Generate(*rosters.Current(), form->View().GetFromDate(), form->View().GetUntilDate());
        const Schedule::EntryList expected = schedule.Entries();
        const Schedule::EntryList& shown = rota->Model().Entries();
        ASSERT_EQ(shown.size(), expected.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i].person, expected[i].person);
            EXPECT_EQ(shown[i].task, expected[i].task);
            EXPECT_EQ(shown[i].date, expected[i].date);
        }
    }

    QStringList Row(int row)
    {
        QStringList cells;
        for (int column = 0; column < RotaModel::ColumnCount; ++column)
            cells << rota->Model().index(row, column).data().toString();
        return cells;
    }

    QDateEdit& Field(int id) { return Find<QDateEdit>(form->View(), id); }

    // The view's context menu at that point of its viewport, open.
    static QMenu& MenuAt(QAbstractItemView& view, const QPoint& point)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, view.viewport()->mapToGlobal(point));
        QApplication::sendEvent(view.viewport(), &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            throw std::runtime_error("no context menu");
        return *menu;
    }

    QMenu& RowMenu(int row)
    {
        auto* table = rota->findChild<QTableView*>();
        return MenuAt(*table,
                      table->visualRect(table->model()->index(row, RotaModel::PersonColumn)).center());
    }

    void Choose(QMenu& menu, QAction& action)
    {
        action.trigger();
        menu.close();
    }

    RosterCollection rosters;
    std::optional<MainFormWindow> form;
    std::optional<RotaWindow> rota;
    MessageBoxScript boxes;
};
} // namespace

TEST_F(RotaWindowTest, ShowsThePlanInTheSchedulesOrderWithPrintedDates)
{
    ExpectPlanOfCurrentRoster();
    EXPECT_EQ(rota->Model().rowCount(), 32);
    EXPECT_EQ(Row(0), (QStringList{"Wednesday, Mar 10", "Ann", "Sweep"}));
    EXPECT_EQ(Row(1), (QStringList{"Thursday, Mar 11", "Bob", "Sweep"}));
    EXPECT_EQ(rota->Model().index(0, 0).data(Qt::ToolTipRole).toString(), "Wednesday, Mar 10, 2010");
    EXPECT_EQ(rota->windowTitle(), QStringLiteral("Rota \u2014 Home"));
    EXPECT_TRUE(boxes.Shown().isEmpty());
}

TEST_F(RotaWindowTest, IsPlannedAgainAfterEveryKindOfChange)
{
    const struct {
        const char* change;
        std::function<void()> make;
    } changes[] = {
        {"another roster", [this] { form->ClickRoster(1); }},
        {"the roster before", [this] { form->ClickRoster(0); }},
        {"From", [this] { Field(kFromDate).setDate(QDate(2010, 4, 1)); }},
        {"Until", [this] { Field(kUntilDate).setDate(QDate(2010, 5, 20)); }},
        {"a person added",
         [this] {
             WhenDialogOpens(TypeNameAndOk(QStringLiteral("Cat")));
             form->Click(kAddPerson);
         }},
        {"a person renamed",
         [this] {
             form->ClickPerson(0);
             WhenDialogOpens(TypeNameAndOk(QStringLiteral("Anna")));
             form->Click(kEditPerson);
         }},
        {"a person deleted",
         [this] {
             form->ClickPerson(1);
             form->Click(kDeletePerson);
         }},
        {"a task added",
         [this] {
             WhenDialogOpens(TypeNameAndOk(QStringLiteral("Dust")));
             form->Click(kAddTask);
         }},
        {"a task renamed",
         [this] {
             form->ClickTask(0);
             WhenDialogOpens(TypeNameAndOk(QStringLiteral("Sweep floors")));
             form->Click(kEditTask);
         }},
        {"a task deleted",
         [this] {
             form->ClickTask(1);
             form->Click(kDeleteTask);
         }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.change);
        const Schedule::EntryList before = rota->Model().Entries();
        c.make();
        const Schedule::EntryList& after = rota->Model().Entries();
        const bool changed = before.size() != after.size()
            || !std::equal(before.begin(), before.end(), after.begin(), [](const auto& a, const auto& b) {
                                 return a.person == b.person && a.task == b.task && a.date == b.date;
                             });
        EXPECT_TRUE(changed);
        ExpectPlanOfCurrentRoster();
    }
    EXPECT_TRUE(boxes.Shown().isEmpty());
}

TEST_F(RotaWindowTest, FilterNarrowsTheTableWhileTheSummaryCountsEveryone)
{
    const QString summary = QStringLiteral("Turns in this period: Ann 16, Bob 16 (32 in all)");
    QComboBox& filter = rota->PersonFilter();
    EXPECT_EQ(filter.currentText(), "Everyone");
    EXPECT_EQ(rota->SummaryText(), summary);

    QTest::keyClick(&filter, Qt::Key_Down);
    QTest::keyClick(&filter, Qt::Key_Down);
    EXPECT_EQ(filter.currentText(), "Bob");
    ASSERT_EQ(rota->Model().rowCount(), 16);
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(Row(row).at(1), "Bob");
    EXPECT_EQ(Row(0).at(0), "Thursday, Mar 11");
    EXPECT_EQ(rota->SummaryText(), summary);

    // Bob stays chosen through a change of period, and Everyone is back once Bob is gone.
    Field(kUntilDate).setDate(QDate(2010, 3, 13));
    EXPECT_EQ(filter.currentText(), "Bob");
    EXPECT_EQ(rota->Model().rowCount(), 2);
    EXPECT_EQ(rota->SummaryText(), QStringLiteral("Turns in this period: Ann 2, Bob 2 (4 in all)"));
    form->ClickPerson(1);
    form->Click(kDeletePerson);
    EXPECT_EQ(filter.currentText(), "Everyone");
    EXPECT_EQ(rota->Model().rowCount(), 4);
}

TEST_F(RotaWindowTest, TellsWhyThereIsNoTableWithoutAMessageBox)
{
    const struct {
        const char* situation;
        std::function<void()> make;
        QStringList reasons;
    } cases[] = {
        {"From after Until",
         [this] { Field(kFromDate).setDate(QDate(2010, 5, 1)); },
         {"\u2022  The 'from' date is after the 'until' date."}},
        {"no persons, no tasks",
         [this] { form->ClickRoster(2); },
         {"\u2022  No persons defined.", "\u2022  No tasks defined."}},
    };
    rosters.Add(Roster(L"Empty"));
    form->ClickRoster(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        c.make();
        for (const QString& reason : c.reasons)
            EXPECT_TRUE(rota->ReasonText().contains(reason)) << rota->ReasonText().toStdString();
        EXPECT_EQ(rota->Model().rowCount(), 0);
        EXPECT_FALSE(Button(*rota, "E&xport PDF...").isEnabled());
        EXPECT_FALSE(Button(*rota, "Export to &Calendar...").isEnabled());
    }
    EXPECT_TRUE(boxes.Shown().isEmpty());
    form->ClickRoster(0);
    Field(kFromDate).setDate(QDate(2010, 3, 10));
    EXPECT_TRUE(rota->ReasonText().isEmpty());
    EXPECT_EQ(rota->Model().rowCount(), 32);
}

TEST_F(RotaWindowTest, ExportsThePrintedPagesToThePdfTheUserNames)
{
    SaveFileDialogScript dialogs;
    const QString pdf = TestFile("home.pdf");
    dialogs.AnswerNext(pdf);
    QTest::mouseClick(&Button(*rota, "E&xport PDF..."), Qt::LeftButton);
    ASSERT_EQ(dialogs.Proposed().size(), 1);
    EXPECT_EQ(dialogs.Proposed().front(),
              QDir(TestFile("Documents")).filePath(QStringLiteral("Home 2010-03-10 to 2010-04-10.pdf")));
    EXPECT_TRUE(Tool("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+[1-9]\\n")));
    const QString text = Tool("pdftotext", {"-layout", pdf, "-"});
    EXPECT_EQ(text.count("Cleaning roster"), 1);
    EXPECT_EQ(text.count(QRegularExpression("day, (Mar|Apr) \\d+ +(Ann|Bob) +Sweep")), 32);

    // Cancelled, nothing is written; unwritable, the user is told.
    QFile::remove(pdf);
    QTest::mouseClick(&Button(*rota, "E&xport PDF..."), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(pdf));
    dialogs.AnswerNext(TestFile("no-such-folder/home.pdf"));
    QTest::mouseClick(&Button(*rota, "E&xport PDF..."), Qt::LeftButton);
    EXPECT_TRUE(boxes.Last().startsWith("The PDF file could not be written:"));
}

TEST_F(RotaWindowTest, ExportsTheTurnsShownToACalendar)
{
    SaveFileDialogScript dialogs;
    const QString ics = TestFile("bob.ics");
    dialogs.AnswerNext(ics);
    QTest::keyClick(&rota->PersonFilter(), Qt::Key_End);
    QTest::mouseClick(&Button(*rota, "Export to &Calendar..."), Qt::LeftButton);
    EXPECT_EQ(QFileInfo(dialogs.Proposed().value(0)).fileName(), "Home (Bob) 2010-03-10 to 2010-04-10.ics");
    QFile file(ics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_EQ(text.count("BEGIN:VEVENT"), 16);
    EXPECT_EQ(text.count("SUMMARY:Sweep \u2014 Bob"), 16);
    EXPECT_FALSE(text.contains("Ann"));
}

TEST_F(RotaWindowTest, RosterListContextMenuAsksForTheRotaOfTheRosterPointedAt)
{
    QSignalSpy asked(&form->View(), &QuillmereView::ShowRotaRequested);
    QListWidget& list = form->RosterList();
    const QPoint flat = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, flat);
    // Qt asks for the context menu on its own event, after the click.
    QContextMenuEvent event(QContextMenuEvent::Mouse, flat, list.viewport()->mapToGlobal(flat));
    QApplication::sendEvent(list.viewport(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions().front()->text(), "Show &Rota...");
    EXPECT_EQ(menu->actions().back()->text(), "Rotation...");
    menu->actions().front()->trigger();
    menu->close();
    EXPECT_EQ(asked.count(), 1);
    EXPECT_EQ(rosters.CurrentIndex(), 1);
    EXPECT_EQ(rota->windowTitle(), QStringLiteral("Rota \u2014 Flat"));
}

// The dialogs of the form's context menus change the roster only through OK, and the rota follows.
TEST_F(RotaWindowTest, FormsContextMenusOpenTheRotationAndAwayDialogs)
{
    QSignalSpy changed(&form->View(), &QuillmereView::RostersChanged);
    QListWidget& persons = form->PersonList();
    QMenu& menu = MenuAt(persons, persons.visualItemRect(persons.item(0)).center());
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_EQ(menu.actions().front()->text(), "Away...");
    WhenDialogOpens([](QDialog& dialog) {
        auto& away = dynamic_cast<AwayDlg&>(dialog);
        away.FromField().setDate(QDate(2010, 3, 10));
        away.UntilField().setDate(QDate(2010, 3, 10));
        QTest::mouseClick(&away.AddButton(), Qt::LeftButton);
        away.accept();
    });
    Choose(menu, *menu.actions().front());
    EXPECT_EQ(Row(0).at(1), "Bob (for Ann)");
    EXPECT_EQ(changed.count(), 1);

    WhenDialogOpens([](QDialog& dialog) {
        ClickIndicator(dynamic_cast<RotationDlg&>(dialog).Balanced());
        dialog.reject();
    });
    form->View().OnRotation();
    EXPECT_EQ(rosters.Current()->GetAssignment(), Assignment::InTurn);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(RotaWindowTest, ContextMenuGivesATurnToAnotherPersonAndUndoesTheSwap)
{
    QSignalSpy changed(&form->View(), &QuillmereView::RostersChanged);
    QMenu& menu = RowMenu(0);
    ASSERT_EQ(menu.actions().size(), 2);
    QMenu* giveTo = menu.actions().at(0)->menu();
    ASSERT_NE(giveTo, nullptr);
    EXPECT_EQ(menu.actions().at(0)->text(), "Give this turn to");
    ASSERT_EQ(giveTo->actions().size(), 1);
    EXPECT_EQ(giveTo->actions().front()->text(), "Bob");
    EXPECT_EQ(menu.actions().at(1)->text(), "Undo swap");
    EXPECT_FALSE(menu.actions().at(1)->isEnabled());
    Choose(menu, *giveTo->actions().front());

    EXPECT_EQ(Row(0), (QStringList{"Wednesday, Mar 10", "Bob (for Ann)", "Sweep"}));
    EXPECT_EQ(Row(1).at(1), "Bob");
    EXPECT_EQ(changed.count(), 1);
    ExpectPlanOfCurrentRoster();

    QMenu& again = RowMenu(0);
    EXPECT_EQ(again.actions().at(0)->menu()->actions().front()->text(), "Ann");
    ASSERT_TRUE(again.actions().at(1)->isEnabled());
    Choose(again, *again.actions().at(1));
    EXPECT_EQ(Row(0).at(1), "Ann");
    EXPECT_TRUE(rosters.Current()->Swaps().empty());
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(RotaWindowTest, SummaryAddsTheMinutesOnceATaskHasAnEffort)
{
    rosters.Current()->Tasks().front()->SetEffort(15);
    Q_EMIT form->View().RostersChanged();
    EXPECT_EQ(
        rota->SummaryText(),
        QStringLiteral("Turns in this period: Ann 16 (240 min), Bob 16 (240 min); 32 turns, 480 min in all"));
}

TEST_F(RotaWindowTest, PicturesOfAStandInAndASwap)
{
    Roster& home = *rosters.Current();
    home.Persons().front()->SetAway({{Date(2010, 3, 12), Date(2010, 3, 13)}});
    home.Tasks().front()->SetEffort(10);
    home.GiveTurn(L"Sweep", Date(2010, 3, 15), L"Ann");
    Q_EMIT form->View().RostersChanged();
    EXPECT_EQ(Row(2).at(1), "Bob (for Ann)");
    EXPECT_EQ(Row(5).at(1), "Ann (for Bob)");
    rota->resize(620, 520);
    QTest::qWait(0);
    EXPECT_GT(QFileInfo(SavePicture(*rota, "rota-stand-in-and-swap")).size(), 0);
    QMenu& menu = RowMenu(5);
    menu.actions().at(0)->menu()->popup(menu.geometry().topRight());
    QTest::qWait(0);
    EXPECT_GT(QFileInfo(SavePicture(menu, "rota-row-menu")).size(), 0);
    menu.close();
}

TEST_F(RotaWindowTest, Pictures)
{
    rosters.Add(BuildSampleRoster());
    form->ClickRoster(2);
    rota->resize(620, 520);
    QTest::qWait(0);
    EXPECT_GT(QFileInfo(SavePicture(*rota, "rota-sample")).size(), 0);
    QTest::keyClick(&rota->PersonFilter(), Qt::Key_Down);
    QTest::qWait(0);
    EXPECT_GT(QFileInfo(SavePicture(*rota, "rota-one-person")).size(), 0);
    QTest::keyClick(&rota->PersonFilter(), Qt::Key_Home);
    Field(kUntilDate).setDate(QDate(2020, 3, 9));
    rota->findChild<QTableView*>()->scrollToBottom();
    QTest::qWait(0);
    EXPECT_GT(QFileInfo(SavePicture(*rota, "rota-ten-years")).size(), 0);
    Field(kFromDate).setDate(QDate(2021, 1, 1));
    QTest::qWait(0);
    EXPECT_GT(QFileInfo(SavePicture(*rota, "rota-cannot-plan")).size(), 0);
}
