// SPDX-License-Identifier: GPL-3.0-or-later
// quorrel-bench: one measurement per process, printed as one JSON line.
//   gen DIR [--seed S] [--folders N] [--files N] [--depth N] [--big N] [--match-all TEXT]
//   gen-flat DIR N TEXT              one folder of N empty files f000001_TEXT.txt ...
//   gen-chain DIR N TEXT             a chain of N nested folders, TEXT.txt every 1,000 levels
//   engine DIR TEXT [--paths FILE]   the walk with a yield that does nothing
//     --time modified|created|accessed  the time tested (default modified)
//     --after T, --before T             that time at or after T, strictly before T; T is YYYY-MM-DD
//                                       (its midnight, local time) or YYYY-MM-DDTHH:MM[:SS]
//     --within N{m,h,d,w}               from now less N up to now
//     --min-size BYTES, --max-size BYTES  sizes, both included
//   events DIR TEXT                  the walk with the real yield (event loop)
//   window DIR TEXT                  the All Files window end to end, headless
//     --category multimedia:N|office:N  the category search instead (any mode)
//     --png FILE                        window: a picture of the window after the search
//     --contains TEXT                   the containing-text search instead (any mode)
//     --read-ahead N|always|0           N threads reading ahead when the cache is cold (default: as the
//                                       program); always: even on a warm cache; 0: none
//   categories                       the category tables, as JSON
//   gen-content DIR [--seed S]       the content corpora
//   gen-documents DIR [--seed S]     the document corpus (DocumentCorpus)
//   document-text DIR                every file's document text read whole: bytes of text, seconds
//     --documents                       (engine, events) the containing text searched in documents' text
//   getdents DIR                     the tree read with bare getdents64 calls: the kernel's own cost
//   list N copy|save                 a window listing N generated rows: Ctrl+C of all, a paste of each
//                                    format, the clipboard taken by another program; or Save List As
//   settings N K                     K new sections saved into a settings file of N sections
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPaintEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/ContentCorpus.h"
#include "bench/DocumentCorpus.h"
#include "bench/GeneratedFileSystem.h"
#include "bench/GetdentsWalk.h"
#include "bench/TreeGenerator.h"
#include "engine/CategoryTable.h"
#include "engine/FolderWalk.h"
#include "engine/ResultList.h"
#include "engine/WalkHost.h"
#include "platform/core/IniSettingsStore.h"
#include "platform/core/LinuxFileSystem.h"
#include "platform/core/PathName.h"
#include "platform/core/ThreadFallback.h"
#include "platform/desktop/DBusFileManager.h"
#include "platform/desktop/GioFileOpener.h"
#include "platform/desktop/ThemeIconSource.h"
#include "platform/documents/DocumentText.h"
#include "ui/Context.h"
#include "ui/DesktopDialogs.h"
#include "ui/LabelButton.h"
#include "windows/AllFilesWindow.h"
#include "windows/ContainingTextWindow.h"
#include "windows/EventYield.h"
#include "windows/MultimediaWindow.h"
#include "windows/OfficeWindow.h"
#include "windows/SearchSession.h"
#include "windows/SearchWindow.h"

namespace {
long statusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t n = std::strlen(field);
  while (std::getline(status, line))
    if (line.compare(0, n, field) == 0) return std::stol(line.substr(n + 1));
  return -1;
}

std::string option(int argc, char** argv, const char* name, const std::string& fallback) {
  for (int i = 0; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
  return fallback;
}

// A whole decimal number, or an error that names what it was for.
int number(const std::string& text, const char* what) {
  std::size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size()) throw std::runtime_error(std::string(what) + ": not a number: " + text);
  return value;
}

// A size in bytes, or an error that names the option.
std::int64_t bytes(const std::string& text, const char* what) {
  std::size_t used = 0;
  long long value = -1;
  try {
    value = std::stoll(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size() || value < 0)
    throw std::runtime_error(std::string(what) + ": not a size: " + text);
  return value;
}

// A local time as YYYY-MM-DD (its midnight) or YYYY-MM-DDTHH:MM[:SS].
std::int64_t localTime(const std::string& text, const char* what) {
  const QString given = QString::fromStdString(text);
  const QDateTime time = given.size() == 10 ? QDate::fromString(given, Qt::ISODate).startOfDay()
                                            : QDateTime::fromString(given, Qt::ISODate);
  if (!time.isValid() || time.timeSpec() != Qt::LocalTime)
    throw std::runtime_error(std::string(what) + ": not a local time: " + text);
  return time.toSecsSinceEpoch();
}

// --time, --after, --before, --within, --min-size, --max-size.
TimeSizeTest timeSizeOptions(int argc, char** argv) {
  TimeSizeTest test;
  const std::string time = option(argc, argv, "--time", "modified");
  if (time == "created") test.time = FileTime::Created;
  else if (time == "accessed") test.time = FileTime::Accessed;
  else if (time != "modified") throw std::runtime_error("--time: modified, created or accessed: " + time);
  if (const std::string after = option(argc, argv, "--after", ""); !after.empty())
    test.range(localTime(after, "--after"), test.until);
  if (const std::string before = option(argc, argv, "--before", ""); !before.empty())
    test.range(test.from, localTime(before, "--before"));
  if (const std::string within = option(argc, argv, "--within", ""); !within.empty()) {
    const std::string units = "mhdw";
    const std::size_t unit = within.empty() ? std::string::npos : units.find(within.back());
    if (unit == std::string::npos) throw std::runtime_error("--within: N followed by m, h, d or w: " + within);
    const TimeSizeTest::Unit kinds[] = {TimeSizeTest::Unit::Minutes, TimeSizeTest::Unit::Hours,
                                        TimeSizeTest::Unit::Days, TimeSizeTest::Unit::Weeks};
    test.within(number(within.substr(0, within.size() - 1), "--within"), kinds[unit], QDateTime::currentDateTime());
  }
  test.minSize = bytes(option(argc, argv, "--min-size", "0"), "--min-size");
  if (const std::string most = option(argc, argv, "--max-size", ""); !most.empty())
    test.maxSize = bytes(most, "--max-size");
  return test;
}

// Every word after DIR TEXT is a known option followed by its value.
void checkOptions(int argc, char** argv) {
  static const char* const known[] = {"--paths", "--category", "--contains", "--read-ahead", "--png",     "--time",
                                      "--after", "--before",   "--within",   "--min-size",   "--max-size"};
  for (int i = 4; i < argc; i += 2) {
    if (std::find_if(std::begin(known), std::end(known), [&](const char* k) { return std::strcmp(k, argv[i]) == 0; }) ==
        std::end(known))
      throw std::runtime_error(std::string("unknown option: ") + argv[i]);
    if (i + 1 == argc) throw std::runtime_error(std::string(argv[i]) + ": a value is missing");
  }
}

// "--category office:3": the table and the index; no table without the option.
struct CategoryChoice {
  const CategoryTable* table = nullptr;
  bool office = false;
  int index = -1;
};

CategoryChoice categoryOption(int argc, char** argv) {
  const std::string value = option(argc, argv, "--category", "");
  CategoryChoice choice;
  const std::size_t colon = value.find(':');
  if (colon == std::string::npos) return choice;
  choice.office = value.substr(0, colon) == "office";
  choice.table = choice.office ? &CategoryTable::office() : &CategoryTable::multimedia();
  choice.index = number(value.substr(colon + 1), "--category");
  return choice;
}

// A file of N sections of one key each, then K saves of a key in a new
// section: the time of the saves alone.
int settingsSaves(char** argv) {
  const int sections = number(argv[2], "sections"), saves = number(argv[3], "saves");
  QTemporaryDir folder;
  QByteArray text;
  for (int i = 0; i < sections; ++i)
    text += "[s" + QByteArray::number(i) + "]\nkey=value " + QByteArray::number(i) + "\n\n";
  QFile file(folder.path() + "/x.conf");
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
    throw std::runtime_error("cannot write " + file.fileName().toStdString());
  file.close();
  IniSettingsStore store(folder.path());
  store.get("x", "s0", "key", "");  // the file read once, outside the time
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < saves; ++i) store.save("x", "new" + QString::number(i), "key", "v");
  std::printf("{\"mode\":\"settings\",\"sections\":%d,\"saves\":%d,\"seconds\":%.6f}\n", sections, saves,
              clock.nsecsElapsed() / 1e9);
  return 0;
}

int printCategories() {
  std::string out = "{";
  for (const auto& [name, table] :
       {std::pair{"multimedia", &CategoryTable::multimedia()}, std::pair{"office", &CategoryTable::office()}}) {
    if (out.size() > 1) out += ",";
    out += std::string("\"") + name + "\":[";
    for (std::size_t i = 0; i < table->size(); ++i)
      out += std::string(i ? "," : "") + "[\"" + table->at(i).caption + "\",\"" + table->at(i).pattern + "\"]";
    out += "]";
  }
  std::printf("%s}\n", out.c_str());
  return 0;
}

long long nameBytes(const ResultList& results) {
  long long total = 0;
  for (std::size_t r = 0; r < results.size(); ++r) total += static_cast<long long>(results.name(r).size());
  return total;
}

void writePaths(const ResultList& results, const std::string& file) {
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) return;
  std::string line;
  for (std::size_t r = 0; r < results.size(); ++r) {
    PathName::joinInto(line, results.folder(r), results.name(r));
    line.push_back('\0');
    std::fwrite(line.data(), 1, line.size(), out);
  }
  std::fclose(out);
}

int generate(int argc, char** argv) {
  TreeGenerator::Settings s;
  s.seed = number(option(argc, argv, "--seed", "1"), "--seed");
  s.folders = number(option(argc, argv, "--folders", "20000"), "--folders");
  s.filesPerFolder = number(option(argc, argv, "--files", "10"), "--files");
  s.depth = number(option(argc, argv, "--depth", "8"), "--depth");
  s.bigFolderFiles = number(option(argc, argv, "--big", "0"), "--big");
  s.matchAll = option(argc, argv, "--match-all", "");
  const long long made = TreeGenerator(s).build(argv[2]);
  std::printf("{\"mode\":\"gen\",\"files\":%lld}\n", made);
  return 0;
}

int generateChain(char** argv) {
  const long long made = TreeGenerator::chain(argv[2], number(argv[3], "N"), argv[4]);
  std::printf("{\"mode\":\"gen-chain\",\"files\":%lld}\n", made);
  return 0;
}

int generateFlat(char** argv) {
  const long long made = TreeGenerator::flatFolder(argv[2], number(argv[3], "N"), argv[4]);
  std::printf("{\"mode\":\"gen-flat\",\"files\":%lld}\n", made);
  return 0;
}

// A walk's host without a window: a fixed name text, and a yield that does
// nothing or lets events in as the windows do.
class BenchHost final : public WalkHost {
public:
  BenchHost(QString text, QString contains, bool realYield)
      : inputs_{std::move(text), std::move(contains)}, realYield_(realYield) {}
  LiveInputs yieldToEvents() override {
    if (realYield_ && yield_.due()) EventYield::letEventsIn();
    return inputs_;
  }
  const LiveInputs& inputs() const { return inputs_; }
  void requestStop() override { stop_ = true; }
  bool stopRequested() override { return stop_; }
  void clearStopRequest() override { stop_ = false; }
  void statusChanged(const std::string&) override {}
  void resultsCleared() override {}
  void ended() override {}

private:
  LiveInputs inputs_;
  bool realYield_;
  bool stop_ = false;
  EventYield yield_;
};

// The walk alone, or with the real yield.
void readAheadOption(FolderWalk& walk, int argc, char** argv) {
  const std::string value = option(argc, argv, "--read-ahead", "");
  if (value == "always") walk.setReadAhead(FolderWalk::readAheadWorkers(), ReadAhead::When::Always);
  else if (!value.empty()) walk.setReadAhead(number(value, "--read-ahead"));
}

bool flag(int argc, char** argv, const char* name) {
  for (int i = 2; i < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return true;
  return false;
}

// The document reader alone over every file below root, each read to its
// end: how fast text comes out of documents.
int documentText(const std::string& root) {
  long long files = 0, documents = 0, text = 0, skipped = 0;
  QElapsedTimer clock;
  clock.start();
  QDirIterator it(QString::fromStdString(root), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = file.readAll();
    const std::string content(bytes.constData(), std::size_t(bytes.size()));
    ++files;
    if (!DocumentText::isDocument(std::string_view(content).substr(0, 4096))) continue;
    ++documents;
    MemoryInput input(content);
    const TextOut::Sink sink = [&](std::string_view t) { return text += (long long)t.size(), false; };
    if (DocumentText::read(input, sink, {}, nullptr) != DocumentOutcome::Read) ++skipped;
  }
  const double seconds = clock.nsecsElapsed() / 1e9;
  std::printf("{\"mode\":\"document-text\",\"files\":%lld,\"documents\":%lld,\"skipped\":%lld,\"text_bytes\":%lld,"
              "\"seconds\":%.6f,\"text_mb_per_s\":%.1f}\n",
              files, documents, skipped, text, seconds, text / 1e6 / seconds);
  return 0;
}

int walk(bool realYield, int argc, char** argv) {
  LinuxFileSystem fs;
  ResultList results;
  const std::string contains = option(argc, argv, "--contains", "");
  BenchHost host(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(contains.c_str()), realYield);
  FolderWalk walk(fs, results, host);
  readAheadOption(walk, argc, argv);
  SearchQuery query{.startFolder = argv[2],
                    .inputs = host.inputs(),
                    .contentTest = !contains.empty(),
                    .documents = flag(argc, argv, "--documents"),
                    .timeSize = timeSizeOptions(argc, argv)};
  const CategoryChoice category = categoryOption(argc, argv);
  if (const std::string* pattern = category.table ? category.table->patternAt(category.index) : nullptr)
    query.pattern = ListingPattern(*pattern);
  const long rssBefore = statusKb("VmRSS:");
  QElapsedTimer clock;
  clock.start();
  walk.start(query);
  const double seconds = clock.nsecsElapsed() / 1e9;
  const long rssAfter = statusKb("VmRSS:");
  std::printf("{\"mode\":\"%s\",\"seconds\":%.6f,\"results\":%d,\"unreadable\":%lld,\"rss_before_kb\":%ld,"
              "\"rss_after_kb\":%ld,\"peak_kb\":%ld,\"name_bytes\":%lld,\"ended_early\":%d,\"without_time\":%zu}\n",
              realYield ? "events" : "engine", seconds, int(results.size()),
              static_cast<long long>(walk.unreadable().total()), rssBefore, rssAfter, statusKb("VmHWM:"),
              nameBytes(results), int(walk.earlyEnd()), walk.withoutTime());
  const std::string paths = option(argc, argv, "--paths", "");
  if (!paths.empty()) writePaths(results, paths);
  return 0;
}

// Real busy displays, timed, so their fixed length can be taken off.
class TimedDialogs final : public Dialogs {
public:
  double busySeconds = 0;
  void busy(Context& context, std::int16_t ticks, const QString& caption) override {
    QElapsedTimer clock;
    clock.start();
    real_.busy(context, ticks, caption);
    busySeconds += clock.nsecsElapsed() / 1e9;
    if (qEnvironmentVariableIsSet("QUORREL_BENCH_VERBOSE"))
      std::fprintf(stderr, "busy %s %.3f\n", qPrintable(caption), clock.nsecsElapsed() / 1e9);
  }
  // A message box would wait for a click that never comes: fail with its text.
  QMessageBox::StandardButton message(QMessageBox::Icon, const QString&, const QString& x,
                                      QMessageBox::StandardButtons) override {
    std::fprintf(stderr, "quorrel-bench: the window says: %s\n", qPrintable(x));
    std::fflush(stderr);
    std::_Exit(3);
  }

private:
  DesktopDialogs real_;
};

// Tells of every paint of the widgets it watches.
class PaintWatch final : public QObject {
public:
  explicit PaintWatch(std::function<void()> seen) : seen_(std::move(seen)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) seen_();
    return false;
  }

private:
  std::function<void()> seen_;
};

// The thread's own processor time: under a loaded machine's noise, what the
// window's drawing costs it, not how long it waited for a core.
qint64 threadCpuNs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// What drawing the window costs while a search runs: the window's repaints
// (each once per display frame at most, all its widgets' paints inside), the
// results list's paints and the rows they cover, and the view's handling of
// each batch of new rows.
struct DrawMeter {
  bool on = false;
  QWidget* window = nullptr;
  QWidget* list = nullptr;  // the results view's viewport
  int rowHeight = 1;
  qint64 drawNs = 0, listNs = 0, insertNs = 0, insertStart = 0;
  int frames = 0, listPaints = 0, batches = 0;
  long long rowsPainted = 0;
};

class MeteredApplication final : public QApplication {
public:
  using QApplication::QApplication;
  DrawMeter meter;
  bool notify(QObject* receiver, QEvent* event) override {
    const bool frame = meter.on && event->type() == QEvent::UpdateRequest && receiver == meter.window;
    const bool list = meter.on && event->type() == QEvent::Paint && receiver == meter.list;
    if (!frame && !list) return QApplication::notify(receiver, event);
    if (list) {
      const QRect r = static_cast<QPaintEvent*>(event)->rect();
      meter.rowsPainted += (r.bottom() / meter.rowHeight) - (r.top() / meter.rowHeight) + 1;
    }
    const qint64 start = threadCpuNs();
    const bool done = QApplication::notify(receiver, event);
    (frame ? meter.drawNs : meter.listNs) += threadCpuNs() - start;
    ++(frame ? meter.frames : meter.listPaints);
    return done;
  }
};

// A search window's control, by its object name, as a user's tools find it.
template <typename T>
T* control(const SearchWindow& w, const char* name) {
  return w.findChild<T*>(name);
}

std::unique_ptr<SearchWindow> makeWindow(Context& context, const CategoryChoice& category,
                                         const std::string& contains) {
  std::unique_ptr<SearchWindow> w;
  if (!contains.empty()) {
    w = std::make_unique<SearchWindow>(context, ContainingTextWindow::description());
    w->findChild<QLineEdit*>("txtcont")->setText(QString::fromLocal8Bit(contains.c_str()));
    return w;
  }
  if (!category.table) return std::make_unique<SearchWindow>(context, AllFilesWindow::description());
  if (category.office) w = std::make_unique<SearchWindow>(context, OfficeWindow::description());
  else w = std::make_unique<SearchWindow>(context, MultimediaWindow::description());
  w->findChild<QComboBox*>("cboconts")->setCurrentIndex(category.index);
  return w;
}

int window(int argc, char** argv) {
  QTemporaryDir settingsDir;
  IniSettingsStore settings(settingsDir.path());
  LinuxFileSystem fileSystem;
  ThemeIconSource icons;
  GioFileOpener opener;
  DBusFileManager fileManager;
  TimedDialogs dialogs;
  Context context(settings, fileSystem, icons, opener, fileManager, dialogs);

  const std::unique_ptr<SearchWindow> window =
      makeWindow(context, categoryOption(argc, argv), option(argc, argv, "--contains", ""));
  SearchWindow& w = *window;
  readAheadOption(*w.session().walk(), argc, argv);
  w.show();
  control<QLineEdit>(w, "txtname")->setText(QString::fromLocal8Bit(argv[3]));
  control<QComboBox>(w, "cboLoc")->setEditText(QString::fromLocal8Bit(argv[2]));
  const std::string png = option(argc, argv, "--png", "");

  QElapsedTimer clock, sinceTick;
  double seconds = 0, busySeconds = 0, worstLateMs = 0;
  bool running = false;
  QTimer ticker;  // the event loop's responsiveness: how late a 10 ms timer comes
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(10);
  // Frozen: neither the event loop ran nor the window painted.
  QElapsedTimer sinceAlive;
  double worstFrozenMs = 0;
  const auto alive = [&] {
    if (running) worstFrozenMs = std::max(worstFrozenMs, sinceAlive.nsecsElapsed() / 1e6);
    sinceAlive.start();
  };
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    worstLateMs = std::max(worstLateMs, sinceTick.nsecsElapsed() / 1e6 - 10.0);
    sinceTick.start();
    alive();
  });
  PaintWatch paints(alive);
  control<QTableView>(w, "lv")->viewport()->installEventFilter(&paints);
  control<QLabel>(w, "lblfound")->installEventFilter(&paints);
  DrawMeter& meter = static_cast<MeteredApplication*>(qApp)->meter;
  meter.window = &w;
  meter.list = control<QTableView>(w, "lv")->viewport();
  meter.rowHeight = std::max(1, control<QTableView>(w, "lv")->verticalHeader()->defaultSectionSize());
  QAbstractItemModel* model = control<QTableView>(w, "lv")->model();
  QObject::connect(model, &QAbstractItemModel::rowsAboutToBeInserted, [&] { meter.insertStart = threadCpuNs(); });
  QObject::connect(model, &QAbstractItemModel::rowsInserted, [&] {  // after the view's own handling
    if (!meter.on) return;
    meter.insertNs += threadCpuNs() - meter.insertStart;
    ++meter.batches;
  });
  qint64 cpuStart = 0, cpuNs = 0;
  QTimer idleWatch;  // the idle look: no search running any more (the button back to Find Now)
  idleWatch.setInterval(1);
  QObject::connect(&idleWatch, &QTimer::timeout, [&] {
    if (!running || w.session().searching()) return;
    seconds = clock.nsecsElapsed() / 1e9;
    cpuNs = threadCpuNs() - cpuStart;
    meter.on = false;
    busySeconds = dialogs.busySeconds;  // not the "Returning..." of the closing window
    if (!png.empty()) w.grab().save(QString::fromLocal8Bit(png.c_str()));
    QCoreApplication::quit();
  });
  QTimer::singleShot(1000, [&] {  // a shown, painted window, as a user sees it before pressing Find
    clock.start();
    sinceTick.start();
    sinceAlive.start();
    ticker.start();
    idleWatch.start();
    meter.on = true;
    cpuStart = threadCpuNs();
    control<QAbstractButton>(w, "cmdfind")->click();
    running = true;
    if (qEnvironmentVariableIsSet("QUORREL_BENCH_VERBOSE"))
      std::fprintf(stderr, "press handled after %.3f s\n", clock.nsecsElapsed() / 1e9);
  });
  QApplication::exec();
  std::printf("{\"mode\":\"window\",\"seconds\":%.6f,\"busy_seconds\":%.6f,\"results\":%d,\"max_stall_ms\":%.2f,"
              "\"max_frozen_ms\":%.2f,\"peak_kb\":%ld,\"name_bytes\":%lld,\"cpu_ms\":%.1f,\"frames\":%d,"
              "\"draw_cpu_ms\":%.1f,\"list_paints\":%d,\"rows_painted\":%lld,\"list_paint_cpu_ms\":%.1f,"
              "\"batches\":%d,\"insert_cpu_ms\":%.1f}\n",
              seconds, busySeconds, int(w.results().size()), worstLateMs, worstFrozenMs, statusKb("VmHWM:"),
              nameBytes(w.results()), cpuNs / 1e6, meter.frames, meter.drawNs / 1e6, meter.listPaints,
              meter.rowsPainted, meter.listNs / 1e6, meter.batches, meter.insertNs / 1e6);
  return 0;
}
// Peak memory (VmHWM) starts again from what is resident now.
void resetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}

// Answers the save dialog with a file and shows no busy display or message box.
class ListDialogs final : public Dialogs {
public:
  QString file;
  void busy(Context&, std::int16_t, const QString&) override {}
  QMessageBox::StandardButton message(QMessageBox::Icon, const QString&, const QString& x,
                                      QMessageBox::StandardButtons) override {
    std::fprintf(stderr, "quorrel-bench: the window says: %s\n", qPrintable(x));
    std::_Exit(3);
  }
  QString saveFileName(const QString&, const QString&, const QString&) override { return file; }
};

// What a huge list costs the window: how long Ctrl+C of every row holds it,
// what the copy keeps while on the clipboard and after another program takes
// it; or Save List As (time, and peak memory above the list). One a process:
// what one leaves behind would hide what the other costs.
int hugeList(int rows, const std::string& what) {
  QTemporaryDir settingsDir, start, out;
  IniSettingsStore settings(settingsDir.path());
  GeneratedFileSystem fileSystem(rows / 1000, 1000);
  ThemeIconSource icons;
  GioFileOpener opener;
  DBusFileManager fileManager;
  ListDialogs dialogs;
  dialogs.file = out.filePath("list.csv");
  Context context(settings, fileSystem, icons, opener, fileManager, dialogs);
  SearchWindow w(context, AllFilesWindow::description());
  w.show();
  control<QLineEdit>(w, "txtname")->setText("report");
  control<QComboBox>(w, "cboLoc")->setEditText(start.path());
  QTimer idleWatch;
  idleWatch.setInterval(10);
  QObject::connect(&idleWatch, &QTimer::timeout, [&] {
    if (!w.session().searching()) QCoreApplication::quit();
  });
  QTimer::singleShot(0, [&] {
    control<QAbstractButton>(w, "cmdfind")->click();
    idleWatch.start();
  });
  QApplication::exec();
  const long listKb = statusKb("VmRSS:");
  QElapsedTimer clock;
  if (what == "save") {
    resetPeak();
    clock.start();
    w.findChild<QAction*>("mnusave")->trigger();
    const double saveMs = clock.nsecsElapsed() / 1e6;
    std::printf("{\"mode\":\"list save\",\"rows\":%d,\"list_kb\":%ld,\"save_ms\":%.1f,\"save_peak_kb\":%ld,"
                "\"csv_bytes\":%lld}\n",
                int(w.results().size()), listKb, saveMs, statusKb("VmHWM:") - listKb, QFileInfo(dialogs.file).size());
    return 0;
  }
  control<QTableView>(w, "lv")->selectAll();
  QCoreApplication::processEvents();
  clock.start();
  QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
  QApplication::sendEvent(control<QTableView>(w, "lv"), &copy);
  const double copyMs = clock.nsecsElapsed() / 1e6;
  const long copiedKb = statusKb("VmRSS:") - listKb;
  // A paste: each format asked for once, as another program would.
  resetPeak();
  long long pastedBytes = 0;
  clock.start();
  const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
  for (const QString& format : offered->formats()) pastedBytes += offered->data(format).size();
  const double pasteMs = clock.nsecsElapsed() / 1e6;
  const long pastePeakKb = statusKb("VmHWM:") - listKb;
  QGuiApplication::clipboard()->setMimeData(new QMimeData);  // another program takes the clipboard
  QCoreApplication::processEvents();
  std::printf("{\"mode\":\"list copy\",\"rows\":%d,\"list_kb\":%ld,\"copy_ms\":%.1f,\"copied_kb\":%ld,"
              "\"paste_ms\":%.1f,\"pasted_bytes\":%lld,\"paste_peak_kb\":%ld,\"left_after_taken_kb\":%ld}\n",
              int(w.results().size()), listKb, copyMs, copiedKb, pasteMs, pastedBytes, pastePeakKb,
              statusKb("VmRSS:") - listKb);
  return 0;
}

int run(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "gen" && argc > 2) return generate(argc, argv);
  if (mode == "gen-flat" && argc > 4) return generateFlat(argv);
  if (mode == "gen-chain" && argc > 4) return generateChain(argv);
  if (argc == 2 && std::strcmp(argv[1], "categories") == 0) return printCategories();
  if (mode == "getdents" && argc > 2) return getdentsWalk(argv[2]);
  if (mode == "settings" && argc > 3) {
    QCoreApplication app(argc, argv);
    return settingsSaves(argv);
  }
  if (mode == "gen-documents" && argc > 2) {
    const int made = DocumentCorpus(number(option(argc, argv, "--seed", "5"), "--seed")).build(argv[2]);
    std::printf("{\"mode\":\"gen-documents\",\"files\":%d}\n", made);
    return 0;
  }
  if (mode == "document-text" && argc > 2) return documentText(argv[2]);
  if (mode == "gen-content" && argc > 2) {
    const int made = ContentCorpus(number(option(argc, argv, "--seed", "3"), "--seed")).build(argv[2]);
    std::printf("{\"mode\":\"gen-content\",\"files\":%d}\n", made);
    return 0;
  }
  if (mode == "list" && argc > 3) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return hugeList(number(argv[2], "N"), argv[3]);
  }
  if (argc < 4 || (mode != "engine" && mode != "events" && mode != "window")) {
    std::fprintf(stderr,
                 "usage: %s gen DIR [options] | gen-flat DIR N TEXT | gen-chain DIR N TEXT | categories | settings N K "
                 "| list N copy|save | engine|events|window DIR "
                 "TEXT [--paths FILE] [--category KIND:N] [--time KIND] [--after T] [--before T] [--within N{m,h,d,w}] "
                 "[--min-size BYTES] [--max-size BYTES]\n",
                 argv[0]);
    return 2;
  }
  checkOptions(argc, argv);
  if (mode == "engine") {  // no display: as a process it starts as a command-line tool would
    QCoreApplication app(argc, argv);
    return walk(false, argc, argv);
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ThreadFallback::install();  // as the program does
  MeteredApplication app(argc, argv);
  if (mode == "window") return window(argc, argv);
  return walk(true, argc, argv);
}
}  // namespace

// A mistake in the arguments, or a corpus that cannot be written, ends the
// run with a message instead of an abort.
int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quorrel-bench: %s\n", e.what());
    return 1;
  }
}
