#include "EditorTestSupport.h"
#include "UiTestSupport.h"

#include "ui/AddPersonDlg.h"
#include "ui/AddTaskDlg.h"
#include "ui/ControlIds.h"
#include "ui/FrequencyPanels.h"

#include "roster/Task.h"

#include <QComboBox>
#include <QFileInfo>

#include <gtest/gtest.h>

// Pictures of the dialogs as a user sees them, to be looked at after a change of their looks.
TEST(EditorPictures, TaskDialogWithEachKindAndPersonDialog)
{
    InstallFrequencyPanels();
    Task task(L"Hoover the stairs");
    AddTaskDlg taskDialog(true);
    taskDialog.SetName(task.GetName());
    taskDialog.SetFrequency(task.GetFrequency());
    ASSERT_TRUE(ShowActive(taskDialog));

    auto& kinds = Find<QComboBox>(taskDialog, FrequencyCtrlId::kKind);
    for (const char* kind : {"Daily", "Weekly", "Monthly", "Yearly"}) {
        ChooseItem(kinds, QString::fromLatin1(kind));
        ASSERT_EQ(kinds.currentText(), QString::fromLatin1(kind));
        EXPECT_TRUE(
            QFileInfo(SavePicture(taskDialog, QStringLiteral("task-dialog-%1").arg(kind).toLower())).size()
            > 0);
    }

    AddPersonDlg personDialog(false);
    personDialog.SetName(L"Alice");
    ASSERT_TRUE(ShowActive(personDialog));
    EXPECT_TRUE(QFileInfo(SavePicture(personDialog, QStringLiteral("person-dialog"))).size() > 0);
}
