// The spreadsheet, written with libxlsxwriter in constant-memory mode: rows go to disk as
// they are written, so a grid of any length takes little memory.
#include "platform/office_files.h"

#include "core/dates.h"
#include "core/money_text.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace filmeria {
namespace {

struct CloseWorkbook {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, CloseWorkbook>;

// Removes a file that was not finished, unless told it is.
class UnfinishedFile {
public:
    explicit UnfinishedFile(std::string path)
        : path_(std::move(path)) {}
    ~UnfinishedFile() {
        if (!finished_)
            std::remove(path_.c_str());
    }
    UnfinishedFile(const UnfinishedFile&) = delete;
    UnfinishedFile& operator=(const UnfinishedFile&) = delete;
    void finished() { finished_ = true; }

private:
    std::string path_;
    bool finished_ = false;
};

void check(lxw_error error, const char* what) {
    if (error != LXW_NO_ERROR)
        throw OfficeError(std::string(what) + ": " + lxw_strerror(error));
}

std::size_t codePoints(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// An amount or a date valid by the program's rules goes in as a number or a date the
// spreadsheet can sum and sort; false leaves the cell to be written as text.
bool writeAsValue(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t column, const std::string& text,
                  ColumnKind kind, lxw_format* amount, lxw_format* date) {
    if (kind == ColumnKind::Amount && isAmountAsWritten(text, 2)) {
        if (const std::optional<double> value = textToNumber(text)) {
            check(worksheet_write_number(worksheet, row, column, *value, amount), "cannot write a cell");
            return true;
        }
    }
    if (kind == ColumnKind::Count && text.size() <= 15 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        check(worksheet_write_number(worksheet, row, column, std::stod(text), nullptr),
              "cannot write a cell");
        return true;
    }
    if (kind == ColumnKind::Date) {
        if (const std::optional<CivilDate> day = parseDate(text)) {
            lxw_datetime moment{day->year, day->month, day->day, 0, 0, 0};
            check(worksheet_write_datetime(worksheet, row, column, &moment, date), "cannot write a cell");
            return true;
        }
    }
    return false;
}

// The sheet's cells, read the same way whether held as rows or handed over one at a time.
class SheetReader {
public:
    explicit SheetReader(const Spreadsheet& sheet)
        : sheet_(sheet)
        , streamed_(static_cast<bool>(sheet.streamed.cell)) {}
    std::size_t rows() const {
        return streamed_ ? static_cast<std::size_t>(sheet_.streamed.rows) : sheet_.cells.size();
    }
    std::size_t width(std::size_t row) const {
        return streamed_ ? static_cast<std::size_t>(sheet_.streamed.columns) : sheet_.cells[row].size();
    }
    // The text of a cell within its row's width.
    const std::string& cell(std::size_t row, std::size_t column) {
        if (!streamed_)
            return sheet_.cells[row][column];
        sheet_.streamed.cell(static_cast<int>(row), static_cast<int>(column), text_);
        return text_;
    }

private:
    const Spreadsheet& sheet_;
    bool streamed_;
    std::string text_;
};

const std::string kNoText;

struct Formats {
    lxw_format* text;
    lxw_format* bold;
    lxw_format* amount;
    lxw_format* date;
};

Formats formatsOf(lxw_workbook* workbook) {
    Formats f{workbook_add_format(workbook), workbook_add_format(workbook), workbook_add_format(workbook),
              workbook_add_format(workbook)};
    format_set_num_format(f.text, "@");
    format_set_num_format(f.bold, "@");
    format_set_bold(f.bold);
    format_set_num_format(f.amount, "#,##0.00");
    format_set_num_format(f.date, "dd/mm/yyyy");
    return f;
}

// A range of a sheet as a chart names it: 'Sheet'!$A$2:$A$13, quotes in the name doubled.
std::string rangeOf(const std::string& sheetName, int column, int firstRow, int lastRow) {
    std::string quoted = "'";
    for (const char c : sheetName)
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    quoted += "'!";
    std::string letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return quoted + "$" + letters + "$" + std::to_string(firstRow + 1) + ":$" + letters + "$" +
           std::to_string(lastRow + 1);
}

void insertChart(lxw_workbook* workbook, lxw_worksheet* worksheet, const Spreadsheet& sheet,
                 const ColumnChart& chart, lxw_row_t atRow, lxw_col_t atColumn) {
    lxw_chart* drawn = workbook_add_chart(workbook, LXW_CHART_COLUMN);
    if (!drawn)
        throw OfficeError("cannot make a chart");
    const std::string categories =
        "=" + rangeOf(sheet.sheetName, chart.categoryColumn, chart.firstRow, chart.lastRow);
    for (const int column : chart.valueColumns) {
        const std::string values = "=" + rangeOf(sheet.sheetName, column, chart.firstRow, chart.lastRow);
        lxw_chart_series* series = chart_add_series(drawn, categories.c_str(), values.c_str());
        if (!series)
            throw OfficeError("cannot add a chart series");
        const std::string name = "=" + rangeOf(sheet.sheetName, column, 0, 0);
        chart_series_set_name(series, name.c_str());
    }
    chart_title_set_name(drawn, chart.title.c_str());
    if (!chart.valueAxisTitle.empty())
        chart_axis_set_name(drawn->y_axis, chart.valueAxisTitle.c_str());
    chart_legend_set_position(drawn, LXW_CHART_LEGEND_BOTTOM);
    lxw_chart_options place{};
    place.x_scale = 1.6;
    place.y_scale = 1.4;
    check(worksheet_insert_chart_opt(worksheet, atRow, atColumn, drawn, &place), "cannot place a chart");
}

void writeSheet(lxw_workbook* workbook, const Spreadsheet& sheet, const Formats& formats) {
    lxw_format* text = formats.text;
    lxw_format* bold = formats.bold;
    lxw_format* amount = formats.amount;
    lxw_format* date = formats.date;
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.sheetName.c_str());
    if (!worksheet)
        throw OfficeError("invalid worksheet name '" + sheet.sheetName + "'");
    SheetReader cells(sheet);
    std::size_t columns = 0;
    for (std::size_t r = 0; r < cells.rows(); ++r)
        columns = std::max(columns, cells.width(r));
    // Every column of the block holds text; the fitted ones take their longest text's width.
    for (std::size_t c = 0; c < std::max<std::size_t>(columns, static_cast<std::size_t>(sheet.fittedColumns));
         ++c) {
        double width = LXW_DEF_COL_WIDTH;
        if (static_cast<int>(c) < sheet.fittedColumns) {
            std::size_t longest = 0;
            for (std::size_t r = 0; r < cells.rows(); ++r) {
                if (c < cells.width(r))
                    longest = std::max(longest, codePoints(cells.cell(r, c)));
            }
            width = std::clamp(static_cast<double>(longest) * 1.1 + 1.0, 2.0, 255.0);
        }
        check(worksheet_set_column(worksheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width,
                                   c < columns ? text : nullptr),
              "cannot set a column");
    }
    for (std::size_t r = 0; r < cells.rows(); ++r) {
        const std::size_t rowWidth = cells.width(r);
        const std::size_t width =
            r == 0 ? std::max(rowWidth, static_cast<std::size_t>(std::max(0, sheet.boldLastColumn)))
                   : rowWidth;
        for (std::size_t c = 0; c < width; ++c) {
            const int column = static_cast<int>(c) + 1;
            const bool isBold = r == 0 && column >= sheet.boldFirstColumn && column <= sheet.boldLastColumn;
            lxw_format* format = isBold ? bold : text;
            const auto rowIndex = static_cast<lxw_row_t>(r);
            const auto colIndex = static_cast<lxw_col_t>(c);
            const std::string& value = c < rowWidth ? cells.cell(r, c) : kNoText;
            if (!value.empty()) {
                const ColumnKind kind =
                    r > 0 && c < sheet.columnKinds.size() ? sheet.columnKinds[c] : ColumnKind::Text;
                if (writeAsValue(worksheet, rowIndex, colIndex, value, kind, amount, date))
                    continue;
                check(worksheet_write_string(worksheet, rowIndex, colIndex, value.c_str(), format),
                      "cannot write a cell");
            } else if (r == 0) {
                // Below the headings an empty cell takes its column's text format; a heading
                // cell is written for its bold, beyond the data too.
                check(worksheet_write_blank(worksheet, rowIndex, colIndex, format), "cannot write a cell");
            }
        }
    }
    // The headings stay in sight and offer their filters.
    if (cells.rows() > 0 && columns > 0) {
        worksheet_freeze_panes(worksheet, 1, 0);
        check(worksheet_autofilter(worksheet, 0, 0, static_cast<lxw_row_t>(cells.rows() - 1),
                                   static_cast<lxw_col_t>(columns - 1)),
              "cannot set the filters");
    }
    worksheet_set_selection(worksheet, 0, 0, 0, 0);
    // The charts to the right of the cells, one under the other.
    lxw_row_t chartRow = 1;
    for (const ColumnChart& chart : sheet.charts) {
        insertChart(workbook, worksheet, sheet, chart, chartRow, static_cast<lxw_col_t>(columns + 1));
        chartRow += 22;
    }
}

// Writes the sheets through `write`, into a new file removed again when anything fails.
template <typename Write> void writeNewWorkbook(const std::string& path, Write write) {
    if (FILE* existing = std::fopen(path.c_str(), "rb")) {
        std::fclose(existing);
        throw OfficeError("the file '" + path + "' exists already");
    }
    UnfinishedFile unfinished(path);
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        WorkbookHandle workbook(workbook_new_opt(path.c_str(), &options));
        if (!workbook)
            throw OfficeError("cannot create the spreadsheet '" + path + "'");
        write(workbook.get(), formatsOf(workbook.get()));
        check(workbook_close(workbook.release()), "cannot write the spreadsheet");
    }
    unfinished.finished();
}

} // namespace

void writeSpreadsheet(const std::string& path, const Spreadsheet& sheet) {
    writeNewWorkbook(
        path, [&](lxw_workbook* workbook, const Formats& formats) { writeSheet(workbook, sheet, formats); });
}

void writeWorkbook(const std::string& path, const Workbook& book) {
    if (book.sheets.empty())
        throw OfficeError("a workbook without sheets");
    writeNewWorkbook(path, [&](lxw_workbook* workbook, const Formats& formats) {
        for (const Spreadsheet& sheet : book.sheets)
            writeSheet(workbook, sheet, formats);
        // The first sheet is the one shown.
        worksheet_activate(workbook_get_worksheet_by_name(workbook, book.sheets.front().sheetName.c_str()));
    });
}

} // namespace filmeria
