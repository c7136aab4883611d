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

class MultistatusReader {
public:
    explicit MultistatusReader(const QByteArray& body) : m_xml(body) {}

    DavMultistatus Read() {
        if (!m_xml.readNextStartElement() || !IsDav(QStringLiteral("multistatus")))
            Fail(QStringLiteral("it is not a WebDAV multistatus"));
        while (m_xml.readNextStartElement()) {
            if (IsDav(QStringLiteral("response")))
                m_result.resources.push_back(ReadResponse());
            else if (IsDav(QStringLiteral("sync-token")))
                m_result.syncToken = m_xml.readElementText().trimmed();
            else
                m_xml.skipCurrentElement();
        }
        if (m_xml.hasError())
            Fail(m_xml.errorString());
        return m_result;
    }

private:
    bool IsDav(const QString& name) const {
        return m_xml.namespaceUri() == kDav && m_xml.name() == name;
    }

    DavResource ReadResponse() {
        DavResource resource;
        while (m_xml.readNextStartElement()) {
            if (IsDav(QStringLiteral("href")))
                resource.href = m_xml.readElementText().trimmed();
            else if (IsDav(QStringLiteral("status")))
                resource.status = StatusCode(m_xml.readElementText());
            else if (IsDav(QStringLiteral("propstat")))
                ReadPropstat(resource);
            else
                m_xml.skipCurrentElement();
        }
        return resource;
    }

    // Only a propstat with status 200 carries values; the others list the
    // properties the member lacks.
    void ReadPropstat(DavResource& resource) {
        DavResource found;
        int status = 0;
        while (m_xml.readNextStartElement()) {
            if (IsDav(QStringLiteral("status")))
                status = StatusCode(m_xml.readElementText());
            else if (IsDav(QStringLiteral("prop")))
                ReadProp(found);
            else
                m_xml.skipCurrentElement();
        }
        if (status != 200)
            return;
        resource.etag = found.etag;
        resource.calendarData = found.calendarData;
        if (resource.status == 0)
            resource.status = status;
    }

    void ReadProp(DavResource& found) {
        while (m_xml.readNextStartElement()) {
            if (IsDav(QStringLiteral("getetag")))
                found.etag = m_xml.readElementText().trimmed().toUtf8();
            else if (m_xml.namespaceUri() == kCalDav && m_xml.name() == u"calendar-data")
                found.calendarData = m_xml.readElementText().toUtf8();
            else
                m_xml.skipCurrentElement();
        }
    }

    [[noreturn]] void Fail(const QString& why) const {
        throw CSyncError(QCoreApplication::translate(
                             "CalDav", "The CalDAV server sent a reply that cannot be read (%1).")
                             .arg(why));
    }

    QXmlStreamReader m_xml;
    DavMultistatus m_result;
};
class PropertiesReader {
public:
    explicit PropertiesReader(const QByteArray& body) : m_xml(body) {}

    std::vector<DavProperties> Read() {
        std::vector<DavProperties> result;
        if (!m_xml.readNextStartElement() || !Is(kDav, QStringLiteral("multistatus")))
            Fail(QStringLiteral("it is not a WebDAV multistatus"));
        while (m_xml.readNextStartElement()) {
            if (Is(kDav, QStringLiteral("response")))
                result.push_back(ReadResponse());
            else
                m_xml.skipCurrentElement();
        }
        if (m_xml.hasError())
            Fail(m_xml.errorString());
        return result;
    }

private:
    bool Is(const QString& space, const QString& name) const {
        return m_xml.namespaceUri() == space && m_xml.name() == name;
    }

    DavProperties ReadResponse() {
        DavProperties found;
        while (m_xml.readNextStartElement()) {
            if (Is(kDav, QStringLiteral("href")))
                found.href = m_xml.readElementText().trimmed();
            else if (Is(kDav, QStringLiteral("propstat")))
                ReadPropstat(found);
            else
                m_xml.skipCurrentElement();
        }
        return found;
    }

    void ReadPropstat(DavProperties& found) {
        DavProperties values;
        values.href = found.href;
        int status = 0;
        while (m_xml.readNextStartElement()) {
            if (Is(kDav, QStringLiteral("status")))
                status = StatusCode(m_xml.readElementText());
            else if (Is(kDav, QStringLiteral("prop")))
                ReadProp(values);
            else
                m_xml.skipCurrentElement();
        }
        if (status == 200)
            found = values;
    }

    void ReadProp(DavProperties& values) {
        while (m_xml.readNextStartElement()) {
            if (Is(kDav, QStringLiteral("resourcetype")))
                values.calendar = HasChild(kCalDav, QStringLiteral("calendar"));
            else if (Is(kDav, QStringLiteral("displayname")))
                values.displayName = m_xml.readElementText().trimmed();
            else if (Is(kDav, QStringLiteral("current-user-principal")))
                values.principal = ChildHref();
            else if (Is(kCalDav, QStringLiteral("calendar-home-set")))
                values.calendarHome = ChildHref();
            else if (Is(kCalDav, QStringLiteral("supported-calendar-component-set")))
                values.events = TakesEvents();
            else
                m_xml.skipCurrentElement();
        }
    }

    bool HasChild(const QString& space, const QString& name) {
        bool has = false;
        while (m_xml.readNextStartElement()) {
            has = has || Is(space, name);
            m_xml.skipCurrentElement();
        }
        return has;
    }

    QString ChildHref() {
        QString href;
        while (m_xml.readNextStartElement()) {
            if (href.isEmpty() && Is(kDav, QStringLiteral("href")))
                href = m_xml.readElementText().trimmed();
            else
                m_xml.skipCurrentElement();
        }
        return href;
    }

    bool TakesEvents() {
        bool events = false;
        while (m_xml.readNextStartElement()) {
            events = events || (Is(kCalDav, QStringLiteral("comp")) &&
                                m_xml.attributes().value(QStringLiteral("name")) == u"VEVENT");
            m_xml.skipCurrentElement();
        }
        return events;
    }

    [[noreturn]] void Fail(const QString& why) const {
        throw CSyncError(QCoreApplication::translate(
                             "CalDav", "The CalDAV server sent a reply that cannot be read (%1).")
                             .arg(why));
    }

    QXmlStreamReader m_xml;
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

QByteArray SyncCollection(const QString& token) {
    return Document(QStringLiteral("sync-collection"), [&](QXmlStreamWriter& xml) {
        xml.writeTextElement(kDav, QStringLiteral("sync-token"), token);
        xml.writeTextElement(kDav, QStringLiteral("sync-level"), QStringLiteral("1"));
        WriteProps(xml, false);
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
