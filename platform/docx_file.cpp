// Word-processor documents as Office Open XML (WordprocessingML), packaged with libzip: the
// grid table of the archive exports and the card documents.
#include "platform/office_files.h"

#include <zip.h>

#include <cstdio>
#include <memory>
#include <sstream>

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

std::string paragraph(const std::string& text, const std::string& justification = {},
                      const std::string& runProperties = {}) {
    std::string p = "<w:p>";
    if (!justification.empty())
        p += "<w:pPr><w:jc w:val=\"" + justification + "\"/></w:pPr>";
    return p + runs(text, runProperties) + "</w:p>";
}

std::string table(const TextGrid& grid, const std::string& justification = {}) {
    std::size_t columns = 0;
    for (const auto& row : grid)
        columns = std::max(columns, row.size());
    std::string t = "<w:tbl><w:tblPr><w:tblStyle w:val=\"TableGrid\"/><w:tblW w:w=\"0\" w:type=\"auto\"/>"
                    "<w:tblBorders><w:top w:val=\"single\" w:sz=\"4\"/><w:left w:val=\"single\" w:sz=\"4\"/>"
                    "<w:bottom w:val=\"single\" w:sz=\"4\"/><w:right w:val=\"single\" w:sz=\"4\"/>"
                    "<w:insideH w:val=\"single\" w:sz=\"4\"/><w:insideV w:val=\"single\" w:sz=\"4\"/>"
                    "</w:tblBorders></w:tblPr><w:tblGrid>";
    for (std::size_t c = 0; c < columns; ++c)
        t += "<w:gridCol/>";
    t += "</w:tblGrid>";
    for (const auto& row : grid) {
        t += "<w:tr>";
        for (std::size_t c = 0; c < columns; ++c)
            t += "<w:tc>" + paragraph(c < row.size() ? row[c] : std::string(), justification) + "</w:tc>";
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

void writePackage(const std::string& path, const std::string& body, const Part* media) {
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
        std::string(kNamespaces) + "><w:body>" + body +
        "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1134\" "
        "w:right=\"1134\" w:bottom=\"1134\" w:left=\"1134\"/></w:sectPr></w:body></w:document>";

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

std::string inlinePicture(int widthPixels, int heightPixels) {
    // 96 pixels to the inch, 914400 EMU to the inch.
    const long cx = static_cast<long>(widthPixels) * 9525;
    const long cy = static_cast<long>(heightPixels) * 9525;
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

void writeTableDocument(const std::string& path, const TextGrid& grid) {
    writePackage(path, table(grid) + "<w:p/>", nullptr);
}

void writeCardDocument(const std::string& path, const CardDocument& card) {
    std::string body = titleParagraph(card.title) + titleParagraph("");
    const Part picture{"picture." + card.pictureExtension, card.picture};
    if (!card.picture.empty())
        body += inlinePicture(card.pictureWidth, card.pictureHeight);
    TextGrid rows;
    for (const auto& [label, value] : card.rows)
        rows.push_back({label, value});
    body += table(rows, "both") + "<w:p/>";
    writePackage(path, body, card.picture.empty() ? nullptr : &picture);
}

} // namespace filmeria
