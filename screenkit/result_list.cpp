#include "screenkit/result_list.h"

#include "platform/qt_text.h"
#include "screenkit/status_panel.h"

#include <QAbstractListModel>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>

#include <utility>

namespace filmeria {

// The lines as rows; every row as wide as the sideways extent, so none is cut short.
class ResultListModel final : public QAbstractListModel {
public:
    ResultListModel(QObject* parent, const QListView& view)
        : QAbstractListModel(parent)
        , view_(view) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= static_cast<int>(lines_.size()))
            return {};
        if (role == Qt::DisplayRole)
            return fromCp1252(lines_[static_cast<std::size_t>(index.row())]);
        if (role == Qt::SizeHintRole)
            return QSize(ResultList::kScrollWidth, view_.fontMetrics().height() + 2);
        return {};
    }

    void replace(LineList lines) {
        beginResetModel();
        // The old lines leave with their memory: moved into, a string keeps its own buffer when
        // the new text fits it, and an emptied list would hold a million lines' room.
        LineList previous(std::move(lines_));
        lines_ = std::move(lines);
        endResetModel();
    }
    const LineList& lines() const { return lines_; }

private:
    const QListView& view_;
    LineList lines_;
};

ResultList::ResultList(QWidget* parent)
    : QListView(parent)
    , model_(new ResultListModel(this, *this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Always there: the extent is wider than any list, and a bar that came and went would
    // change the viewport that the extent is measured against.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ResultList::showLines(LineList lines) {
    model_->replace(std::move(lines));
    scrollToTop();
    horizontalScrollBar()->setValue(0);
}

const LineList& ResultList::lines() const {
    return model_->lines();
}

int ResultList::currentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void ResultList::setCurrentRow(int row) {
    setCurrentIndex(model_->index(row, 0));
}

QString ResultList::lineText(int row) const {
    return model_->data(model_->index(row, 0), Qt::DisplayRole).toString();
}

QString compactedLine(const QString& line) {
    static const QRegularExpression padding(QStringLiteral(" {2,}"));
    return line.trimmed().replace(padding, QStringLiteral("  "));
}

QLabel* ResultList::addSelectedLinePanel(QWidget* window) {
    constexpr int kHeight = 34;
    QLabel* panel = makeStatusPanel(window, StatusPanelKind::Sunken);
    panel->setObjectName("panRiga");
    panel->setWordWrap(true);
    panel->setTextFormat(Qt::PlainText);
    panel->setGeometry(8, window->height() + 2, window->width() - 16, kHeight);
    window->setFixedSize(window->width(), window->height() + kHeight + 8);
    // The selection model is made anew with every model reset only when the model changes;
    // this list keeps one model, so one connection serves every result.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, panel,
            [this, panel](const QModelIndex& current) {
                panel->setText(current.isValid() ? compactedLine(lineText(current.row())) : QString());
            });
    connect(model_, &QAbstractItemModel::modelReset, panel, [panel] { panel->clear(); });
    return panel;
}

void ResultList::updateGeometries() {
    QListView::updateGeometries();
    // The sideways extent is the list's own, not that of its lines.
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, std::max(0, kScrollWidth - viewport()->width()));
    bar->setPageStep(viewport()->width());
    bar->setSingleStep(8);
}

void ResultList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || indexAt(event->position().toPoint()).isValid()) {
        QListView::mouseDoubleClickEvent(event);
        return;
    }
    emit doubleClicked(currentIndex());
}

} // namespace filmeria
