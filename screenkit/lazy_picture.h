#pragma once
// Pictures decoded when their window is first shown: the program creates every screen at
// start-up, and most are never shown in a session.
#include <QIcon>
#include <QString>

class QLabel;

namespace filmeria {

// Gives `label` the picture `resource` on its first showing, unless it has a picture by then.
void setPictureOnShow(QLabel* label, const QString& resource);

// One icon per picture for the whole program: the twenty date buttons of the slip share one.
QIcon sharedIcon(const QString& resource);

} // namespace filmeria
