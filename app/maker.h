#pragma once
// The maker's addresses and notice, shown by the main, splash and information windows.
#include <QString>

namespace filmeria::maker {

inline const QString kWebSite = QStringLiteral("https://www.filmeriapro.it/");
inline const QString kEmail = QStringLiteral("assistenza@filmeriapro.it");
inline const QString kCopyright = QString::fromUtf8("© 2026 Studio Lanterna Software");
inline const QString kSplashCaption = QString::fromUtf8(" Filmeria Pro © 2026 - Studio Lanterna Software");

} // namespace filmeria::maker
