#include "ui/RotaModel.h"

#include "print/RosterPrintout.h"

#include <utility>

namespace {
// The printout's form names no year; over a period of years the tooltip tells which one.
QString DateText(const Date& day, bool withYear)
{
    const QString text = QString::fromStdWString(PrintedDateText(day));
    return withYear ? text + QStringLiteral(", ") + QString::number(static_cast<int>(day.year())) : text;
}
} // namespace

void RotaModel::SetEntries(Schedule::EntryList planned)
{
    beginResetModel();
    entries = std::move(planned);
    Select();
    endResetModel();
}

void RotaModel::SetPerson(std::optional<std::wstring> name)
{
    beginResetModel();
    person = std::move(name);
    Select();
    endResetModel();
}

void RotaModel::Select()
{
    rows.clear();
    rows.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!person || entries[i].person == *person)
            rows.push_back(i);
    }
}

Schedule::EntryList RotaModel::ShownEntries() const
{
    Schedule::EntryList shown;
    shown.reserve(rows.size());
    for (const std::size_t i : rows)
        shown.push_back(entries[i]);
    return shown;
}

int RotaModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int RotaModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RotaModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows.size()
        || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const ScheduleEntry& entry = entries[rows[static_cast<std::size_t>(index.row())]];
    switch (index.column()) {
    case DateColumn:
        return DateText(entry.date, role == Qt::ToolTipRole);
    case PersonColumn:
        return QString::fromStdWString(EntryPersonText(entry));
    case TaskColumn:
        return QString::fromStdWString(entry.task);
    default:
        return {};
    }
}

QVariant RotaModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case DateColumn:
        return QStringLiteral("Date");
    case PersonColumn:
        return QStringLiteral("Person");
    case TaskColumn:
        return QStringLiteral("Task");
    default:
        return {};
    }
}
