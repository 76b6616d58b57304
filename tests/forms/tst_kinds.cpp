// The six form kinds: the catalogue, each kind's FormCreate values and control references, the
// window structure every kind shares, and the global reference of each kind.

#include "Components.h"
#include "FormFixture.h"
#include "ScriptedPrompter.h"
#include "frReport.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QScrollArea>
#include <QTabWidget>
#include <QtTest>

using namespace formfixture;

namespace {
void AddKindColumns()
{
    QTest::addColumn<QString>("className");
    for (const TKindRow &row : kKinds)
        QTest::newRow(row.className) << QString::fromLatin1(row.className);
}

QLabel *LabelWithText(QWidget *form, const QString &text)
{
    const auto labels = form->findChildren<QLabel *>();
    for (QLabel *label : labels)
        if (label->text() == text)
            return label;
    return nullptr;
}
}  // namespace

class TestKinds : public QObject {
    Q_OBJECT
    std::unique_ptr<TScriptedPrompter> prompts;

private Q_SLOTS:
    void init() { prompts = std::make_unique<TScriptedPrompter>(); }
    void cleanup()
    {
        CloseAllForms();
        QCOMPARE(prompts->Unexpected, QStringList());
        prompts.reset();
    }

    void catalogueOrder()
    {
        QStringList names;
        for (const TKindInfo &kind : AllKinds())
            names << kind.className;
        QCOMPARE(names, (QStringList{"TFrmYPZCSQ", "TFrmYPZCSQ_JK", "TFrmYPBCSQ", "TFrmYPBCSQ_JK",
                                     "TFrmYPZZCSQ", "TFrmYPBCSQ_N"}));
    }

    void formCreateValues_data() { AddKindColumns(); }
    void formCreateValues()
    {
        QFETCH(QString, className);
        const TKindRow &row = Row(className);
        QCOMPARE(Kind(className).current(), nullptr);
        TEABaseForm *form = Kind(className).create(nullptr);
        QCOMPARE(Kind(className).current(), form);
        QVERIFY(form->inherits(className.toLatin1().constData()));
        QCOMPARE(form->objectName(), QString::fromLatin1(row.formName));
        QCOMPARE(form->windowTitle(), QString::fromUtf8(row.caption));
        QCOMPARE(form->FormTitle, QString::fromUtf8(row.formTitle));
        QCOMPARE(form->ConfigFile, QString::fromUtf8(row.configFile));
        QCOMPARE(form->ConfigType, QString::fromUtf8(row.configType));
        QCOMPARE(form->KindTag, QString::fromUtf8(row.kindTag));
        QVERIFY(!form->SkipCloseQuery);
        QCOMPARE(form->Helper, nullptr);

        auto *report = form->findChild<TfrReport *>(QStringLiteral("frReport1"));
        QVERIFY(report);
        QCOMPARE(form->Report, report);
        QCOMPARE(report->DefaultCopies, row.copies);

        // The print hook is set and leaves the report and the attachment text as they were.
        QVERIFY(bool(form->OnBeforePrintDoc));
        TfrReport *prn = report;
        QString attach;
        form->OnBeforePrintDoc(form, prn, attach);
        QCOMPARE(prn, report);
        QCOMPARE(attach, QString());
    }

    void controlReferences_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("productLabel");
        QTest::addColumn<QString>("applicant");
        QTest::addColumn<QString>("applicantLabel");
        QTest::addColumn<QString>("clinicalUnit");
        QTest::addColumn<QString>("clinicalUnitLabel");
        QTest::newRow("TFrmYPZCSQ") << "TFrmYPZCSQ" << "" << "" << "" << "" << "" << "";
        QTest::newRow("TFrmYPBCSQ") << "TFrmYPBCSQ" << "Edit1" << "产 品 名 称" << "" << "" << "" << "";
        QTest::newRow("TFrmYPZCSQ_JK") << "TFrmYPZCSQ_JK" << "Edit5" << "5.产品名称" << "Edit1"
                                       << "1.生产企业名称" << "Edit15" << "15.临床试验机构名称";
        QTest::newRow("TFrmYPBCSQ_JK") << "TFrmYPBCSQ_JK" << "Edit4" << "产 品 名 称" << "" << "" << "" << "";
        QTest::newRow("TFrmYPZZCSQ") << "TFrmYPZZCSQ" << "Edit4" << "产 品 名 称" << "" << "" << "" << "";
        QTest::newRow("TFrmYPBCSQ_N") << "TFrmYPBCSQ_N" << "Edit1" << "企 业 名 称" << "" << "" << "" << "";
    }
    void controlReferences()
    {
        QFETCH(QString, className);
        QFETCH(QString, product);
        QFETCH(QString, productLabel);
        QFETCH(QString, applicant);
        QFETCH(QString, applicantLabel);
        QFETCH(QString, clinicalUnit);
        QFETCH(QString, clinicalUnitLabel);
        TEABaseForm *form = Kind(className).create(nullptr);
        QVERIFY(form->VerifyCodeEdit);
        QCOMPARE(form->VerifyCodeEdit->objectName(), QStringLiteral("VerifyCode"));
        const struct {
            QPointer<QLineEdit> ref;
            QString name, label;
        } refs[] = {{form->ProductNameEdit, product, productLabel},
                    {form->ApplicantEdit, applicant, applicantLabel},
                    {form->ClinicalUnitEdit, clinicalUnit, clinicalUnitLabel}};
        for (const auto &r : refs) {
            if (r.name.isEmpty()) {
                QVERIFY(!r.ref);
                continue;
            }
            QVERIFY2(r.ref, qPrintable(r.name));
            QCOMPARE(r.ref->objectName(), r.name);
            QVERIFY2(LabelWithText(form, r.label), qPrintable(r.label));
        }
        QVERIFY(!form->SpecEdit);
        QVERIFY(!form->ApplicationNameEdit);
    }

    void sharedStructure_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("pageControl");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QList<int>>("ranges");
        QTest::addColumn<QString>("checkGroup");
        QTest::addColumn<int>("checkGroupWidth");
        const QStringList two{"第一页", "第二页"};
        QTest::newRow("TFrmYPZCSQ") << "TFrmYPZCSQ" << "PageControl1" << two << QList<int>{1070, 1300} << "GroupBox1" << 749;
        QTest::newRow("TFrmYPBCSQ") << "TFrmYPBCSQ" << "PageControl1" << two << QList<int>{1300, 1300} << "GroupBox3" << 749;
        QTest::newRow("TFrmYPZCSQ_JK") << "TFrmYPZCSQ_JK" << "PageControl2" << QStringList{"第一页", "第二页", "第三页"}
                                       << QList<int>{1070, 1300, 1300} << "GroupBox1" << 749;
        QTest::newRow("TFrmYPBCSQ_JK") << "TFrmYPBCSQ_JK" << "PageControl1" << two << QList<int>{1300, 1300} << "GroupBox3" << 749;
        QTest::newRow("TFrmYPZZCSQ") << "TFrmYPZZCSQ" << "PageControl1" << two << QList<int>{1300, 1300} << "GroupBox3" << 749;
        QTest::newRow("TFrmYPBCSQ_N") << "TFrmYPBCSQ_N" << "PageControl1" << two << QList<int>{1300, 1300} << "GroupBox3" << 745;
    }
    void sharedStructure()
    {
        QFETCH(QString, className);
        QFETCH(QString, pageControl);
        QFETCH(QStringList, pages);
        QFETCH(QList<int>, ranges);
        QFETCH(QString, checkGroup);
        QFETCH(int, checkGroupWidth);
        TEABaseForm *form = Kind(className).create(nullptr);
        form->resize(900, 700);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));

        // One page control fills the whole client area, first page active.
        auto *tabs = form->findChild<QTabWidget *>(pageControl);
        QVERIFY(tabs);
        QCOMPARE(tabs->size(), form->widget()->size());
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->count(), pages.size());
        for (int i = 0; i < tabs->count(); ++i) {
            QCOMPARE(tabs->tabText(i), pages.at(i));
            QCOMPARE(tabs->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
            // One scroll box per page with its fixed vertical range.
            const auto areas = tabs->widget(i)->findChildren<QScrollArea *>(Qt::FindDirectChildrenOnly);
            QCOMPARE(areas.size(), 1);
            QVERIFY(areas.first()->objectName().startsWith(QLatin1String("ScrollBox")));
            QCOMPARE(areas.first()->widget()->height(), ranges.at(i));
        }

        auto *group = form->findChild<QGroupBox *>(checkGroup);
        QVERIFY(group);
        QCOMPARE(group->title(), QStringLiteral("数据校验"));
        QCOMPARE(group->size(), QSize(checkGroupWidth, 41));
        QVERIFY(tabs->widget(0)->isAncestorOf(group));
        QLabel *label = LabelWithText(form, QStringLiteral("数据核对码"));
        QVERIFY(label);
        QVERIFY(group->isAncestorOf(label));
        QLineEdit *code = form->VerifyCodeEdit;
        QVERIFY(group->isAncestorOf(code));
        QVERIFY(code->isReadOnly());
        QVERIFY(code->isVisible());
        QCOMPARE(code->palette().color(QPalette::Base), QColor(166, 202, 240));
        QVERIFY(code->mapTo(form, QPoint(0, 0)).x() > label->mapTo(form, QPoint(0, 0)).x());
    }

    void restoredSize_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("outer");  // the size of the whole window, else of its client area
        QTest::newRow("TFrmYPZCSQ") << "TFrmYPZCSQ" << QSize(1024, 708) << false;
        QTest::newRow("TFrmYPBCSQ") << "TFrmYPBCSQ" << QSize(808, 580) << true;
        QTest::newRow("TFrmYPZCSQ_JK") << "TFrmYPZCSQ_JK" << QSize(800, 553) << false;
        QTest::newRow("TFrmYPBCSQ_JK") << "TFrmYPBCSQ_JK" << QSize(808, 580) << true;
        QTest::newRow("TFrmYPZZCSQ") << "TFrmYPZZCSQ" << QSize(1032, 745) << true;
        QTest::newRow("TFrmYPBCSQ_N") << "TFrmYPBCSQ_N" << QSize(808, 580) << true;
    }
    void restoredSize()
    {
        QFETCH(QString, className);
        QFETCH(QSize, size);
        QFETCH(bool, outer);
        QMdiArea frame;
        frame.resize(1280, 1024);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        TEABaseForm *form = Kind(className).create(&frame);
        QCOMPARE(form->mdiArea(), &frame);
        form->showMaximized();
        form->showNormal();
        const QSize shown = outer ? form->size() : form->widget()->size();
        // The window frame drawn around a child window differs a little from style to style.
        QVERIFY2(qAbs(shown.width() - size.width()) <= 4 && qAbs(shown.height() - size.height()) <= 4,
                 qPrintable(QStringLiteral("%1 x %2").arg(shown.width()).arg(shown.height())));
        form->SkipCloseQuery = true;
        form->close();
    }

    void verifyCodeRefusesTypingButCopies_data() { AddKindColumns(); }
    void verifyCodeRefusesTypingButCopies()
    {
        QFETCH(QString, className);
        TEABaseForm *form = Kind(className).create(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QLineEdit *code = form->VerifyCodeEdit;
        code->setText(QStringLiteral("89ABCDEF"));
        code->setFocus();
        QTest::keyClicks(code, QStringLiteral("12"));
        QTest::keyClick(code, Qt::Key_Backspace);
        QCOMPARE(code->text(), QStringLiteral("89ABCDEF"));
        QTest::keyClick(code, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(code, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("89ABCDEF"));
    }

    void closingClearsTheGlobalReference_data() { AddKindColumns(); }
    void closingClearsTheGlobalReference()
    {
        QFETCH(QString, className);
        QPointer<TEABaseForm> form = Kind(className).create(nullptr);
        form->SkipCloseQuery = true;
        QVERIFY(form->close());
        QCOMPARE(Kind(className).current(), nullptr);
        FlushDeletes();
        QVERIFY(!form);

        // A window freed without closing clears it as well.
        TEABaseForm *again = Kind(className).create(nullptr);
        QCOMPARE(Kind(className).current(), again);
        delete again;
        QCOMPARE(Kind(className).current(), nullptr);
    }

    void herbalKindHidesTheCheckGroup()
    {
        TEABaseForm *form = Kind(QStringLiteral("TFrmYPZCSQ")).create(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        auto *check = form->findChild<QGroupBox *>(QStringLiteral("GroupBox1"));
        auto *hint = form->findChild<QGroupBox *>(QStringLiteral("GroupBox4"));
        QVERIFY(check && hint);
        QCOMPARE(hint->parentWidget(), check);
        QCOMPARE(hint->geometry(), QRect(QPoint(0, 0), check->size()));
        QCOMPARE(hint->title(), QStringLiteral("提醒"));
        QWidget *crypt = FindComponent(form, QStringLiteral("VerifyCryptCode"));
        QVERIFY(crypt);
        QVERIFY(!crypt->isVisible());
    }
};

QTEST_MAIN(TestKinds)
#include "tst_kinds.moc"
