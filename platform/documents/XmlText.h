// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QXmlStreamReader>
#include <cstddef>

#include "platform/documents/TextOut.h"

// The text a reader sees in one XML part of a document, fed in pieces of
// any size: the runs of a paragraph joined, a line break after each
// paragraph, cell and slide; attributes, comments and markup never. A part
// that declares entities is refused as damaged: nothing is expanded.
class XmlText {
public:
  enum class Part {
    WordText,      // a word-processing body, header, footer, notes or comments
    SheetStrings,  // a workbook's shared strings
    SheetCells,    // a worksheet: its inline strings
    SlideText,     // a slide or its notes
    OdfContent,    // an OpenDocument's body
    OdfStyles,     // its headers and footers
    OdfMeta,       // its title, subject and keywords
    Xhtml,         // an e-book's content document
  };
  XmlText(Part part, TextOut& out) : part_(part), out_(out) {}
  // False once nothing more is wanted (found, failed, or over a limit).
  bool feed(const char* data, std::size_t size);
  // The part has ended: false when its XML was not whole.
  bool finish();

private:
  bool readTokens();
  void start();
  void end();
  void characters();
  bool textHere() const;

  Part part_;
  TextOut& out_;
  QXmlStreamReader xml_;
  int scope_ = 0;  // open elements whose text counts (or inside which it can)
  int skip_ = 0;   // open elements whose text never counts
  int text_ = 0;   // open elements that hold text runs
  static constexpr std::size_t kLongestToken = std::size_t{16} << 20;
  std::size_t unread_ = 0;  // bytes fed since the last whole token
};
