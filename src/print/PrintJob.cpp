#include "print/PrintJob.h"

#include "print/PainterPrintContext.h"
#include "print/RosterPrintout.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <utility>

namespace {
PrintDialogScript*& ActiveScript()
{
    static PrintDialogScript* script = nullptr;
    return script;
}

bool IsWanted(const QPrinter& target, int page)
{
    const QPageRanges ranges = target.pageRanges();
    return target.printRange() != QPrinter::PageRange || ranges.isEmpty() || ranges.contains(page);
}
} // namespace

PrintJob::PrintJob(RosterPrintout& printout, QPrinter& printer, QWidget* parent)
    : printout(printout)
    , printer(printer)
    , parent(parent)
{
}

bool PrintJob::Print(const QString& documentName)
{
    if (!printout.PreparePrinting())
        return false;
    printer.setDocName(documentName);
    if (!AskPrintDialog())
        return false;
    const bool printed = PrintPages(printer);
    printout.EndPrinting();
    return printed;
}

bool PrintJob::Preview(const QString& documentName)
{
    if (!printout.PreparePrinting())
        return false;
    printer.setDocName(documentName);
    // The preview shows the whole roster, whatever pages the last print asked for.
    printer.setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog dialog(&printer, parent);
    // Asked again whenever the preview's page set-up changes, and by its own print button.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [this](QPrinter* target) { PrintPages(*target); });
    ShowPreview(dialog);
    printout.EndPrinting();
    return true;
}

PrintJob::ExportResult PrintJob::ExportPdf(const QString& documentName, const QString& path)
{
    if (!printout.PreparePrinting())
        return ExportResult::Refused;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(printer.pageLayout());
    pdf.setDocName(documentName);
    pdf.setOutputFileName(path);
    const bool written = PrintPages(pdf);
    printout.EndPrinting();
    return written ? ExportResult::Written : ExportResult::NotWritten;
}

bool PrintJob::AskPrintDialog()
{
    if (ActiveScript())
        return ActiveScript()->Answer(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    return dialog.exec() == QDialog::Accepted;
}

void PrintJob::ShowPreview(QPrintPreviewDialog& dialog)
{
    if (ActiveScript()) {
        ActiveScript()->Preview(dialog);
        return;
    }
    dialog.exec();
}

bool PrintJob::PrintPages(QPrinter& target)
{
    QPainter painter;
    if (!painter.begin(&target))
        return false;
    PainterPrintContext dc(painter, PainterPrintContext::PrinterMetrics(target));
    PrintJobInfo info;
    printout.BeginPrinting(dc, info);
    bool firstPrinted = true;
    for (info.currentPage = info.minPage; info.continuePrinting && info.currentPage <= info.maxPage;
         ++info.currentPage) {
        if (!IsWanted(target, info.currentPage))
            continue;
        if (!std::exchange(firstPrinted, false))
            target.newPage();
        printout.PrintPage(dc, info);
    }
    return painter.end();
}

PrintDialogScript::PrintDialogScript()
    : previous(ActiveScript())
{
    ActiveScript() = this;
}

PrintDialogScript::~PrintDialogScript()
{
    ActiveScript() = previous;
}

void PrintDialogScript::AnswerNext(bool accept, int fromPage, int toPage)
{
    replies.append({accept, fromPage, toPage});
}

bool PrintDialogScript::Answer(QPrinter& printer)
{
    ++printDialogsAsked;
    if (replies.isEmpty())
        return false;
    const Reply answer = replies.takeFirst();
    if (answer.accept) {
        printer.setPrintRange(answer.fromPage > 0 ? QPrinter::PageRange : QPrinter::AllPages);
        printer.setFromTo(answer.fromPage, answer.toPage);
    }
    return answer.accept;
}

void PrintDialogScript::Preview(QPrintPreviewDialog& dialog)
{
    // The preview paints its pages when first shown; asking for them here paints them all at once.
    auto* widget = dialog.findChild<QPrintPreviewWidget*>();
    widget->updatePreview();
    previewPages.append(widget->pageCount());
}
