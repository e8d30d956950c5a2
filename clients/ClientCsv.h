// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

#include "Client.h"

// Clients as comma-separated values (RFC 4180) in UTF-8, one record a
// client under a header line, for spreadsheets and for moving a client file.
// Created, Changed and GeonamesId are not carried.

inline constexpr char ClientCsvHeader[] = "name,sex,date,time,correction,longitude,hemisphere,place,zone,notes";

// The header line, then one record per client in the order given, every line
// ended by LF ("\n"), no BOM. A field is quoted, its quotes doubled, only when
// it holds a comma, a double quote, CR or LF.
QByteArray ClientsCsv(const std::vector<Client> &clients);

// What makes a record unreadable, before its fields are looked at.
enum class CsvFault {
    None,
    Header,     // the first record is not ClientCsvHeader
    FieldCount, // not ten fields
    Quote,      // a double quote inside an unquoted field, or text after a closing quote
    Unclosed,   // a quoted field runs to the end of the data
    NotUtf8,    // a field is not valid UTF-8
};

// One bad record: the line of the file it starts on (from 1), and what is
// wrong: a CsvFault, or else the first fault of its fields.
struct RowProblem {
    int Line = 0;
    CsvFault Csv = CsvFault::None;
    qsizetype Fields = 0; // the fields found, for FieldCount
    ClientProblem Client;
};

struct CsvClients {
    std::vector<Client> Clients;      // every record in the data's order; empty when a record is bad
    std::vector<RowProblem> Problems; // every bad record, in the data's order
};

// Reads what ClientsCsv writes, and what spreadsheets write: CRLF or LF line
// ends, a UTF-8 BOM at the start, empty lines (skipped). Quoted fields keep
// their line breaks as they are. Every record is checked by CheckClient,
// its name tidied; a bad header stops the reading at line 1.
CsvClients ReadClientsCsv(QByteArrayView data);

// `line 4: date "31.02.2000" does not exist`, in the chosen language.
QString RowProblemText(const RowProblem &problem);
