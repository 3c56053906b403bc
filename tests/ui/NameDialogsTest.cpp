#include "EditorTestSupport.h"
#include "UiTestSupport.h"

#include "ui/AddPersonDlg.h"
#include "ui/AddTaskDlg.h"
#include "ui/ControlIds.h"
#include "ui/DialogTemplate.h"
#include "ui/FrequencyPanels.h"
#include "ui/MessageBox.h"

#include "roster/Task.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
const QString kNoName = QStringLiteral("Please enter a name.");

// The person and the task dialog both ask for a name; the task dialog also needs a rule to show.
struct NameCase {
    bool taskDialog;
    bool editMode;
    const char* typed;
    bool accepted;
};

class NameDialog {
public:
    explicit NameDialog(const NameCase& c)
    {
        if (c.taskDialog) {
            auto taskDialog = std::make_unique<AddTaskDlg>(c.editMode);
            taskDialog->SetName(L"Old name");
            taskDialog->SetFrequency(task.GetFrequency());
            name = [d = taskDialog.get()] { return d->GetName(); };
            dialog = std::move(taskDialog);
        } else {
            auto personDialog = std::make_unique<AddPersonDlg>(c.editMode);
            personDialog->SetName(L"Old name");
            name = [d = personDialog.get()] { return d->GetName(); };
            dialog = std::move(personDialog);
        }
    }

    Task task;
    std::unique_ptr<QDialog> dialog;
    std::function<std::wstring()> name;
};
} // namespace

class NameDialogOk : public testing::TestWithParam<NameCase> {
protected:
    NameDialogOk() { InstallFrequencyPanels(); }
};

TEST_P(NameDialogOk, RefusesOnlyAnEmptyNameWhereItNeedsOne)
{
    const NameCase& c = GetParam();
    MessageBoxScript messages;
    NameDialog named(c);
    QDialog& dialog = *named.dialog;
    ASSERT_TRUE(ShowActive(dialog));

    auto& field = Find<QLineEdit>(dialog, AddPersonDlgId::kName);
    EXPECT_EQ(field.text(), "Old name");
    field.clear();
    QTest::keyClicks(&field, c.typed);
    QTest::mouseClick(&Find<QWidget>(dialog, CommonId::kOk), Qt::LeftButton);

    if (c.accepted) {
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(named.name(), QString::fromLatin1(c.typed).toStdWString());
        EXPECT_TRUE(messages.Shown().isEmpty());
    } else {
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.Shown(), QStringList{kNoName});
        EXPECT_EQ(QApplication::focusWidget(), &field);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NameDialogOk,
                         testing::Values(NameCase{false, false, "", false}, NameCase{false, true, "", false},
                                         NameCase{true, false, "", false}, NameCase{true, true, "", true},
                                         NameCase{false, false, " ", true}, NameCase{true, false, " ", true},
                                         NameCase{false, true, "Bob", true},
                                         NameCase{true, true, "Dust", true}));

TEST(NameDialogs, CancelKeepsTheOldNameAndEnterPressesOk)
{
    for (const bool taskDialog : {false, true}) {
        InstallFrequencyPanels();
        NameDialog cancelled({taskDialog, true, "", false});
        ASSERT_TRUE(ShowActive(*cancelled.dialog));
        auto& field = Find<QLineEdit>(*cancelled.dialog, AddPersonDlgId::kName);
        QTest::keyClicks(&field, " and more");
        QTest::keyClick(&field, Qt::Key_Escape);
        EXPECT_EQ(cancelled.dialog->result(), QDialog::Rejected);
        EXPECT_FALSE(cancelled.dialog->isVisible());
        EXPECT_EQ(cancelled.name(), L"Old name");

        NameDialog entered({taskDialog, false, "", false});
        ASSERT_TRUE(ShowActive(*entered.dialog));
        QTest::keyClick(&Find<QLineEdit>(*entered.dialog, AddPersonDlgId::kName), Qt::Key_Return);
        EXPECT_EQ(entered.dialog->result(), QDialog::Accepted);
        EXPECT_EQ(entered.name(), L"Old name");
    }
}

// A control character typed or pasted into a name would make the roster file unreadable to any
// strict reader: the field drops it and keeps the rest.
TEST(NameDialogs, NameFieldsDropWhatTheRosterFileCannotHold)
{
    InstallFrequencyPanels();
    for (const bool taskDialog : {false, true}) {
        NameDialog named({taskDialog, false, "", false});
        ASSERT_TRUE(ShowActive(*named.dialog));
        auto& field = Find<QLineEdit>(*named.dialog, AddPersonDlgId::kName);
        field.clear();
        QApplication::clipboard()->setText(QStringLiteral("An\u0001na\u001F \uFFFF") + QChar(0xD800)
                                           + QStringLiteral("Z\u00f6e \U0001F9F9"));
        field.paste();
        EXPECT_EQ(field.text(), QStringLiteral("Anna Z\u00f6e \U0001F9F9"));
        QTest::keyClicks(&field, QStringLiteral("!"));
        EXPECT_EQ(field.text(), QStringLiteral("Anna Z\u00f6e \U0001F9F9!"));
    }
}

TEST(NameDialogs, CaptionsStayInEditMode)
{
    InstallFrequencyPanels();
    for (const bool editMode : {false, true}) {
        EXPECT_EQ(AddPersonDlg(editMode).windowTitle(), "Add person to roster");
        EXPECT_EQ(AddTaskDlg(editMode).windowTitle(), "Add task to roster");
    }
}

// The editor takes the placeholder's place; where its panels need more room for their texts than
// the template gave, the dialog grows to the right and keeps the buttons at its edge.
TEST(AddTaskDlg, TheEditorTakesThePlaceholdersAreaWidenedForItsPanels)
{
    InstallFrequencyPanels();
    Task task;
    AddTaskDlg dialog(false);
    dialog.SetFrequency(task.GetFrequency());
    ASSERT_NE(FindControl<QGroupBox>(&dialog, AddTaskDlgId::kFrequencyPlaceholder), nullptr);
    ASSERT_TRUE(ShowActive(dialog));

    EXPECT_EQ(FindControl(&dialog, AddTaskDlgId::kFrequencyPlaceholder), nullptr);
    const auto* editor = dialog.findChild<FrequencyCtrl*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    const QRect placeholder = DialogUnits(dialog.font()).Rect(7, 23, 232, 109);
    EXPECT_EQ(editor->geometry().topLeft(), placeholder.topLeft());
    EXPECT_EQ(editor->height(), placeholder.height());
    EXPECT_GE(editor->width(), placeholder.width());
    EXPECT_GE(editor->width(), editor->MinimumWidth());
    const int widened = editor->width() - placeholder.width();
    EXPECT_EQ(dialog.width(), DialogUnits(dialog.font()).X(246) + widened);
    const auto* cancel = FindControl<QPushButton>(&dialog, CommonId::kCancel);
    EXPECT_EQ(cancel->geometry().right(),
              DialogUnits(dialog.font()).Rect(189, 140, 50, 14).right() + widened);
}

TEST(AddTaskDlg, TabGoesFromTheNameThroughTheEditorToTheButtons)
{
    InstallFrequencyPanels();
    Task task;
    AddTaskDlg dialog(false);
    dialog.SetFrequency(task.GetFrequency());
    ASSERT_TRUE(ShowActive(dialog));
    auto& name = Find<QLineEdit>(dialog, AddTaskDlgId::kName);
    name.setFocus();

    QTest::keyClick(&name, Qt::Key_Tab);
    EXPECT_EQ(ControlId(QApplication::focusWidget()), FrequencyCtrlId::kKind);
    name.setFocus();
    QTest::keyClick(&name, Qt::Key_Backtab);
    EXPECT_EQ(ControlId(QApplication::focusWidget()), CommonId::kCancel);
}
