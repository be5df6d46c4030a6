#pragma once
// The export grid grdRecords: a view over a compact table of texts (no object per cell), the
// heading row and the number column as the view's fixed headers in sky blue, odd and even
// rows in light blue and light cream, Verdana 8, 24-pixel rows, resizable columns, a range of
// cells selectable.
#include "core/text_table.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <vector>

class QLabel;

namespace filmeria {

class TextTableModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(TextTable table);
    const TextTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TextTable table_;
};

class ExportGrid final : public QTableView {
public:
    static constexpr int kNumberColumnWidth = 50;

    // Shows `columns` columns and the initial 10 empty rows, unless given a table before it is
    // first shown.
    ExportGrid(QWidget* parent, int columns);

    // The whole grid: row 0 the headings, column 0 the numbers.
    const TextTable& table() const { return model_->table(); }
    void setTable(TextTable table, const std::vector<int>& widths);
    // The text of the selected cell ("" when none).
    QString selectedText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void updateGeometries() override;

private:
    TextTableModel* model_;
    // The heading of the number column, over the corner the headers leave between them.
    QLabel* cornerHeading_ = nullptr;
    int initialColumns_; // until the grid has its font and its first rows
    bool styled_ = false;
};

} // namespace filmeria
