// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/DocumentWriter.h"

#include <archive.h>
#include <archive_entry.h>
#include <zlib.h>

#include <QString>
#include <stdexcept>

namespace {
la_ssize_t append(archive*, void* data, const void* bytes, size_t size) {
  static_cast<std::string*>(data)->append(static_cast<const char*>(bytes), size);
  return la_ssize_t(size);
}

void check(int status, archive* a) {
  if (status < ARCHIVE_WARN) throw std::runtime_error(archive_error_string(a) ? archive_error_string(a) : "archive");
}

std::string xmlEscaped(std::string_view s) {
  std::string out;
  for (char c : s) out += c == '<' ? "&lt;" : c == '&' ? "&amp;" : c == '"' ? "&quot;" : std::string(1, c);
  return out;
}

std::string joined(const std::vector<std::string>& runs) {
  std::string s;
  for (const std::string& r : runs) s += r;
  return s;
}

const char* kXml = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
}  // namespace

const char* DocumentWriter::suffix(Format format) {
  switch (format) {
    case Format::Odt: return ".odt";
    case Format::Docx: return ".docx";
    case Format::Xlsx: return ".xlsx";
    case Format::Pptx: return ".pptx";
    case Format::Epub: return ".epub";
    case Format::Pdf: return ".pdf";
    case Format::Gzip: return ".txt.gz";
    case Format::Utf16: return ".txt";
  }
  return "";
}

std::string DocumentWriter::zip(const Parts& parts) {
  std::string out;
  archive* a = archive_write_new();
  check(archive_write_set_format_zip(a), a);
  archive_write_set_bytes_in_last_block(a, 1);
  check(archive_write_open(a, &out, nullptr, append, nullptr), a);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    check(i == 0 ? archive_write_zip_set_compression_store(a) : archive_write_zip_set_compression_deflate(a), a);
    archive_entry* e = archive_entry_new();
    archive_entry_set_pathname(e, parts[i].first.c_str());
    archive_entry_set_filetype(e, AE_IFREG);
    archive_entry_set_perm(e, 0644);
    archive_entry_set_size(e, la_int64_t(parts[i].second.size()));
    check(archive_write_header(a, e), a);
    archive_write_data(a, parts[i].second.data(), parts[i].second.size());
    archive_entry_free(e);
  }
  archive_write_close(a);
  archive_write_free(a);
  return out;
}

std::string DocumentWriter::compressed(std::string_view bytes, const char* filter) {
  std::string out;
  archive* a = archive_write_new();
  check(archive_write_set_format_raw(a), a);
  check(archive_write_add_filter_by_name(a, filter), a);
  archive_write_set_bytes_in_last_block(a, 1);
  check(archive_write_open(a, &out, nullptr, append, nullptr), a);
  archive_entry* e = archive_entry_new();
  archive_entry_set_pathname(e, "data");
  archive_entry_set_filetype(e, AE_IFREG);
  archive_entry_set_size(e, la_int64_t(bytes.size()));
  check(archive_write_header(a, e), a);
  archive_write_data(a, bytes.data(), bytes.size());
  archive_entry_free(e);
  archive_write_close(a);
  archive_write_free(a);
  return out;
}

std::string DocumentWriter::utf16(std::string_view utf8, bool littleEndian) {
  const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
  std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (const QChar c : text) {
    const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
    out += littleEndian ? std::string{low, high} : std::string{high, low};
  }
  return out;
}

// One content stream per page, deflated as real PDFs are; each line one Tj
// per run (runs of a line follow each other, cells stand apart).
std::string DocumentWriter::pdf(const std::vector<std::vector<std::string>>& pages, bool encrypted) {
  std::vector<std::string> objects{"<< /Type /Catalog /Pages 2 0 R >>", "",
                                   "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
  std::string kids;
  for (const std::vector<std::string>& lines : pages) {
    std::string content = "BT /F1 11 Tf 72 740 Td 14 TL\n";
    for (const std::string& line : lines) {
      std::string escaped;
      for (char c : line) escaped += c == '(' || c == ')' || c == '\\' ? std::string{'\\', c} : std::string(1, c);
      // A tab stands for a cell edge: the next cell 150 points on.
      std::size_t from = 0, cell = 0;
      for (std::size_t tab; (tab = escaped.find('\t', from)) != std::string::npos; from = tab + 1, ++cell)
        content += "(" + escaped.substr(from, tab - from) + ") Tj 150 0 Td\n";
      content += "(" + escaped.substr(from) + ") Tj -" + std::to_string(150 * cell) + " -14 Td\n";
    }
    content += "ET\n";
    uLongf size = compressBound(uLong(content.size()));
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(content.data()),
             uLong(content.size()));
    packed.resize(size);
    const std::size_t page = objects.size() + 1;
    objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /Font << /F1 3 0 R >> >> "
                      "/Contents " +
                      std::to_string(page + 1) + " 0 R >>");
    objects.push_back("<< /Length " + std::to_string(packed.size()) + " /Filter /FlateDecode >>\nstream\n" + packed +
                      "\nendstream");
    kids += std::to_string(page) + " 0 R ";
  }
  objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>";
  std::string trailerExtra;
  if (encrypted) {
    const std::string key(64, 'a');  // no password gives this check value
    objects.push_back("<< /Filter /Standard /V 1 /R 2 /O <" + key + "> /U <" + key + "> /P -4 >>");
    trailerExtra = " /Encrypt " + std::to_string(objects.size()) +
                   " 0 R /ID [<00112233445566778899aabbccddeeff> "
                   "<00112233445566778899aabbccddeeff>]";
  }
  std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t offset : offsets) {
    char line[21];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
    out += line;
  }
  out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R" + trailerExtra +
         " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return out;
}

std::string DocumentWriter::write(Format format) const {
  switch (format) {
    case Format::Odt: return odt();
    case Format::Docx: return docx();
    case Format::Xlsx: return xlsx();
    case Format::Pptx: return pptx();
    case Format::Epub: return epub();
    case Format::Pdf: {
      std::vector<std::string> first{header};
      for (const auto& runs : paragraphs) first.push_back(joined(runs));
      std::string row;
      for (const std::string& c : cells) row += (row.empty() ? "" : "\t") + c;
      first.push_back(row);
      return pdf({first, {"page two"}, {note}});
    }
    case Format::Gzip: return compressed(plain(), "gzip");
    case Format::Utf16: return utf16(plain(), true);
  }
  return {};
}

// As a plain text file shows it: the decoys are only ever in markup, and
// cells stand apart.
std::string DocumentWriter::plain() const {
  std::string out = header + "\n";
  for (const auto& runs : paragraphs) out += joined(runs) + "\n";
  for (const std::string& c : cells) out += c + "\n";
  return out + note + "\n";
}

std::string DocumentWriter::odt() const {
  const std::string ns =
      R"( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" office:version="1.3")";
  std::string body = std::string(kXml) + "<office:document-content" + ns + "><office:body><office:text>";
  body += "<text:p text:style-name=\"" + xmlEscaped(inAttribute) + "\"><!--" + inComment + "--></text:p>";
  for (const auto& runs : paragraphs) {
    body += "<text:p>";
    for (const std::string& r : runs) body += "<text:span>" + xmlEscaped(r) + "</text:span>";
    body += "</text:p>";
  }
  body += "<table:table><table:table-row>";
  for (const std::string& c : cells)
    body += "<table:table-cell><text:p>" + xmlEscaped(c) + "</text:p></table:table-cell>";
  body += "</table:table-row></table:table><text:p>x<text:note><text:note-body><text:p>" + xmlEscaped(note) +
          "</text:p></text:note-body></text:note></text:p></office:text></office:body></office:document-content>";
  const std::string styles =
      std::string(kXml) + "<office:document-styles" + ns +
      "><office:master-styles><style:master-page><style:header><text:p>" + xmlEscaped(header) +
      "</text:p></style:header></style:master-page></office:master-styles></office:document-styles>";
  return zip({{"mimetype", "application/vnd.oasis.opendocument.text"},
              {"content.xml", body},
              {"styles.xml", styles},
              {"META-INF/manifest.xml",
               std::string(kXml) +
                   "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\"/>"}});
}

namespace {
const char* kW = R"( xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")";
std::string wordParagraph(const std::vector<std::string>& runs) {
  std::string p = "<w:p>";
  for (const std::string& r : runs)
    p += "<w:r><w:rPr><w:b/></w:rPr><w:t xml:space=\"preserve\">" + xmlEscaped(r) + "</w:t></w:r>";
  return p + "</w:p>";
}
std::string contentTypes(const std::string& main) {
  return std::string(kXml) +
         R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="xml" ContentType="application/xml"/><Override PartName="/main" ContentType="application/vnd.openxmlformats-officedocument.)" +
         main + "\"/></Types>";
}
}  // namespace

std::string DocumentWriter::docx() const {
  std::string body = std::string(kXml) + "<w:document" + kW + "><w:body>";
  body += "<w:p w:rsidR=\"" + xmlEscaped(inAttribute) + "\"><!--" + inComment + "--></w:p>";
  for (const auto& runs : paragraphs) body += wordParagraph(runs);
  body += "<w:tbl><w:tr>";
  for (const std::string& c : cells) body += "<w:tc>" + wordParagraph({c}) + "</w:tc>";
  body += "</w:tr></w:tbl></w:body></w:document>";
  return zip({{"[Content_Types].xml", contentTypes("wordprocessingml.document.main+xml")},
              {"word/document.xml", body},
              {"word/header1.xml", std::string(kXml) + "<w:hdr" + kW + ">" + wordParagraph({header}) + "</w:hdr>"},
              {"word/footnotes.xml", std::string(kXml) + "<w:footnotes" + kW + "><w:footnote>" + wordParagraph({note}) +
                                         "</w:footnote></w:footnotes>"}});
}

std::string DocumentWriter::xlsx() const {
  const char* ns = R"( xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main")";
  std::string strings = std::string(kXml) + "<sst" + ns + ">";
  std::string sheet = std::string(kXml) + "<worksheet" + ns + "><sheetData><row r=\"1\">";
  int index = 0;
  for (const auto& runs : paragraphs) {
    strings += "<si>";
    for (const std::string& r : runs) strings += "<r><rPr><b/></rPr><t>" + xmlEscaped(r) + "</t></r>";
    strings += "</si>";
    sheet += "<c t=\"s\"><v>" + std::to_string(index++) + "</v></c>";
  }
  for (const std::string& c : cells) {
    strings += "<si><t>" + xmlEscaped(c) + "</t></si>";
    sheet += "<c t=\"s\"><v>" + std::to_string(index++) + "</v></c>";
  }
  strings += "</sst>";
  for (const std::string& s : {header, note}) sheet += "<c t=\"inlineStr\"><is><t>" + xmlEscaped(s) + "</t></is></c>";
  sheet +=
      "<c r=\"" + xmlEscaped(inAttribute) + "\"><v>1</v></c><!--" + inComment + "--></row></sheetData></worksheet>";
  return zip({{"[Content_Types].xml", contentTypes("spreadsheetml.sheet.main+xml")},
              {"xl/sharedStrings.xml", strings},
              {"xl/worksheets/sheet1.xml", sheet}});
}

std::string DocumentWriter::pptx() const {
  const char* ns =
      R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main")";
  const auto slide = [&](const std::string& root, const std::string& inner) {
    return std::string(kXml) + "<p:" + root + ns + "><p:cSld><p:spTree>" + inner + "</p:spTree></p:cSld></p:" + root +
           ">";
  };
  const auto shape = [](const std::vector<std::vector<std::string>>& paras) {
    std::string s = "<p:sp><p:txBody>";
    for (const auto& runs : paras) {
      s += "<a:p>";
      for (const std::string& r : runs) s += "<a:r><a:rPr lang=\"en\"/><a:t>" + xmlEscaped(r) + "</a:t></a:r>";
      s += "</a:p>";
    }
    return s + "</p:txBody></p:sp>";
  };
  std::string table = "<p:graphicFrame><a:tbl><a:tr>";
  for (const std::string& c : cells)
    table += "<a:tc><a:txBody><a:p><a:r><a:t>" + xmlEscaped(c) + "</a:t></a:r></a:p></a:txBody></a:tc>";
  table += "</a:tr></a:tbl></p:graphicFrame>";
  const std::string decoys = "<p:sp name=\"" + xmlEscaped(inAttribute) + "\"><!--" + inComment + "--></p:sp>";
  return zip({{"[Content_Types].xml", contentTypes("presentationml.presentation.main+xml")},
              {"ppt/slides/slide1.xml", slide("sld", shape({{header}}) + shape(paragraphs) + decoys)},
              {"ppt/slides/slide2.xml", slide("sld", table)},
              {"ppt/notesSlides/notesSlide1.xml", slide("notes", shape({{note}}))}});
}

std::string DocumentWriter::epub() const {
  std::string page = std::string(kXml) +
                     "<!DOCTYPE html><html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>t</title>"
                     "<style>p { }</style></head><body><h1>" +
                     xmlEscaped(header) + "</h1>";
  page += "<p class=\"" + xmlEscaped(inAttribute) + "\"><!--" + inComment + "--></p>";
  for (const auto& runs : paragraphs) {
    page += "<p>";
    for (const std::string& r : runs) page += "<span>" + xmlEscaped(r) + "</span>";
    page += "</p>";
  }
  page += "<table><tr>";
  for (const std::string& c : cells) page += "<td>" + xmlEscaped(c) + "</td>";
  page += "</tr></table><aside epub:type=\"footnote\" xmlns:epub=\"http://www.idpf.org/2007/ops\"><p>" +
          xmlEscaped(note) + "</p></aside></body></html>";
  return zip(
      {{"mimetype", "application/epub+zip"},
       {"META-INF/container.xml",
        std::string(kXml) +
            "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles><rootfile "
            "full-path=\"OEBPS/book.opf\" media-type=\"application/oebps-package+xml\"/></rootfiles></container>"},
       {"OEBPS/book.opf",
        std::string(kXml) + "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\"><manifest><item id=\"c1\" "
                            "href=\"chapter1.xhtml\" media-type=\"application/xhtml+xml\"/></manifest><spine><itemref "
                            "idref=\"c1\"/></spine></package>"},
       {"OEBPS/chapter1.xhtml", page}});
}
