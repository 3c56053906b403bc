#include "ui/SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace {
SaveFileDialogScript*& ActiveScript()
{
    static SaveFileDialogScript* script = nullptr;
    return script;
}
} // namespace

QString SaveFileDialog::Ask(QWidget* parent, const QString& caption, const QString& proposedPath,
                            const QString& filter)
{
    if (ActiveScript())
        return ActiveScript()->Answer(proposedPath);
    return QFileDialog::getSaveFileName(parent, caption, proposedPath, filter);
}

QString SaveFileDialog::InDocuments(const QString& fileName)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(fileName);
}

SaveFileDialogScript::SaveFileDialogScript()
    : previous(ActiveScript())
{
    ActiveScript() = this;
}

SaveFileDialogScript::~SaveFileDialogScript()
{
    ActiveScript() = previous;
}

void SaveFileDialogScript::AnswerNext(const QString& path)
{
    answers.append(path);
}

QString SaveFileDialogScript::Answer(const QString& proposedPath)
{
    proposed.append(proposedPath);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}
