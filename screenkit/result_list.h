#pragma once
// The result list of the search screens and pickers: one line per record, filled in one
// batch, scrolling sideways over a fixed width so the end of the longest line can be seen.
#include <QListWidget>

#include <string>
#include <vector>

namespace filmeria {

class ResultList : public QListWidget {
public:
    static constexpr int kScrollWidth = 1500;

    explicit ResultList(QWidget* parent);

    // Replaces the lines (Windows-1252 bytes, already in order); a new result starts at the
    // top left, whatever the previous one was scrolled to.
    void showLines(const std::vector<std::string>& lines);

protected:
    void updateGeometries() override;
};

} // namespace filmeria
