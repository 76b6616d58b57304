#pragma once
// The attachment text that a form kind's print hook builds: an item whose text is longer than
// its box allows (more than 70 bytes in GBK) moves to the attachment page under its heading, and
// its report object shows "(见附页)" instead.

#include <QString>

class TfrMemoView;
class TfrReport;

class TfrAttachment {
public:
    // Starts an empty attachment text in attachStr.
    TfrAttachment(TfrReport *report, QString &attachStr);

    // Moves the item when its text is too long. False when the item's report object is missing:
    // the message "报表控件未找到！ " + name has been shown and the hook ends, leaving the
    // attachment text as it is.
    bool Move(const QString &objectName, const QString &heading, const QString &text);

    // Appends the attachment page "newadd" to the report: a master-data band that breaks across
    // pages and stretches, holding one text-only memo of the whole text. Returns the memo.
    static TfrMemoView *AddPage(TfrReport &report, const QString &text);

    // The name that marks the attachment page; compared exactly.
    static QString PageName() { return QStringLiteral("newadd"); }

    static constexpr int MaxBytes = 70;
    // Length of a text in GBK bytes (a Chinese character counts two).
    static int GbkLength(const QString &text);

private:
    TfrReport *m_report;
    QString &m_attach;
};
