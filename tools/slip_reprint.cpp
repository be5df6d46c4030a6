#include "tools/slip_reprint.h"

#include "core/letterhead.h"
#include "core/posix_file.h"
#include "core/text_rules.h"
#include "platform/printing.h"
#include "platform/qt_services.h"
#include "platform/qt_text.h"
#include "rentals/slip_printout.h"

#include <QFileInfo>

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>

namespace filmeria {

int reprintSlip(const std::string& yearFile, const std::string& position,
                const std::optional<std::string>& pdf, std::ostream& out, std::ostream& err) {
    RentalRecord slip;
    try {
        const FileDescriptor fd(::open(yearFile.c_str(), O_RDONLY | O_CLOEXEC));
        if (!fd.isOpen())
            failOnFile("impossibile aprire", yearFile, errno);
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0)
            failOnFile("impossibile leggere la dimensione di", yearFile, errno);
        const std::size_t count = static_cast<std::size_t>(st.st_size) / kRentalRecordSize;
        std::size_t p = 0;
        const auto [end, ec] = std::from_chars(position.data(), position.data() + position.size(), p);
        if (ec != std::errc() || end != position.data() + position.size() || p < 1 || p > count) {
            err << yearFile << ": nessuna scheda alla posizione " << position << " (il file contiene "
                << count << (count == 1 ? " scheda)\n" : " schede)\n");
            return 1;
        }
        std::string bytes(kRentalRecordSize, '\0');
        readExactly(fd.get(), bytes.data(), bytes.size(), static_cast<off_t>((p - 1) * kRentalRecordSize),
                    yearFile);
        slip = RentalRecord::decode(bytes);
    } catch (const ArchiveError& e) {
        err << e.what() << "\n";
        return 2;
    }

    const QString folder = QFileInfo(QString::fromStdString(yearFile)).absolutePath() + QLatin1Char('/');
    const Letterhead letterhead = readLetterhead(folder.toStdString());
    const QString name = fromCp1252(slipDocumentName(slip));
    const PrintDrawing draw = [&](PrintCanvas& canvas) { printSlip(canvas, letterhead, slip); };
    try {
        if (pdf) {
            printToPdf(QString::fromStdString(*pdf), name, draw);
            out << *pdf << "\n";
            return 0;
        }
        SystemClock clock;
        SystemPrinting printing(folder, clock);
        if (const auto saved = printing.print(name, draw))
            out << "nessuna stampante installata: stampa salvata in " << saved->toStdString() << "\n";
        else
            out << "scheda inviata alla stampante predefinita\n";
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return 2;
    }
    return 0;
}

} // namespace filmeria
