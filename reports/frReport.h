#pragma once
// The report engine: a template of pages holding text objects, lines and bands, found and changed
// by name, prepared into printed pages, previewed, printed and written as PDF.
//
// Units: 91.6256157635468 report units to the inch, measured from the paper's top-left corner.
// Paper sizes are in tenths of a millimetre.

#include <QColor>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPrinter;

inline constexpr double frUnitsPerInch = 91.6256157635468;

// Object types for frCreateObject.
enum TfrObjectType { gtMemo = 0, gtBand = 2, gtLine = 4 };

enum TfrBandType { btNone = -1, btReportTitle = 0, btPageHeader = 2, btMasterData = 5 };

enum TfrBandAlign { baNone = 0, baLeft, baRight, baCenter, baWidth, baBottom, baTop };

// Alignment codes: 0 left, 1 right, 2 centre; + 8 vertical middle, + 16 vertical bottom.
enum : int { frtaLeft = 0, frtaRight = 1, frtaCenter = 2, frtaVertical = 4, frtaMiddle = 8, frtaDown = 16 };

// The alignment code of a text such as "left,middle", "centre,bottom" or "right" (a horizontal
// word left/right/centre and a vertical word top/middle/bottom, either left out for left or top),
// or of a numeric code; ok is false for anything else.
int frAlignmentFromText(const QString &text, bool *ok);
// The names of an alignment code, "left,middle" and so on.
QString frAlignmentText(int code);

class TfrView {
public:
    virtual ~TfrView();
    virtual int Type() const = 0;

    QString Name;
    double x = 0, y = 0, dx = 0, dy = 0;  // left, top, width, height in report units
    bool Stretched = false;
    TfrBandAlign BandAlign = baNone;

    void SetBounds(double left, double top, double width, double height);
    // Named properties, letter case ignored: "Text", "Font.Name", "Font.Size", "Font.Bold",
    // "Alignment" (a code or its names), "WordWrap", "TEXTONLY" (text objects); "LineWidth"
    // (lines); "BandType", "DataSet", "BREAKED" (bands); "STRETCHED", "BandAlign" (every object).
    // Switches are on for any non-zero value. Unknown names are ignored. Template files use the
    // same names.
    virtual void SetProp(const QString &name, const QVariant &value);
    virtual QVariant Prop(const QString &name) const;
};

class TfrMemoView : public TfrView {
public:
    int Type() const override { return gtMemo; }

    QStringList Memo;  // the lines of the text
    QString FontName = QStringLiteral("Arial");
    double FontSize = 10;  // points
    bool FontBold = false;
    QColor FontColor = Qt::black;
    int Alignment = frtaLeft;
    bool WordWrap = true;
    bool TextOnly = false;

    // Replaces the whole text; line breaks (CR LF, CR or LF) make several lines.
    void SetText(const QString &text);
    QString Text() const;  // lines joined with CR LF
    // Adds one entry to the text; line breaks inside it print as line breaks.
    void Add(const QString &entry);

    void SetProp(const QString &name, const QVariant &value) override;
    QVariant Prop(const QString &name) const override;
};

class TfrLineView : public TfrView {
public:
    int Type() const override { return gtLine; }
    double LineWidth = 2;

    void SetProp(const QString &name, const QVariant &value) override;
    QVariant Prop(const QString &name) const override;
};

class TfrBandView : public TfrView {
public:
    int Type() const override { return gtBand; }
    TfrBandType BandType = btNone;
    QString DataSet;       // "1": one record, the band prints once
    bool Breaked = false;  // may continue on the next page

    void SetProp(const QString &name, const QVariant &value) override;
    QVariant Prop(const QString &name) const override;
};

// A new object of the given type (gtMemo, gtLine, gtBand); the caller adds it to a page.
TfrView *frCreateObject(int type);

class TfrPage {
public:
    QString Name;
    int PaperSize = 9;  // 9 = A4
    int PaperWidth = 2100, PaperHeight = 2970;  // tenths of a millimetre
    bool Portrait = true;
    int MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;  // report units

    void SetMargins(int left, int top, int right, int bottom);
    int Count() const { return int(m_objects.size()); }
    TfrView *Object(int index) const { return m_objects.at(size_t(index)).get(); }
    // Takes ownership of the object and appends it to the page's object list.
    void Add(TfrView *object);

private:
    std::vector<std::unique_ptr<TfrView>> m_objects;
};

class TfrPages {
public:
    int Count() const { return int(m_pages.size()); }
    TfrPage *operator[](int index) const { return m_pages.at(size_t(index)).get(); }
    void Delete(int index);
    // Appends a page with the default paper (the default printer's paper size), portrait.
    TfrPage *Add();
    void Clear() { m_pages.clear(); }
    TfrPage *Append(std::unique_ptr<TfrPage> page);

private:
    std::vector<std::unique_ptr<TfrPage>> m_pages;
};

// One drawn element of a prepared page, for inspection (tests, PDF) without rasterising.
struct TfrPreparedItem {
    enum Kind { Text, Line };
    Kind kind = Text;
    QString objectName;
    QRectF rect;          // report units on the printed page; a line has zero width or height
    QString text;         // lines joined with CR LF
    QString fontName;
    double fontSize = 0;
    bool bold = false;
    int alignment = 0;
    bool wordWrap = true;
    double lineWidth = 0;
    QStringList lines;     // the text as laid out in its box, one entry per printed line
    bool clipped = false;  // the text does not fit its box and is cut off at the box's edges
};

struct TfrPreparedPage {
    QString templatePageName;
    int templatePageIndex = -1;
    int paperWidth = 2100, paperHeight = 2970;  // tenths of a millimetre
    bool portrait = true;
    QList<TfrPreparedItem> items;
};

class TfrReport : public QObject {
    Q_OBJECT
public:
    explicit TfrReport(QObject *parent = nullptr);
    ~TfrReport() override;

    TfrPages &Pages() { return m_pages; }
    const TfrPages &Pages() const { return m_pages; }

    // Pages in order, each page's objects in order, names compared without regard to letter
    // case; the first match or nullptr.
    TfrView *FindObject(const QString &name) const;

    // Default number of copies offered by the print dialog.
    int DefaultCopies = 1;
    // The printer the template was designed for; used when installed, else the current printer.
    QString PrinterName;
    // Title of the preview window and of printed and PDF documents.
    QString Title;

    // Replaces the template by the one in a template file (a Qt resource path such as
    // ":/reports/YPZCSQ.frt" or a file path). Raises EError when it cannot be read.
    void LoadFromFile(const QString &path);
    void LoadFromText(const QString &text);

    // Lays out every page; the template is not changed.
    void PrepareReport();
    const QList<TfrPreparedPage> &PreparedPages() const { return m_prepared; }

    // Shows the modal preview of the prepared pages (zoom, print, close); returns when closed.
    void ShowPreparedReport();
    // PrepareReport followed by ShowPreparedReport.
    void ShowReport();

    // Draws the prepared pages on a printer or PDF writer.
    void PrintPreparedReport(QPagedPaintDevice *device);
    // Writes the prepared pages as a PDF file; raises EError on failure.
    void ExportPdf(const QString &path);
    // Writes the proof of the template as a PDF file: the pages prepared as they stand, each data
    // object outlined and labelled with its name, over a grid in report units. Raises EError on
    // failure.
    void ExportProof(const QString &path);

    // Tests replace the modal preview: the hook is called instead of showing it.
    using PreviewHook = std::function<void(TfrReport &)>;
    static void SetPreviewHook(PreviewHook hook);
    static const PreviewHook &CurrentPreviewHook();

private:
    TfrPages m_pages;
    QList<TfrPreparedPage> m_prepared;
};
