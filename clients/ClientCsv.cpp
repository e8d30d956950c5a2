// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClientCsv.h"

#include <QStringDecoder>

#include "Translation.h"

namespace {

constexpr qsizetype FieldCount = 10;

void AppendField(QByteArray &out, const QString &text)
{
    const QByteArray field = text.toUtf8();
    const bool quoted = field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n');
    if (!quoted) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// One record as read, before its fields are decoded.
struct Record {
    int Line = 0;
    std::vector<QByteArray> Fields;
    CsvFault Fault = CsvFault::None;
};

// Splits the data into records. A record's fields end at a comma; the
// record at LF or CRLF outside quotes. A faulty record is skipped to its
// line's end, so the records after it are still read and checked.
class Splitter
{
public:
    explicit Splitter(QByteArrayView data)
        : m_data(data)
    { }

    // Skips empty lines first.
    bool atEnd()
    {
        while (atLineEnd())
            endLine();
        return m_at >= m_data.size();
    }

    Record next()
    {
        while (atLineEnd())
            endLine();
        Record record{m_line, {}, CsvFault::None};
        for (;;) {
            record.Fields.push_back(m_at < m_data.size() && m_data[m_at] == '"' ? quoted(record) : plain(record));
            if (record.Fault != CsvFault::None) {
                skipLine();
                return record;
            }
            if (m_at < m_data.size() && m_data[m_at] == ',') {
                ++m_at;
                continue;
            }
            endLine();
            return record;
        }
    }

private:
    bool atLineEnd() const
    {
        return m_at < m_data.size()
            && (m_data[m_at] == '\n' || (m_data[m_at] == '\r' && m_at + 1 < m_data.size() && m_data[m_at + 1] == '\n'));
    }

    void endLine()
    {
        if (m_at < m_data.size() && m_data[m_at] == '\r')
            ++m_at;
        if (m_at < m_data.size()) {
            ++m_at;
            ++m_line;
        }
    }

    void skipLine()
    {
        while (m_at < m_data.size() && m_data[m_at] != '\n')
            ++m_at;
        endLine();
    }

    QByteArray plain(Record &record)
    {
        const qsizetype start = m_at;
        while (m_at < m_data.size() && m_data[m_at] != ',' && !atLineEnd()) {
            if (m_data[m_at] == '"')
                record.Fault = CsvFault::Quote;
            ++m_at;
        }
        return m_data.sliced(start, m_at - start).toByteArray();
    }

    QByteArray quoted(Record &record)
    {
        QByteArray field;
        for (++m_at; m_at < m_data.size(); ++m_at) {
            const char c = m_data[m_at];
            if (c == '"' && m_at + 1 < m_data.size() && m_data[m_at + 1] == '"') {
                field += '"';
                ++m_at;
            } else if (c == '"') {
                ++m_at;
                if (m_at < m_data.size() && m_data[m_at] != ',' && !atLineEnd())
                    record.Fault = CsvFault::Quote;
                return field;
            } else {
                m_line += c == '\n';
                field += c;
            }
        }
        record.Fault = CsvFault::Unclosed;
        return field;
    }

    QByteArrayView m_data;
    qsizetype m_at = 0;
    int m_line = 1;
};

// The fields as text, or nothing when one is not UTF-8. A BOM inside a
// field is kept as the character it is.
std::optional<std::vector<QString>> Decoded(const std::vector<QByteArray> &fields)
{
    std::vector<QString> texts;
    for (const QByteArray &field : fields) {
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        texts.push_back(decoder.decode(field));
        if (decoder.hasError())
            return std::nullopt;
    }
    return texts;
}

// Fields in the header's order.
Client ClientOf(const std::vector<QString> &f)
{
    Client client;
    client.Name = TidyName(f[0]);
    client.Sex = f[1];
    client.Date = f[2];
    client.Time = f[3];
    client.Correction = f[4];
    client.Longitude = f[5];
    client.Hemisphere = f[6];
    client.Place = f[7];
    client.Zone = f[8];
    client.Notes = f[9];
    return client;
}

RowProblem CheckRecord(const Record &record, Client &client)
{
    if (record.Fault != CsvFault::None)
        return {record.Line, record.Fault, 0, {}};
    if (qsizetype(record.Fields.size()) != FieldCount)
        return {record.Line, CsvFault::FieldCount, qsizetype(record.Fields.size()), {}};
    const auto texts = Decoded(record.Fields);
    if (!texts)
        return {record.Line, CsvFault::NotUtf8, 0, {}};
    client = ClientOf(*texts);
    return {record.Line, CsvFault::None, 0, CheckClient(client)};
}

} // namespace

QByteArray ClientsCsv(const std::vector<Client> &clients)
{
    QByteArray out = QByteArray(ClientCsvHeader) + '\n';
    for (const Client &c : clients) {
        const QString *fields[] = {&c.Name,      &c.Sex,        &c.Date,  &c.Time, &c.Correction,
                                   &c.Longitude, &c.Hemisphere, &c.Place, &c.Zone, &c.Notes};
        for (const QString *field : fields) {
            if (field != fields[0])
                out += ',';
            AppendField(out, *field);
        }
        out += '\n';
    }
    return out;
}

CsvClients ReadClientsCsv(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    Splitter splitter(data);
    CsvClients read;
    const Record header = splitter.next();
    QByteArray names;
    for (const QByteArray &field : header.Fields)
        names += (names.isEmpty() ? "" : ",") + field;
    if (header.Fault != CsvFault::None || header.Fields.size() != std::size_t(FieldCount) || names != ClientCsvHeader) {
        read.Problems.push_back({header.Line, CsvFault::Header, 0, {}});
        return read;
    }
    while (!splitter.atEnd()) {
        Client client;
        const RowProblem problem = CheckRecord(splitter.next(), client);
        if (problem.Csv != CsvFault::None || problem.Client)
            read.Problems.push_back(problem);
        else
            read.Clients.push_back(std::move(client));
    }
    if (!read.Problems.empty())
        read.Clients.clear();
    return read;
}

QString RowProblemText(const RowProblem &problem)
{
    QString text;
    switch (problem.Csv) {
    case CsvFault::None:
        text = ClientProblemText(problem.Client);
        break;
    case CsvFault::Header:
        text = Translate("Clients", "the first line is not \"%1\"").arg(QString::fromLatin1(ClientCsvHeader));
        break;
    case CsvFault::FieldCount:
        text = Translate("Clients", "%1 fields instead of %2").arg(problem.Fields).arg(FieldCount);
        break;
    case CsvFault::Quote:
        text = Translate("Clients", "a double quote out of place");
        break;
    case CsvFault::Unclosed:
        text = Translate("Clients", "a quoted field is not closed");
        break;
    case CsvFault::NotUtf8:
        text = Translate("Clients", "the text is not UTF-8");
        break;
    }
    return Translate("Clients", "line %1: %2").arg(QString::number(problem.Line), text);
}
