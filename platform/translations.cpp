#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>
#include <utility>

namespace filmeria {

namespace {

// Words of the toolkit's dialogs that its Italian catalogue lacks: the kinds of entries in the
// file dialog's list.
class MissingWords final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::strcmp(context, "QAbstractFileIconProvider") != 0 &&
            std::strcmp(context, "QFileSystemModel") != 0)
            return {};
        static const std::pair<const char*, const char*> words[] = {{"Folder", "Cartella"},
                                                                    {"Drive", "Unità"},
                                                                    {"Shortcut", "Collegamento"},
                                                                    {"Alias", "Collegamento"}};
        for (const auto& [english, italian] : words)
            if (std::strcmp(source, english) == 0)
                return QString::fromUtf8(italian);
        return {};
    }

    bool isEmpty() const override { return false; }
};

} // namespace

bool installItalianTranslations() {
    // The fallback first: the translator installed last is asked first.
    QCoreApplication::installTranslator(new MissingWords(QCoreApplication::instance()));
    // One translator for the application's lifetime, owned by the application object.
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folders[] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_it"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace filmeria
