// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Writes small documents of each format the document search reads, as a
// program that makes them would lay them out: the bench's corpus and the
// tests' files. The words go where a reader sees them; the decoys where a
// reader never does (an attribute, an XML comment, a cell apart).
struct DocumentWriter {
  enum class Format { Odt, Docx, Xlsx, Pptx, Epub, Pdf, Gzip, Utf16 };
  static constexpr Format kFormats[] = {Format::Odt,  Format::Docx, Format::Xlsx, Format::Pptx,
                                        Format::Epub, Format::Pdf,  Format::Gzip, Format::Utf16};
  static const char* suffix(Format format);

  std::vector<std::vector<std::string>> paragraphs;  // each as its runs
  std::string header;                                // a page header (a slide's title, a sheet's inline string)
  std::vector<std::string> cells;                    // one row of a table
  std::string note;                                  // a footnote, a slide's notes, the last page
  std::string inAttribute;                           // decoys
  std::string inComment;

  std::string write(Format format) const;

  // The pieces, for files made on purpose wrong.
  using Parts = std::vector<std::pair<std::string, std::string>>;  // name, content
  static std::string zip(const Parts& parts);                      // the first part stored, as the formats ask
  static std::string compressed(std::string_view bytes, const char* filter);  // gzip, xz, bzip2, zstd
  // Pages of lines; encrypted: locked with a password that is not empty.
  static std::string pdf(const std::vector<std::vector<std::string>>& pages, bool encrypted = false);
  static std::string utf16(std::string_view utf8, bool littleEndian);

private:
  std::string odt() const;
  std::string docx() const;
  std::string xlsx() const;
  std::string pptx() const;
  std::string epub() const;
  std::string plain() const;
};
