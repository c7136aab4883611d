// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/DavXml.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <functional>

#include "sync/SyncError.h"

namespace {
const QString kDav = QStringLiteral("DAV:");
const QString kCalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

QByteArray Document(const QString& root, const std::function<void(QXmlStreamWriter&)>& body) {
    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.writeStartDocument();
    xml.writeNamespace(kDav, QStringLiteral("d"));
    xml.writeNamespace(kCalDav, QStringLiteral("c"));
    xml.writeStartElement(root == QLatin1String("sync-collection") ? kDav : kCalDav, root);
    body(xml);
    xml.writeEndElement();
    xml.writeEndDocument();
    return text;
}

void WriteProps(QXmlStreamWriter& xml, bool withData) {
    xml.writeStartElement(kDav, QStringLiteral("prop"));
    xml.writeEmptyElement(kDav, QStringLiteral("getetag"));
    if (withData)
        xml.writeEmptyElement(kCalDav, QStringLiteral("calendar-data"));
    xml.writeEndElement();
}

// "HTTP/1.1 404 Not Found" gives 404.
int StatusCode(const QString& line) {
    return line.simplified().section(QLatin1Char(' '), 1, 1).toInt();
}

// Walks a WebDAV multistatus reply element by element.
class DavReplyWalker {
protected:
    explicit DavReplyWalker(const QByteArray& body) : m_xml(body) {}

    bool Is(const QString& space, const QString& name) const {
        return m_xml.namespaceUri() == space && m_xml.name() == name;
    }
    // Calls `take` on each child of the current element; a child it does
    // not take (returns false) is skipped.
    template <typename Take>
    void EachChild(Take take) {
        while (m_xml.readNextStartElement()) {
            if (!take())
                m_xml.skipCurrentElement();
        }
    }
    // Calls `take` on each child of the root, which must be a multistatus.
    template <typename Take>
    void EachTopChild(Take take) {
        if (!m_xml.readNextStartElement() || !Is(kDav, QStringLiteral("multistatus")))
            Fail(QStringLiteral("it is not a WebDAV multistatus"));
        EachChild(take);
        if (m_xml.hasError())
            Fail(m_xml.errorString());
    }
    // Reads a propstat's values with `readProp`; they count only with
    // status 200, the others list the properties the member lacks.
    template <typename ReadProp>
    bool Propstat(ReadProp readProp) {
        int status = 0;
        EachChild([&] {
            if (Is(kDav, QStringLiteral("status")))
                status = StatusCode(m_xml.readElementText());
            else if (Is(kDav, QStringLiteral("prop")))
                readProp();
            else
                return false;
            return true;
        });
        return status == 200;
    }
    QString Text() { return m_xml.readElementText().trimmed(); }

    [[noreturn]] void Fail(const QString& why) const {
        throw CSyncError(QCoreApplication::translate(
                             "CalDav", "The CalDAV server sent a reply that cannot be read (%1).")
                             .arg(why));
    }

    QXmlStreamReader m_xml;
};

class MultistatusReader : private DavReplyWalker {
public:
    explicit MultistatusReader(const QByteArray& body) : DavReplyWalker(body) {}

    DavMultistatus Read() {
        DavMultistatus result;
        EachTopChild([&] {
            if (Is(kDav, QStringLiteral("response")))
                result.resources.push_back(ReadResponse());
            else if (Is(kDav, QStringLiteral("sync-token")))
                result.syncToken = Text();
            else
                return false;
            return true;
        });
        return result;
    }

private:
    DavResource ReadResponse() {
        DavResource resource;
        EachChild([&] {
            if (Is(kDav, QStringLiteral("href"))) {
                resource.href = Text();
            } else if (Is(kDav, QStringLiteral("status"))) {
                resource.status = StatusCode(m_xml.readElementText());
            } else if (Is(kDav, QStringLiteral("propstat"))) {
                DavResource found;
                if (Propstat([&] { ReadProp(found); })) {
                    resource.etag = found.etag;
                    resource.calendarData = found.calendarData;
                    if (resource.status == 0)
                        resource.status = 200;
                }
            } else {
                return false;
            }
            return true;
        });
        return resource;
    }

    void ReadProp(DavResource& found) {
        EachChild([&] {
            if (Is(kDav, QStringLiteral("getetag")))
                found.etag = Text().toUtf8();
            else if (Is(kCalDav, QStringLiteral("calendar-data")))
                found.calendarData = m_xml.readElementText().toUtf8();
            else
                return false;
            return true;
        });
    }
};

class PropertiesReader : private DavReplyWalker {
public:
    explicit PropertiesReader(const QByteArray& body) : DavReplyWalker(body) {}

    std::vector<DavProperties> Read() {
        std::vector<DavProperties> result;
        EachTopChild([&] {
            if (!Is(kDav, QStringLiteral("response")))
                return false;
            result.push_back(ReadResponse());
            return true;
        });
        return result;
    }

private:
    DavProperties ReadResponse() {
        DavProperties found;
        EachChild([&] {
            if (Is(kDav, QStringLiteral("href"))) {
                found.href = Text();
            } else if (Is(kDav, QStringLiteral("propstat"))) {
                DavProperties values;
                values.href = found.href;
                if (Propstat([&] { ReadProp(values); }))
                    found = values;
            } else {
                return false;
            }
            return true;
        });
        return found;
    }

    void ReadProp(DavProperties& values) {
        EachChild([&] {
            if (Is(kDav, QStringLiteral("resourcetype")))
                values.calendar = HasChild(kCalDav, QStringLiteral("calendar"));
            else if (Is(kDav, QStringLiteral("displayname")))
                values.displayName = Text();
            else if (Is(kDav, QStringLiteral("current-user-principal")))
                values.principal = ChildHref();
            else if (Is(kCalDav, QStringLiteral("calendar-home-set")))
                values.calendarHome = ChildHref();
            else if (Is(kCalDav, QStringLiteral("supported-calendar-component-set")))
                values.events = TakesEvents();
            else
                return false;
            return true;
        });
    }

    bool HasChild(const QString& space, const QString& name) {
        bool has = false;
        EachChild([&] {
            has = has || Is(space, name);
            return false;
        });
        return has;
    }

    QString ChildHref() {
        QString href;
        EachChild([&] {
            if (!href.isEmpty() || !Is(kDav, QStringLiteral("href")))
                return false;
            href = Text();
            return true;
        });
        return href;
    }

    bool TakesEvents() {
        bool events = false;
        EachChild([&] {
            events = events || (Is(kCalDav, QStringLiteral("comp")) &&
                                m_xml.attributes().value(QStringLiteral("name")) == u"VEVENT");
            return false;
        });
        return events;
    }
};
}  // namespace

namespace davxml {
QByteArray DiscoveryProperties() {
    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.writeStartDocument();
    xml.writeNamespace(kDav, QStringLiteral("d"));
    xml.writeNamespace(kCalDav, QStringLiteral("c"));
    xml.writeStartElement(kDav, QStringLiteral("propfind"));
    xml.writeStartElement(kDav, QStringLiteral("prop"));
    for (const char* name : {"resourcetype", "displayname", "current-user-principal"})
        xml.writeEmptyElement(kDav, QString::fromLatin1(name));
    for (const char* name : {"calendar-home-set", "supported-calendar-component-set"})
        xml.writeEmptyElement(kCalDav, QString::fromLatin1(name));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return text;
}

std::vector<DavProperties> ParseProperties(const QByteArray& body) {
    return PropertiesReader(body).Read();
}

QByteArray SyncCollection(const QString& token, bool withData) {
    return Document(QStringLiteral("sync-collection"), [&](QXmlStreamWriter& xml) {
        xml.writeTextElement(kDav, QStringLiteral("sync-token"), token);
        xml.writeTextElement(kDav, QStringLiteral("sync-level"), QStringLiteral("1"));
        WriteProps(xml, withData);
    });
}

QByteArray EventEtags() {
    return Document(QStringLiteral("calendar-query"), [](QXmlStreamWriter& xml) {
        WriteProps(xml, false);
        xml.writeStartElement(kCalDav, QStringLiteral("filter"));
        xml.writeStartElement(kCalDav, QStringLiteral("comp-filter"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("VCALENDAR"));
        xml.writeStartElement(kCalDav, QStringLiteral("comp-filter"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("VEVENT"));
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

QByteArray Multiget(const QStringList& hrefs) {
    return Document(QStringLiteral("calendar-multiget"), [&](QXmlStreamWriter& xml) {
        WriteProps(xml, true);
        for (const QString& href : hrefs) xml.writeTextElement(kDav, QStringLiteral("href"), href);
    });
}

DavMultistatus ParseMultistatus(const QByteArray& body) {
    return MultistatusReader(body).Read();
}
}  // namespace davxml
