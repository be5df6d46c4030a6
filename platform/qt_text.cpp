#include "platform/qt_text.h"

#include "core/text_rules.h"
#include "core/windows1252.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <array>

namespace filmeria {

QString fromCp1252(std::string_view bytes) {
    // One table lookup per byte into a string of the final length: lists convert every line
    // they draw.
    static const auto kTable = [] {
        std::array<char16_t, 256> table{};
        for (int b = 0; b < 256; ++b)
            table[static_cast<std::size_t>(b)] =
                static_cast<char16_t>(unicodeFromCp1252(static_cast<unsigned char>(b)));
        return table;
    }();
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    for (const char c : bytes)
        *to++ = kTable[static_cast<unsigned char>(c)];
    return out;
}

std::string toCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const int byte = cp1252FromUnicode(c.unicode());
        out += static_cast<char>(byte < 0 ? '?' : byte);
    }
    return out;
}

bool isCp1252Text(const QString& text) {
    for (const QChar c : text) {
        if (cp1252FromUnicode(c.unicode()) < 0)
            return false;
    }
    return true;
}

QString displayText(const QString& text) {
    return QString::fromStdString(normalisedLineBreaks(text.toStdString()));
}

QValidator::State Cp1252Validator::validate(QString& input, int& pos) const {
    if (isCp1252Text(input))
        return Acceptable;
    QString kept;
    int newPos = pos;
    for (int i = 0; i < input.size(); ++i) {
        if (cp1252FromUnicode(input[i].unicode()) >= 0)
            kept += input[i];
        else if (i < pos)
            --newPos;
    }
    input = kept;
    pos = newPos;
    return Acceptable;
}

void acceptOnlyCp1252(QLineEdit* field) {
    field->setValidator(new Cp1252Validator(field));
}

QString memoText(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void acceptOnlyCp1252(QPlainTextEdit* memo) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo] {
        const QString text = memoText(memo);
        if (isCp1252Text(text))
            return;
        QString kept;
        for (const QChar c : text) {
            if (cp1252FromUnicode(c.unicode()) >= 0)
                kept += c;
        }
        memo->setPlainText(kept);
        memo->moveCursor(QTextCursor::End);
    });
}

} // namespace filmeria
