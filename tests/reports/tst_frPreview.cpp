// The preview window: modal, with zoom, print and close only; its print button reaches the print
// dialog with the report's default copies, collated.
#include "frPreview.h"
#include "frReport.h"

#include <QAbstractButton>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {
// Runs check on the next modal widget of type W once it is shown; the check must close it.
template <class W>
void whenModal(std::function<void(W *)> check)
{
    auto *timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        if (auto *w = qobject_cast<W *>(QApplication::activeModalWidget()); w && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            check(w);
        }
    });
    timer->start();
}
}  // namespace

class TestFrPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { TfrReport::SetPreviewHook({}); }

    void hookReplacesPreview()
    {
        TfrReport report;
        report.LoadFromFile(QStringLiteral(":/reports/YPZCSQ.frt"));
        int calls = 0;
        TfrReport::SetPreviewHook([&](TfrReport &shown) {
            ++calls;
            QCOMPARE(&shown, &report);
            QCOMPARE(shown.PreparedPages().size(), 2);
        });
        report.ShowReport();
        TfrReport::SetPreviewHook({});
        QCOMPARE(calls, 1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void previewPrintsWithDefaultCopies_data()
    {
        QTest::addColumn<int>("copies");
        QTest::newRow("two copies") << 2;
        QTest::newRow("one copy") << 1;
    }
    void previewPrintsWithDefaultCopies()
    {
        QFETCH(int, copies);
        TfrReport report;
        report.DefaultCopies = copies;
        report.LoadFromFile(QStringLiteral(":/reports/YPZCSQ.frt"));

        QStringList buttons;
        bool modal = false;
        int pages = 0;
        double zoomBefore = 0, zoomAfter = 0;
        int dialogCopies = -1, spinCopies = -1;
        bool collate = false;
        QString dialogName;
        whenModal<TfrPreviewDialog>([&](TfrPreviewDialog *preview) {
            modal = preview->isModal();
            for (QAbstractButton *b : preview->findChildren<QAbstractButton *>())
                if (!b->objectName().startsWith(QLatin1String("qt_")) && b->isVisible())
                    buttons.append(b->objectName());
            buttons.sort();
            auto *widget = preview->findChild<QPrintPreviewWidget *>(QStringLiteral("previewWidget"));
            QVERIFY(widget);
            widget->updatePreview();
            pages = widget->pageCount();
            zoomBefore = widget->zoomFactor();
            QTest::mouseClick(preview->findChild<QAbstractButton *>(QStringLiteral("zoomInButton")), Qt::LeftButton);
            zoomAfter = widget->zoomFactor();
            whenModal<QPrintDialog>([&](QPrintDialog *dialog) {
                dialogName = dialog->objectName();
                dialogCopies = dialog->printer()->copyCount();
                collate = dialog->printer()->collateCopies();
                if (auto *spin = dialog->findChild<QSpinBox *>(QStringLiteral("copies")))
                    spinCopies = spin->value();
                dialog->reject();
                QTimer::singleShot(0, preview, [preview] {
                    QTest::mouseClick(preview->findChild<QAbstractButton *>(QStringLiteral("closeButton")),
                                      Qt::LeftButton);
                });
            });
            QTest::mouseClick(preview->findChild<QAbstractButton *>(QStringLiteral("printButton")), Qt::LeftButton);
        });
        report.ShowReport();  // returns once the preview is closed

        QVERIFY(modal);
        QCOMPARE(buttons, (QStringList{"closeButton", "fitPageButton", "fitWidthButton", "printButton",
                                       "zoomInButton", "zoomOutButton"}));
        QCOMPARE(pages, 2);
        QVERIFY(zoomAfter > zoomBefore);
        QCOMPARE(dialogName, QStringLiteral("printDialog"));
        QCOMPARE(dialogCopies, copies);
        QVERIFY(collate);
        // The dialog's own copies box shows them too.
        QCOMPARE(spinCopies, copies);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void printToPdfFile()
    {
        // Where real printers are installed the dialog would print on paper.
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("printers are installed");
        TfrReport report;
        report.DefaultCopies = 2;
        report.LoadFromFile(QStringLiteral(":/reports/YPZCSQ.frt"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("printed.pdf"));
        bool fileField = false;
        whenModal<TfrPreviewDialog>([&](TfrPreviewDialog *preview) {
            whenModal<QPrintDialog>([&](QPrintDialog *dialog) {
                // Without printers the dialog offers printing to a PDF file.
                if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename"))) {
                    fileField = true;
                    name->setText(path);
                }
                dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
                dialog->printer()->setOutputFileName(path);
                if (fileField)
                    dialog->accept();
                else
                    dialog->reject();
                QTimer::singleShot(0, preview, [preview] { preview->reject(); });
            });
            QTest::mouseClick(preview->findChild<QAbstractButton *>(QStringLiteral("printButton")), Qt::LeftButton);
        });
        report.ShowReport();
        if (!fileField)
            QSKIP("the print dialog offers no file output here");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(int(pdf.count(QByteArray("/Type /Page\n"))), 2);
        // The file was finished like an exported PDF: tagged subsets.
        QVERIFY(pdf.contains("/BaseFont /"));
        QVERIFY(!pdf.contains("/BaseFont /Noto"));
    }

    void printerSetUp()
    {
        TfrReport report;
        report.DefaultCopies = 2;
        report.PrinterName = QStringLiteral("\\\\designer\\no such printer");
        QPrinter printer;
        const QString current = printer.printerName();
        TfrPreviewDialog::SetUpPrinter(printer, report);
        QCOMPARE(printer.copyCount(), 2);
        QVERIFY(printer.collateCopies());
        QVERIFY(printer.fullPage());
        // A stored printer that is not installed is ignored.
        QCOMPARE(printer.printerName(), current);
    }
};

QTEST_MAIN(TestFrPreview)
#include "tst_frPreview.moc"
