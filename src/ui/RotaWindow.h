#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableView;
class QuillmereView;
class Roster;
class RosterCollection;
class RotaModel;

// The rota of the main window's current roster for the main window's period, on screen: who does
// which task on which day, narrowed to one person if asked, with each person's turns and minutes. It
// is planned again at once whenever the roster, its persons or tasks, or the period change, and
// tells why when there is nothing to plan instead of showing a message box.
class RotaWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own that stays with `parent`; hidden until shown.
    RotaWindow(QuillmereView& view, RosterCollection& rosters, QWidget* parent = nullptr);

    // Shows the window, or brings it to the front when it is open already.
    void ShowAndRaise();

    // The table's model, the filter, the summary and the reason shown instead of the table.
    const RotaModel& Model() const { return *model; }
    QComboBox& PersonFilter() { return *personFilter; }
    QString SummaryText() const;
    // Empty while the table is shown.
    QString ReasonText() const;

public Q_SLOTS:
    void Replan();
    void OnExportCalendar();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    QWidget* ButtonRow();
    void ConnectControls();
    bool Plan(const Roster& roster);
    void ShowReason(const QStringList& problems);
    void ShowTable(const Roster& roster);
    void FillPersonFilter(const Roster& roster);
    void ShowSummary(const Roster& roster);
    void OnPersonChosen();
    void SizeColumns(const Roster& roster);
    void EnableActions(bool on);
    void OnTableContextMenu(const QPoint& position);
    void ChangeTurn(const std::function<void(Roster&)>& change);

    QuillmereView& view;
    RosterCollection& rosters;
    RotaModel* model;
    QLabel* periodLabel = nullptr;
    QComboBox* personFilter = nullptr;
    QStackedWidget* pages = nullptr;
    QTableView* table = nullptr;
    QLabel* reason = nullptr;
    QLabel* summary = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* previewButton = nullptr;
    QPushButton* pdfButton = nullptr;
    QPushButton* calendarButton = nullptr;
    // Set while the filter is filled again, when its choices are not the user's.
    bool fillingFilter = false;
};
