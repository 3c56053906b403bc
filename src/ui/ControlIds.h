#pragma once

// The numeric identifiers of the program's windows, controls and resources, one list for all.
// Windows and controls carry them (see layout/ControlLookup.h) so that code and tests can find a
// control the way its template names it.

// Buttons every dialog shares.
namespace CommonId {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
} // namespace CommonId

// The application's own resources: the main frame's template (menu, accelerators, window title
// and the application icon) and the About box.
namespace AppResourceId {
inline constexpr int kMainFrame = 128;
inline constexpr int kAboutDialog = 100;
inline constexpr int kApplicationLook = 230;
} // namespace AppResourceId

// Commands of the main frame's menu.
namespace MenuCommandId {
inline constexpr int kNewRoster = 32775;
inline constexpr int kPrintPreview = 32777;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kExit = 57665;
inline constexpr int kAbout = 57664;
// Commands beyond the original menu.
inline constexpr int kShowRota = 32790;
inline constexpr int kExportPdf = 32791;
inline constexpr int kRotation = 32792;
} // namespace MenuCommandId

// The main form and its controls.
namespace MainFormId {
inline constexpr int kTemplate = 129;
inline constexpr int kRosterList = 1000;
inline constexpr int kNewRoster = 1001;
inline constexpr int kDeleteRoster = 1002;
inline constexpr int kRenameRoster = 1036;
inline constexpr int kPeoplePicture = 1016;
inline constexpr int kPeopleBox = 1017;
inline constexpr int kPersonList = 1003;
inline constexpr int kAddPerson = 1009;
inline constexpr int kEditPerson = 1020;
inline constexpr int kDeletePerson = 1010;
inline constexpr int kTasksPicture = 1015;
inline constexpr int kTasksBox = 1018;
inline constexpr int kTaskList = 1004;
inline constexpr int kAddTask = 1011;
inline constexpr int kEditTask = 1013;
inline constexpr int kDeleteTask = 1012;
inline constexpr int kPeriodPicture = 1014;
inline constexpr int kPeriodBox = 1019;
inline constexpr int kFromLabel = 1024;
inline constexpr int kFromDate = 1023;
inline constexpr int kUntilLabel = 1025;
inline constexpr int kUntilDate = 1022;
inline constexpr int kPrint = 1005;
} // namespace MainFormId

// Bitmaps of the main form.
namespace BitmapId {
inline constexpr int kPrintButton = 201;
inline constexpr int kRoster = 218;
inline constexpr int kPeople = 219;
inline constexpr int kPeriod = 220;
inline constexpr int kTasks = 221;
inline constexpr int kAddPerson = 232;
inline constexpr int kDeletePerson = 233;
inline constexpr int kEditPerson = 234;
inline constexpr int kNewRoster = 235;
inline constexpr int kDeleteRoster = 236;
inline constexpr int kRenameRoster = 237;
inline constexpr int kAddTask = 238;
inline constexpr int kDeleteTask = 239;
inline constexpr int kEditTask = 240;
} // namespace BitmapId

// The person dialog.
namespace AddPersonDlgId {
inline constexpr int kTemplate = 203;
inline constexpr int kName = 1013;
} // namespace AddPersonDlgId

// The task dialog; the frequency editor takes the place of the placeholder.
namespace AddTaskDlgId {
inline constexpr int kTemplate = 206;
inline constexpr int kName = 1013;
inline constexpr int kNameLabel = 1040;
inline constexpr int kFrequencyPlaceholder = 1045;
} // namespace AddTaskDlgId

// The frequency editor: kind selector, description and the frame of the details panels.
namespace FrequencyCtrlId {
inline constexpr int kTemplate = 8000;
inline constexpr int kDoTaskLabel = 8021;
inline constexpr int kKind = 8005;
inline constexpr int kDetailsBox = 8007;
inline constexpr int kDescription = 8035;
} // namespace FrequencyCtrlId

namespace DailyDetailsId {
inline constexpr int kTemplate = 8001;
inline constexpr int kEveryLabel = 8042;
inline constexpr int kUnitLabel = 8015;
inline constexpr int kInterval = 8033;
inline constexpr int kStartDay = 8008;
inline constexpr int kStartingOnLabel = 8043;
} // namespace DailyDetailsId

namespace WeeklyDetailsId {
inline constexpr int kTemplate = 8002;
inline constexpr int kEveryLabel = 8016;
inline constexpr int kInterval = 8006;
inline constexpr int kUnitLabel = 8009;
inline constexpr int kOnLabel = 8044;
inline constexpr int kMonday = 8017;
inline constexpr int kTuesday = 8023;
inline constexpr int kWednesday = 8025;
inline constexpr int kThursday = 8027;
inline constexpr int kFriday = 8029;
inline constexpr int kSaturday = 8031;
inline constexpr int kSunday = 8032;
} // namespace WeeklyDetailsId

namespace MonthlyDetailsId {
inline constexpr int kTemplate = 8003;
inline constexpr int kEveryLabel = 8045;
inline constexpr int kUnitLabel = 8028;
inline constexpr int kInterval = 8022;
inline constexpr int kOnDay = 8012;
inline constexpr int kOnThe = 8019;
inline constexpr int kDay = 8036;
inline constexpr int kOrdinal = 8024;
inline constexpr int kWeekday = 8026;
} // namespace MonthlyDetailsId

namespace YearlyDetailsId {
inline constexpr int kTemplate = 8004;
inline constexpr int kEvery = 8013;
inline constexpr int kOnThe = 8020;
inline constexpr int kFixedMonth = 8034;
inline constexpr int kFixedDay = 8037;
inline constexpr int kOrdinal = 8038;
inline constexpr int kWeekday = 8039;
inline constexpr int kWeekdayMonth = 8040;
inline constexpr int kOfLabel = 8041;
} // namespace YearlyDetailsId

// The checked edit field's balloon.
namespace BalloonResourceId {
inline constexpr int kInvalidValueIcon = 3001;
inline constexpr int kRangeMessage = 3002;
inline constexpr int kInvalidValueTitle = 3003;
} // namespace BalloonResourceId
