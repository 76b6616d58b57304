#pragma once
// The report engine: a template of pages holding text objects, lines and bands, found and changed
// by name, prepared into printed pages, previewed, printed and written as PDF.
//
// Minimal interface relied on by the binding engine (find an object by name, set its text and
// named properties, prepare and show). The full engine extends this header.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class TfrView {
public:
    virtual ~TfrView();
    QString Name;
    // Named properties: "TEXTONLY", "Alignment", "Font.Size", "STRETCHED", "BREAKED".
    virtual void SetProp(const QString &name, const QVariant &value);
};

class TfrMemoView : public TfrView {
public:
    QStringList Memo;  // the lines of the text
    // Replaces the whole text; line breaks (CR LF, CR or LF) make several lines.
    void SetText(const QString &text);
    QString Text() const;  // lines joined with CR LF
};

class TfrReport : public QObject {
    Q_OBJECT
public:
    explicit TfrReport(QObject *parent = nullptr);
    ~TfrReport() override;

    // Pages in order, each page's objects in order, names compared without regard to letter
    // case; the first match or nullptr.
    TfrView *FindObject(const QString &name) const;

    // Prepares every page and shows the modal preview; returns when the preview is closed.
    void ShowReport();
};
