#include "windows/SearchWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>

#include "engine/DisplayText.h"
#include "engine/FolderWalk.h"
#include "platform/core/FileSystem.h"
#include "platform/core/SettingsStore.h"
#include "ui/Context.h"
#include "ui/Twips.h"
#include "ui/WidgetColours.h"
#include "ui/PictureLabels.h"
#include "ui/LabelButton.h"
#include "windows/LocationBox.h"
#include "windows/ResultOpener.h"
#include "windows/ResultsTable.h"
#include "ui/Art.h"

namespace {
// Only blanks count as leading and trailing space here, not tabs.
QString trimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  return text.mid(first, last - first);
}

bool blank(const std::string& bytes) { return bytes.find_first_not_of(' ') == std::string::npos; }

qsizetype characters(const QString& text) { return text.toUcs4().size(); }

template <typename T>
T* placed(T* widget, const char* name, QRect twips) {
  widget->setObjectName(name);
  widget->setGeometry(twips);
  return widget;
}

QString earlyEndText(FolderWalk::EarlyEnd why) {
  switch (why) {
    case FolderWalk::EarlyEnd::OutOfMemory: return QStringLiteral("out of memory");
    case FolderWalk::EarlyEnd::OutOfHandles: return QStringLiteral("out of file handles");
    case FolderWalk::EarlyEnd::None: break;
  }
  return {};
}
}  // namespace

// Opened over another window, the window is its dialog; opened on its own, it
// is a main window of the program (a task bar entry, no transient parent).
SearchWindow::SearchWindow(Context& context, SearchWindowDescription description, QWidget* parent)
    : QDialog(parent, (parent ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint),
      context_(context),
      description_(std::move(description)) {
  setObjectName(description_.objectName);
  setWindowTitle(description_.title);
  setFixedSize(Twips::toPixels(description_.clientWidth), Twips::toPixels(description_.clientHeight));
  table_ = new ResultsTable(results_, context_.icons(), this);
  walk_ = std::make_unique<FolderWalk>(context_.fileSystem(), results_, *this);
  buildControls();
  if (description_.addControls) description_.addControls(*this);
  // Read for every candidate of a content search: found once, here.
  contentField_ = findChild<QLineEdit*>("txtcont", Qt::FindDirectChildrenOnly);
  setTabOrder();

  // The status changes twice per folder; the label shows it at display rate.
  statusShow_.setSingleShot(true);
  statusShow_.setInterval(16);
  connect(&statusShow_, &QTimer::timeout, this, &SearchWindow::showStatus);
  lookTimer.setInterval(100);
  watchdogTimer.setInterval(800);
  connect(&lookTimer, &QTimer::timeout, this, &SearchWindow::refreshLook);
  connect(&watchdogTimer, &QTimer::timeout, this, &SearchWindow::watchdogTick);
  lookTimer.start();
  if (description_.watchdog) watchdogTimer.start();
  loadFields();
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::buildControls() {
  setStyleSheet("SearchWindow { background: rgb(238, 241, 246); border: 1px solid rgb(60, 90, 140); }");
  const int width = description_.clientWidth;

  titleStrip = placed(new QLabel(this), "Picture1", Twips::rect(0, 0, width + 30, 495));
  titleStrip->setPixmap(WindowArt::titleStrip(titleStrip->size()));
  titleStrip->installEventFilter(this);
  heading = placed(new QLabel(description_.heading, titleStrip), "Label5", Twips::rect(120, 120, 4575, 495));
  heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  heading->setStyleSheet("color: white; font-weight: bold; font-size: 11pt;");
  heading->installEventFilter(this);
  closeLabel = placed(new LabelButton("X", titleStrip), description_.closeLabelName, Twips::rect(width - 465, 0, 360, 435));
  closeLabel->setAccessibleName("Close");
  QFont bold = closeLabel->font();
  bold.setBold(true);
  bold.setPointSize(12);
  closeLabel->setFont(bold);
  WidgetColours::setText(closeLabel, description_.closeLabelColour);
  closeLabel->installEventFilter(this);
  closeLabel->setMouseTracking(true);
  connect(closeLabel, &LabelButton::clicked, this, &SearchWindow::closePressed);

  nameCaption = addLabel("Label1", "Named:", 240, 840, 975, 255);
  nameField = addField("txtname", "Named", 1440, 840, 5535, 375);
  nameCaption->setBuddy(nameField);
  locationCaption = addLabel("Label2", "Location:", 240, 1440, 1095, 375);
  locationBox = placed(new QComboBox(this), "cboLoc", Twips::rect(1440, 1440, 5535, 390));
  locationBox->setEditable(true);
  locationBox->setInsertPolicy(QComboBox::NoInsert);
  locationBox->setAccessibleName("Location");
  locationBox->installEventFilter(this);
  locationBox->lineEdit()->installEventFilter(this);
  locationCaption->setBuddy(locationBox);
  locations_ = std::make_unique<LocationBox>(locationBox);

  buildButton(findFace, findButton, "pict", "cmdfind", kFind, 600);
  buildButton(closeFace, closeButton, "pictb", "cmdcanc", description_.closeCaption, 1200);
  connect(findButton, &LabelButton::clicked, this, &SearchWindow::findPressed);
  connect(closeButton, &LabelButton::clicked, this, &SearchWindow::closePressed);
  matchCaseBox = placed(new QCheckBox("&Match Case", this), "chkmatch", Twips::rect(7080, 1800, 1575, 480));
  buildResultsList();

  foundLabel = placed(new QLabel("0 files found", this), "lblfound", Twips::rect(120, 7800, 8535, 255));
  statusLabel = placed(new QLabel("Searching ...", this), "lblin", Twips::rect(120, 8160, 8895, 735));
  statusLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  statusLabel->setWordWrap(true);
  statusLabel->setVisible(false);
}

QLabel* SearchWindow::addLabel(const char* name, const QString& text, int left, int top, int width, int height) {
  return placed(new QLabel(text, this), name, Twips::rect(left, top, width, height));
}

QComboBox* SearchWindow::addList(const char* name, QLabel* label, int left, int top, int width, int height) {
  QComboBox* list = placed(new QComboBox(this), name, Twips::rect(left, top, width, height));
  list->setEditable(false);
  label->setBuddy(list);
  list->installEventFilter(this);
  return list;
}

QLineEdit* SearchWindow::addField(const char* name, const QString& accessibleName, int left, int top, int width,
                                  int height) {
  QLineEdit* field = placed(new QLineEdit(this), name, Twips::rect(left, top, width, height));
  field->setAccessibleName(accessibleName);
  field->installEventFilter(this);
  return field;
}

void SearchWindow::buildButton(ButtonFace*& face, LabelButton*& label, const char* faceName, const char* labelName,
                               const QString& caption, int top) {
  face = placed(new ButtonFace(this), faceName, Twips::rect(7080, top, 1575, 495));
  label = new LabelButton(caption, face);
  label->setObjectName(labelName);
  label->setGeometry(face->rect().adjusted(6, 4, -6, -4));
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  for (QWidget* w : {static_cast<QWidget*>(face), static_cast<QWidget*>(label)}) {
    w->installEventFilter(this);
    w->setMouseTracking(true);
  }
}

void SearchWindow::pressLook(PointerTarget target, PointerAction action, bool pressedFace) {
  if (action == PointerAction::Move || target == PointerTarget::CloseX || target == PointerTarget::Background) return;
  ButtonFace* face = (target == PointerTarget::FindLabel || target == PointerTarget::FindFace) ? findFace : closeFace;
  const bool down = action == PointerAction::Press;
  const bool onLabel = target == PointerTarget::FindLabel || target == PointerTarget::CloseLabel;
  if (onLabel) face->setBordered(down);
  if (pressedFace) face->showPressed(down);
}

void SearchWindow::buildResultsList() {
  resultsView = placed(new QTableView(this), "lv", Twips::rect(120, 2280, 8535, 5055));
  resultsView->setModel(table_);
  resultsView->setAccessibleName("Results");
  // A table keeps nothing per row, so a million results cost the view nothing.
  resultsView->verticalHeader()->hide();
  resultsView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  resultsView->verticalHeader()->setDefaultSectionSize(resultsView->fontMetrics().height() + 4);
  resultsView->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  resultsView->horizontalHeader()->setHighlightSections(false);
  resultsView->setShowGrid(false);
  resultsView->setWordWrap(false);
  resultsView->setAlternatingRowColors(true);
  resultsView->setSelectionMode(QAbstractItemView::SingleSelection);
  resultsView->setSelectionBehavior(QAbstractItemView::SelectRows);
  resultsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  resultsView->setIconSize(QSize(16, 16));
  resultsView->setColumnWidth(ResultsTable::NameColumn, Twips::toPixels(5200));
  resultsView->setColumnWidth(ResultsTable::FolderColumn, Twips::toPixels(830));
  resultsView->setColumnWidth(ResultsTable::SizeColumn, Twips::toPixels(1440));
  // A double-click anywhere in the list opens the selected result.
  resultsView->viewport()->installEventFilter(this);
  setMouseTracking(true);
  titleStrip->setMouseTracking(true);
}

void SearchWindow::setTabOrder() {
  QList<QWidget*> order{nameField, locationBox};
  for (QLineEdit* field : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
    if (field != nameField) order << field;
  for (QComboBox* box : findChildren<QComboBox*>(Qt::FindDirectChildrenOnly))
    if (box != locationBox) order << box;
  order << findButton << closeButton << matchCaseBox << resultsView << closeLabel;
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void SearchWindow::loadFields() {
  nameField->clear();
  locationBox->clearEditText();
  for (const std::string& drive : context_.fileSystem().drives()) locations_->addItem(drive);
  if (locationBox->count() > 0) locationBox->setCurrentIndex(0);
  SettingsStore& settings = context_.settings();
  nameField->setText(settings.get("x", "y", "named", ""));
  locations_->setText(LocationBox::fromSetting(settings.get("x", "y", "loc", "/")));
  const std::string& commandLine = context_.commandLine();
  if (!blank(commandLine)) {
    locations_->addItem(commandLine);
    locationBox->setCurrentIndex(locationBox->count() - 1);
  }
}

void SearchWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  if (context_.state().wantTransparency) context_.makeTransparentWhenShown(this);
}

bool SearchWindow::passes(const PressStep& step) {
  SharedState& state = context_.state();
  switch (step.kind) {
    case PressStep::TextLength: {
      auto* field = findChild<QLineEdit*>(step.field);
      if (!field || characters(trimBlanks(field->text())) >= 3) return true;
      context_.message(step.icon, step.title, step.message);
      if (step.focus) field->setFocus();
      return false;
    }
    case PressStep::LocationGiven:
      if (!trimBlanks(locationBox->currentText()).isEmpty()) return true;
      context_.message(step.icon, step.title, step.message);
      if (step.focus) locationBox->setFocus();
      return false;
    case PressStep::Configure:
      if (description_.configure) description_.configure(*this, *walk_);
      return true;
    case PressStep::MatchCase:
      state.matchCase = matchCaseBox->isChecked();
      return true;
    case PressStep::LocationExists:
      if (context_.fileSystem().folderExists(locations_->bytes())) return true;
      context_.message(step.icon, step.title, locationBox->currentText() + step.message);
      return false;
  }
  return true;
}

void SearchWindow::findPressed() {
  if (!walk_) return;
  walk_->emptyQueue();  // every press, before any check
  for (const PressStep& step : description_.press)
    if (!passes(step)) return;
  const std::string start = locations_->bytes();
  const QPointer<SearchWindow> self(this);
  context_.showBusy(1, description_.busyCaption);
  if (!self || !walk_) return;
  if (findButton->text() == kFind) {
    findButton->setText(kStop);
    statusLabel->setVisible(true);
    yield_.restart();
    walk_->start(start);  // returns when the walk has ended; the window may be gone by then
  } else {
    requestStop();
    findButton->setText(kFind);
    statusLabel->setVisible(false);
  }
}

void SearchWindow::closePressed() { close(); }

void SearchWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closing_) return;
  closing_ = true;
  lookTimer.stop();
  watchdogTimer.stop();
  statusShow_.stop();
  // A walk waiting in a yield ends there without touching this window again.
  walk_.reset();
  SettingsStore& settings = context_.settings();
  settings.save("x", "y", "named", nameField->text());
  settings.save("x", "y", "loc", LocationBox::toSetting(locations_->bytes()));
  QDialog::closeEvent(event);
  hide();
  context_.showBusy(1, "Returning...");
}

void SearchWindow::refreshLook() {
  showFoundCount();
  if (stopRequested()) {
    findButton->setText(kFind);
    statusLabel->setVisible(false);
  }
}

void SearchWindow::showFoundCount() {
  QString text = QString::number(results_.size()) + " File(s) Found!";
  QStringList tip;
  if (walk_) {
    const std::int64_t unreadable = walk_->unreadable().total();
    if (unreadable > 0) {
      text += QStringLiteral(" (%1 could not be read)").arg(unreadable);
      for (const std::string& p : walk_->unreadable().paths()) tip << DisplayText::fromBytes(p);
    }
    const QString early = earlyEndText(walk_->earlyEnd());
    if (!early.isEmpty()) {
      text += " (search ended early: " + early + ")";
      tip.prepend("The system ran " + early + "; the search stopped there. The files found until then are listed.");
    }
  }
  foundLabel->setText(text);
  const QString joined = tip.join('\n');
  if (joined == shownTip_) return;
  shownTip_ = joined;
  foundLabel->setToolTip(joined);
}

void SearchWindow::watchdogTick() {
  if (findButton->text() != kStop) return;
  SharedState& state = context_.state();
  if (state.idleTicks == 3) {
    context_.showBusy(4, "Processing...");
    requestStop();
    state.idleTicks = 0;
  } else {
    ++state.idleTicks;
  }
}

void SearchWindow::resultActivated() {
  const QModelIndexList selected = resultsView->selectionModel()->selectedRows();
  if (results_.size() == 0 || selected.isEmpty()) return;
  ResultOpener::open(context_, results_, std::size_t(selected.first().row()), description_.failedDisplay);
}

void SearchWindow::yieldToEvents() {
  if (!yield_.due()) return;
  // The walk moves on, inside one huge folder too: the watchdog is not to take it for stalled.
  if (description_.watchdog) context_.state().idleTicks = 0;
  table_->flush();
  // Nothing of this window is touched after the events have run: one of
  // them may close and free it.
  EventYield::letEventsIn();
}

QString SearchWindow::nameText() { return nameField->text(); }

QString SearchWindow::containingText() { return contentField_ ? contentField_->text() : QString(); }

bool SearchWindow::matchCase() { return context_.state().matchCase; }

void SearchWindow::requestStop() { context_.state().stopFlag = true; }

bool SearchWindow::stopRequested() { return context_.state().stopFlag; }

void SearchWindow::clearStopRequest() { context_.state().stopFlag = false; }

void SearchWindow::statusChanged(const std::string& folder) {
  if (description_.watchdog) context_.state().idleTicks = 0;
  statusPath_.assign(folder);
  if (!statusShow_.isActive()) statusShow_.start();
}

void SearchWindow::resultsCleared() { table_->reset(); }

void SearchWindow::ended() {
  table_->flush();
  showStatus();
  refreshLook();  // the idle look at once, not at the next tick
}

void SearchWindow::showStatus() {
  statusShow_.stop();
  if (!statusPath_.empty()) statusLabel->setText("Searching In " + DisplayText::fromBytes(statusPath_) + "...");
}

void SearchWindow::keyPressEvent(QKeyEvent* event) {
  // Escape closes the window only from the fields that say so (eventFilter).
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void SearchWindow::mousePressEvent(QMouseEvent* event) {
  if (description_.pointer) description_.pointer(*this, PointerTarget::Background, PointerAction::Press);
  QDialog::mousePressEvent(event);
}

void SearchWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (description_.pointer) description_.pointer(*this, PointerTarget::Background, PointerAction::Release);
  QDialog::mouseReleaseEvent(event);
}

void SearchWindow::mouseMoveEvent(QMouseEvent* event) {
  if (description_.pointer) description_.pointer(*this, PointerTarget::Background, PointerAction::Move);
  QDialog::mouseMoveEvent(event);
}

// The pointer over the buttons, their pictures and the "X", for the window's
// looks. Nothing is taken from the controls themselves: a click on a label
// still presses it.
bool SearchWindow::pointerEvent(QObject* watched, QEvent* event) {
  PointerAction action;
  switch (event->type()) {
    case QEvent::MouseButtonPress: action = PointerAction::Press; break;
    case QEvent::MouseButtonRelease: action = PointerAction::Release; break;
    case QEvent::MouseMove: action = PointerAction::Move; break;
    case QEvent::Leave:  // off the "X": as over the window around it
      if (watched == closeLabel && description_.pointer)
        description_.pointer(*this, PointerTarget::Background, PointerAction::Move);
      return false;
    default: return false;
  }
  PointerTarget target;
  if (watched == findButton) target = PointerTarget::FindLabel;
  else if (watched == findFace) target = PointerTarget::FindFace;
  else if (watched == closeButton) target = PointerTarget::CloseLabel;
  else if (watched == closeFace) target = PointerTarget::CloseFace;
  else if (watched == closeLabel) target = PointerTarget::CloseX;
  else if (watched == titleStrip || watched == heading) target = PointerTarget::Background;
  else return false;
  if (description_.pointer) description_.pointer(*this, target, action);
  // A picture box takes its own presses: they are not the window's.
  return watched == findFace || watched == closeFace;
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (!locationBox) return QDialog::eventFilter(watched, event);  // still being built
  if (resultsView && watched == resultsView->viewport() && type == QEvent::MouseButtonDblClick) {
    resultActivated();
    return true;
  }
  if (pointerEvent(watched, event)) return true;
  if (watched == titleStrip || watched == heading) return titleDrag_.handle(event);
  if (type == QEvent::KeyPress && (qobject_cast<QLineEdit*>(watched) || qobject_cast<QComboBox*>(watched))) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      findPressed();
      return true;
    }
    if (key == Qt::Key_Escape) {
      closePressed();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
