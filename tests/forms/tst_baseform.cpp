// The life cycle of a form window: new, open, backup, save and print, discard and close, the
// data check code and the data file name, on the windows of the six kinds.

#include "ConfigedBase.h"
#include "Components.h"
#include "Errors.h"
#include "FormFixture.h"
#include "ScriptedPrompter.h"
#include "UIHelper.h"
#include "frReport.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace formfixture;

namespace {
const QString kDiscard = QStringLiteral("你要退出现在编写的文件吗?");
const QString kCrLf = QStringLiteral("\r\n");

QString BackupMessage(const QString &file, const QString &code)
{
    return QStringLiteral("已成功保存为备份文件:") + file + kCrLf + kCrLf + QStringLiteral("数据核对码为：")
           + code + kCrLf + kCrLf
           + QStringLiteral("提示:此处只是生成不同版本的备份文件.只有打印时同时生成正式的报送文件!");
}

QString SubmissionMessage(const QString &file, const QString &code)
{
    return QStringLiteral("已成功生成报盘文件:") + file + kCrLf + kCrLf + QStringLiteral("数据核对码为：")
           + code + kCrLf + kCrLf + QStringLiteral("请在打印后将此文件拷贝到磁盘报送药监局!") + kCrLf
           + kCrLf + QStringLiteral("电子文件拷贝到磁盘后将加密不能从磁盘直接打开");
}

void AddKindColumns()
{
    QTest::addColumn<QString>("className");
    for (const TKindRow &row : kKinds)
        QTest::newRow(row.className) << QString::fromLatin1(row.className);
}
}  // namespace

class TestBaseForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TScriptedPrompter> prompts;
    QTemporaryDir dir;
    int previews = 0;
    QStringList written;  // data files the test wrote beside the executable

    // A window of the kind opened on a small data file of its own kind holding code.
    TEABaseForm *OpenKind(const QString &className, const QString &code = QStringLiteral("1234ABCD"))
    {
        const TKindRow &row = Row(className);
        const QString file = WriteDataFile(dir, className + QStringLiteral(".qx"),
                                           QString::fromUtf8(row.configType), code,
                                           QString::fromLatin1(row.productEdit));
        TEABaseForm *form = Kind(className).create(nullptr);
        form->OpenApplication(file);
        return form;
    }

    QLineEdit *ProductEdit(TEABaseForm *form, const QString &className)
    {
        const QString name = QString::fromLatin1(Row(className).productEdit);
        return name.isEmpty() ? nullptr : qobject_cast<QLineEdit *>(FindComponent(form, name));
    }

    QString Remember(const QString &file)
    {
        written << file;
        return file;
    }

private Q_SLOTS:
    void init()
    {
        prompts = std::make_unique<TScriptedPrompter>();
        previews = 0;
        TfrReport::SetPreviewHook([this](TfrReport &) { ++previews; });
    }

    void cleanup()
    {
        CloseAllForms();
        for (const QString &file : std::as_const(written))
            QFile::remove(file);
        written.clear();
        TfrReport::SetPreviewHook(nullptr);
        QCOMPARE(prompts->Unexpected, QStringList());
        prompts.reset();
        for (const TKindInfo &kind : AllKinds())
            QVERIFY2(!kind.current(), qPrintable(kind.className));
    }

    void verifyCodeIsEightUpperHexDigits()
    {
        QSet<QString> codes;
        for (int i = 0; i < 200; ++i) {
            const QString code = TUIHelper::NewVerifyCode();
            QVERIFY2(kCodePattern.match(code).hasMatch(), qPrintable(code));
            codes << code;
        }
        QVERIFY(codes.size() > 190);
    }

    void newApplication_data() { AddKindColumns(); }
    void newApplication()
    {
        QFETCH(QString, className);
        const TKindRow &row = Row(className);
        QPointer<TEABaseForm> form = Kind(className).create(nullptr);
        QCOMPARE(form->windowTitle(), QString::fromUtf8(row.caption));
        form->NewApplication();
        QCOMPARE(form->Helper->FileName, DefinitionFile(className));
        QCOMPARE(form->Helper->ExpectedConfigType, QString::fromUtf8(row.configType));
        if (QFile::exists(DefinitionFile(className))) {
            QCOMPARE(prompts->Messages, QStringList());
            QCOMPARE(form->windowTitle(), QStringLiteral("新建") + QString::fromUtf8(row.formTitle));
            QVERIFY(form->isMaximized());
            QVERIFY(!form->SkipCloseQuery);
            QVERIFY(kCodePattern.match(form->VerifyCodeEdit->text()).hasMatch());
        } else {
            // No definition file beside the executable: the window closes without a question.
            QCOMPARE(prompts->Messages, QStringList{QStringLiteral("配置文件名不正确，请检查！")});
            QCOMPARE(prompts->Questions, QStringList());
            QCOMPARE(Kind(className).current(), nullptr);
            FlushDeletes();
            QVERIFY(!form);
        }
    }

    void openApplicationKeepsTheFilesCode_data() { AddKindColumns(); }
    void openApplicationKeepsTheFilesCode()
    {
        QFETCH(QString, className);
        TEABaseForm *form = OpenKind(className, QStringLiteral("00C0FFEE"));
        QCOMPARE(prompts->Messages, QStringList());
        QCOMPARE(form->windowTitle(), QStringLiteral("编辑") + QString::fromUtf8(Row(className).formTitle));
        QVERIFY(form->isMaximized());
        QCOMPARE(form->VerifyCodeEdit->text(), QStringLiteral("00C0FFEE"));
        QVERIFY(!form->SkipCloseQuery);
    }

    // An edit keeps a value of any length that a data file brings; saving writes it back whole.
    void longValueKeptWhole()
    {
        const QString longName(40000, QChar(0x7518));  // 甘
        const QString file = WriteDataFile(dir, QStringLiteral("long.qx"),
                                           QStringLiteral("医疗器械变更申请"), QStringLiteral("1234ABCD"),
                                           QStringLiteral("Edit1"), longName);
        TEABaseForm *form = Kind(QStringLiteral("TFrmYPBCSQ")).create(nullptr);
        form->OpenApplication(file);
        QCOMPARE(prompts->Messages, QStringList());
        QLineEdit *edit = ProductEdit(form, QStringLiteral("TFrmYPBCSQ"));
        QVERIFY(edit);
        QCOMPARE(edit->text().size(), longName.size());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_A);
        QCOMPARE(edit->text().size(), longName.size() + 1);
    }

    void openFailures_data()
    {
        QTest::addColumn<QByteArray>("content");  // empty: no such file
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("closes");
        QTest::newRow("missing file") << QByteArray() << QStringLiteral("配置文件名不正确，请检查！") << true;
        QStringEncoder gbk("GB18030");
        QTest::newRow("another kind")
            << QByteArray(gbk.encode(QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?><a><config-type value=\"各类报告\"/>"
                                                    "<ui-relation/><ui-data/><data-fields/></a>")))
            << QStringLiteral("该文件类型不匹配，凭重新选取") << true;
        QTest::newRow("not well-formed") << QByteArray("<a><config-type value=") << QString() << false;
    }
    void openFailures()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(bool, closes);
        const QString file = content.isEmpty() ? dir.filePath(QStringLiteral("none.qx"))
                                               : WriteFile(dir, QStringLiteral("bad.qx"), content);
        QPointer<TEABaseForm> form = Kind(QStringLiteral("TFrmYPBCSQ")).create(nullptr);
        bool raised = false;
        try {
            form->OpenApplication(file);
        } catch (const EError &) {
            raised = true;
        }
        QCOMPARE(prompts->Questions, QStringList());
        if (closes) {
            QVERIFY(!raised);
            QCOMPARE(prompts->Messages, QStringList{message});
            FlushDeletes();
            QVERIFY(!form);
        } else {
            // The error ends the loading; the window stays and later closes without a question.
            QVERIFY(raised);
            QVERIFY(form);
            QCOMPARE(form->windowTitle(), QStringLiteral("编辑医疗器械变更补办申请表"));
            QVERIFY(form->SkipCloseQuery);
            QVERIFY(form->close());
            QCOMPARE(prompts->Questions, QStringList());
        }
    }

    void dataFileName_data()
    {
        AddKindColumns();
    }
    void dataFileName()
    {
        QFETCH(QString, className);
        const TKindRow &row = Row(className);
        TEABaseForm *form = Kind(className).create(nullptr);
        form->VerifyCodeEdit->setText(QStringLiteral("0A1B2C3D"));
        // Every edit that is not the product-name control holds text that must not appear.
        const auto edits = form->findChildren<QLineEdit *>();
        for (QLineEdit *edit : edits)
            if (edit != form->VerifyCodeEdit)
                edit->setText(QStringLiteral("不要"));
        QString product;
        if (QLineEdit *edit = ProductEdit(form, className)) {
            product = QStringLiteral(" 血压计 X-1.. ");
            edit->setText(product);
        }
        QCOMPARE(form->DataFileName(), TUIHelper::ApplicationDir() + QString::fromUtf8(row.kindTag) + product
                                           + QStringLiteral("_0A1B2C3D.qx"));
    }

    void unsafeProductName_data()
    {
        QTest::addColumn<QString>("product");
        QTest::newRow("slash") << QStringLiteral("../../etc/产品");
        QTest::newRow("backslash") << QStringLiteral("子目录\\产品");
        QTest::newRow("colon") << QStringLiteral("C:产品");
        QTest::newRow("star") << QStringLiteral("产品*");
        QTest::newRow("question") << QStringLiteral("产品?");
        QTest::newRow("quote") << QStringLiteral("\"产品\"");
        QTest::newRow("less") << QStringLiteral("<产品");
        QTest::newRow("greater") << QStringLiteral("产品>");
        QTest::newRow("bar") << QStringLiteral("产|品");
        QTest::newRow("tab") << QStringLiteral("产\t品");
        QTest::newRow("control") << (QStringLiteral("产") + QChar(0x01) + QStringLiteral("品"));
    }
    void unsafeProductName()
    {
        QFETCH(QString, product);
        TEABaseForm *form = OpenKind(QStringLiteral("TFrmYPBCSQ"));
        ProductEdit(form, QStringLiteral("TFrmYPBCSQ"))->setText(product);
        const QString code = form->VerifyCodeEdit->text();
        const QString wouldBe = TUIHelper::ApplicationDir() + QStringLiteral("变更") + product
                                + QLatin1Char('_') + code + QStringLiteral(".qx");
        Remember(wouldBe);
        QVERIFY_THROWS_EXCEPTION(EError, form->SaveAndPrint());
        QVERIFY(!QFile::exists(wouldBe));
        QCOMPARE(previews, 0);
        QVERIFY_THROWS_EXCEPTION(EError, form->SaveBackup());
        QCOMPARE(prompts->Messages, QStringList());
        try {
            form->SaveBackup();
        } catch (const EError &e) {
            QVERIFY2(e.Message().contains(product) && e.Message().contains(QStringLiteral("无法保存")),
                     qPrintable(e.Message()));
        }
    }

    void unsafeCodeFromADataFile()
    {
        // A data file may bring any text into the code edit; it must not steer where files go.
        TEABaseForm *form = OpenKind(QStringLiteral("TFrmYPBCSQ_JK"), QStringLiteral("../../escaped"));
        QCOMPARE(form->VerifyCodeEdit->text(), QStringLiteral("../../escaped"));
        const QString wouldBe = Remember(TUIHelper::ApplicationDir() + QStringLiteral("临床豁免_../../escaped.qx"));
        QVERIFY_THROWS_EXCEPTION(EError, form->SaveAndPrint());
        QVERIFY(!QFile::exists(wouldBe));
        QCOMPARE(previews, 0);
        QCOMPARE(prompts->Messages, QStringList());
        // A backup makes a fresh code first and saves normally.
        form->SaveBackup();
        QVERIFY(kCodePattern.match(form->VerifyCodeEdit->text()).hasMatch());
        QVERIFY(QFile::exists(Remember(form->DataFileName())));
    }

    void backupsAndSubmissions()
    {
        TEABaseForm *form = OpenKind(QStringLiteral("TFrmYPBCSQ_N"));
        FindComponent(form, QStringLiteral("Edit1"))->setProperty("text", QStringLiteral("某某医疗器械公司"));
        const QString before = form->VerifyCodeEdit->text();

        form->SaveBackup();
        const QString first = form->VerifyCodeEdit->text();
        form->SaveBackup();
        const QString second = form->VerifyCodeEdit->text();
        QVERIFY(first != before && second != first);
        QVERIFY(kCodePattern.match(second).hasMatch());
        const QString firstFile = Remember(form->DataFileName().replace(second, first));
        const QString secondFile = Remember(form->DataFileName());
        QCOMPARE(secondFile, TUIHelper::ApplicationDir() + QStringLiteral("其他某某医疗器械公司_") + second
                                 + QStringLiteral(".qx"));
        QCOMPARE(prompts->Messages, (QStringList{BackupMessage(firstFile, first), BackupMessage(secondFile, second)}));
        QVERIFY(QFile::exists(firstFile));
        QVERIFY(QFile::exists(secondFile));
        QCOMPARE(previews, 0);

        // Save and print twice: the code of the last backup, the same file, one print each.
        prompts->Clear();
        form->SaveAndPrint();
        form->SaveAndPrint();
        QCOMPARE(form->VerifyCodeEdit->text(), second);
        // The filling of the report may add messages of its own about the template.
        QCOMPARE(prompts->Messages.filter(QStringLiteral("已成功")),
                 (QStringList{SubmissionMessage(secondFile, second), SubmissionMessage(secondFile, second)}));
        QCOMPARE(prompts->Messages.first(), SubmissionMessage(secondFile, second));
        QCOMPARE(previews, 2);
    }

    void reopenedFileIsWrittenBackUnderItsOwnName()
    {
        TEABaseForm *form = OpenKind(QStringLiteral("TFrmYPBCSQ"));
        ProductEdit(form, QStringLiteral("TFrmYPBCSQ"))->setText(QStringLiteral("监护仪"));
        form->SaveBackup();
        const QString file = Remember(form->DataFileName());
        const QString code = form->VerifyCodeEdit->text();
        form->SkipCloseQuery = true;
        form->close();
        FlushDeletes();

        // The file's code comes back with it, so it is written back under its own name.
        TEABaseForm *again = Kind(QStringLiteral("TFrmYPBCSQ")).create(nullptr);
        again->OpenApplication(file);
        QCOMPARE(again->VerifyCodeEdit->text(), code);
        prompts->Clear();
        again->SaveAndPrint();
        QCOMPARE(prompts->Messages.value(0), SubmissionMessage(file, code));
    }

    void submissionRightAfterNew()
    {
        TEABaseForm *form = Kind(QStringLiteral("TFrmYPZCSQ")).create(nullptr);
        form->NewApplication();
        if (!Kind(QStringLiteral("TFrmYPZCSQ")).current())
            QSKIP("no definition file of this kind beside the executable");
        const QString code = form->VerifyCodeEdit->text();
        form->SaveAndPrint();
        const QString file = Remember(TUIHelper::ApplicationDir() + QStringLiteral("注册_") + code + QStringLiteral(".qx"));
        QCOMPARE(prompts->Messages.value(0), SubmissionMessage(file, code));
        QVERIFY(QFile::exists(file));
        QCOMPARE(previews, 1);
    }

    void confirmDiscard_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void confirmDiscard()
    {
        QFETCH(bool, answer);
        QPointer<TEABaseForm> form = OpenKind(QStringLiteral("TFrmYPZZCSQ"));
        ProductEdit(form, QStringLiteral("TFrmYPZZCSQ"))->setText(QStringLiteral("内容"));
        prompts->AnswerQuestion(answer);
        QCOMPARE(form->ConfirmDiscard(), answer);
        // Asked exactly once, even though discarding closes the window.
        QCOMPARE(prompts->Questions, QStringList{kDiscard});
        FlushDeletes();
        QCOMPARE(bool(form), !answer);
        QCOMPARE(Kind(QStringLiteral("TFrmYPZZCSQ")).current() != nullptr, !answer);
        if (!answer) {
            QCOMPARE(ProductEdit(form, QStringLiteral("TFrmYPZZCSQ"))->text(), QStringLiteral("内容"));
            QVERIFY(!form->SkipCloseQuery);
        }
    }

    void closeBox_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<bool>("answer");
        for (const TKindRow &row : kKinds) {
            QTest::addRow("%s ok", row.className) << QString::fromLatin1(row.className) << true;
            QTest::addRow("%s cancel", row.className) << QString::fromLatin1(row.className) << false;
        }
    }
    void closeBox()
    {
        QFETCH(QString, className);
        QFETCH(bool, answer);
        QPointer<TEABaseForm> form = OpenKind(className);
        form->VerifyCodeEdit->setText(QStringLiteral("CAFE0001"));
        prompts->AnswerQuestion(answer);
        QCOMPARE(form->close(), answer);
        QCOMPARE(prompts->Questions, QStringList{kDiscard});
        FlushDeletes();
        // A closed window is freed, never merely hidden.
        QCOMPARE(bool(form), !answer);
        QCOMPARE(Kind(className).current() != nullptr, !answer);
        if (!answer) {
            QVERIFY(form->isVisible());
            QCOMPARE(form->VerifyCodeEdit->text(), QStringLiteral("CAFE0001"));
        }
    }

    void unsetReferencesReadAsEmpty()
    {
        TEABaseForm *form = Kind(QStringLiteral("TFrmYPZCSQ")).create(nullptr);
        QCOMPARE(TEABaseForm::TextOf(form->ProductNameEdit), QString());
        QCOMPARE(TEABaseForm::TextOf(form->SpecEdit), QString());
        QCOMPARE(TEABaseForm::TextOf(nullptr), QString());
    }
};

QTEST_MAIN(TestBaseForm)
#include "tst_baseform.moc"
