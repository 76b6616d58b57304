#include "ShortDate.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
QString regionalShortFormat()
{
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

// "yy" not part of a longer run of y.
const QRegularExpression &twoDigitYear()
{
    static const QRegularExpression re(QStringLiteral("(?<!y)yy(?!y)"));
    return re;
}
}  // namespace

QString ShortDateFormat()
{
    QString format = regionalShortFormat();
    format.replace(twoDigitYear(), QStringLiteral("yyyy"));
    return format;
}

QString FormatShortDate(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QLocale::system().toString(date, ShortDateFormat());
}

QDate ParseShortDate(const QString &text)
{
    const QLocale locale = QLocale::system();
    const QString trimmed = text.trimmed();
    QDate date = locale.toDate(trimmed, ShortDateFormat());
    if (date.isValid())
        return date;
    const QString regional = regionalShortFormat();
    if (!regional.contains(twoDigitYear()))
        return QDate();
    date = locale.toDate(trimmed, regional);
    if (!date.isValid())
        return QDate();
    const int yy = date.year() % 100;
    const int year = yy < 50 ? 2000 + yy : 1900 + yy;
    return QDate(year, date.month(), date.day());
}
