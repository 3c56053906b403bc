#include "ui/NameValidator.h"

namespace {

bool IsCarried(const QString& text, qsizetype i)
{
    const QChar c = text[i];
    if (c.unicode() < 0x20)
        return c == u'\t' || c == u'\n' || c == u'\r';
    if (c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
        return false;
    if (c.isHighSurrogate())
        return i + 1 < text.size() && text[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i > 0 && text[i - 1].isHighSurrogate();
    return true;
}

} // namespace

QString NameValidator::Carried(const QString& text)
{
    QString carried;
    carried.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsCarried(text, i))
            carried.append(text[i]);
    }
    return carried;
}

QValidator::State NameValidator::validate(QString& input, int& position) const
{
    const QString carried = Carried(input);
    if (carried.size() != input.size()) {
        // The cursor stays after what was typed before it, less what was dropped there.
        position -= static_cast<int>(input.left(position).size() - Carried(input.left(position)).size());
        input = carried;
    }
    return Acceptable;
}
