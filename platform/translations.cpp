#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace filmeria {

bool installItalianTranslations() {
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
