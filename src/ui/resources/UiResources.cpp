#include "ui/resources/UiResources.h"

#include "ui/ControlIds.h"

#include <QPainter>
#include <QPixmap>
#include <QStringList>
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
QString File(const char* name)
{
    return QStringLiteral(":/brindlewick/") + QLatin1String(name) + QStringLiteral(".svg");
}

// A small button's icon is the picture of what the command acts on, with the command's badge
// over its lower right corner: the nine buttons share three pictures and three badges.
QStringList Badged(const char* picture, const char* badge)
{
    return {File(picture), File(badge)};
}

// The pictures an icon is painted from, bottom first; empty for an unknown id.
QStringList IconLayers(int id)
{
    switch (id) {
    case AppResourceId::kMainFrame:
        return {File("app-icon")};
    case BalloonResourceId::kInvalidValueIcon:
        return {File("invalid-value")};
    case BitmapId::kPrintButton:
        return {File("print")};
    case BitmapId::kRoster:
        return {File("roster")};
    case BitmapId::kPeople:
        return {File("people")};
    case BitmapId::kPeriod:
        return {File("period")};
    case BitmapId::kTasks:
        return {File("tasks")};
    case BitmapId::kNewRoster:
        return Badged("roster-small", "badge-add");
    case BitmapId::kDeleteRoster:
        return Badged("roster-small", "badge-delete");
    case BitmapId::kRenameRoster:
        return Badged("roster-small", "badge-edit");
    case BitmapId::kAddPerson:
        return Badged("person-small", "badge-add");
    case BitmapId::kEditPerson:
        return Badged("person-small", "badge-edit");
    case BitmapId::kDeletePerson:
        return Badged("person-small", "badge-delete");
    case BitmapId::kAddTask:
        return Badged("task-small", "badge-add");
    case BitmapId::kEditTask:
        return Badged("task-small", "badge-edit");
    case BitmapId::kDeleteTask:
        return Badged("task-small", "badge-delete");
    default:
        return {};
    }
}

// Drawn once for every size the program shows, and again at twice that size for screens scaled
// to 200 %, so that no size is scaled up from a smaller picture.
QIcon RenderedIcon(const QStringList& layers)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 96}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        for (const QString& layer : layers)
            QSvgRenderer(layer).render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace

QIcon ResourceIcon(int id)
{
    RegisterUiResources();
    const QStringList layers = IconLayers(id);
    return layers.isEmpty() ? QIcon() : RenderedIcon(layers);
}

QString ResourceString(int id)
{
    switch (id) {
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
