#include "screenkit/export_grid.h"

#include "platform/qt_text.h"
#include "screenkit/screen_style.h"

#include <QHeaderView>
#include <QLabel>

#include <utility>

namespace filmeria {

void TextTableModel::setTable(TextTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, table_.rows() - 1);
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, table_.columns() - 1);
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    const int row = index.row() + 1; // the grid's own row and column
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return fromCp1252(table_.cell(row, index.column() + 1));
    case Qt::BackgroundRole:
        return row % 2 == 1 ? QColor(223, 235, 255) : QColor(249, 255, 225);
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::TextAlignmentRole:
        return static_cast<int>(Qt::AlignLeft | Qt::AlignTop);
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? fromCp1252(table_.cell(0, section + 1))
                                         : fromCp1252(table_.cell(section + 1, 0));
}

ExportGrid::ExportGrid(QWidget* parent, int columns)
    : QTableView(parent)
    , model_(new TextTableModel(this))
    , initialColumns_(columns) {
    setObjectName("grdRecords");
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(24);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(100);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ExportGrid::showEvent(QShowEvent* event) {
    // The font, the initial empty rows and the style sheet (a style of its own) come when the
    // grid is first shown or given rows, not at start-up with every screen. The font comes
    // first: the headers size themselves from their texts when rows arrive, and keep that size.
    if (initialColumns_ > 0)
        setTable(TextTable(10, initialColumns_), {});
    if (!styled_) {
        setStyleSheet(QStringLiteral(
            "QHeaderView::section, QTableCornerButton::section { background: rgb(166, 202, 240); "
            "border: 1px solid rgb(128, 128, 128); padding-left: 2px; }"));
        styled_ = true;
    }
    QTableView::showEvent(event);
}

void ExportGrid::setTable(TextTable table, const std::vector<int>& widths) {
    if (std::exchange(initialColumns_, 0) > 0)
        setFont(style::verdana(8));
    const QString corner = fromCp1252(table.cell(0, 0));
    model_->setTable(std::move(table));
    // The number column keeps its width while it is empty.
    verticalHeader()->setFixedWidth(widths.empty() ? kNumberColumnWidth : widths[0]);
    for (std::size_t c = 1; c < widths.size(); ++c)
        setColumnWidth(static_cast<int>(c) - 1, widths[c]);
    if (!corner.isEmpty() && !cornerHeading_) {
        cornerHeading_ = new QLabel(this);
        cornerHeading_->setAttribute(Qt::WA_TransparentForMouseEvents); // the corner still selects all
        cornerHeading_->setStyleSheet(QStringLiteral("background: transparent; padding-left: 2px;"));
    }
    if (cornerHeading_) {
        cornerHeading_->setText(corner);
        cornerHeading_->setVisible(!corner.isEmpty());
        updateGeometries();
    }
}

void ExportGrid::updateGeometries() {
    QTableView::updateGeometries();
    if (cornerHeading_)
        cornerHeading_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(),
                                    horizontalHeader()->height());
}

QString ExportGrid::selectedText() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? model_->data(index, Qt::DisplayRole).toString() : QString();
}

} // namespace filmeria
