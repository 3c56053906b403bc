#include "ui/FrequencyCtrlDetails.h"

#include "ui/DialogTemplate.h"
#include "ui/TemplateRows.h"

#include "recurrence/Vocabulary.h"

#include <QLabel>

void FrequencyCtrlDetails::CreateFromTemplate(DetailsPanelParent& parent, const DialogTemplate& dialog)
{
    auto* created = new LayoutDialog(&dynamic_cast<QWidget&>(parent));
    // A dialog class serves as a panel inside the editor, not as a window of its own.
    created->setWindowFlags(Qt::Widget);
    window = created;
    const DialogUnits units = BuildFromTemplate(dialog, *created);
    OnInitDialog();
    BuildLayout(*created, TemplateRows(*created, units, dialog.controls));
    created->UpdateLayout();
}

void FrequencyCtrlDetails::ShowUnit(int labelId, std::int32_t interval, const wchar_t* singular,
                                    const wchar_t* plural) const
{
    Get<QLabel>(labelId)->setText(QString::fromStdWString(UnitWord(interval, singular, plural)));
}
