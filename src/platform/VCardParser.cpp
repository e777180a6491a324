#include "platform/VCardParser.h"

#include <QList>
#include <QStringDecoder>

namespace {

struct Property {
    QByteArray name;  // upper case, group removed
    QList<QByteArray> parameters;
    QByteArray value;
};

QByteArray parameterValue(const Property& property, const QByteArray& key) {
    for (const QByteArray& parameter : property.parameters) {
        const qsizetype equals = parameter.indexOf('=');
        if (equals > 0 && parameter.left(equals).trimmed().toUpper() == key) {
            QByteArray value = parameter.mid(equals + 1).trimmed();
            if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
                value = value.mid(1, value.size() - 2);
            return value;
        }
    }
    return {};
}

bool isQuotedPrintable(const Property& property) {
    const QByteArray encoding = parameterValue(property, "ENCODING").toUpper();
    if (encoding == "QUOTED-PRINTABLE" || encoding == "QP") return true;
    for (const QByteArray& parameter : property.parameters)  // 2.1 allows the bare word
        if (parameter.trimmed().toUpper() == "QUOTED-PRINTABLE") return true;
    return false;
}

bool isBase64(const Property& property) {
    const QByteArray encoding = parameterValue(property, "ENCODING").toUpper();
    if (encoding == "B" || encoding == "BASE64") return true;
    for (const QByteArray& parameter : property.parameters)
        if (parameter.trimmed().toUpper() == "BASE64") return true;
    return false;
}

QByteArray decodeQuotedPrintable(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out.append(text[i]);
            continue;
        }
        if (i + 2 < text.size()) {
            bool ok = false;
            const int byte = text.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out.append(static_cast<char>(byte));
                i += 2;
                continue;
            }
        }
        // A soft line break left at the very end, or a stray '=': dropped / kept as is.
        if (i + 1 < text.size()) out.append('=');
    }
    return out;
}

QString decodeText(const Property& property) {
    QByteArray bytes = property.value;
    if (isQuotedPrintable(property))
        bytes = decodeQuotedPrintable(bytes);
    else if (isBase64(property))
        bytes = QByteArray::fromBase64(bytes);
    const QByteArray charset = parameterValue(property, "CHARSET");
    if (!charset.isEmpty() && charset.toUpper() != "UTF-8" && charset.toUpper() != "UTF8") {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid()) return decoder.decode(bytes);
    }
    return QString::fromUtf8(bytes);
}

// Splits at separators that are not escaped with a backslash, and unescapes the pieces.
QStringList splitComponents(const QString& value, QChar separator) {
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            current += (next == 'n' || next == 'N') ? QChar('\n') : next;
        } else if (c == separator) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

// "group.NAME;param;param:value", the colon found outside quoted parameter values.
bool parseProperty(const QByteArray& line, Property* property) {
    bool quoted = false;
    qsizetype colon = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon <= 0) return false;
    QList<QByteArray> head = line.left(colon).split(';');
    QByteArray name = head.takeFirst().trimmed().toUpper();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0) name = name.mid(dot + 1);
    property->name = name;
    property->parameters = head;
    property->value = line.mid(colon + 1);
    return true;
}

QList<QByteArray> physicalLines(const QByteArray& file) {
    QByteArray text = file;
    if (text.startsWith("\xEF\xBB\xBF")) text = text.mid(3);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text.split('\n');
}

}  // namespace

std::vector<AddressBook::Person> VCardParser::parse(const QByteArray& file) {
    std::vector<AddressBook::Person> people;
    const QList<QByteArray> lines = physicalLines(file);
    int depth = 0;
    AddressBook::Person person;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        while (i + 1 < lines.size() && !lines[i + 1].isEmpty() &&
               (lines[i + 1][0] == ' ' || lines[i + 1][0] == '\t'))
            line += lines[++i].mid(1);  // folded line
        Property property;
        if (!parseProperty(line, &property)) continue;
        // Quoted-printable soft line breaks: a value ending in '=' goes on on the next line.
        while (isQuotedPrintable(property) && property.value.endsWith('=') &&
               i + 1 < lines.size()) {
            property.value.chop(1);
            property.value += lines[++i].trimmed();
        }
        const QByteArray upperValue = property.value.trimmed().toUpper();
        if (property.name == "BEGIN" && upperValue == "VCARD") {
            if (depth++ == 0) person = AddressBook::Person();
        } else if (property.name == "END" && upperValue == "VCARD") {
            if (depth > 0 && --depth == 0) people.push_back(person);
        } else if (depth == 1 && property.name == "N") {
            const QStringList parts = splitComponents(decodeText(property), ';');
            person.lastName = parts.value(0).trimmed();
            person.firstName = parts.value(1).trimmed();
        } else if (depth == 1 && property.name == "TEL") {
            person.phones << decodeText(property).trimmed();
        }
    }
    return people;
}
