#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The save-file dialog of the exports. While a SaveFileDialogScript is in force nothing is shown
// and the script answers instead, so that tests never wait for a person.
class SaveFileDialog {
public:
    // The path the user chose, or an empty text when the dialog was cancelled.
    static QString Ask(QWidget* parent, const QString& caption, const QString& proposedPath,
                       const QString& filter);
    // A file of that name in the user's documents folder, where an export is proposed first.
    static QString InDocuments(const QString& fileName);
};

// Answers the save-file dialogs of a test with the queued paths in order; an empty path, or an
// empty queue, cancels. The path each dialog proposed is recorded.
class SaveFileDialogScript {
public:
    SaveFileDialogScript();
    ~SaveFileDialogScript();
    SaveFileDialogScript(const SaveFileDialogScript&) = delete;
    SaveFileDialogScript& operator=(const SaveFileDialogScript&) = delete;

    void AnswerNext(const QString& path);
    const QStringList& Proposed() const { return proposed; }

private:
    friend class SaveFileDialog;
    QString Answer(const QString& proposedPath);

    QStringList answers;
    QStringList proposed;
    SaveFileDialogScript* previous;
};
