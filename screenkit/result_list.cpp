#include "screenkit/result_list.h"

#include "platform/qt_text.h"
#include "screenkit/status_panel.h"

#include <QLabel>
#include <QRegularExpression>

#include <QScrollBar>

namespace filmeria {

ResultList::ResultList(QWidget* parent)
    : QListWidget(parent) {
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    // Always there: the extent is wider than any list, and a bar that came and went would
    // change the viewport that the extent is measured against.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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
    connect(this, &QListWidget::currentRowChanged, panel, [this, panel](int row) {
        panel->setText(row >= 0 && item(row) ? compactedLine(item(row)->text()) : QString());
    });
    return panel;
}

void ResultList::showLines(const std::vector<std::string>& lines) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        shown << fromCp1252(line);
    clear();
    // Every line takes the size of the last one (the view measures only that): it is given the
    // whole extent before it goes in, so no line is cut short where the last one ends.
    const QString last = shown.isEmpty() ? QString() : shown.takeLast();
    addItems(shown);
    if (!lines.empty()) {
        auto* item = new QListWidgetItem(last);
        item->setSizeHint(QSize(kScrollWidth, fontMetrics().height() + 2));
        addItem(item);
    }
    scrollToTop();
    horizontalScrollBar()->setValue(0);
}

void ResultList::updateGeometries() {
    QListWidget::updateGeometries();
    // The sideways extent is the list's own, not that of its lines.
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, std::max(0, kScrollWidth - viewport()->width()));
    bar->setPageStep(viewport()->width());
    bar->setSingleStep(8);
}

} // namespace filmeria
