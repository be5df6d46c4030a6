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
using Workbook = std::unique_ptr<lxw_workbook, CloseWorkbook>;

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

} // namespace

void writeSpreadsheet(const std::string& path, const Spreadsheet& sheet) {
    if (FILE* existing = std::fopen(path.c_str(), "rb")) {
        std::fclose(existing);
        throw OfficeError("the file '" + path + "' exists already");
    }
    UnfinishedFile unfinished(path);
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        Workbook workbook(workbook_new_opt(path.c_str(), &options));
        if (!workbook)
            throw OfficeError("cannot create the spreadsheet '" + path + "'");
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook.get(), sheet.sheetName.c_str());
        if (!worksheet)
            throw OfficeError("invalid worksheet name '" + sheet.sheetName + "'");
        lxw_format* text = workbook_add_format(workbook.get());
        format_set_num_format(text, "@");
        lxw_format* bold = workbook_add_format(workbook.get());
        format_set_num_format(bold, "@");
        format_set_bold(bold);
        lxw_format* amount = workbook_add_format(workbook.get());
        format_set_num_format(amount, "#,##0.00");
        lxw_format* date = workbook_add_format(workbook.get());
        format_set_num_format(date, "dd/mm/yyyy");

        SheetReader cells(sheet);
        std::size_t columns = 0;
        for (std::size_t r = 0; r < cells.rows(); ++r)
            columns = std::max(columns, cells.width(r));
        // Every column of the block holds text; the fitted ones take their longest text's width.
        for (std::size_t c = 0;
             c < std::max<std::size_t>(columns, static_cast<std::size_t>(sheet.fittedColumns)); ++c) {
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
                const bool isBold =
                    r == 0 && column >= sheet.boldFirstColumn && column <= sheet.boldLastColumn;
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
                    check(worksheet_write_blank(worksheet, rowIndex, colIndex, format),
                          "cannot write a cell");
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
        worksheet_activate(worksheet);
        check(workbook_close(workbook.release()), "cannot write the spreadsheet");
    }
    unfinished.finished();
}

} // namespace filmeria
