// SPDX-License-Identifier: GPL-3.0-or-later
// The document search on real files: each format's text as a reader sees
// it, never the decoys; hostile documents skipped with why, in bounded
// memory; without it, the same tree searched as bytes.
#include <QtTest>

#include <map>

#include "bench/DocumentWriter.h"
#include "platform/core/FsOutcome.h"
#include "support/PeakMemory.h"
#include "support/TempTree.h"
#include "support/WalkRig.h"

namespace {
using Format = DocumentWriter::Format;
const std::string kWord = "yellowhammer";

// Filler everywhere, the word in one place (or a decoy of it).
DocumentWriter placed(const std::string& place) {
  DocumentWriter d{{{"The ", "report"}}, "Header", {"one", "two"}, "a note", "attr", "remark"};
  if (place == "run") d.paragraphs.push_back({"a yel", "low", "hammer sang"});
  if (place == "header") d.header = "the " + kWord;
  if (place == "cell") d.cells = {"one", "a " + kWord, "two"};
  if (place == "note") d.note = kWord + " noted";
  if (place == "cells") d.cells = {"yellow", "hammer"};
  if (place == "attribute") d.inAttribute = kWord;
  if (place == "comment") d.inComment = kWord;
  return d;
}

// A package's types: a chart's workbook named before the main part, as an office suite writes them.
std::string types(const std::string& main) {
  return R"(<Types><Default Extension="xlsx" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"/>)"
         R"(<Override PartName="/m" ContentType="application/vnd.openxmlformats-officedocument.)" + main + R"(.main+xml"/></Types>)";
}

std::string docx(const std::string& body) {
  return DocumentWriter::zip({{"[Content_Types].xml", types("wordprocessingml.document")}, {"word/document.xml", body}});
}

}  // namespace

class DocumentsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void wordsWhereReadersSeeThem() {
    TempTree t;
    const Names bytes{"notes.txt", "other.zip"};  // not documents: their bytes, as ever
    Names found = bytes;
    t.file("notes.txt", "the " + kWord);
    t.file("other.zip", DocumentWriter::zip({{"a.txt", kWord}}));
    t.file("chart.pptx", DocumentWriter::zip({{"[Content_Types].xml", types("presentationml.presentation")},
                                              {"ppt/slides/slide1.xml", "<sld><t>" + kWord + "</t></sld>"}}));
    found.push_back("chart.pptx");
    for (const Format format : DocumentWriter::kFormats)
      for (const std::string place : {"run", "header", "cell", "note", "cells", "attribute", "comment"}) {
        const std::string name = place + DocumentWriter::suffix(format);
        t.file(name, placed(place).write(format));
        if (place == "run" || place == "header" || place == "cell" || place == "note") found.push_back(name);
      }
    // Hostile: each skipped with why.
    const std::string laughs = "<!DOCTYPE d [<!ENTITY a \"" + std::string(64, 'x') +
                               "\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]>";
    const std::string whole = placed("run").write(Format::Docx);
    const std::map<std::string, std::pair<std::string, FsOutcome>> hostile{
        {"bomb.docx", {docx("<d><t>" + std::string(16 << 20, ' ') + kWord + "</t></d>"), FsOutcome::TooLarge}},
        {"entities.docx", {docx(laughs + "<d><t>&c;&c;&c;&c;&c;&c;&c;&c;" + kWord + "</t></d>"), FsOutcome::Damaged}},
        {"truncated.docx", {whole.substr(0, whole.size() / 2), FsOutcome::Damaged}},
        {"locked.pdf", {DocumentWriter::pdf({{kWord}}, true), FsOutcome::Encrypted}},
        {"locked.odt",
         {DocumentWriter::zip({{"mimetype", "application/vnd.oasis.opendocument.text"},
                               {"content.xml", "\x93\x11\xfe"},
                               {"META-INF/manifest.xml", "<manifest:encryption-data/>"}}),
          FsOutcome::Encrypted}},
        {"scan.pdf", {DocumentWriter::pdf({{}, {}}), FsOutcome::NoText}},
        {"damaged.pdf", {"%PDF-1.4\nobj <<", FsOutcome::Damaged}}};
    for (const auto& [name, file] : hostile) t.file(name, file.first);
    std::sort(found.begin(), found.end());

    for (const bool documents : {true, false}) {
      WalkRig rig(t.root(), QString::fromStdString(kWord));
      rig.documents = documents;
      const long before = peakKb();
      rig.run();
      QVERIFY2(peakKb() - before < 64 * 1024, qPrintable(QString("grew %1 kB").arg(peakKb() - before)));
      Names names = rig.names();
      std::sort(names.begin(), names.end());
      QCOMPARE(names, documents ? found : bytes);
      std::map<std::string, FsOutcome> skipped;
      const UnreadableLog& log = rig.walk->unreadable();
      for (std::size_t i = 0; i < log.paths().size(); ++i) skipped[rig.relative(log.paths()[i])] = log.reasons()[i];
      for (const auto& [name, file] : hostile)
        QVERIFY2(documents ? skipped[name] == file.second : !skipped.count(name), name.c_str());
      QCOMPARE(log.total(), documents ? std::int64_t(hostile.size()) : 0);
    }
  }
};

QTEST_GUILESS_MAIN(DocumentsTest)
#include "tst_documents.moc"
