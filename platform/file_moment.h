#pragma once
// The moment in the names of the files the program writes (printouts kept as PDF in Stampe/,
// exports in Esportazioni/): one form everywhere, year first, so a folder sorted by name is
// sorted by time.
#include <QDateTime>
#include <QString>

namespace filmeria {

inline QString momentInFileName(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
}

} // namespace filmeria
