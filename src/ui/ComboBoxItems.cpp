#include "ui/ComboBoxItems.h"

#include <QComboBox>

void FillNumbers(QComboBox& combo, int last)
{
    for (int number = 1; number <= last; ++number)
        combo.addItem(QString::number(number));
}

void SelectNumber(QComboBox& combo, int number)
{
    const QString text = QString::number(number);
    int index = combo.findText(text);
    if (index < 0) {
        combo.addItem(text);
        index = combo.count() - 1;
    }
    combo.setCurrentIndex(index);
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
