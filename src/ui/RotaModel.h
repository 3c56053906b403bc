#pragma once

#include "roster/Schedule.h"

#include <QAbstractTableModel>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The rota's table: one row per schedule entry, Date | Person | Task, in the schedule's own order,
// narrowed to one person's turns when asked. The texts are made only for the rows a view shows, so
// that years of a large roster are ready at once.
class RotaModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, PersonColumn, TaskColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // A new plan; the person shown before stays shown.
    void SetEntries(Schedule::EntryList planned);
    // Everyone's turns when empty.
    void SetPerson(std::optional<std::wstring> name);

    const Schedule::EntryList& Entries() const { return entries; }
    // The entries of the rows shown, in order.
    Schedule::EntryList ShownEntries() const;
    const ScheduleEntry& ShownEntry(int row) const { return entries[rows[static_cast<std::size_t>(row)]]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void Select();

    Schedule::EntryList entries;
    std::optional<std::wstring> person;
    // Index into entries of each row shown.
    std::vector<std::size_t> rows;
};
