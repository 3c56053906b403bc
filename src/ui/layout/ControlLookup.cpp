#include "ui/layout/ControlLookup.h"

#include <QWidget>

#include <deque>

namespace {
constexpr char kIdProperty[] = "brindlewickControlId";
} // namespace

void SetControlId(QWidget* control, int id)
{
    control->setProperty(kIdProperty, id);
}

int ControlId(const QWidget* control)
{
    return control->property(kIdProperty).toInt();
}

QWidget* FindControl(const QWidget* window, int id)
{
    // Breadth first, so that a control of this window wins over one of a panel inside it.
    std::deque<const QWidget*> pending{window};
    while (!pending.empty()) {
        const QWidget* parent = pending.front();
        pending.pop_front();
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow())
                continue;
            if (ControlId(child) == id)
                return child;
            pending.push_back(child);
        }
    }
    return nullptr;
}
