#include "windows/SearchWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTableView>
#include <QWindow>

#include "engine/DisplayText.h"
#include "engine/FolderWalk.h"
#include "engine/ResultsModel.h"
#include "platform/FileSystem.h"
#include "platform/SettingsStore.h"
#include "shell/EventYield.h"
#include "shell/MYVARS.h"
#include "shell/Twips.h"
#include "windows/ButtonFace.h"
#include "windows/LabelButton.h"
#include "windows/ResultOpener.h"
#include "windows/WindowArt.h"

namespace {
// Only blanks count as leading and trailing space here, not tabs.
QString trimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  return text.mid(first, last - first);
}

qsizetype characters(const QString& text) { return text.toUcs4().size(); }

template <typename T>
T* placed(T* widget, const char* name, QRect twips) {
  widget->setObjectName(name);
  widget->setGeometry(twips);
  return widget;
}
}  // namespace

SearchWindow::SearchWindow(const QString& title, const QString& heading, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setWindowTitle(title);
  setFixedSize(Twips::toPixels(8745), Twips::toPixels(9645));
  results_ = new ResultsModel(MYVARS::icons(), this);
  SharedState& state = MYVARS::state();
  walk_ = std::make_unique<FolderWalk>(MYVARS::fso(), *results_, MYVARS::icons(), state.walkFlags());
  buildControls(heading);

  yield_ = std::make_unique<EventYield>(results_);
  walk_->setYield([this] { (*yield_)(); });
  walk_->setNameSource([this] { return txtname->text(); });
  // The status changes twice per folder; the label shows it at display rate.
  walk_->setStatusSink([this](const std::string& path) {
    statusPath_.assign(path);
    if (!statusShow_.isActive()) statusShow_.start();
  });
  statusShow_.setSingleShot(true);
  statusShow_.setInterval(16);
  connect(&statusShow_, &QTimer::timeout, this, &SearchWindow::showStatus);

  tmrr.setInterval(100);
  tmrp.setInterval(800);
  connect(&tmrr, &QTimer::timeout, this, &SearchWindow::tmrr_Timer);
  connect(&tmrp, &QTimer::timeout, this, &SearchWindow::tmrp_Timer);
  tmrr.start();
  tmrp.start();
  loadFields();
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::buildControls(const QString& heading) {
  setObjectName("frmall");
  setStyleSheet("SearchWindow { background: rgb(238, 241, 246); border: 1px solid rgb(60, 90, 140); }");

  Picture1 = placed(new QLabel(this), "Picture1", Twips::rect(0, 0, 8775, 495));
  Picture1->setPixmap(WindowArt::titleStrip(Picture1->size()));
  Picture1->installEventFilter(this);
  Label5 = placed(new QLabel(heading, Picture1), "Label5", Twips::rect(120, 120, 4575, 495));
  Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label5->setStyleSheet("color: white; font-weight: bold; font-size: 11pt;");
  Label5->installEventFilter(this);
  Label4 = placed(new QLabel("X", Picture1), "Label4", Twips::rect(8280, 0, 360, 435));
  Label4->setAlignment(Qt::AlignCenter);
  Label4->setStyleSheet("color: black; font-weight: bold; font-size: 12pt;");
  Label4->setCursor(Qt::PointingHandCursor);
  Label4->installEventFilter(this);

  Label1 = placed(new QLabel("Named:", this), "Label1", Twips::rect(240, 840, 975, 255));
  txtname = placed(new QLineEdit(this), "txtname", Twips::rect(1440, 840, 5535, 375));
  txtname->installEventFilter(this);
  Label2 = placed(new QLabel("Location:", this), "Label2", Twips::rect(240, 1440, 1095, 375));
  cboLoc = placed(new QComboBox(this), "cboLoc", Twips::rect(1440, 1440, 5535, 390));
  cboLoc->setEditable(true);
  cboLoc->setInsertPolicy(QComboBox::NoInsert);
  cboLoc->installEventFilter(this);
  cboLoc->lineEdit()->installEventFilter(this);

  buildButton(pict, cmdfind, kFind, 600);
  pict->setObjectName("pict");
  cmdfind->setObjectName("cmdfind");
  buildButton(pictb, cmdcanc, "C&lose", 1200);
  pictb->setObjectName("pictb");
  cmdcanc->setObjectName("cmdcanc");
  connect(cmdfind, &LabelButton::clicked, this, &SearchWindow::cmdfind_Click);
  connect(cmdcanc, &LabelButton::clicked, this, &SearchWindow::cmdcanc_Click);

  chkmatch = placed(new QCheckBox("&Match Case", this), "chkmatch", Twips::rect(7080, 1800, 1575, 480));

  lv = placed(new QTableView(this), "lv", Twips::rect(120, 2280, 8535, 5055));
  lv->setModel(results_);
  // A table keeps nothing per row, so a million results cost the view nothing.
  lv->verticalHeader()->hide();
  lv->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lv->verticalHeader()->setDefaultSectionSize(lv->fontMetrics().height() + 4);
  lv->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lv->horizontalHeader()->setHighlightSections(false);
  lv->setShowGrid(false);
  lv->setWordWrap(false);
  lv->setAlternatingRowColors(true);
  lv->setSelectionMode(QAbstractItemView::SingleSelection);
  lv->setSelectionBehavior(QAbstractItemView::SelectRows);
  lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lv->setIconSize(QSize(16, 16));
  lv->setColumnWidth(ResultsModel::NameColumn, Twips::toPixels(5200));
  lv->setColumnWidth(ResultsModel::FolderColumn, Twips::toPixels(830));
  lv->setColumnWidth(ResultsModel::SizeColumn, Twips::toPixels(1440));
  connect(lv, &QTableView::doubleClicked, this, &SearchWindow::lv_DblClick);

  lblfound = placed(new QLabel("0 files found", this), "lblfound", Twips::rect(120, 7800, 8535, 255));
  lblin = placed(new QLabel("Searching ...", this), "lblin", Twips::rect(120, 8160, 8895, 735));
  lblin->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblin->setWordWrap(true);
  lblin->setVisible(false);
}

void SearchWindow::buildButton(ButtonFace*& face, LabelButton*& label, const QString& caption, int top) {
  face = new ButtonFace(this);
  face->setGeometry(Twips::rect(7080, top, 1575, 495));
  label = new LabelButton(caption, face);
  label->setGeometry(face->rect().adjusted(6, 4, -6, -4));
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  ButtonFace* f = face;
  connect(label, &LabelButton::pressed, f, [f] {
    f->setBordered(true);
    f->showPressed(true);
  });
  connect(label, &LabelButton::released, f, [f] {
    f->setBordered(false);
    f->showPressed(false);
  });
}

void SearchWindow::loadFields() {
  txtname->clear();
  cboLoc->clearEditText();
  for (const std::string& drive : MYVARS::fso().drives()) cboLoc->addItem(QFile::decodeName(drive.c_str()));
  if (cboLoc->count() > 0) cboLoc->setCurrentIndex(0);
  SettingsStore& settings = MYVARS::settings();
  txtname->setText(settings.get("x", "y", "named", ""));
  cboLoc->setEditText(settings.get("x", "y", "loc", "/"));
  const QString commandLine = MYVARS::commandLine();
  if (!trimBlanks(commandLine).isEmpty()) {
    cboLoc->addItem(commandLine);
    cboLoc->setCurrentIndex(cboLoc->count() - 1);
  }
}

void SearchWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  if (MYVARS::state().WantTrans) MYVARS::MakeTransparent(this);
}

void SearchWindow::cmdfind_Click() {
  if (!walk_) return;
  walk_->lst.clear();  // every press, before any check
  if (characters(trimBlanks(txtname->text())) < 3) {
    MYVARS::message(QMessageBox::Information, "Quorrel 2.0", "You must provide text at least of 3 characters.");
    txtname->setFocus();
    return;
  }
  const QString location = cboLoc->currentText();
  if (trimBlanks(location).isEmpty()) {
    MYVARS::message(QMessageBox::Information, "Error", "Please specify the location.");
    cboLoc->setFocus();
    return;
  }
  SharedState& state = MYVARS::state();
  state.MatchCase = chkmatch->isChecked();
  const std::string start = QFile::encodeName(location).toStdString();
  if (!MYVARS::fso().folderExists(start)) {
    MYVARS::message(QMessageBox::Critical, "Error", location + " path was not found.");
    return;
  }
  const QPointer<SearchWindow> self(this);
  MYVARS::ShowBusy(1, "Processing...");
  if (!self || !walk_) return;
  if (cmdfind->text() == kFind) {
    cmdfind->setCaption(kStop);
    lblin->setVisible(true);
    shownUnreadable_ = -1;
    yield_->restart();
    walk_->start(start);  // returns when the walk has ended; the window may be closed by then
    if (!self || closing_) return;
    showStatus();
    tmrr_Timer();  // the idle look at once, not at the next tick
  } else {
    state.StopFlag = true;
    cmdfind->setCaption(kFind);
    lblin->setVisible(false);
  }
}

void SearchWindow::showStatus() {
  statusShow_.stop();
  if (!statusPath_.empty()) lblin->setText("Searching In " + DisplayText::fromBytes(statusPath_) + "...");
}

void SearchWindow::cmdcanc_Click() { close(); }

void SearchWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closing_) return;
  closing_ = true;
  tmrr.stop();
  tmrp.stop();
  statusShow_.stop();
  // A walk waiting in a yield ends there without touching this window again.
  walk_.reset();
  SettingsStore& settings = MYVARS::settings();
  settings.save("x", "y", "named", txtname->text());
  settings.save("x", "y", "loc", cboLoc->currentText());
  QDialog::closeEvent(event);
  hide();
  MYVARS::ShowBusy(1, "Returning...");
}

void SearchWindow::tmrr_Timer() {
  showFoundCount();
  if (MYVARS::state().StopFlag) {
    cmdfind->setCaption(kFind);
    lblin->setVisible(false);
  }
}

void SearchWindow::showFoundCount() {
  QString text = QString::number(results_->rowCount()) + " File(s) Found!";
  const long long unreadable = walk_ ? walk_->unreadable().total() : 0;
  if (unreadable > 0) text += QStringLiteral(" (%1 could not be read)").arg(unreadable);
  lblfound->setText(text);
  if (unreadable == shownUnreadable_) return;
  shownUnreadable_ = unreadable;
  QStringList paths;
  if (walk_)
    for (const std::string& p : walk_->unreadable().paths()) paths << DisplayText::fromBytes(p);
  lblfound->setToolTip(paths.join('\n'));
}

void SearchWindow::tmrp_Timer() {
  if (cmdfind->text() != kStop) return;
  SharedState& state = MYVARS::state();
  if (state.IdleTicks == 3) {
    MYVARS::ShowBusy(4, "Processing...");
    state.StopFlag = true;
    state.IdleTicks = 0;
  } else {
    ++state.IdleTicks;
  }
}

void SearchWindow::lv_DblClick() {
  const QModelIndexList selected = lv->selectionModel()->selectedRows();
  if (results_->rowCount() == 0 || selected.isEmpty()) return;
  ResultOpener::open(*results_, selected.first().row());
}

void SearchWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    cmdcanc_Click();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label4) {
    if (event->type() == QEvent::Enter) Label4->setStyleSheet("color: white; font-weight: bold; font-size: 12pt;");
    if (event->type() == QEvent::Leave) Label4->setStyleSheet("color: black; font-weight: bold; font-size: 12pt;");
    if (event->type() == QEvent::MouseButtonRelease) {
      cmdcanc_Click();
      return true;
    }
    return false;
  }
  if (watched == Picture1 || watched == Label5) return dragWindow(event);
  if (event->type() == QEvent::KeyPress && (watched == txtname || watched == cboLoc || watched == cboLoc->lineEdit())) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      cmdfind_Click();
      return true;
    }
    if (key == Qt::Key_Escape) {
      cmdcanc_Click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// The title strip moves the borderless window, as a title bar would.
bool SearchWindow::dragWindow(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (type == QEvent::MouseButtonPress) {
    if (mouse->button() != Qt::LeftButton) return false;
    if (windowHandle() && windowHandle()->startSystemMove()) return true;
    dragging_ = true;
    dragOffset_ = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
    return true;
  }
  if (type == QEvent::MouseMove && dragging_) {
    move(mouse->globalPosition().toPoint() - dragOffset_);
    return true;
  }
  if (type == QEvent::MouseButtonRelease) dragging_ = false;
  return false;
}
