#pragma once
// The words of a PDF page with their boxes, read with poppler's pdftotext -bbox.
#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace filmeria::testing {

// A word on the page, its box in millimetres from the page's top left.
struct Word {
    std::string text;
    double left, top, right, bottom;
};

// The whole output of a command.
inline std::string outputOf(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char buffer[4096];
    while (pipe && fgets(buffer, sizeof buffer, pipe.get()))
        out += buffer;
    return out;
}

inline std::vector<Word> wordsOf(const std::string& pdf, int page = 1) {
    const std::string html = outputOf("pdftotext -bbox -f " + std::to_string(page) + " -l " +
                                      std::to_string(page) + " '" + pdf + "' - 2>/dev/null");
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const double mm = 25.4 / 72;
    std::vector<Word> words;
    for (auto it = word.globalMatch(QString::fromStdString(html)); it.hasNext();) {
        const auto m = it.next();
        // The words come as XML text.
        QString text = m.captured(5);
        text.replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back({text.toStdString(), m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm,
                         m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm});
    }
    return words;
}

} // namespace filmeria::testing
