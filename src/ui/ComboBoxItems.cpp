#include "ui/ComboBoxItems.h"

#include <QComboBox>

void FillNumbers(QComboBox& combo, int last)
{
    for (int number = 1; number <= last; ++number)
        combo.addItem(QString::number(number));
}

void SelectNumber(QComboBox& combo, int number)
{
    combo.setCurrentIndex(number >= 1 && number <= combo.count() ? number - 1 : -1);
}

void ReadNumber(const QComboBox& combo, std::int32_t& value)
{
    if (combo.currentIndex() >= 0)
        value = combo.currentText().toInt();
}

void SelectValue(QComboBox& combo, VocabularyTable table, std::int32_t value)
{
    if (combo.count() == 0) {
        for (const VocabularyEntry& entry : table)
            combo.addItem(QString::fromWCharArray(entry.display), entry.value);
    }
    combo.setCurrentIndex(combo.findData(value));
}

void ReadValue(const QComboBox& combo, VocabularyTable table, std::int32_t& value)
{
    const QVariant data = combo.currentData();
    if (data.isValid() && HasValue(table, data.toInt()))
        value = data.toInt();
}
