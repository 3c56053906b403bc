#pragma once

#include <QList>
#include <QString>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;
class RosterPrintout;

// Runs a printout's jobs on the user's printer: the print command with its print dialog, and the
// print preview. The printer is the session's own, so a job starts with the settings the last one
// left. While a PrintDialogScript is in force no dialog is shown and the script answers instead.
class PrintJob {
public:
    PrintJob(RosterPrintout& printout, QPrinter& printer, QWidget* parent);

    // Prepares, asks the print dialog, then prints the pages it asked for. True when pages went to
    // the printer.
    bool Print(const QString& documentName);
    // Prepares, then opens the preview of every page. False when the preparation refused.
    bool Preview(const QString& documentName);
    // Prepares, then writes every page to a PDF file on the session printer's page setup, with no
    // dialog. A refused preparation has shown its own message; a failed write has shown none.
    enum class ExportResult { Written, Refused, NotWritten };
    ExportResult ExportPdf(const QString& documentName, const QString& path);

private:
    bool AskPrintDialog();
    void ShowPreview(QPrintPreviewDialog& dialog);
    // Begin and the wanted pages, on the session's printer or the preview's.
    bool PrintPages(QPrinter& target);

    RosterPrintout& printout;
    QPrinter& printer;
    QWidget* parent;
};

// Answers the print dialogs of a test and builds its previews without showing them. Print dialogs
// take the queued answers in order and are cancelled once the queue is empty.
class PrintDialogScript {
public:
    PrintDialogScript();
    ~PrintDialogScript();
    PrintDialogScript(const PrintDialogScript&) = delete;
    PrintDialogScript& operator=(const PrintDialogScript&) = delete;

    // Accepts the next print dialog with pages fromPage to toPage (0 and 0 for all), or cancels it.
    void AnswerNext(bool accept, int fromPage = 0, int toPage = 0);
    int PrintDialogsAsked() const { return printDialogsAsked; }
    // The number of pages of each preview opened, in order.
    const QList<int>& PreviewPages() const { return previewPages; }

private:
    friend class PrintJob;
    struct Reply {
        bool accept;
        int fromPage;
        int toPage;
    };
    bool Answer(QPrinter& printer);
    void Preview(QPrintPreviewDialog& dialog);

    QList<Reply> replies;
    int printDialogsAsked = 0;
    QList<int> previewPages;
    PrintDialogScript* previous;
};
