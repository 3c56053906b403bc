#pragma once

#include <QValidator>

// Keeps out of a name field the characters the roster file cannot carry (control characters other
// than tab, line feed and carriage return; U+FFFE, U+FFFF; halves of a surrogate pair on their own),
// whether typed or pasted: the rest of the text stays as it was given.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;

    // The text without those characters.
    static QString Carried(const QString& text);
};
