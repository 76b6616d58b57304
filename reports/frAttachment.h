#pragma once
// The attachment text that a form kind's print hook builds: an item whose text is longer than
// its box allows (more than 70 bytes in GBK) moves to the attachment page under its heading, and
// its report object shows "(见附页)" instead.

#include <QString>

class TfrReport;

class TfrAttachment {
public:
    // Starts an empty attachment text in attachStr.
    TfrAttachment(TfrReport *report, QString &attachStr);

    // Moves the item when its text is too long. False when the item's report object is missing:
    // the message "报表控件未找到！ " + name has been shown and the hook ends, leaving the
    // attachment text as it is.
    bool Move(const QString &objectName, const QString &heading, const QString &text);

    static constexpr int MaxBytes = 70;
    // Length of a text in GBK bytes (a Chinese character counts two).
    static int GbkLength(const QString &text);

private:
    TfrReport *m_report;
    QString &m_attach;
};
