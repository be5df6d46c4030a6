#pragma once
// The program's colours and fonts, by the names the screens use.
#include <QColor>
#include <QFont>

namespace filmeria::style {

inline const QColor kYellow{255, 255, 0};
inline const QColor kMoneyGreen{192, 220, 192};
inline const QColor kWhite{255, 255, 255};
inline const QColor kRed{255, 0, 0};
inline const QColor kNavy{0, 0, 128};
inline const QColor kBlack{0, 0, 0};
inline const QColor kSkyBlue{166, 202, 240};
inline const QColor kSilver{192, 192, 192};
inline const QColor kGrey{128, 128, 128};

QFont font(const char* family, int pointSize, bool bold = false, bool underline = false);
inline QFont verdana(int pointSize, bool bold = false, bool underline = false) {
    return font("Verdana", pointSize, bold, underline);
}
inline QFont tahoma(int pointSize) {
    return font("Tahoma", pointSize);
}

// Sets the text colour of a label (or any widget's foreground).
void setTextColour(QWidget* widget, const QColor& colour);
QColor textColour(const QWidget* widget);

// Gives a widget a solid background of its own.
void setBackground(QWidget* widget, const QColor& colour);

} // namespace filmeria::style
