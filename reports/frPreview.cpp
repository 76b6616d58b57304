#include "frPreview.h"

#include "Errors.h"
#include "Prompts.h"
#include "frRender.h"
#include "frReport.h"
#include "ui_frPreview.h"

#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

TfrPreviewDialog::TfrPreviewDialog(TfrReport *report, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrPreviewDialog>()), m_report(report)
{
    ui->setupUi(this);
    if (!m_report->Title.isEmpty())
        setWindowTitle(windowTitle() + QStringLiteral(" - ") + m_report->Title);
    connect(ui->zoomInButton, &QToolButton::clicked, this, &TfrPreviewDialog::ZoomIn);
    connect(ui->zoomOutButton, &QToolButton::clicked, this, &TfrPreviewDialog::ZoomOut);
    connect(ui->fitWidthButton, &QToolButton::clicked, this, &TfrPreviewDialog::FitWidth);
    connect(ui->fitPageButton, &QToolButton::clicked, this, &TfrPreviewDialog::FitPage);
    connect(ui->printButton, &QPushButton::clicked, this, &TfrPreviewDialog::Print);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->previewWidget, &QPrintPreviewWidget::paintRequested, this, &TfrPreviewDialog::paintPages);
    connect(ui->previewWidget, &QPrintPreviewWidget::previewChanged, this, &TfrPreviewDialog::showZoom);
    ui->previewWidget->setViewMode(QPrintPreviewWidget::SinglePageView);
    ui->previewWidget->fitToWidth();
}

TfrPreviewDialog::~TfrPreviewDialog() = default;

void TfrPreviewDialog::SetUpPrinter(QPrinter &printer, const TfrReport &report)
{
    if (!report.PrinterName.isEmpty()
        && QPrinterInfo::availablePrinterNames().contains(report.PrinterName))
        printer.setPrinterName(report.PrinterName);
    printer.setFullPage(true);
    printer.setCopyCount(qMax(1, report.DefaultCopies));
    printer.setCollateCopies(true);
    printer.setDocName(report.Title.isEmpty() ? QStringLiteral("电子申报") : report.Title);
}

void TfrPreviewDialog::ZoomIn()
{
    ui->previewWidget->zoomIn(1.25);
}

void TfrPreviewDialog::ZoomOut()
{
    ui->previewWidget->zoomOut(1.25);
}

void TfrPreviewDialog::FitWidth()
{
    ui->previewWidget->fitToWidth();
}

void TfrPreviewDialog::FitPage()
{
    ui->previewWidget->fitInView();
}

void TfrPreviewDialog::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, *m_report);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Printed to a PDF file: the same export as shenbao-pdf's, so the file's text stays
    // searchable as the characters printed.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        try {
            m_report->ExportPdf(printer.outputFileName());
        } catch (...) {
            Prompt::Message(CurrentExceptionText());
        }
        return;
    }
    m_report->PrintPreparedReport(&printer);
}

void TfrPreviewDialog::paintPages(QPrinter *printer)
{
    m_report->PrintPreparedReport(printer);
}

void TfrPreviewDialog::showZoom()
{
    ui->zoomLabel->setText(QStringLiteral("%1%").arg(qRound(ui->previewWidget->zoomFactor() * 100)));
}
