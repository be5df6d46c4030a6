// Word-processor documents as Office Open XML (WordprocessingML), packaged with libzip: the
// grid table of the archive exports and the card documents.
#include "platform/office_files.h"

#include "core/table_layout.h"

#include <zip.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <vector>

namespace filmeria {
namespace {

struct DiscardArchive {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, DiscardArchive>;

std::string escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // XML holds no other control characters; tabs become blanks.
            if (static_cast<unsigned char>(c) < 32)
                out += ' ';
            else
                out += c;
        }
    }
    return out;
}

// The runs of one paragraph: a line break (CR LF, LF or CR) inside the text stays a break.
std::string runs(const std::string& text, const std::string& properties = {}) {
    std::string out;
    std::string line;
    const auto flush = [&] {
        out += "<w:r>" + properties + "<w:t xml:space=\"preserve\">" + escaped(line) + "</w:t></w:r>";
        line.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            flush();
            out += "<w:r>" + properties + "<w:br/></w:r>";
        } else {
            line += text[i];
        }
    }
    flush();
    return out;
}

// Page sizes and margins in twips (1/1440 inch): A4 upright with 2 cm margins for a card,
// A4 across with narrow margins (1.27 cm) for a table.
constexpr int kA4Short = 11906;
constexpr int kA4Long = 16838;
constexpr int kCardMargin = 1134;
constexpr int kTableMargin = 720;

std::string sectionProperties(bool across) {
    const int margin = across ? kTableMargin : kCardMargin;
    std::ostringstream s;
    s << "<w:sectPr><w:pgSz w:w=\"" << (across ? kA4Long : kA4Short) << "\" w:h=\""
      << (across ? kA4Short : kA4Long) << "\"" << (across ? " w:orient=\"landscape\"" : "")
      << "/><w:pgMar w:top=\"" << margin << "\" w:right=\"" << margin << "\" w:bottom=\"" << margin
      << "\" w:left=\"" << margin << "\" w:header=\"0\" w:footer=\"0\" w:gutter=\"0\"/></w:sectPr>";
    return s.str();
}

std::string arial(double points, bool bold) {
    const std::string size = std::to_string(std::lround(points * 2)); // in half points
    return "<w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" w:cs=\"Arial\"/>" +
           std::string(bold ? "<w:b/>" : "") + "<w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size +
           "\"/></w:rPr>";
}

const char* const kTableBorders =
    "<w:tblBorders><w:top w:val=\"single\" w:sz=\"4\"/><w:left w:val=\"single\" w:sz=\"4\"/>"
    "<w:bottom w:val=\"single\" w:sz=\"4\"/><w:right w:val=\"single\" w:sz=\"4\"/>"
    "<w:insideH w:val=\"single\" w:sz=\"4\"/><w:insideV w:val=\"single\" w:sz=\"4\"/></w:tblBorders>";

// A table of fixed column widths: the cells' paragraphs with the given run properties (bold ones
// for a heading row), `justification` for every paragraph.
struct TableStyle {
    std::vector<int> columnTwips;
    std::string runProperties;
    std::string headingRunProperties; // empty: no heading row
    std::string justification;
};

std::string cell(const std::string& text, int width, const std::string& runProperties,
                 const std::string& justification, bool heading) {
    std::string c = "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(width) + "\" w:type=\"dxa\"/>";
    if (heading)
        c += "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"D9E2F3\"/>";
    c += "</w:tcPr><w:p><w:pPr><w:spacing w:before=\"0\" w:after=\"0\"/>";
    if (!justification.empty())
        c += "<w:jc w:val=\"" + justification + "\"/>";
    // The paragraph mark takes the cell's font too, so an empty cell is no taller than a full one.
    return c + runProperties + "</w:pPr>" + runs(text, runProperties) + "</w:p></w:tc>";
}

std::string table(const TextGrid& grid, const TableStyle& style) {
    const std::vector<int>& widths = style.columnTwips;
    int total = 0;
    for (const int w : widths)
        total += w;
    // In the schema's order: width, borders, layout, cell margins.
    std::string t = "<w:tbl><w:tblPr><w:tblW w:w=\"" + std::to_string(total) + "\" w:type=\"dxa\"/>" +
                    kTableBorders + "<w:tblLayout w:type=\"fixed\"/>" + "<w:tblCellMar><w:left w:w=\"" +
                    std::to_string(kTableCellMarginTwips) + "\" w:type=\"dxa\"/><w:right w:w=\"" +
                    std::to_string(kTableCellMarginTwips) +
                    "\" w:type=\"dxa\"/></w:tblCellMar></w:tblPr><w:tblGrid>";
    for (const int w : widths)
        t += "<w:gridCol w:w=\"" + std::to_string(w) + "\"/>";
    t += "</w:tblGrid>";
    for (std::size_t r = 0; r < grid.size(); ++r) {
        const bool heading = r == 0 && !style.headingRunProperties.empty();
        // The heading row stands whole at the top of every page.
        t += heading ? "<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>" : "<w:tr>";
        for (std::size_t c = 0; c < widths.size(); ++c)
            t += cell(c < grid[r].size() ? grid[r][c] : std::string(), widths[c],
                      heading ? style.headingRunProperties : style.runProperties, style.justification,
                      heading);
        t += "</w:tr>";
    }
    return t + "</w:tbl>";
}

constexpr const char* kNamespaces =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"";

struct Part {
    std::string name;
    std::string bytes;
};

void writePackage(const std::string& path, const std::string& body, const std::string& section,
                  const Part* media) {
    if (FILE* existing = std::fopen(path.c_str(), "rb")) {
        std::fclose(existing);
        throw OfficeError("the file '" + path + "' exists already");
    }
    std::string types = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                        "<Default Extension=\"rels\" "
                        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    std::string documentRels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    if (media) {
        const std::string extension = media->name.substr(media->name.rfind('.') + 1);
        types += "<Default Extension=\"" + extension + "\" ContentType=\"image/" + extension + "\"/>";
        documentRels += "<Relationship Id=\"rIdPicture\" "
                        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/image\" "
                        "Target=\"media/" +
                        media->name + "\"/>";
    }
    types +=
        "<Override PartName=\"/word/document.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
        "</Types>";
    documentRels += "</Relationships>";
    const std::string rels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
        "Target=\"word/document.xml\"/></Relationships>";
    const std::string document =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:document " +
        std::string(kNamespaces) + "><w:body>" + body + section + "</w:body></w:document>";

    int error = 0;
    ZipArchive archive(zip_open(path.c_str(), ZIP_CREATE | ZIP_EXCL, &error));
    if (!archive)
        throw OfficeError("cannot create the document '" + path + "'");
    const Part parts[] = {{"[Content_Types].xml", types},
                          {"_rels/.rels", rels},
                          {"word/document.xml", document},
                          {"word/_rels/document.xml.rels", documentRels}};
    const auto add = [&](const std::string& name, const std::string& bytes) {
        zip_source_t* source = zip_source_buffer(archive.get(), bytes.data(), bytes.size(), 0);
        if (!source || zip_file_add(archive.get(), name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source)
                zip_source_free(source);
            throw OfficeError("cannot write '" + name + "' into '" + path + "'");
        }
    };
    for (const Part& part : parts)
        add(part.name, part.bytes);
    if (media)
        add("word/media/" + media->name, media->bytes);
    // The buffers live until the archive is written out here.
    if (zip_close(archive.get()) != 0) {
        std::remove(path.c_str());
        throw OfficeError("cannot write the document '" + path + "'");
    }
    static_cast<void>(archive.release()); // closed by zip_close
}

constexpr long kEmuPerTwip = 635;

// The picture of a card, its extent in EMU (914400 to the inch).
std::string inlinePicture(long cx, long cy) {
    std::ostringstream p;
    p << "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:r><w:drawing><wp:inline><wp:extent cx=\"" << cx
      << "\" cy=\"" << cy
      << "\"/><wp:docPr id=\"1\" name=\"Immagine\"/><a:graphic><a:graphicData "
         "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic><pic:nvPicPr><pic:cNvPr "
         "id=\"1\" "
         "name=\"Immagine\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed=\"rIdPicture\"/>"
         "<a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" "
         "y=\"0\"/><a:ext cx=\""
      << cx << "\" cy=\"" << cy
      << "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic></a:graphicData>"
         "</a:graphic></wp:inline></w:drawing></w:r></w:p>";
    return p.str();
}

// A centred paragraph in bold Arial 10, its mark included, so the empty one below the title
// has the title's height and style.
std::string titleParagraph(const std::string& text) {
    const std::string style = "<w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" w:cs=\"Arial\"/><w:b/>"
                              "<w:sz w:val=\"20\"/></w:rPr>";
    return "<w:p><w:pPr><w:jc w:val=\"center\"/>" + style + "</w:pPr>" + runs(text, style) + "</w:p>";
}

} // namespace

void writeTableDocument(const std::string& path, const TableDocument& document) {
    const TableLayout layout = fitTableToWidth(document.rows, kA4Long - 2 * kTableMargin);
    const std::string body =
        "<w:p><w:pPr><w:spacing w:before=\"0\" w:after=\"120\"/></w:pPr>" +
        runs(document.title, arial(12, true)) + "</w:p>" +
        table(document.rows,
              {layout.columnTwips, arial(layout.fontPoints, false), arial(layout.fontPoints, true), {}}) +
        "<w:p/>";
    writePackage(path, body, sectionProperties(true), nullptr);
}

void writeCardDocument(const std::string& path, const CardDocument& card) {
    std::string body = titleParagraph(card.title) + titleParagraph("");
    const Part picture{"picture." + card.pictureExtension, card.picture};
    if (!card.picture.empty()) {
        // As large as the text's width and half its height allow, in its proportions, never enlarged.
        const double textWidth = kA4Short - 2 * kCardMargin;
        const double halfHeight = (kA4Long - 2 * kCardMargin) / 2.0;
        const double natural = 15; // twips per pixel at 96 pixels to the inch
        const double scale = std::min(
            {1.0, textWidth / (card.pictureWidth * natural), halfHeight / (card.pictureHeight * natural)});
        body += inlinePicture(static_cast<long>(card.pictureWidth * natural * scale * kEmuPerTwip),
                              static_cast<long>(card.pictureHeight * natural * scale * kEmuPerTwip));
    }
    TextGrid rows;
    for (const auto& [label, value] : card.rows)
        rows.push_back({label, value});
    const int labels = (kA4Short - 2 * kCardMargin) * 3 / 10;
    body +=
        table(rows, {{labels, kA4Short - 2 * kCardMargin - labels}, arial(10, false), {}, "both"}) + "<w:p/>";
    writePackage(path, body, sectionProperties(false), card.picture.empty() ? nullptr : &picture);
}

} // namespace filmeria
