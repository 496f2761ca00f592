#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// How tintwright-cli writes what it reports: one writer of CSV and JSON for
// every command, so the same key is spelled the same everywhere, and the
// text helpers its plain-text forms share.
namespace tintwright::cli {

enum class ListFormat { Text, Csv, Json };

// One value of a record: the same in CSV and JSON, or (a number, a list) a
// JSON value with the text CSV shows for it.
struct Field {
    Field(std::string key, std::string text);
    Field(std::string key, const char* text);
    Field(std::string key, int number);
    Field(std::string key, bool value);
    Field(std::string key, nlohmann::ordered_json json, std::string csv);

    std::string key;
    nlohmann::ordered_json json;
    std::string csv;
};
using Record = std::vector<Field>;

// CSV (a header of the keys, then one line per record, quoted where needed)
// or JSON (an array of objects, indented by 2). `keys` heads an empty CSV.
void writeRecords(const std::vector<Record>& records, ListFormat format, const std::vector<std::string>& keys,
                  std::ostream& out);

// Text for a terminal: control characters as \xHH, so that a name cannot
// move the cursor or cut a line short.
std::string escaped(std::string_view text);

// Columns the UTF-8 text takes in a terminal: East Asian wide characters two,
// combining marks none.
std::size_t displayWidth(std::string_view utf8);

// `text` filled with blanks to `columns` columns, on the left where `right`.
std::string padded(const std::string& text, std::size_t columns, bool right);

// "1 colour entry", "3 colour entries".
std::string counted(std::size_t count, const char* one, const char* many);

// "a, b, c".
std::string joined(const std::vector<std::string>& names);

// "4.50".
std::string twoDecimals(double value);

} // namespace tintwright::cli
