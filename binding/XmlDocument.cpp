#include "XmlDocument.h"

#include "Errors.h"

#include <QRegularExpression>
#include <QStringList>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

namespace {
const xmlChar *X(const char *s)
{
    return reinterpret_cast<const xmlChar *>(s);
}

QString fromXml(const xmlChar *s)
{
    return s ? QString::fromUtf8(reinterpret_cast<const char *>(s)) : QString();
}

bool isElement(const xmlNode *n)
{
    return n && n->type == XML_ELEMENT_NODE;
}

xmlNode *nextElement(xmlNode *n)
{
    while (n && !isElement(n))
        n = n->next;
    return n;
}

const QStringList &allowedEncodings()
{
    static const QStringList list = {QStringLiteral("GBK"), QStringLiteral("GB2312"),
                                     QStringLiteral("GB18030"), QStringLiteral("UTF-8"),
                                     QStringLiteral("UTF-16")};
    return list;
}

bool isAllowedEncoding(const QString &name)
{
    return allowedEncodings().contains(name, Qt::CaseInsensitive);
}

// The encoding named in the XML declaration of an ASCII-compatible file, or empty.
QString declaredEncoding(const QByteArray &bytes)
{
    QByteArray head = bytes.left(512);
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    if (!head.startsWith("<?xml"))
        return QString();
    const qsizetype end = head.indexOf("?>");
    if (end < 0)
        return QString();
    static const QRegularExpression re(
        QStringLiteral("encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const auto m = re.match(QString::fromLatin1(head.left(end)));
    return m.hasMatch() ? m.captured(1) : QString();
}

bool isUtf16(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")
           || bytes.startsWith(QByteArray("<\0?\0", 4)) || bytes.startsWith(QByteArray("\0<\0?", 4));
}

// XML 1.0 holds no control characters other than tab and line breaks, no lone surrogates and
// neither U+FFFE nor U+FFFF; written as they are, they would make the file unreadable.
QString xmlHoldable(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept.append(c);
            kept.append(text.at(++i));
            continue;
        }
        const char16_t u = c.unicode();
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF)
            continue;
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            continue;
        kept.append(c);
    }
    return kept;
}

struct TParseState {
    bool hasError = false;
    QString firstMessage;
    int line = 0;
    int column = 0;
    bool entityDeclared = false;
};

void recordError(void *data, xmlErrorPtr error)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(data);
    if (!ctxt || !error || error->level < XML_ERR_ERROR)
        return;
    auto *state = static_cast<TParseState *>(ctxt->_private);
    if (!state || state->hasError)
        return;
    state->hasError = true;
    state->firstMessage = QString::fromUtf8(error->message ? error->message : "").trimmed();
    state->line = error->line;
    state->column = error->int2;
}

void refuseEntity(void *data, const xmlChar *, int, const xmlChar *, const xmlChar *, xmlChar *)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(data);
    if (auto *state = static_cast<TParseState *>(ctxt->_private))
        state->entityDeclared = true;
    xmlStopParser(ctxt);
}

void refuseUnparsedEntity(void *data, const xmlChar *, const xmlChar *, const xmlChar *,
                          const xmlChar *)
{
    refuseEntity(data, nullptr, 0, nullptr, nullptr, nullptr);
}

struct TCtxtDeleter {
    void operator()(xmlParserCtxtPtr c) const { xmlFreeParserCtxt(c); }
};
}  // namespace

QString TXmlElement::TagName() const
{
    return m_node ? fromXml(m_node->name) : QString();
}

bool TXmlElement::HasAttribute(const char *name) const
{
    return m_node && xmlHasNsProp(m_node, X(name), nullptr) != nullptr;
}

QString TXmlElement::Attribute(const char *name) const
{
    if (!m_node)
        return QString();
    xmlChar *value = xmlGetNoNsProp(m_node, X(name));
    if (!value)
        return QString();
    QString text = fromXml(value);
    xmlFree(value);
    return text;
}

void TXmlElement::SetAttribute(const char *name, const QString &value)
{
    if (!m_node)
        return;
    const QByteArray utf8 = xmlHoldable(value).toUtf8();
    xmlSetProp(m_node, X(name), X(utf8.constData()));
}

TXmlElement TXmlElement::Parent() const
{
    if (!m_node || !isElement(m_node->parent))
        return TXmlElement();
    return TXmlElement(m_node->parent);
}

TXmlElement TXmlElement::FirstChildElement() const
{
    return TXmlElement(m_node ? nextElement(m_node->children) : nullptr);
}

TXmlElement TXmlElement::NextSiblingElement() const
{
    return TXmlElement(m_node ? nextElement(m_node->next) : nullptr);
}

TXmlElement TXmlElement::FirstChildElement(const char *tagName) const
{
    for (TXmlElement e = FirstChildElement(); e; e = e.NextSiblingElement())
        if (xmlStrcmp(e.m_node->name, X(tagName)) == 0)
            return e;
    return TXmlElement();
}

QList<TXmlElement> TXmlElement::ChildElements() const
{
    QList<TXmlElement> list;
    for (TXmlElement e = FirstChildElement(); e; e = e.NextSiblingElement())
        list.append(e);
    return list;
}

TXmlDocument::~TXmlDocument()
{
    xmlFreeDoc(m_doc);
}

std::unique_ptr<TXmlDocument> TXmlDocument::Parse(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        throw EError(QStringLiteral("XML文件格式错误：文件是空的。"));
    if (!isUtf16(bytes)) {
        const QString declared = declaredEncoding(bytes);
        if (!declared.isEmpty() && !isAllowedEncoding(declared))
            throw EError(QStringLiteral("XML文件格式错误：不支持的字符编码\"%1\"。").arg(declared));
    }

    xmlInitParser();
    std::unique_ptr<xmlParserCtxt, TCtxtDeleter> ctxt(xmlNewParserCtxt());
    if (!ctxt)
        throw EError(QStringLiteral("内存不足。"));
    TParseState state;
    ctxt->_private = &state;
    ctxt->sax->serror = recordError;
    ctxt->sax->entityDecl = refuseEntity;
    ctxt->sax->unparsedEntityDecl = refuseUnparsedEntity;
    ctxt->vctxt.error = nullptr;
    ctxt->vctxt.warning = nullptr;

    // No network, no DTD loading, no entity substitution, default size and depth limits.
    const int options = XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR;
    xmlDocPtr raw = xmlCtxtReadMemory(ctxt.get(), bytes.constData(), int(bytes.size()), nullptr,
                                      nullptr, options);
    std::unique_ptr<TXmlDocument> doc(raw ? new TXmlDocument(raw) : nullptr);

    if (state.entityDeclared)
        throw EError(QStringLiteral("XML文件格式错误：文件声明了实体（DOCTYPE中的ENTITY），不予读取。"));
    if (!doc || !ctxt->wellFormed || state.hasError) {
        if (state.hasError)
            throw EError(QStringLiteral("XML文件格式错误（第%1行，第%2列）：%3")
                             .arg(state.line)
                             .arg(state.column)
                             .arg(state.firstMessage));
        throw EError(QStringLiteral("XML文件格式错误：无法解析文件。"));
    }
    if (!doc->Root())
        throw EError(QStringLiteral("XML文件格式错误：没有根元素。"));
    const QString encoding = doc->Encoding();
    if (!encoding.isEmpty() && !isAllowedEncoding(encoding))
        throw EError(QStringLiteral("XML文件格式错误：不支持的字符编码\"%1\"。").arg(encoding));
    return doc;
}

TXmlElement TXmlDocument::Root() const
{
    xmlNode *root = xmlDocGetRootElement(m_doc);
    return TXmlElement(isElement(root) ? root : nullptr);
}

QString TXmlDocument::Encoding() const
{
    return fromXml(m_doc->encoding);
}

QByteArray TXmlDocument::Serialize() const
{
    const QByteArray encoding = m_doc->encoding ? QByteArray(reinterpret_cast<const char *>(m_doc->encoding))
                                                : QByteArray("UTF-8");
    xmlChar *buffer = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(m_doc, &buffer, &size, encoding.constData(), 0);
    if (!buffer)
        throw EError(QStringLiteral("无法生成XML文本（字符编码\"%1\"）。")
                         .arg(QString::fromLatin1(encoding)));
    QByteArray bytes(reinterpret_cast<const char *>(buffer), size);
    xmlFree(buffer);
    return bytes;
}
