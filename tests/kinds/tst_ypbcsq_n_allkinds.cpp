// Every form kind of the catalogue walked through its whole life: a new form, every input control
// filled, a backup saved, the file opened again into a fresh window with every value and state
// back, then saved and printed, each control's value on the prepared pages in the report object
// of its name, the data check code on every page, and the pages written as PDF.

#include "ConfigedBase.h"
#include "DateTimePicker.h"
#include "Fonts.h"
#include "Kinds.h"
#include "ScriptedPrompter.h"
#include "ShortDate.h"
#include "UIHelper.h"
#include "frReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

bool IsInputControl(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const TDateTimePicker *>(w);
}

// Inner parts of composite controls (a picker's date edit and tick box, an editable combo box's
// line edit) are not controls of the form.
bool IsInnerPart(const QWidget *w, const QWidget *form)
{
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (const QWidget *p = w->parentWidget(); p && p != form; p = p->parentWidget())
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const TDateTimePicker *>(p)
            || qobject_cast<const QAbstractSpinBox *>(p))
            return true;
    return false;
}

QList<QWidget *> InputControls(QWidget *form)
{
    QList<QWidget *> controls;
    for (QWidget *w : form->findChildren<QWidget *>())
        if (IsInputControl(w) && !IsInnerPart(w, form))
            controls << w;
    return controls;
}

QString MemoText(const QPlainTextEdit *memo)
{
    return memo->toPlainText().replace(QLatin1Char('\n'), U("\r\n"));
}

// What a control holds, and whether the user can change it.
QString State(const QWidget *w)
{
    QString value;
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        value = edit->text();
    else if (auto *memo = qobject_cast<const QPlainTextEdit *>(w))
        value = MemoText(memo);
    else if (auto *box = qobject_cast<const QCheckBox *>(w))
        value = box->isChecked() ? U("ticked") : U("clear");
    else if (auto *radio = qobject_cast<const QRadioButton *>(w))
        value = radio->isChecked() ? U("selected") : U("not selected");
    else if (auto *combo = qobject_cast<const QComboBox *>(w))
        value = combo->currentText();
    else if (auto *picker = qobject_cast<const TDateTimePicker *>(w))
        value = picker->Checked() ? picker->Date().toString(Qt::ISODate) : U("no date");
    return (w->isEnabled() ? U("enabled: ") : U("disabled: ")) + value;
}

QMap<QString, QString> Snapshot(QWidget *form)
{
    QMap<QString, QString> states;
    for (QWidget *w : InputControls(form))
        states.insert(w->objectName(), State(w));
    return states;
}

// What the control prints in the report object of its name.
QString PrintedText(const QWidget *w)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(w))
        return MemoText(memo);
    if (auto *box = qobject_cast<const QCheckBox *>(w))
        return box->isChecked() ? U("■") : U("□");
    if (auto *radio = qobject_cast<const QRadioButton *>(w))
        return radio->isChecked() ? U("●") : U("○");
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->currentText();
    if (auto *picker = qobject_cast<const TDateTimePicker *>(w))
        return picker->Checked() ? FormatShortDate(picker->Date()) : QString();
    return QString();
}

QString FileNameOf(const QString &configFile)
{
    QString name = configFile;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(name).fileName();
}

QString BackupMessage(const QString &file, const QString &code)
{
    return U("已成功保存为备份文件:") + file + U("\r\n\r\n数据核对码为：") + code
        + U("\r\n\r\n提示:此处只是生成不同版本的备份文件.只有打印时同时生成正式的报送文件!");
}

QString SubmissionMessage(const QString &file, const QString &code)
{
    return U("已成功生成报盘文件:") + file + U("\r\n\r\n数据核对码为：") + code
        + U("\r\n\r\n请在打印后将此文件拷贝到磁盘报送药监局!\r\n\r\n电子文件拷贝到磁盘后将加密不能从磁盘直接打开");
}

QStringList DataFiles()
{
    return QDir(TUIHelper::ApplicationDir()).entryList({QStringLiteral("*.qx")}, QDir::Files);
}

}  // namespace

class TestAllKindsWalk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void newFillSaveReopenPrint_data();
    void newFillSaveReopenPrint();

private:
    TEABaseForm *Create(const TKindInfo &kind);
    void Discard();
    void Fill();

    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<TScriptedPrompter> m_prompter;
    QPointer<TEABaseForm> m_form;
    QSet<QString> m_filesBefore;
    QTemporaryDir m_pdfDir;
    QList<TfrPreparedPage> m_pages;
    int m_templatePages = 0;
    int m_copies = 0;
    QString m_pdf;
};

void TestAllKindsWalk::initTestCase()
{
    InstallFontSubstitutions();
    QVERIFY(m_pdfDir.isValid());
    QCOMPARE(int(AllKinds().size()), 6);
    TfrReport::SetPreviewHook([this](TfrReport &report) {
        m_pages = report.PreparedPages();
        m_templatePages = report.Pages().Count();
        m_copies = report.DefaultCopies;
        m_pdf = m_pdfDir.filePath(QStringLiteral("walk.pdf"));
        report.ExportPdf(m_pdf);
    });
}

void TestAllKindsWalk::cleanupTestCase()
{
    TfrReport::SetPreviewHook(nullptr);
}

void TestAllKindsWalk::init()
{
    const QStringList files = DataFiles();
    m_filesBefore = QSet<QString>(files.begin(), files.end());
    m_prompter = std::make_unique<TScriptedPrompter>();
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1024, 768);
    m_area->show();
    m_pages.clear();
    m_pdf.clear();
}

void TestAllKindsWalk::cleanup()
{
    QVERIFY2(m_prompter->Unexpected.isEmpty(), qPrintable(m_prompter->Unexpected.join(QLatin1Char('\n'))));
    Discard();
    m_area.reset();
    m_prompter.reset();
    for (const TKindInfo &kind : AllKinds())
        QVERIFY2(!kind.current(), qPrintable(kind.className));
    for (const QString &file : DataFiles())
        if (!m_filesBefore.contains(file))
            QFile::remove(TUIHelper::ApplicationDir() + file);
}

TEABaseForm *TestAllKindsWalk::Create(const TKindInfo &kind)
{
    m_form = kind.create(m_area.get());
    return m_form;
}

void TestAllKindsWalk::Discard()
{
    if (!m_form)
        return;
    m_form->SkipCloseQuery = true;
    m_form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_form.isNull());
}

// Every control as an applicant fills it: boxes ticked first, so that what they open can be
// filled, radio buttons selected in turn, texts typed, then every third box cleared again.
void TestAllKindsWalk::Fill()
{
    const QList<QWidget *> controls = InputControls(m_form);
    for (bool changed = true; changed;) {
        changed = false;
        for (QWidget *w : controls)
            if (auto *box = qobject_cast<QCheckBox *>(w); box && box->isEnabled() && !box->isChecked()) {
                box->setChecked(true);
                changed = true;
            }
    }
    for (QWidget *w : controls)
        if (auto *radio = qobject_cast<QRadioButton *>(w); radio && radio->isEnabled())
            radio->setChecked(true);
    for (QWidget *w : controls) {
        if (!w->isEnabled())
            continue;
        const QString marker = U("值") + w->objectName();
        if (auto *edit = qobject_cast<QLineEdit *>(w); edit && !edit->isReadOnly())
            edit->setText(marker);
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
            memo->setPlainText(marker + U("\n第二行"));
        else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->count() > 0)
            combo->setCurrentIndex(combo->count() - 1);
        else if (auto *picker = qobject_cast<TDateTimePicker *>(w))
            QVERIFY(picker->SetDate(QDate(2024, 3, 15)));
    }
    int boxes = 0;
    for (QWidget *w : controls)
        if (auto *box = qobject_cast<QCheckBox *>(w); box && box->isEnabled() && box->isChecked())
            if (++boxes % 3 == 0)
                box->setChecked(false);
}

void TestAllKindsWalk::newFillSaveReopenPrint_data()
{
    QTest::addColumn<int>("kindIndex");
    for (int i = 0; i < int(AllKinds().size()); ++i)
        QTest::newRow(qPrintable(AllKinds()[size_t(i)].className)) << i;
}

void TestAllKindsWalk::newFillSaveReopenPrint()
{
    QFETCH(int, kindIndex);
    const TKindInfo &kind = AllKinds()[size_t(kindIndex)];
    QVERIFY(Create(kind));
    const QString definition = TUIHelper::ApplicationDir() + QStringLiteral("sys/") + FileNameOf(m_form->ConfigFile);
    if (!QFileInfo::exists(definition))
        QSKIP(qPrintable(QStringLiteral("no definition file %1 yet").arg(FileNameOf(m_form->ConfigFile))));

    m_form->NewApplication();
    QVERIFY2(m_prompter->Log.isEmpty(), qPrintable(m_prompter->Log.join(QLatin1Char('\n'))));
    QVERIFY(m_form);
    Fill();
    const QMap<QString, QString> filled = Snapshot(m_form);
    QVERIFY(!filled.isEmpty());

    m_form->SaveBackup();
    const QString code = m_form->VerifyCodeEdit->text();
    const QString path = m_form->DataFileName();
    QCOMPARE(QFileInfo(path).fileName(),
             m_form->KindTag + (m_form->ProductNameEdit ? m_form->ProductNameEdit->text() : QString())
                 + U("_") + code + U(".qx"));
    QCOMPARE(m_prompter->Messages, QStringList{BackupMessage(path, code)});
    QVERIFY(QFile::exists(path));
    QMap<QString, QString> expected = Snapshot(m_form);  // the new code included
    Discard();

    m_prompter->Clear();
    QVERIFY(Create(kind));
    m_form->OpenApplication(path);
    QVERIFY2(m_prompter->Log.isEmpty(), qPrintable(m_prompter->Log.join(QLatin1Char('\n'))));
    QVERIFY(m_form);
    const QMap<QString, QString> reopened = Snapshot(m_form);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(reopened.value(it.key()) == it.value(),
                 qPrintable(QStringLiteral("%1: \"%2\" after opening, \"%3\" when saved")
                                .arg(it.key(), reopened.value(it.key()), it.value())));
    QCOMPARE(reopened.keys(), expected.keys());

    m_prompter->Clear();
    m_form->SaveAndPrint();
    QCOMPARE(m_prompter->Messages, QStringList{SubmissionMessage(path, code)});
    QVERIFY(!m_pages.isEmpty());
    QCOMPARE(m_pages.size(), m_templatePages);  // no attachment page
    QVERIFY(m_pages.size() >= 2);
    QVERIFY(m_copies >= 1);
    QVERIFY(QFileInfo(m_pdf).size() > 0);

    // Each control's value in the report object of its name, on exactly one page.
    QHash<QString, QList<TfrPreparedItem>> items;
    for (const TfrPreparedPage &page : std::as_const(m_pages))
        for (const TfrPreparedItem &item : page.items)
            if (item.kind == TfrPreparedItem::Text)
                items[item.objectName.toLower()] << item;
    for (QWidget *w : InputControls(m_form)) {
        const QList<TfrPreparedItem> found = items.value(w->objectName().toLower());
        QVERIFY2(found.size() == 1, qPrintable(QStringLiteral("report objects named %1: %2")
                                                   .arg(w->objectName()).arg(found.size())));
        QVERIFY2(found.first().text == PrintedText(w),
                 qPrintable(QStringLiteral("%1 prints \"%2\", holds \"%3\"")
                                .arg(w->objectName(), found.first().text, PrintedText(w))));
    }
    // The code on every page: VerifyCode on the first, VerifyCode1, 2, ... on the later ones.
    for (int i = 0; i < m_pages.size(); ++i) {
        const QString name = i == 0 ? U("VerifyCode") : U("VerifyCode%1").arg(i);
        bool onPage = false;
        for (const TfrPreparedItem &item : m_pages.at(i).items)
            if (item.objectName.compare(name, Qt::CaseInsensitive) == 0 && item.text == code)
                onPage = true;
        QVERIFY2(onPage, qPrintable(QStringLiteral("page %1 lacks the code in %2").arg(i + 1).arg(name)));
    }
}

QTEST_MAIN(TestAllKindsWalk)
#include "tst_ypbcsq_n_allkinds.moc"
