#include "ui/layout/LayoutFormView.h"

#include "ui/layout/ControlLookup.h"

#include <QResizeEvent>

LayoutFormView::LayoutFormView(int formId, QWidget* parent)
    : QWidget(parent)
    , LayoutMgr(this)
{
    SetControlId(this, formId);
}

void LayoutFormView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    OnResize(event->size());
}

bool LayoutFormView::LimitsWindowSize() const
{
    return true;
}
