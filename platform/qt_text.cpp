#include "platform/qt_text.h"

#include "core/text_rules.h"
#include "core/windows1252.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>
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

namespace {

// Letters with no accent to take away, and signs with a plain twin, by their own table.
QString ownClosest(char32_t c) {
    switch (c) {
    case U'\u0141': // Ł
    case U'\u013F': // Ŀ
        return QStringLiteral("L");
    case U'\u0142': // ł
    case U'\u0140': // ŀ
        return QStringLiteral("l");
    case U'\u0110': // Đ
        return QStringLiteral("D");
    case U'\u0111': // đ
        return QStringLiteral("d");
    case U'\u0126': // Ħ
        return QStringLiteral("H");
    case U'\u0127': // ħ
        return QStringLiteral("h");
    case U'\u0131': // ı
        return QStringLiteral("i");
    case U'\u0166': // Ŧ
        return QStringLiteral("T");
    case U'\u0167': // ŧ
        return QStringLiteral("t");
    case U'\u014A': // Ŋ
        return QStringLiteral("N");
    case U'\u014B': // ŋ
        return QStringLiteral("n");
    case U'\u0138': // ĸ
        return QStringLiteral("k");
    case U'\u1E9E': // capital sharp s
        return QStringLiteral("SS");
    case U'\u2010':
    case U'\u2011':
    case U'\u2012':
    case U'\u2212': // hyphens and the minus sign
        return QStringLiteral("-");
    case U'\u2032':
        return QStringLiteral("'");
    case U'\u2033':
        return QStringLiteral("\"");
    default:
        return {};
    }
}

QString closestOf(char32_t c) {
    if (QString own = ownClosest(c); !own.isEmpty())
        return own;
    // The decomposed form without its marks: a letter and its accents, or the plain characters
    // of a compatibility form.
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    QString plain;
    for (const QChar part : decomposed) {
        if (part.isMark())
            continue;
        if (cp1252FromUnicode(part.unicode()) < 0 || part.isSurrogate())
            return QStringLiteral("?");
        plain += part;
    }
    return plain.isEmpty() ? QStringLiteral("?") : plain;
}

// The closest text, and where a position of the original lands in it.
QString closest(const QString& text, int* position) {
    QString out;
    out.reserve(text.size());
    int moved = position ? *position : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate() && cp1252FromUnicode(c.unicode()) >= 0) {
            out += c;
            continue;
        }
        qsizetype length = 1;
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text[i + 1]);
            length = 2;
        }
        const QString replacement = closestOf(code);
        if (position && i < *position)
            moved += static_cast<int>(replacement.size() - length);
        out += replacement;
        i += length - 1;
    }
    if (position)
        *position = moved;
    return out;
}

// The window's status panel says once that letters were replaced.
void tellLettersReplaced(const QWidget* field) {
    if (!field)
        return;
    auto* status = field->window()->findChild<QLabel*>(QStringLiteral("panInfo"));
    const QString told =
        QString::fromUtf8(" Alcune lettere che l'archivio non può contenere sono state sostituite "
                          "con la più simile (ad esempio Ś con S).");
    if (status && status->text() != told)
        status->setText(told);
}

} // namespace

QString closestCp1252Text(const QString& text) {
    return isCp1252Text(text) ? text : closest(text, nullptr);
}

std::string toCp1252(const QString& text) {
    const QString held = closestCp1252Text(text);
    std::string out;
    out.reserve(static_cast<std::size_t>(held.size()));
    for (const QChar c : held) {
        const int byte = cp1252FromUnicode(c.unicode());
        out += static_cast<char>(byte < 0 ? '?' : byte);
    }
    return out;
}

std::string storedBytes(const QString& text) {
    return trimmed(toCp1252(text));
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
    input = closest(input, &pos);
    tellLettersReplaced(qobject_cast<const QWidget*>(parent()));
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
        int position = memo->textCursor().position();
        memo->setPlainText(closest(text, &position));
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(std::min(position, static_cast<int>(memo->document()->characterCount()) - 1));
        memo->setTextCursor(cursor);
        tellLettersReplaced(memo);
    });
}

} // namespace filmeria
