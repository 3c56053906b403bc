#include "ui/resources/UiResources.h"

#include "ui/ControlIds.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources live in a static library, where nothing would pull them into the program unless
// they are registered explicitly. Qt's registration macro must not be used inside a namespace.
static void RegisterUiResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(ui_resources);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {
QString IconFile(int id)
{
    switch (id)
    {
    case AppResourceId::kMainFrame:
        return QStringLiteral(":/brindlewick/app-icon.svg");
    case BalloonResourceId::kInvalidValueIcon:
        return QStringLiteral(":/brindlewick/invalid-value.svg");
    default:
        return {};
    }
}

QIcon RenderedIcon(const QString& file)
{
    QSvgRenderer renderer(file);
    QIcon icon;
    for (const int size : {16, 24, 32, 48})
    {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace

QIcon ResourceIcon(int id)
{
    RegisterUiResources();
    const QString file = IconFile(id);
    return file.isEmpty() ? QIcon() : RenderedIcon(file);
}

QString ResourceString(int id)
{
    switch (id)
    {
    case AppResourceId::kMainFrame:
        return QStringLiteral("Brindlewick");
    case BalloonResourceId::kRangeMessage:
        return QStringLiteral("Please enter a number between %1 and %2.");
    case BalloonResourceId::kInvalidValueTitle:
        return QStringLiteral("Invalid value");
    default:
        return {};
    }
}
