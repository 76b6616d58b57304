// The printed form of the import herbal-material inspection application: pages, every data
// object, rule and note at its place, and the texts of the form.
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

int pageOf(const TfrReport &report, const TfrView *view)
{
    for (int p = 0; p < report.Pages().Count(); ++p)
        for (int i = 0; i < report.Pages()[p]->Count(); ++i)
            if (report.Pages()[p]->Object(i) == view)
                return p;
    return -1;
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

    void pages()
    {
        QCOMPARE(report.Pages().Count(), 2);
        QCOMPARE(report.Pages()[0]->Name, QString());
        QCOMPARE(report.Pages()[1]->Name, QStringLiteral("Page1"));
        for (int i = 0; i < 2; ++i) {
            const TfrPage *page = report.Pages()[i];
            QCOMPARE(page->PaperSize, 9);
            QCOMPARE(QSize(page->PaperWidth, page->PaperHeight), QSize(2100, 2970));
            QVERIFY(page->Portrait);
            QCOMPARE(QList<int>({page->MarginLeft, page->MarginTop, page->MarginRight, page->MarginBottom}),
                     QList<int>({90, 79, 54, 54}));
        }
        QCOMPARE(report.PreparedPages().size(), 2);
    }

    void dataObjects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("rect");
        const struct {
            const char *name;
            int x, y, w, h;
        } rows[] = {
            {"E_1", 126, 66, 351, 20}, {"edit101", 181, 92, 244, 32}, {"edit102", 485, 90, 241, 34},
            {"edit103", 181, 129, 243, 33}, {"edit104", 489, 130, 231, 31}, {"edit105", 129, 167, 292, 37},
            {"edit106", 488, 166, 235, 36}, {"edit107", 132, 212, 163, 36}, {"edit108", 372, 212, 159, 36},
            {"edit109", 604, 212, 119, 36}, {"edit110", 130, 264, 164, 36}, {"edit111", 367, 264, 162, 36},
            {"edit112", 603, 264, 119, 32}, {"edit113", 132, 311, 278, 36}, {"edit114", 484, 312, 239, 36},
            {"edit115", 132, 359, 279, 34}, {"edit116", 484, 358, 239, 34}, {"edit117", 133, 408, 168, 32},
            {"edit118", 368, 408, 99, 32}, {"edit119", 540, 403, 183, 36}, {"edit120", 132, 452, 227, 28},
            {"edit121", 480, 456, 244, 24}, {"edit122", 136, 496, 223, 28}, {"edit123", 479, 496, 246, 28},
            {"edit124", 196, 544, 159, 40}, {"edit125", 196, 604, 523, 40}, {"edit126", 481, 544, 244, 40},
            {"edit127", 200, 664, 135, 60}, {"edit128", 412, 676, 115, 44}, {"edit129", 164, 952, 555, 20},
            {"edit201", 160, 748, 19, 22}, {"edit202", 160, 772, 19, 24}, {"edit203", 160, 796, 19, 26},
            {"edit204", 160, 823, 19, 22}, {"edit205", 160, 845, 19, 24}, {"edit206", 160, 871, 19, 22},
            {"edit207", 160, 916, 19, 23}, {"edit208", 0, 496, 19, 16}, {"VerifyCode", 634, 983, 96, 18},
            {"VerifyCryptCode", 636, 1028, 96, 18},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QString::fromLatin1(r.name) << QRectF(r.x, r.y, r.w, r.h);
    }
    void dataObjects()
    {
        QFETCH(QString, name);
        QFETCH(QRectF, rect);
        // Found whatever the letter case, as the binding engine looks them up.
        auto *memo = dynamic_cast<TfrMemoView *>(report.FindObject(name.toUpper()));
        QVERIFY(memo);
        QCOMPARE(memo->Name, name);
        QCOMPARE(pageOf(report, memo), 0);
        QCOMPARE(QRectF(memo->x, memo->y, memo->dx, memo->dy), rect);
        QCOMPARE(memo->FontName, QStringLiteral("宋体"));
        QCOMPARE(memo->FontSize, 9.0);
        QVERIFY(!memo->FontBold);
        QCOMPARE(memo->Alignment, frtaLeft + frtaMiddle);
        QVERIFY(memo->WordWrap);
        const TfrPreparedItem *printed = item(report.PreparedPages()[0], name);
        QVERIFY(printed);
        QCOMPARE(printed->rect, rect);
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

    void rules_data()
    {
        QTest::addColumn<QLineF>("rule");
        QTest::addColumn<double>("width");
        const struct {
            double a, b, c;
            bool vertical;
            double width;
        } rows[] = {
            {90, 45, 727, false, 2}, {128, 128, 726, false, 1}, {164, 46, 727, false, 1},
            {206, 47, 725, false, 1}, {257, 46, 727, false, 1}, {306, 46, 724, false, 1},
            {353, 46, 724, false, 1}, {399, 46, 728, false, 1}, {446, 46, 725, false, 1},
            {488, 48, 727, false, 1}, {532, 44, 725, false, 1}, {595, 128, 727, false, 1},
            {653, 127, 726, false, 1}, {734, 47, 727, false, 1}, {981, 47, 728, false, 2},
            {132, 63, 64, false, 1.5}, {45, 88, 981, true, 2}, {126, 89, 981, true, 1},
            {190, 534, 732, true, 1}, {297, 208, 257, true, 1}, {297, 259, 305, true, 1},
            {300, 400, 446, true, 1}, {344, 652, 733, true, 1}, {364, 209, 305, true, 1},
            {364, 401, 531, true, 1}, {364, 533, 595, true, 1}, {408, 654, 733, true, 1},
            {413, 307, 399, true, 1}, {427, 90, 206, true, 1}, {476, 308, 399, true, 1},
            {476, 400, 445, true, 1}, {476, 447, 530, true, 1}, {476, 532, 594, true, 1},
            {531, 655, 734, true, 1}, {536, 209, 305, true, 1}, {536, 401, 446, true, 1},
            {600, 209, 305, true, 1}, {727, 89, 981, true, 2},
        };
        for (const auto &r : rows) {
            const QLineF line = r.vertical ? QLineF(r.a, r.b, r.a, r.c) : QLineF(r.b, r.a, r.c, r.a);
            QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3-%4").arg(r.vertical ? "v" : "h").arg(r.a).arg(r.b).arg(r.c)))
                << line << r.width;
        }
    }
    void rules()
    {
        QFETCH(QLineF, rule);
        QFETCH(double, width);
        int found = 0;
        for (const TfrPreparedItem &it : report.PreparedPages()[0].items) {
            if (it.kind != TfrPreparedItem::Line)
                continue;
            const QLineF drawn(it.rect.topLeft(), it.rect.bottomRight());
            if (drawn == rule) {
                ++found;
                QCOMPARE(it.lineWidth, width);
            }
        }
        QCOMPARE(found, 1);
    }

    void labels_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("left");
        QTest::addColumn<int>("alignment");
        const int centred = frtaCenter + frtaMiddle;
        const int left = frtaLeft + frtaMiddle;
        const struct {
            const char *text;
            double left;
            int alignment;
        } rows[] = {
            {"中文", 128, centred}, {"英文名", 431, centred}, {"药材名称", 53, centred}, {"别名", 128, centred},
            {"拉丁学名", 429, centred}, {"包装规格", 46, centred}, {"批件号", 430, centred},
            {"合同号／唛头", 44, centred}, {"检验标准", 304, centred}, {"索赔期", 541, centred},
            {"货物数量", 48, centred}, {"货值", 300, centred}, {"提运单号", 536, centred},
            {"发货港(地)", 46, centred}, {"发货日期", 415, centred}, {"运输工具(航／班次)", 48, centred},
            {"负责海关", 416, centred}, {"到岸港(地)", 46, centred}, {"到货日期", 300, centred},
            {"存货地点", 479, centred}, {"出口商 ", 52, centred}, {"发货单位", 48, centred},
            {"名称", 128, centred}, {"药品经营或生产许可证证号　", 368, centred}, {"申请人", 48, centred},
            {"(报验单位)", 41, centred}, {"地址", 128, centred}, {"联系人", 129, centred}, {"电话", 352, centred},
            {"（公　章）　\r\n   年   月   日", 536, centred}, {"所", 70, centred}, {"附", 70, centred},
            {"资", 70, centred}, {"料", 70, centred},
            {"1、《进口药材批件》复印件（和《进口药材补充申请批件》复印件）。", 181, left},
            {"2、申请人的《药品经营许可证》或者《药品生产许可证》复印件。", 181, left},
            {"3、原产地证明复印件。 ", 181, left}, {"4、购货合同复印件。", 181, left},
            {"5、装箱单、提运单和货运发票复印件。 ", 181, left},
            {"6、经其他国家或者地区转口的进口药材，应当同时提交从原产地到各转口地的全部购货合同、装箱", 181, left},
            {"   单、提运单和货运发票。", 183, left},
            {"7、涉及濒危物种的药材，应当提供进出口双方国家濒危物种进出口管理机构证明文件复印件。", 181, left},
            {"   数据核对码：", 84, frtaRight + frtaMiddle},
        };
        for (const auto &r : rows)
            QTest::newRow(r.text) << QString::fromUtf8(r.text) << r.left << r.alignment;
    }
    void labels()
    {
        QFETCH(QString, text);
        QFETCH(double, left);
        QFETCH(int, alignment);
        const TfrPreparedItem *found = nullptr;
        for (const TfrPreparedItem &it : report.PreparedPages()[0].items)
            if (it.kind == TfrPreparedItem::Text && it.text == text && it.rect.left() == left)
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
        QCOMPARE(title->rect, QRectF(233, 22, 305, 33));
        QCOMPARE(title->fontSize, 20.0);
        QVERIFY(title->bold);
        QCOMPARE(title->alignment & 3, int(frtaLeft));
        QVERIFY(!title->clipped);
        QCOMPARE(hs->rect.left(), 40.0);
        QVERIFY(hs->bold);
        QCOMPARE(hs->fontSize, 9.0);
        QVERIFY(!hs->clipped);
    }

    void notes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("text");
        const int left = frtaLeft + frtaMiddle;
        QTest::newRow("Memo2") << "Memo2" << QRectF(240, 40, 301, 33) << 20.0 << left << "注  意  事  项";
        QTest::newRow("Memo4") << "Memo4" << QRectF(93, 92, 606, 65) << 14.0 << left
                               << " 1．本表由申请人填写，一式两份。一份由口岸或边境口岸(食品)药品监督管理局存档，一份交药品检验所。申请人应当在指定“公章”处盖章。";
        QTest::newRow("Memo5") << "Memo5" << QRectF(94, 169, 605, 53) << 14.0 << left
                               << " 2．经其它国家或者地区转口的进口药材，应当同时呈报从原产地到各转口地的全部购货合同、装箱单、提运单和货运发票。";
        QTest::newRow("Memo8") << "Memo8" << QRectF(94, 230, 609, 30) << 14.0 << left
                               << " 3．“检验标准”指《进口药材批件》载明的质量标准及其编号。";
        QTest::newRow("Memo9") << "Memo9" << QRectF(96, 270, 605, 45) << 14.0 << left
                               << " 4．“货物数量”指以《进口药材批件》载明的包装规格为基本单位的货物总量，如瓶数、盒数、公斤数等。";
        QTest::newRow("Memo10") << "Memo10" << QRectF(96, 328, 605, 45) << 14.0 << left
                                << " 5．存货地点为办结海关手续后货物拟储存仓库的具体地点，应注明名称和地址。";
        QTest::newRow("Memo11") << "Memo11" << QRectF(96, 381, 605, 45) << 14.0 << left
                                << " 6．“所附资料”项，应当逐一注明《进口药材批件》规定资料的编号。";
        QTest::newRow("Memo12") << "Memo12" << QRectF(96, 433, 605, 45) << 14.0 << left
                                << " 7．如本报验单空间不够，可另附纸说明。";
        QTest::newRow("Memo43") << "Memo43" << QRectF(84, 979, 548, 18) << 9.0 << frtaRight + frtaMiddle
                                << "   数据核对码：";
        QTest::newRow("VerifyCode1") << "VerifyCode1" << QRectF(634, 979, 96, 18) << 9.0 << left << "";
    }
    void notes()
    {
        QFETCH(QString, name);
        QFETCH(QRectF, rect);
        QFETCH(double, size);
        QFETCH(int, alignment);
        QFETCH(QString, text);
        const TfrPreparedItem *it = item(report.PreparedPages()[1], name);
        QVERIFY(it);
        QCOMPARE(it->rect, rect);
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
