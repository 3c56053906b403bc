#include "MessageBox.h"

#include <QMessageBox>

namespace {
const QString kTitle = QStringLiteral("Brindlewick");

MessageBoxScript*& ActiveScript()
{
    static MessageBoxScript* script = nullptr;
    return script;
}
} // namespace

void MessageBox::Error(QWidget* parent, const QString& text)
{
    if (ActiveScript()) {
        ActiveScript()->Answer(text, false);
        return;
    }
    QMessageBox::critical(parent, kTitle, text, QMessageBox::Ok);
}

bool MessageBox::Question(QWidget* parent, const QString& text)
{
    if (ActiveScript())
        return ActiveScript()->Answer(text, true);
    return QMessageBox::question(parent, kTitle, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

MessageBoxScript::MessageBoxScript()
    : previous(ActiveScript())
{
    ActiveScript() = this;
}

MessageBoxScript::~MessageBoxScript()
{
    ActiveScript() = previous;
}

void MessageBoxScript::AnswerNext(bool yes)
{
    answers.append(yes);
}

bool MessageBoxScript::Answer(const QString& text, bool isQuestion)
{
    shown.append(text);
    if (!isQuestion || answers.isEmpty())
        return false;
    return answers.takeFirst();
}
