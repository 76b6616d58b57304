#pragma once
// The XML document of a form window on libxml2: parsed safely from untrusted bytes, kept whole
// (declaration, comments, unknown elements and attributes) and written back in its own encoding.
// TXmlElement is a light handle to one element of it; absent and empty attributes differ.

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

struct _xmlDoc;
struct _xmlNode;

class TXmlElement {
public:
    TXmlElement() = default;
    explicit TXmlElement(_xmlNode *node) : m_node(node) {}

    bool IsNull() const { return m_node == nullptr; }
    explicit operator bool() const { return m_node != nullptr; }
    bool operator==(const TXmlElement &other) const { return m_node == other.m_node; }
    bool operator!=(const TXmlElement &other) const { return m_node != other.m_node; }

    QString TagName() const;
    bool HasAttribute(const char *name) const;
    // The attribute's text; empty when absent (HasAttribute tells the two apart).
    QString Attribute(const char *name) const;
    // Characters that XML cannot hold (control characters but tab and line breaks) are dropped.
    void SetAttribute(const char *name, const QString &value);

    TXmlElement Parent() const;  // the parent element, or null at the root
    TXmlElement FirstChildElement() const;
    TXmlElement NextSiblingElement() const;
    // The first child element of exactly that tag name, or null.
    TXmlElement FirstChildElement(const char *tagName) const;
    QList<TXmlElement> ChildElements() const;
    bool HasChildElements() const { return !FirstChildElement().IsNull(); }

    _xmlNode *Node() const { return m_node; }

private:
    _xmlNode *m_node = nullptr;
};

class TXmlDocument {
public:
    ~TXmlDocument();
    TXmlDocument(const TXmlDocument &) = delete;
    TXmlDocument &operator=(const TXmlDocument &) = delete;

    // Parses a file's bytes; the encoding comes from the byte order mark or the declaration.
    // No network, no external entities or DTDs, no entity substitution; a DOCTYPE that declares
    // entities and a declared encoding outside GBK, GB2312, GB18030, UTF-8 and UTF-16 are
    // refused. Raises EError with the parser's first message, line and column.
    static std::unique_ptr<TXmlDocument> Parse(const QByteArray &bytes);

    TXmlElement Root() const;
    // The declared encoding, empty when the file declared none.
    QString Encoding() const;
    // The whole document as bytes in its own encoding (UTF-8 when none was declared).
    QByteArray Serialize() const;

private:
    explicit TXmlDocument(_xmlDoc *doc) : m_doc(doc) {}
    _xmlDoc *m_doc;
};
