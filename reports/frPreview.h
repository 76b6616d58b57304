#pragma once
// The modal preview of a prepared report: its pages with zoom, print and close only. Printing
// goes through the print dialog with the report's default copies, collated.

#include <QDialog>

#include <functional>
#include <memory>

class QPrinter;
class QPrintDialog;
class TfrReport;
namespace Ui {
class TfrPreviewDialog;
}

class TfrPreviewDialog : public QDialog {
    Q_OBJECT
public:
    explicit TfrPreviewDialog(TfrReport *report, QWidget *parent = nullptr);
    ~TfrPreviewDialog() override;

    // Prepares a printer for the report: its stored printer when installed, else the current
    // one; the default copies, collated; pages drawn from the paper's corner.
    static void SetUpPrinter(QPrinter &printer, const TfrReport &report);

public Q_SLOTS:
    void ZoomIn();
    void ZoomOut();
    void FitWidth();
    void FitPage();
    // Opens the print dialog and prints the prepared pages when it is accepted.
    void Print();

private:
    void paintPages(QPrinter *printer);
    void showZoom();

    std::unique_ptr<Ui::TfrPreviewDialog> ui;
    TfrReport *m_report;
};
