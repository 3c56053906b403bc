#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every message box of the program: the application's title, a stop icon with OK for refusals and
// validation, Yes and No for a question. While a MessageBoxScript is in force nothing is shown and
// the script answers instead, so that tests never wait for a person.
class MessageBox {
public:
    static void Error(QWidget* parent, const QString& text);
    // True when the answer is Yes.
    static bool Question(QWidget* parent, const QString& text);
};

// Answers the message boxes of a test. Questions take the queued answers in order and No once
// the queue is empty; every text shown is recorded.
class MessageBoxScript {
public:
    MessageBoxScript();
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    void AnswerNext(bool yes);
    const QStringList& Shown() const { return shown; }
    QString Last() const { return shown.isEmpty() ? QString() : shown.back(); }

private:
    friend class MessageBox;
    bool Answer(const QString& text, bool isQuestion);

    QList<bool> answers;
    QStringList shown;
    MessageBoxScript* previous;
};
