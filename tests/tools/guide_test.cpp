// The manual: every chapter with its pictures of the program's screens, taken on archives.
#include "screen_fixture.h"

#include "pdf_words.h"
#include "tools/demo_data.h"
#include "tools/guide.h"

#include <QDate>

#include <algorithm>
#include <set>
#include <sstream>
#include <vector>

namespace filmeria::testing {
namespace {

class Guide : public ScreenTest {};

TEST_F(Guide, EveryChapterAndEveryPictureIsInTheManual) {
    const std::string folder = folderOf(dir).toStdString();
    demo::writeCustomers(folder, 12, 1);
    demo::writeSlips(folder, QDate::currentDate().year(), 20, 12, 8, 1);
    demo::writeFilms(folder, 8, {2, 40, 60, 80, false}, 1);
    const QString pdf = path(QStringLiteral("Guida.pdf"));
    ASSERT_TRUE(writeGuide(pdf, folderOf(dir)));

    // The PDF's fonts join "fi" and "fl" into ligatures; read them back as letters.
    const std::string text =
        QString::fromStdString(outputOf("pdftotext -enc UTF-8 '" + pdf.toStdString() + "' - 2>/dev/null"))
            .replace(QChar(0xFB01), QStringLiteral("fi"))
            .replace(QChar(0xFB02), QStringLiteral("fl"))
            .toStdString();
    int chapter = 0;
    int figure = 0;
    for (const GuideChapter& c : guideChapters()) {
        const std::string title = std::to_string(++chapter) + ". " + c.title.toStdString();
        EXPECT_NE(text.find(title), std::string::npos) << title;
        for (const GuidePicture& p : c.pictures) {
            const std::string caption =
                "Figura " + std::to_string(++figure) + " \u2013 " + p.caption.toStdString();
            EXPECT_NE(text.find(caption), std::string::npos) << caption; // written only with its picture
        }
        for (const auto& [task, steps] : c.tasks)
            EXPECT_NE(text.find(task.toStdString()), std::string::npos) << task.toStdString();
    }
    EXPECT_GE(figure, 10);

    // Each picture stands whole on one page, and its caption on the same page: the pictures in
    // order with the pages they are drawn on, against the page each caption is on (pdftotext
    // ends every page with a form feed).
    std::vector<std::pair<std::string, std::set<int>>> pictures; // object, pages
    std::istringstream images(outputOf("pdfimages -list '" + pdf.toStdString() + "' 2>/dev/null"));
    for (std::string line; std::getline(images, line);) {
        std::istringstream fields(line);
        int page = 0;
        std::string number, type, width, height, colour, components, bits, encoding, interpolated, object;
        if (!(fields >> page >> number >> type >> width >> height >> colour >> components >> bits >>
              encoding >> interpolated >> object) ||
            type != "image")
            continue;
        if (pictures.empty() || pictures.back().first != object)
            pictures.push_back({object, {}});
        pictures.back().second.insert(page);
    }
    ASSERT_EQ(pictures.size(), static_cast<std::size_t>(figure));
    for (int n = 1; n <= figure; ++n) {
        const std::size_t at = text.find("Figura " + std::to_string(n) + " \u2013");
        ASSERT_NE(at, std::string::npos);
        const int captionPage =
            1 +
            static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\f'));
        EXPECT_EQ(pictures[static_cast<std::size_t>(n - 1)].second, std::set<int>{captionPage})
            << "Figura " << n;
    }
}

} // namespace
} // namespace filmeria::testing
