#include "app/CommandLine.h"

#include "ui/DateConversion.h"
#include "ui/QuillmereDoc.h"

#include "print/PrintJob.h"
#include "print/RosterPrintout.h"
#include "print/RotaCalendar.h"
#include "recurrence/Today.h"
#include "roster/RosterCollection.h"
#include "roster/Schedule.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <stdexcept>
#include <string>

namespace {
constexpr int kDone = 0;
constexpr int kFailed = 2;
const QString kVersion = QStringLiteral("1.1.0-beta1");

// Every way the request can fail ends the run with its message.
struct Refusal {
    QString message;
};

[[noreturn]] void Refuse(const QString& message)
{
    throw Refusal{message};
}

QString Quoted(const std::wstring& name)
{
    return QLatin1Char('"') + QString::fromStdWString(name) + QLatin1Char('"');
}

QCommandLineOption Option(const char* name, const char* description, const char* valueName)
{
    return QCommandLineOption(QLatin1String(name), QLatin1String(description), QLatin1String(valueName));
}

struct Options {
    QCommandLineOption exportPdf = Option("export-pdf", "Write the printed roster to a PDF file.", "FILE");
    QCommandLineOption exportIcs
        = Option("export-ics", "Write the rota to an iCalendar file, one all-day event per turn.", "FILE");
    QCommandLineOption roster = Option("roster", "The roster to export (default: the first).", "NAME");
    QCommandLineOption from = Option("from", "First day of the period, YYYY-MM-DD (default: today).", "DATE");
    QCommandLineOption until
        = Option("until", "Last day of the period, YYYY-MM-DD (default: a month after today).", "DATE");
    QCommandLineOption person = Option("person", "Only this person's turns (calendar only).", "NAME");

    // The option names that ask for the command line, the window's own Qt options aside.
    static bool IsOwnArgument(const char* argument)
    {
        static const char* const names[]
            = {"--export-pdf", "--export-ics", "--roster", "--from",     "--until",   "--person",
               "--help",       "-h",           "-?",       "--help-all", "--version", "-v"};
        for (const char* name : names) {
            const std::size_t length = std::strlen(name);
            if (std::strncmp(argument, name, length) == 0
                && (argument[length] == '\0' || argument[length] == '='))
                return true;
        }
        return false;
    }
};

// Quiet Qt: a failure is told in one line of the program's own.
void DropQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "brindlewick: %s\n", qPrintable(message));
}

void Parse(QCommandLineParser& parser, const Options& options, const QStringList& arguments)
{
    parser.setApplicationDescription(
        QStringLiteral("Brindlewick, the cleaning rota planner. Without options it opens its window; with an "
                       "export option it writes the rota of one roster for one period without a window."));
    parser.addOptions(
        {options.exportPdf, options.exportIcs, options.roster, options.from, options.until, options.person});
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(arguments))
        Refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        Refuse(QStringLiteral("unexpected argument \"%1\" (see --help)")
                   .arg(parser.positionalArguments().front()));
}

void CheckRequest(const QCommandLineParser& parser, const Options& options)
{
    if (!parser.isSet(options.exportPdf) && !parser.isSet(options.exportIcs))
        Refuse(QStringLiteral("nothing to do: give --export-pdf FILE or --export-ics FILE (see --help)"));
    if (parser.isSet(options.person) && !parser.isSet(options.exportIcs))
        Refuse(QStringLiteral("--person applies to --export-ics only"));
}

std::optional<QString> Value(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
}

// The file's own failures are told apart: a missing file is not a damaged one.
void LoadRosters(RosterCollection& rosters)
{
    if (rosters.Load())
        return;
    const QString path = QString::fromStdWString(rosters.RostersFilePath());
    if (rosters.LastStorageReport().load == RosterCollection::StorageReport::LoadResult::Missing)
        Refuse(QStringLiteral("no roster file at %1").arg(path));
    Refuse(QStringLiteral("the roster file %1 cannot be read").arg(path));
}

const Roster& FindRoster(const RosterCollection& rosters, const std::optional<QString>& name)
{
    if (!name) {
        if (rosters.Count() == 0)
            Refuse(QStringLiteral("the roster file holds no roster"));
        return rosters.At(0);
    }
    for (int index = 0; index < rosters.Count(); ++index) {
        if (rosters.At(index).GetName() == name->toStdWString())
            return rosters.At(index);
    }
    Refuse(QStringLiteral("no roster named %1").arg(Quoted(name->toStdWString())));
}

Date ParseDate(const QString& option, const QString& text)
{
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (iso.match(text).hasMatch() && day.isValid()) {
        try {
            return Date(day.year(), day.month(), day.day());
        } catch (const std::out_of_range&) {
            // Before the calendar's first year: refused below like any other bad date.
        }
    }
    Refuse(QStringLiteral("--%1 wants a date as YYYY-MM-DD, not \"%2\"").arg(option, text));
}

// The period the main window would start with, unless the options name its days.
std::pair<Date, Date> Period(const QCommandLineParser& parser, const Options& options)
{
    const Date today = Today();
    const auto from = Value(parser, options.from);
    const auto until = Value(parser, options.until);
    const Date first = from ? ParseDate(QStringLiteral("from"), *from) : today;
    const Date last = until ? ParseDate(QStringLiteral("until"), *until) : DefaultUntilDate(today);
    if (first > last)
        Refuse(QStringLiteral("the 'from' date %1 is after the 'until' date %2")
                   .arg(QString::fromStdString(boost::gregorian::to_iso_extended_string(first)),
                        QString::fromStdString(boost::gregorian::to_iso_extended_string(last))));
    return {first, last};
}

void CheckPrintable(const Roster& roster)
{
    if (roster.PersonCount() == 0)
        Refuse(QStringLiteral("roster %1 has no persons").arg(Quoted(roster.GetName())));
    if (roster.TaskCount() == 0)
        Refuse(QStringLiteral("roster %1 has no tasks").arg(Quoted(roster.GetName())));
}

Schedule::EntryList Plan(const Roster& roster, const Date& from, const Date& until)
{
    Schedule schedule;
    try {
        schedule.Generate(roster, from, until);
    } catch (const std::out_of_range&) {
        Refuse(QString::fromWCharArray(kRosterBeyondCalendarMessage));
    }
    return schedule.Entries();
}

void ExportPdf(const Roster& roster, const Date& from, const Date& until, const QString& path)
{
    std::wstring error;
    RosterPrintout printout(PrintSource{
        [] { return true; },
        [&roster] { return &roster; },
        [from] { return from; },
        [until] { return until; },
        [] { return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX()); },
        [&error](const std::wstring& text) { error = text; },
    });
    QPrinter printer(QPrinter::HighResolution);
    PrintJob job(printout, printer, nullptr);
    switch (job.ExportPdf(QuillmereDoc().GetTitle(), path)) {
    case PrintJob::ExportResult::Written:
        return;
    case PrintJob::ExportResult::Refused:
        Refuse(QString::fromStdWString(error));
    case PrintJob::ExportResult::NotWritten:
        Refuse(QStringLiteral("cannot write %1").arg(path));
    }
}

void ExportIcs(const Roster& roster, Schedule::EntryList entries, const std::optional<QString>& person,
               const QString& path)
{
    if (person) {
        const std::wstring name = person->toStdWString();
        std::erase_if(entries, [&name](const ScheduleEntry& entry) { return entry.person != name; });
    }
    const RotaCalendar calendar(roster.GetName(), std::time(nullptr));
    if (!calendar.Write(QFile::encodeName(path).toStdString(), entries))
        Refuse(QStringLiteral("cannot write %1").arg(path));
}

// Everything is checked before the first file is written.
int Export(const QCommandLineParser& parser, const Options& options)
{
    CheckRequest(parser, options);
    RosterCollection rosters;
    LoadRosters(rosters);
    const Roster& roster = FindRoster(rosters, Value(parser, options.roster));
    const auto [from, until] = Period(parser, options);
    CheckPrintable(roster);
    const Schedule::EntryList entries = Plan(roster, from, until);
    if (parser.isSet(options.exportIcs) && parser.isSet(options.person)
        && !roster.HasPerson(parser.value(options.person).toStdWString()))
        Refuse(QStringLiteral("roster %1 has no person named %2")
                   .arg(Quoted(roster.GetName()), Quoted(parser.value(options.person).toStdWString())));
    if (parser.isSet(options.exportPdf))
        ExportPdf(roster, from, until, parser.value(options.exportPdf));
    if (parser.isSet(options.exportIcs))
        ExportIcs(roster, entries, Value(parser, options.person), parser.value(options.exportIcs));
    return kDone;
}

// One line, even for names that hold line breaks.
void Tell(const QString& message)
{
    QString line = message;
    line.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    std::fprintf(stderr, "brindlewick: %s\n", line.toLocal8Bit().constData());
}
} // namespace

bool IsCommandLineRequest(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (Options::IsOwnArgument(argv[i]))
            return true;
    }
    return false;
}

int RunCommandLine(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(DropQtMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brindlewick"));
    QApplication::setApplicationVersion(kVersion);
    const Options options;
    QCommandLineParser parser;
    try {
        Parse(parser, options, QApplication::arguments());
        if (parser.isSet(QStringLiteral("help"))) {
            std::fputs(qPrintable(parser.helpText()), stdout);
            return kDone;
        }
        if (parser.isSet(QStringLiteral("version"))) {
            std::printf("brindlewick %s\n", qPrintable(kVersion));
            return kDone;
        }
        return Export(parser, options);
    } catch (const Refusal& refusal) {
        Tell(refusal.message);
        return kFailed;
    }
}
