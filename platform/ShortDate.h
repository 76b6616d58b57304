#pragma once
// The user's short date format, as the forms read, write and show dates. A regional format with
// a two-digit year is widened to four digits, so that a saved 2026 never reads back as 1926.
#include <QDate>
#include <QString>

// The short date format of the user's regional settings with a four-digit year.
QString ShortDateFormat();
// The date as text in that format.
QString FormatShortDate(const QDate &date);
// The date that a text in that format stands for, or an invalid date. A text written with the
// regional two-digit year is also read, as a year of 1950 to 2049.
QDate ParseShortDate(const QString &text);
