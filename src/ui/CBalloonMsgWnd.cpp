#include "ui/CBalloonMsgWnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace {
constexpr int kPadding = 10;
constexpr int kIconSize = 16;
constexpr int kIconGap = 6;
constexpr int kLineGap = 6;
constexpr int kCornerRadius = 8;
constexpr int kTailHeight = 16;
constexpr int kTailWidth = 18;
// Where the tail leaves the bubble, from its left edge, when the screen leaves room for it.
constexpr int kTipInset = 22;
// How far the tail reaches into the bubble, so that the two outlines merge into one.
constexpr int kTailOverlap = 2;

QFont TitleFont(const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    return bold;
}
} // namespace

CBalloonMsgWnd::GuiState CBalloonMsgWnd::GuiState::Current()
{
    return {QApplication::activeWindow(), QApplication::focusWidget(), QWidget::mouseGrabber(),
            QApplication::activePopupWidget()};
}

CBalloonMsgWnd::CBalloonMsgWnd(QWidget* owner, const QString& title, const QString& text,
                               const QIcon& titleIcon, std::optional<QPoint> anchor)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , title(title)
    , text(text)
    , titleIcon(titleIcon)
    , anchor(anchor)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    Arrange();

    timer.setInterval(kTickMilliseconds);
    connect(&timer, &QTimer::timeout, this, &CBalloonMsgWnd::Tick);
    timer.start();
}

QPoint CBalloonMsgWnd::TipPosition() const
{
    return pos() + QPoint(tipX, tailAtTop ? 0 : height());
}

void CBalloonMsgWnd::Tick()
{
    if (!isVisible())
        return;
    ++visibleTicks;
    if (visibleTicks * kTickMilliseconds >= kVisibleMilliseconds) {
        close();
        return;
    }
    WatchGuiState();
}

void CBalloonMsgWnd::WatchGuiState()
{
    const GuiState now = GuiState::Current();
    if (!guiState) {
        if (now.focusWidget)
            guiState = now;
        return;
    }
    // A click elsewhere, another focus or another window: the user has moved on.
    if (now != *guiState)
        close();
}

void CBalloonMsgWnd::Arrange()
{
    const QFontMetrics textMetrics(font()), titleMetrics(TitleFont(font()));
    const int titleWidth = titleMetrics.horizontalAdvance(title);
    const int titleHeight = std::max(kIconSize, titleMetrics.height());
    const QRect wrapped = text.isEmpty()
        ? QRect()
        : textMetrics.boundingRect(QRect(0, 0, kMaxTextWidth, 10000), Qt::TextWordWrap, text);
    const int contentWidth = std::max(kIconSize + kIconGap + titleWidth, wrapped.width());
    const int contentHeight = titleHeight + (text.isEmpty() ? 0 : kLineGap + wrapped.height());
    const QSize bubble(contentWidth + 2 * kPadding, contentHeight + 2 * kPadding);
    const QSize window(bubble.width(), bubble.height() + kTailHeight);

    const QPoint target = anchor.value_or(QCursor::pos());
    const QScreen* screen = QGuiApplication::screenAt(target);
    const QRect area = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();

    // Below the anchor with the tail up when there is room, above it with the tail down otherwise;
    // moved sideways to stay on the screen, the tail still pointing at the anchor.
    tailAtTop = target.y() + window.height() <= area.bottom() + 1;
    const int x = std::clamp(target.x() - kTipInset, area.left(),
                             std::max(area.left(), area.right() + 1 - window.width()));
    const int y = tailAtTop ? target.y() : target.y() - window.height();
    tipX = std::clamp(target.x() - x, kCornerRadius, window.width() - kCornerRadius - kTailWidth);
    setGeometry(x, y, window.width(), window.height());

    bubbleRect = QRect(QPoint(0, tailAtTop ? kTailHeight : 0), bubble);
    const QPoint content = bubbleRect.topLeft() + QPoint(kPadding, kPadding);
    iconRect = QRect(content.x(), content.y() + (titleHeight - kIconSize) / 2, kIconSize, kIconSize);
    titleRect = QRect(content.x() + kIconSize + kIconGap, content.y(), titleWidth + 1, titleHeight);
    textRect = QRect(content.x(), content.y() + titleHeight + kLineGap, contentWidth, wrapped.height());
}

void CBalloonMsgWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(bubbleRect).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    QPainterPath tail;
    if (tailAtTop) {
        tail.moveTo(tipX + 0.5, 0.5);
        tail.lineTo(tipX + 0.5, kTailHeight + kTailOverlap);
        tail.lineTo(tipX + kTailWidth, kTailHeight + kTailOverlap);
    } else {
        tail.moveTo(tipX + 0.5, height() - 0.5);
        const int bubbleEnd = bubbleRect.y() + bubbleRect.height();
        tail.lineTo(tipX + 0.5, bubbleEnd - kTailOverlap);
        tail.lineTo(tipX + kTailWidth, bubbleEnd - kTailOverlap);
    }
    tail.closeSubpath();

    const QColor base = palette().color(QPalette::ToolTipBase);
    const QColor ink = palette().color(QPalette::ToolTipText);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, base.lighter(106));
    fill.setColorAt(1, base);
    QColor outline = ink;
    outline.setAlpha(150);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawPath(bubble.united(tail));

    titleIcon.paint(&painter, iconRect);
    painter.setPen(ink);
    painter.setFont(TitleFont(font()));
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(font());
    // Plain drawing shows an ampersand as it is, never as a shortcut mark.
    painter.drawText(textRect, Qt::TextWordWrap, text);
}

void CBalloonMsgWnd::mousePressEvent(QMouseEvent*)
{
    close();
}

void CBalloonMsgWnd::closeEvent(QCloseEvent* event)
{
    timer.stop();
    QWidget::closeEvent(event);
}

CBalloonMsgWnd* ShowBalloon(QWidget* anchor, QWidget* owner, const QString& title, const QString& text,
                            const QIcon& icon)
{
    std::optional<QPoint> centre;
    if (anchor)
        centre = anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height() / 2));
    auto* balloon = new CBalloonMsgWnd(owner, title, text, icon, centre);
    balloon->show();
    return balloon;
}
