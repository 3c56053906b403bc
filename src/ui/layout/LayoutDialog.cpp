#include "ui/layout/LayoutDialog.h"

#include "ui/ControlIds.h"
#include "ui/resources/UiResources.h"

#include <QResizeEvent>

LayoutDialog::LayoutDialog(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , LayoutMgr(this)
{
    setWindowIcon(ResourceIcon(AppResourceId::kMainFrame));
}

void LayoutDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    OnResize(event->size());
}
