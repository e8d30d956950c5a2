// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClientCommands.h"

#include "Json.h"

#include <QFile>

#include <variant>

#include "ClientFile.h"
#include "Csv.h"
#include "Translation.h"

namespace {

std::string Utf8(const QString &text) { return text.toStdString(); }

// A file that cannot be read at all ends the command with its reason.
bool Usable(ClientFile &file, std::ostream &err)
{
    const ClientError state = file.state();
    if (state == ClientError::None || state == ClientError::ReadOnly || state == ClientError::NewerFile)
        return true;
    err << "velmora-chart: " << Utf8(ClientErrorText(state, file.path())) << "\n";
    return false;
}

std::string ClientJson(const Client &c)
{
    const Json object = {{"id", c.Id},
                         {"name", Utf8(c.Name)},
                         {"sex", Utf8(c.Sex)},
                         {"date", Utf8(c.Date)},
                         {"time", Utf8(c.Time)},
                         {"correction", Utf8(c.Correction)},
                         {"longitude", Utf8(c.Longitude)},
                         {"hemisphere", Utf8(c.Hemisphere)},
                         {"place", Utf8(c.Place)},
                         {"zone", Utf8(c.Zone)},
                         {"notes", Utf8(c.Notes)}};
    return Dumped(object);
}

std::string ClientCsvLine(const Client &c)
{
    return CsvRecord({std::to_string(c.Id), Utf8(c.Name), Utf8(c.Sex), Utf8(c.Date), Utf8(c.Time), Utf8(c.Correction),
                      Utf8(c.Longitude), Utf8(c.Hemisphere), Utf8(c.Place), Utf8(c.Zone), Utf8(c.Notes)});
}

// The client a name or an id names, or the reason there is none.
std::variant<Client, std::string> FindClient(ClientFile &file, const std::string &query)
{
    const QString text = QString::fromStdString(query);
    bool number = false;
    const qint64 id = text.toLongLong(&number);
    if (number) {
        if (const std::optional<Client> client = file.byId(id))
            return *client;
        return Filled(Translate("ClientCommands", "no client has the id %1"), query);
    }
    const std::vector<Client> named = file.byName(text);
    if (named.empty())
        return Filled(Translate("ClientCommands", "no client is named \"%1\""), query);
    if (named.size() > 1) {
        std::string ids;
        for (const Client &client : named)
            ids += (ids.empty() ? "" : ", ") + std::to_string(client.Id);
        return Filled(Translate("ClientCommands", "%1 clients are named \"%2\"; give the id: %3"),
                      std::to_string(named.size()), query, ids);
    }
    return named.front();
}

} // namespace

int ListClients(bool json, bool header, std::ostream &out, std::ostream &err)
{
    ClientFile file;
    if (!Usable(file, err))
        return 1;
    if (header && !json)
        out << "id," << ClientCsvHeader << "\n";
    for (const Client &client : file.all())
        out << (json ? ClientJson(client) : ClientCsvLine(client)) << "\n";
    return 0;
}

int ExportClients(std::ostream &out, std::ostream &err)
{
    ClientFile file;
    if (!Usable(file, err))
        return 1;
    const QByteArray csv = file.exportCsv();
    out.write(csv.constData(), csv.size());
    return 0;
}

int ImportClients(const std::string &path, std::ostream &err)
{
    QFile input(QString::fromStdString(path));
    if (!input.open(QIODevice::ReadOnly)) {
        err << "velmora-chart: " << Filled(Translate("ClientCommands", "cannot read \"%1\""), path) << "\n";
        return 1;
    }
    ClientFile file;
    if (!Usable(file, err))
        return 1;
    const ImportResult result = file.importCsv(input.readAll());
    for (const RowProblem &problem : result.Problems)
        err << "velmora-chart: " << Utf8(RowProblemText(problem)) << "\n";
    if (result.Error != ClientError::None) {
        if (result.Problems.empty())
            err << "velmora-chart: " << Utf8(ClientErrorText(result.Error, file.path())) << "\n";
        err << "velmora-chart: " << Filled(Translate("ClientCommands", "nothing was imported")) << "\n";
        return 1;
    }
    return 0;
}

ClientOptions WithClient(ToolOptions options)
{
    ClientFile file;
    if (file.state() != ClientError::None && file.state() != ClientError::ReadOnly
        && file.state() != ClientError::NewerFile)
        return {options, Utf8(ClientErrorText(file.state(), file.path()))};
    const auto found = FindClient(file, *options.Client);
    if (const auto *error = std::get_if<std::string>(&found))
        return {options, *error};
    const Client &client = std::get<Client>(found);
    options.Positional = {Utf8(client.Date), Utf8(client.Time)};
    if (client.Zone.isEmpty())
        options.Correction = Utf8(client.Correction);
    else
        options.Zone = Utf8(client.Zone);
    options.Longitude = Utf8(client.Longitude + client.Hemisphere);
    if (options.Luck && options.Luck->empty()) {
        if (client.Sex.isEmpty())
            return {options,
                    Filled(Translate("ClientCommands",
                                     "client \"%1\" has no sex stored; give --luck male or --luck female"),
                           Utf8(client.Name))};
        options.LuckSex = client.Sex == QStringLiteral("ж") ? Sex::Female : Sex::Male;
    }
    options.ClientName = Utf8(client.Name);
    options.ClientPlace = Utf8(client.Place);
    return {options, {}};
}
