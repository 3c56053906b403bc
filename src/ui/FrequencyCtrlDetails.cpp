#include "ui/FrequencyCtrlDetails.h"

#include "ui/DialogTemplate.h"
#include "ui/TemplateRows.h"

#include "recurrence/Vocabulary.h"

#include <QComboBox>
#include <QLabel>

#include <algorithm>

namespace {

bool OnOneLine(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && a.bottom() >= b.top();
}

// Drop-down lists were measured for another font and for the items the template author knew; each
// grows to its longest item, and whatever stands to its right on its line moves over by as much.
void FitListsToItems(QWidget& panel)
{
    QList<QComboBox*> lists = panel.findChildren<QComboBox*>(Qt::FindDirectChildrenOnly);
    std::sort(lists.begin(), lists.end(), [](QComboBox* a, QComboBox* b) { return a->x() < b->x(); });
    for (QComboBox* list : lists) {
        // The list measured itself while it was still empty; this makes it measure its items.
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        const int growth = list->sizeHint().width() - list->width();
        if (growth <= 0)
            continue;
        const QRect before = list->geometry();
        list->resize(list->width() + growth, list->height());
        for (QWidget* other : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != list && other->x() > before.right() && OnOneLine(other->geometry(), before))
                other->move(other->x() + growth, other->y());
        }
    }
    const QRect used = panel.childrenRect();
    panel.resize(panel.size().expandedTo(QSize(used.right() + 1, used.bottom() + 1)));
}

} // namespace

void FrequencyCtrlDetails::CreateFromTemplate(DetailsPanelParent& parent, const DialogTemplate& dialog)
{
    auto* created = new LayoutDialog(&dynamic_cast<QWidget&>(parent));
    // A dialog class serves as a panel inside the editor, not as a window of its own.
    created->setWindowFlags(Qt::Widget);
    window = created;
    const DialogUnits units = BuildFromTemplate(dialog, *created);
    OnInitDialog();
    FitListsToItems(*created);
    BuildLayout(*created, TemplateRows(*created, units, dialog.controls));
    created->UpdateLayout();
}

// The label is as wide as the longer of its two texts from the start: the layout places it once.
void FrequencyCtrlDetails::ShowUnit(int labelId, std::int32_t interval, const wchar_t* singular,
                                    const wchar_t* plural) const
{
    auto* label = Get<QLabel>(labelId);
    const QFontMetrics metrics = label->fontMetrics();
    const int widest = std::max(metrics.horizontalAdvance(QString::fromWCharArray(singular)),
                                metrics.horizontalAdvance(QString::fromWCharArray(plural)));
    label->resize(std::max(label->width(), widest + 2 * label->margin()), label->height());
    label->setText(QString::fromStdWString(UnitWord(interval, singular, plural)));
}
