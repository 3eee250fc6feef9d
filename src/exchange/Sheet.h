#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace exchange {

// One cell as the file holds it: its text, and its value when it is a number cell.
struct Cell {
    QString text;
    std::optional<double> number;
};

// One row of a sheet, with its row number as a spreadsheet program shows it (from 1).
struct SheetRow {
    int line = 0;
    std::vector<Cell> cells;
};

// The rows of a sheet in file order; the first is the header.
struct Sheet {
    std::vector<SheetRow> rows;
};

// A CSV file as spreadsheet programs write it: separator ";" or "," (the one the header
// line uses more), quoted fields with doubled quotes and line breaks, UTF-8 with or
// without BOM, else Windows-1252. Throws ExchangeError.
Sheet ReadCsv(const QString& path);
// The first sheet of an .xlsx workbook: shared and inline strings, numbers, booleans.
// Throws ExchangeError.
Sheet ReadXlsx(const QString& path);
// ReadCsv or ReadXlsx after the file's extension; any other extension is refused.
Sheet ReadSheet(const QString& path);

} // namespace exchange
