#pragma once

#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>

// A balloon message: a bubble with a title line (icon and bold title) and a body text, whose tail
// points at an anchor point on the screen. It is a pop-up of the GUI thread that never takes the
// focus and never activates, so the user can go on typing while it is shown. It ends by itself:
// when it is clicked, after about ten seconds of being visible, or when the application's active
// window, focus widget, mouse grab or open pop-up changes; its owner may close it any time.
class CBalloonMsgWnd : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 30;
    static constexpr int kVisibleMilliseconds = 10000;
    // Longer body texts wrap at this width.
    static constexpr int kMaxTextWidth = 250;

    // With an owner the balloon is that widget's and goes with it; without one it is its own. It
    // points at `anchor` in screen coordinates, or at the mouse cursor when there is none.
    CBalloonMsgWnd(QWidget* owner, const QString& title, const QString& text, const QIcon& titleIcon,
                   std::optional<QPoint> anchor);

    const QString& Title() const { return title; }
    const QString& Text() const { return text; }
    // Where the tail's tip is, in screen coordinates.
    QPoint TipPosition() const;
    unsigned VisibleTicks() const { return visibleTicks; }

    // One beat of the balloon's clock: counts the time it has been visible and watches for the
    // changes that end it. Its timer beats every kTickMilliseconds; tests beat it themselves.
    void Tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What the user is doing with the application; a change of it dismisses the balloon.
    struct GuiState {
        static GuiState Current();
        friend bool operator==(const GuiState&, const GuiState&) = default;

        QPointer<QWidget> activeWindow;
        QPointer<QWidget> focusWidget;
        QPointer<QWidget> mouseGrabber;
        QPointer<QWidget> activePopup;
    };

    void Arrange();
    void WatchGuiState();

    QString title;
    QString text;
    QIcon titleIcon;
    std::optional<QPoint> anchor;
    QTimer timer;
    unsigned visibleTicks = 0;
    // Taken at the first beat that finds a focus widget.
    std::optional<GuiState> guiState;

    // Geometry worked out by Arrange, in the balloon's own coordinates.
    QRect bubbleRect;
    QRect iconRect;
    QRect titleRect;
    QRect textRect;
    int tipX = 0;
    bool tailAtTop = true;
};

// Opens a balloon that points at the centre of `anchor` (or at the mouse cursor without one) and
// returns it; `owner`, when given, owns it. The caller keeps the pointer (as a QPointer, since the
// balloon deletes itself when it ends) to close it early.
CBalloonMsgWnd* ShowBalloon(QWidget* anchor, QWidget* owner, const QString& title, const QString& text,
                            const QIcon& icon);
