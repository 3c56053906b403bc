#include "PrintoutFixture.h"
#include "TestEnvironment.h"

#include "print/PrintJob.h"
#include "roster/Schedule.h"
#include "roster/SampleRoster.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <functional>

#include <gtest/gtest.h>

namespace {
const QString kDocumentName = QStringLiteral("cleaning roster");

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One of pdfinfo's "Name:   value" lines.
QString PdfInfo(const QString& pdf, const QString& name)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(name),
                                  QRegularExpression::MultilineOption);
    return line.match(Run(QStringLiteral("pdfinfo"), {pdf})).captured(1).trimmed();
}

int PdfPages(const QString& pdf)
{
    return PdfInfo(pdf, QStringLiteral("Pages")).toInt();
}

// The text of pages first to last (0 and 0: every page), laid out as on paper.
QString PdfText(const QString& pdf, int first = 0, int last = 0)
{
    QStringList arguments{QStringLiteral("-layout")};
    if (first > 0)
        arguments << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l")
                  << QString::number(last);
    return Run(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
}

// The printed rows, one line each: "Monday, Jan 1   Ann   Dust the shelves" with the blanks squeezed.
QStringList Rows(const QString& text)
{
    static const QRegularExpression row(
        QStringLiteral("^\\s*((Mon|Tues|Wednes|Thurs|Fri|Satur|Sun)day, .*)$"),
        QRegularExpression::MultilineOption);
    QStringList rows;
    for (auto match = row.globalMatch(text); match.hasNext();)
        rows << match.next().captured(1).simplified();
    return rows;
}

class PrintJobTest : public PrintoutFixture {
protected:
    PrintJobTest()
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setResolution(600);
        PrintTo(QStringLiteral("roster.pdf"));
    }

    QString PrintTo(const QString& name)
    {
        const QString path = QString::fromStdString((TestHome() / name.toStdString()).string());
        QFile::remove(path);
        printer.setOutputFileName(path);
        return path;
    }

    QPrinter printer{QPrinter::HighResolution};
    RosterPrintout printout{Source()};
    PrintJob job{printout, printer, nullptr};
    PrintDialogScript script;
};
} // namespace

TEST_F(PrintJobTest, RefusedJobOpensNoDialogAndPrintsNothing)
{
    PlanRows(5);
    const struct {
        const char* name;
        std::function<void()> arrange;
        std::size_t errors;
    } cases[] = {
        {"validation fails", [this] { valid = false; }, 0},
        {"a due date past the calendar's last day",
         [this] {
             valid = true;
             from = Date(9999, 12, 1);
             until = Date(9999, 12, 31);
             AddDailyTask(L"Sweep", 10, Date(9999, 12, 20));
         },
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        script.AnswerNext(true);
        EXPECT_FALSE(job.Print(kDocumentName));
        EXPECT_FALSE(job.Preview(kDocumentName));
        EXPECT_EQ(script.PrintDialogsAsked(), 0);
        EXPECT_TRUE(script.PreviewPages().isEmpty());
        EXPECT_FALSE(QFile::exists(printer.outputFileName()));
        EXPECT_EQ(errors.size(), c.errors);
    }
}

TEST_F(PrintJobTest, CancelledPrintDialogPrintsNothing)
{
    PlanRows(5);
    script.AnswerNext(false);
    EXPECT_FALSE(job.Print(kDocumentName));
    EXPECT_EQ(script.PrintDialogsAsked(), 1);
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
}

TEST_F(PrintJobTest, PreviewShowsEveryPageThatPrints)
{
    PlanRows(200);
    script.AnswerNext(true);
    ASSERT_TRUE(job.Print(kDocumentName));
    const int pages = PdfPages(printer.outputFileName());
    EXPECT_GE(pages, 3);
    EXPECT_EQ(Rows(PdfText(printer.outputFileName())).size(), 200);

    ASSERT_TRUE(job.Preview(kDocumentName));
    EXPECT_EQ(script.PreviewPages(), QList<int>{pages});
    EXPECT_EQ(screenDpiReads, 2) << "once for each job";
}

TEST_F(PrintJobTest, PageRangePrintsThosePagesAsTheWholeJobDoes)
{
    PlanRows(200);
    script.AnswerNext(true);
    ASSERT_TRUE(job.Print(kDocumentName));
    const QString whole = printer.outputFileName();

    const QString part = PrintTo(QStringLiteral("pages-2-3.pdf"));
    script.AnswerNext(true, 2, 3);
    ASSERT_TRUE(job.Print(kDocumentName));
    EXPECT_EQ(PdfPages(part), 2);
    const QString text = PdfText(part);
    EXPECT_FALSE(text.contains(QStringLiteral("Cleaning roster")));
    EXPECT_EQ(Rows(text), Rows(PdfText(whole, 2, 3)));
    EXPECT_FALSE(Rows(text).isEmpty());
}

TEST_F(PrintJobTest, PrintsTheSampleRosterToPdf)
{
    // Today is pinned: the sample's tasks start on 2010-03-10, a Wednesday.
    roster = BuildSampleRoster();
    from = Date(2010, 3, 10);
    until = Date(2010, 6, 29);
    Schedule schedule;
    schedule.Generate(roster, from, until);
    const QString pdf = QStringLiteral(BRINDLEWICK_PICTURE_DIR "/sample-roster.pdf");
    QFile::remove(pdf);
    printer.setOutputFileName(pdf);

    script.AnswerNext(true);
    ASSERT_TRUE(job.Print(kDocumentName));
    ASSERT_TRUE(job.Preview(kDocumentName));
    EXPECT_EQ(PdfPages(pdf), script.PreviewPages().value(0));
    EXPECT_GE(PdfPages(pdf), 2);
    EXPECT_EQ(PdfInfo(pdf, QStringLiteral("Title")), kDocumentName);

    EXPECT_EQ(PdfText(pdf).count(QStringLiteral("Cleaning roster")), 1);
    EXPECT_TRUE(PdfText(pdf, 1, 1).contains(QStringLiteral("Cleaning roster")));
    const QStringList rows = Rows(PdfText(pdf));
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(schedule.Entries().size()));
    EXPECT_EQ(rows.front(), QStringLiteral("Wednesday, Mar 10 John Clean sink"));
    EXPECT_EQ(rows.back(), QStringLiteral("Tuesday, Jun 29 Linda Clean sink"));
}

TEST_F(PrintJobTest, PdfExportWritesThePrintedPagesWithoutADialog)
{
    PlanRows(200);
    script.AnswerNext(true);
    ASSERT_TRUE(job.Print(kDocumentName));
    const QString printed = printer.outputFileName();
    const QString exported = QString::fromStdString((TestHome() / "exported.pdf").string());

    EXPECT_EQ(job.ExportPdf(kDocumentName, exported), PrintJob::ExportResult::Written);
    EXPECT_EQ(script.PrintDialogsAsked(), 1) << "the export asks no dialog";
    EXPECT_EQ(PdfPages(exported), PdfPages(printed));
    EXPECT_EQ(PdfText(exported), PdfText(printed));
    EXPECT_EQ(PdfInfo(exported, QStringLiteral("Title")), kDocumentName);

    const QString nowhere = QString::fromStdString((TestHome() / "no-such-folder" / "x.pdf").string());
    EXPECT_EQ(job.ExportPdf(kDocumentName, nowhere), PrintJob::ExportResult::NotWritten);
    valid = false;
    EXPECT_EQ(job.ExportPdf(kDocumentName, exported), PrintJob::ExportResult::Refused);
}
