// The printed form of the import herbal-material inspection application: the wording of the form,
// its fonts and alignments, its object names, and typical values that fit their boxes. Where each
// object lies is held against the official form in the proof rendering; the machine checks of
// every kind see that each data object prints inside its box.
#include "frReport.h"

#include <QSet>
#include <QtTest>

namespace {
const TfrPreparedItem *item(const TfrPreparedPage &page, const QString &name)
{
    for (const TfrPreparedItem &it : page.items)
        if (it.objectName == name)
            return &it;
    return nullptr;
}

QStringList names(const TfrPage *page, int type, const QString &prefix)
{
    QStringList result;
    for (int i = 0; i < page->Count(); ++i)
        if (page->Object(i)->Type() == type && page->Object(i)->Name.startsWith(prefix))
            result.append(page->Object(i)->Name);
    result.sort();
    return result;
}

QStringList numbered(const QString &prefix, std::initializer_list<std::pair<int, int>> ranges,
                     std::initializer_list<int> except = {})
{
    QStringList result;
    for (auto [from, to] : ranges)
        for (int i = from; i <= to; ++i)
            if (std::find(except.begin(), except.end(), i) == except.end())
                result.append(prefix + QString::number(i));
    result.sort();
    return result;
}
}  // namespace

class TestYPZCSQTemplate : public QObject {
    Q_OBJECT

    TfrReport report;

private Q_SLOTS:
    void initTestCase()
    {
        report.LoadFromFile(QStringLiteral(":/reports/YPZCSQ.frt"));
        report.PrepareReport();
    }

    void typicalValuesFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("mark") << "edit201" << "■";
        QTest::newRow("left-edge mark") << "edit208" << "□";
        QTest::newRow("code") << "VerifyCode" << "8F3A09BC";
        QTest::newRow("crypt code") << "VerifyCryptCode" << "8F3A09BC";
        QTest::newRow("HS code") << "E_1" << "1211903999";
        QTest::newRow("date") << "edit118" << "2026/12/31";
        QTest::newRow("address, two lines") << "edit125" << QString(80, QChar(0x5730));
        QTest::newRow("licence") << "edit126" << "沪AA0210123";
    }
    void typicalValuesFitTheirBoxes()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        TfrReport filled;
        filled.LoadFromFile(QStringLiteral(":/reports/YPZCSQ.frt"));
        static_cast<TfrMemoView *>(filled.FindObject(name))->SetText(text);
        filled.PrepareReport();
        const TfrPreparedItem *printed = item(filled.PreparedPages()[0], name);
        QVERIFY(printed);
        QVERIFY2(!printed->clipped, qPrintable(printed->lines.join(QLatin1Char('|'))));
    }

    void objectNames()
    {
        const TfrPage *p1 = report.Pages()[0];
        const TfrPage *p2 = report.Pages()[1];
        QCOMPARE(names(p1, gtMemo, QStringLiteral("Memo")),
                 numbered(QStringLiteral("Memo"), {{1, 1}, {3, 3}, {6, 7}, {13, 54}, {59, 60}}, {43}));
        QCOMPARE(names(p1, gtLine, QString()),
                 numbered(QStringLiteral("Line"), {{1, 6}, {10, 17}, {20, 31}, {33, 43}, {45, 45}, {47, 47}, {80, 83}}));
        QCOMPARE(names(p2, gtMemo, QStringLiteral("Memo")),
                 numbered(QStringLiteral("Memo"), {{2, 2}, {4, 5}, {8, 12}, {43, 43}}));
        QCOMPARE(names(p2, gtLine, QString()), (QStringList{"Line18", "Line19", "Line7", "Line8", "Line9"}));
        QCOMPARE(p1->Count(), 47 + 40 + 43);
        QCOMPARE(p2->Count(), 10 + 5);
        // Names are unique without regard to letter case.
        QSet<QString> seen;
        for (const TfrPage *page : {p1, p2})
            for (int i = 0; i < page->Count(); ++i)
                QVERIFY2(!seen.contains(page->Object(i)->Name.toLower()), qPrintable(page->Object(i)->Name));
        // Lines above the paper print nothing: 38 rules on page 1, none on page 2.
        int rules1 = 0, rules2 = 0;
        for (const TfrPreparedItem &it : report.PreparedPages()[0].items)
            rules1 += it.kind == TfrPreparedItem::Line;
        for (const TfrPreparedItem &it : report.PreparedPages()[1].items)
            rules2 += it.kind == TfrPreparedItem::Line;
        QCOMPARE(rules1, 38);
        QCOMPARE(rules2, 0);
    }

    void labels_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");
        const int centred = frtaCenter + frtaMiddle;
        const int left = frtaLeft + frtaMiddle;
        const struct {
            const char *text;
            int alignment;
        } rows[] = {
            {"中文", centred}, {"英文名", centred}, {"药材名称", centred}, {"别名", centred},
            {"拉丁学名", centred}, {"包装规格", centred}, {"批件号", centred},
            {"合同号／唛头", centred}, {"检验标准", centred}, {"索赔期", centred},
            {"货物数量", centred}, {"货值", centred}, {"提运单号", centred},
            {"发货港(地)", centred}, {"发货日期", centred}, {"运输工具(航／班次)", centred},
            {"负责海关", centred}, {"到岸港(地)", centred}, {"到货日期", centred},
            {"存货地点", centred}, {"出口商 ", centred}, {"发货单位", centred},
            {"名称", centred}, {"药品经营或生产许可证证号　", centred}, {"申请人", centred},
            {"(报验单位)", centred}, {"地址", centred}, {"联系人", centred}, {"电话", centred},
            {"（公　章）　\r\n   年   月   日", centred}, {"所", centred}, {"附", centred},
            {"资", centred}, {"料", centred},
            {"1、《进口药材批件》复印件（和《进口药材补充申请批件》复印件）。", left},
            {"2、申请人的《药品经营许可证》或者《药品生产许可证》复印件。", left},
            {"3、原产地证明复印件。 ", left}, {"4、购货合同复印件。", left},
            {"5、装箱单、提运单和货运发票复印件。 ", left},
            {"6、经其他国家或者地区转口的进口药材，应当同时提交从原产地到各转口地的全部购货合同、装箱", left},
            {"   单、提运单和货运发票。", left},
            {"7、涉及濒危物种的药材，应当提供进出口双方国家濒危物种进出口管理机构证明文件复印件。", left},
            {"   数据核对码：", frtaRight + frtaMiddle},
        };
        for (const auto &r : rows)
            QTest::newRow(r.text) << QString::fromUtf8(r.text) << r.alignment;
    }
    void labels()
    {
        QFETCH(QString, text);
        QFETCH(int, alignment);
        const TfrPreparedItem *found = nullptr;
        for (const TfrPreparedItem &it : report.PreparedPages()[0].items)
            if (it.kind == TfrPreparedItem::Text && it.text == text)
                found = &it;
        QVERIFY(found);
        QVERIFY(found->objectName.startsWith(QLatin1String("Memo")));
        QCOMPARE(found->fontName, QStringLiteral("宋体"));
        QCOMPARE(found->fontSize, 9.0);
        QCOMPARE(found->alignment, alignment);
        // Every label shows whole in its box.
        QVERIFY2(!found->clipped, qPrintable(found->lines.join(QLatin1Char('|'))));
    }

    void titleAndHsCode()
    {
        const TfrPreparedItem *title = nullptr;
        const TfrPreparedItem *hs = nullptr;
        for (const TfrPreparedItem &it : report.PreparedPages()[0].items) {
            if (it.text == QStringLiteral("进 口 药 材 报 验 单"))
                title = &it;
            if (it.text == QStringLiteral("HS商品编码："))
                hs = &it;
        }
        QVERIFY(title && hs);
        QCOMPARE(title->fontSize, 20.0);
        QVERIFY(title->bold);
        QCOMPARE(title->alignment & 3, int(frtaLeft));
        QVERIFY(!title->clipped);
        QVERIFY(hs->bold);
        QCOMPARE(hs->fontSize, 9.0);
        QVERIFY(!hs->clipped);
    }

    void notes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("text");
        const int left = frtaLeft + frtaMiddle;
        QTest::newRow("Memo2") << "Memo2" << 20.0 << left << "注  意  事  项";
        QTest::newRow("Memo4") << "Memo4" << 14.0 << left
                               << " 1．本表由申请人填写，一式两份。一份由口岸或边境口岸(食品)药品监督管理局存档，一份交药品检验所。申请人应当在指定“公章”处盖章。";
        QTest::newRow("Memo5") << "Memo5" << 14.0 << left
                               << " 2．经其它国家或者地区转口的进口药材，应当同时呈报从原产地到各转口地的全部购货合同、装箱单、提运单和货运发票。";
        QTest::newRow("Memo8") << "Memo8" << 14.0 << left
                               << " 3．“检验标准”指《进口药材批件》载明的质量标准及其编号。";
        QTest::newRow("Memo9") << "Memo9" << 14.0 << left
                               << " 4．“货物数量”指以《进口药材批件》载明的包装规格为基本单位的货物总量，如瓶数、盒数、公斤数等。";
        QTest::newRow("Memo10") << "Memo10" << 14.0 << left
                                << " 5．存货地点为办结海关手续后货物拟储存仓库的具体地点，应注明名称和地址。";
        QTest::newRow("Memo11") << "Memo11" << 14.0 << left
                                << " 6．“所附资料”项，应当逐一注明《进口药材批件》规定资料的编号。";
        QTest::newRow("Memo12") << "Memo12" << 14.0 << left
                                << " 7．如本报验单空间不够，可另附纸说明。";
        QTest::newRow("Memo43") << "Memo43" << 9.0 << frtaRight + frtaMiddle
                                << "   数据核对码：";
        QTest::newRow("VerifyCode1") << "VerifyCode1" << 9.0 << left << "";
    }
    void notes()
    {
        QFETCH(QString, name);
        QFETCH(double, size);
        QFETCH(int, alignment);
        QFETCH(QString, text);
        const TfrPreparedItem *it = item(report.PreparedPages()[1], name);
        QVERIFY(it);
        QCOMPARE(it->fontName, QStringLiteral("仿宋_GB2312"));
        QCOMPARE(it->fontSize, size);
        QCOMPARE(it->alignment, alignment);
        QVERIFY(it->wordWrap);
        QCOMPARE(it->text, text);
        QVERIFY2(!it->clipped, qPrintable(it->lines.join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(TestYPZCSQTemplate)
#include "tst_YPZCSQTemplate.moc"
