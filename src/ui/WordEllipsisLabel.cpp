#include "ui/WordEllipsisLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace {
const QString kEllipsis = QStringLiteral("...");
} // namespace

WordEllipsisLabel::WordEllipsisLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
}

QString WordEllipsisLabel::ShownText() const
{
    const QFontMetrics metrics(font());
    const int room = contentsRect().width();
    QString shown = text();
    if (metrics.horizontalAdvance(shown) <= room)
        return shown;
    // Drop whole words from the end until the rest and the ellipsis fit; a single word that is
    // still too long keeps the ellipsis alone.
    while (!shown.isEmpty()) {
        const qsizetype space = shown.lastIndexOf(QLatin1Char(' '));
        shown = space < 0 ? QString() : shown.left(space).trimmed();
        if (metrics.horizontalAdvance(shown + kEllipsis) <= room)
            break;
    }
    return shown + kEllipsis;
}

void WordEllipsisLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(),
                          ShownText(), foregroundRole());
}
