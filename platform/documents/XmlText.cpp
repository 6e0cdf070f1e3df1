// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documents/XmlText.h"

#include <QByteArray>
#include <algorithm>
#include <iterator>

namespace {
using Part = XmlText::Part;

bool oneOf(QStringView name, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == QLatin1StringView(n); });
}

// Elements whose end ends a line: paragraphs, cells, list items.
bool endsLine(Part part, QStringView name) {
  switch (part) {
    case Part::WordText: return oneOf(name, {"p", "tc"});
    case Part::SheetStrings: return name == u"si";
    case Part::SheetCells: return name == u"is";
    case Part::SlideText: return name == u"p";
    case Part::OdfContent:
    case Part::OdfStyles: return oneOf(name, {"text:p", "text:h", "table:table-cell", "draw:page", "text:list-item"});
    case Part::OdfMeta: return oneOf(name, {"dc:title", "dc:subject", "meta:keyword"});
    case Part::Xhtml:
      return oneOf(name, {"p",     "div",        "h1",         "h2",      "h3",      "h4",     "h5",      "h6",
                          "li",    "td",         "th",         "tr",      "br",      "pre",    "dt",      "dd",
                          "table", "blockquote", "section",    "article", "header",  "footer", "aside",   "ul",
                          "ol",    "hr",         "figcaption", "nav",     "caption", "title",  "address", "main"});
  }
  return false;
}

// Where text counts at all (a scope), and the elements whose text never does.
bool opensScope(Part part, QStringView name) {
  switch (part) {
    case Part::SheetCells: return name == u"is";
    case Part::OdfContent: return name == u"office:body";
    case Part::OdfStyles:
      return oneOf(name, {"style:header", "style:footer", "style:header-left", "style:footer-left",
                          "style:header-first", "style:footer-first"});
    case Part::OdfMeta: return oneOf(name, {"dc:title", "dc:subject", "meta:keyword"});
    case Part::Xhtml: return name == u"body";
    default: return true;
  }
}

bool skipped(Part part, QStringView name) {
  switch (part) {
    case Part::SheetStrings: return name == u"rPh";  // phonetic guides, not shown
    case Part::OdfContent:
    case Part::OdfStyles: return oneOf(name, {"text:tracked-changes", "dc:creator", "dc:date"});
    case Part::Xhtml: return oneOf(name, {"script", "style"});
    default: return false;
  }
}

// The formats whose XML keeps its runs in text elements; the others take the
// text of every element in scope, with white space run together as shown.
bool runsOnly(Part part) {
  return part == Part::WordText || part == Part::SheetStrings || part == Part::SheetCells || part == Part::SlideText;
}

void addText(TextOut& out, QStringView text) {
  const QByteArray utf8 = text.toUtf8();
  out.add(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

QStringView nameOf(Part part, const QXmlStreamReader& xml) {
  return runsOnly(part) || part == Part::Xhtml ? xml.name() : xml.qualifiedName();
}
}  // namespace

bool XmlText::feed(const char* data, std::size_t size) {
  // The reader keeps an unfinished token whole (a start tag with a huge
  // attribute): no part a reader sees has one this long.
  unread_ += size;
  if (unread_ > kLongestToken) {
    out_.fail(DocumentOutcome::TooLarge);
    return false;
  }
  xml_.addData(QByteArray::fromRawData(data, qsizetype(size)));
  return readTokens();
}

bool XmlText::finish() {
  if (readTokens() && xml_.hasError()) out_.fail(DocumentOutcome::Damaged);
  return out_.lineBreak();
}

bool XmlText::readTokens() {
  int sinceCheck = 0;
  while (!xml_.atEnd()) {
    const QXmlStreamReader::TokenType token = xml_.readNext();
    if (token != QXmlStreamReader::Invalid) unread_ = 0;
    switch (token) {
      case QXmlStreamReader::DTD:
        // QXmlStreamReader expands entities a DTD declares (within its own
        // limit); no document part needs them, so none is let in.
        if (!xml_.entityDeclarations().isEmpty()) {
          out_.fail(DocumentOutcome::Damaged);
          return false;
        }
        break;
      case QXmlStreamReader::StartElement: start(); break;
      case QXmlStreamReader::EndElement: end(); break;
      case QXmlStreamReader::Characters: characters(); break;
      default: break;
    }
    if (out_.enough() || out_.failed()) return false;
    if (++sinceCheck == 4096 && !out_.goOn()) return false;
    sinceCheck %= 4096;
  }
  if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError) return true;  // more is to come
  if (xml_.hasError()) {
    out_.fail(DocumentOutcome::Damaged);
    return false;
  }
  return true;
}

bool XmlText::textHere() const { return skip_ == 0 && scope_ > 0 && (!runsOnly(part_) || text_ > 0); }

void XmlText::start() {
  const QStringView name = nameOf(part_, xml_);
  if (skip_ > 0 || skipped(part_, name)) {
    ++skip_;
    return;
  }
  if (scope_ > 0 || opensScope(part_, name)) ++scope_;
  if (runsOnly(part_)) {
    if (text_ > 0 || name == u"t") ++text_;
    if (scope_ == 0) return;
    if (name == u"tab") out_.add("\t");
    else if (name == u"br" || name == u"cr") out_.lineBreak();
    return;
  }
  if (!textHere()) return;
  if (name == u"text:s") out_.add(" ");
  else if (name == u"text:tab") out_.add("\t");
  else if (name == u"text:line-break" || name == u"br") out_.lineBreak();
}

void XmlText::end() {
  const QStringView name = nameOf(part_, xml_);
  if (skip_ > 0) {
    --skip_;
    return;
  }
  if (text_ > 0) --text_;
  if (scope_ == 0) return;
  if (endsLine(part_, name)) out_.lineBreak();
  --scope_;
}

void XmlText::characters() {
  if (!textHere()) return;
  const QStringView text = xml_.text();
  if (runsOnly(part_)) {
    addText(out_, text);
    return;
  }
  // As shown: each run of white space one space.
  QString shown;
  shown.reserve(text.size());
  bool space = false;
  for (const QChar c : text) {
    const bool white = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
    if (white && space) continue;
    space = white;
    shown.append(white ? QChar(u' ') : c);
  }
  addText(out_, shown);
}
