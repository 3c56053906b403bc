#include "MainFormSupport.h"

#include "EditorTestSupport.h"
#include "UiTestSupport.h"

#include "ui/ControlIds.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

Roster MakeRoster(const wchar_t* name, std::initializer_list<const wchar_t*> persons,
                  std::initializer_list<const wchar_t*> tasks)
{
    Roster roster(name);
    for (const wchar_t* person : persons)
        roster.AddPerson(std::make_unique<Person>(person));
    for (const wchar_t* task : tasks)
        roster.AddTask(std::make_unique<Task>(task));
    return roster;
}

void WhenDialogOpens(std::function<void(QDialog&)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action = std::move(action)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start();
}

std::function<void(QDialog&)> TypeNameAndOk(const QString& name)
{
    return [name](QDialog& dialog) {
        auto& field = Find<QLineEdit>(dialog, AddPersonDlgId::kName);
        field.clear();
        QTest::keyClicks(&field, name);
        QTest::mouseClick(&Find<QWidget>(dialog, CommonId::kOk), Qt::LeftButton);
    };
}

MainFormWindow::MainFormWindow(RosterCollection& rosters)
    : view(new QuillmereView(rosters))
{
    window.setCentralWidget(view);
    // A label editor closes as soon as its window is not the active one.
    ShowActive(window);
}

QListWidget& MainFormWindow::RosterList()
{
    return Find<QListWidget>(*view, MainFormId::kRosterList);
}

QListWidget& MainFormWindow::PersonList()
{
    return Find<QListWidget>(*view, MainFormId::kPersonList);
}

QTreeWidget& MainFormWindow::TaskList()
{
    return Find<QTreeWidget>(*view, MainFormId::kTaskList);
}

void MainFormWindow::Click(int controlId)
{
    QTest::mouseClick(&Find<QWidget>(*view, controlId), Qt::LeftButton);
}

bool MainFormWindow::Enabled(int controlId)
{
    return Find<QWidget>(*view, controlId).isEnabled();
}

void MainFormWindow::ClickRoster(int row)
{
    QListWidget& list = RosterList();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

void MainFormWindow::ClickPerson(int row)
{
    QListWidget& list = PersonList();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

void MainFormWindow::ClickTask(int row, Qt::KeyboardModifiers modifiers)
{
    QTreeWidget& list = TaskList();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers,
                      list.visualItemRect(list.topLevelItem(row)).center());
}

QStringList MainFormWindow::RosterNames()
{
    QStringList names;
    for (int row = 0; row < RosterList().count(); ++row)
        names << RosterList().item(row)->text();
    return names;
}

QStringList MainFormWindow::PersonNames()
{
    QStringList names;
    for (int row = 0; row < PersonList().count(); ++row)
        names << PersonList().item(row)->text();
    return names;
}

QStringList MainFormWindow::TaskRows()
{
    QStringList rows;
    for (int row = 0; row < TaskList().topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = TaskList().topLevelItem(row);
        rows << item->text(0) + QStringLiteral(" | ") + item->text(1);
    }
    return rows;
}
