// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QTableView>
#include <QTimer>

#include "platform/core/FileSystem.h"
#include "ui/Context.h"
#include "ui/FirstShowWatch.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Settings.h"
#include "ui/StartSearch.h"
#include "ui/Twips.h"
#include "ui/WidgetColours.h"
#include "ui/WindowPalette.h"
#include "windows/ButtonFace.h"
#include "windows/LocationBox.h"
#include "windows/ResultActions.h"
#include "windows/ResultsTable.h"
#include "windows/ResultsView.h"
#include "windows/SearchSession.h"
#include "windows/TimeColumn.h"
#include "windows/WindowArt.h"

// QT_LOGGING_RULES=quorrel.search.debug=true prints what a search opened from
// the command line shows: its fields once filled, its count once it ends.
Q_LOGGING_CATEGORY(searchLog, "quorrel.search", QtInfoMsg)

namespace {
bool blank(const std::string& bytes) { return bytes.find_first_not_of(' ') == std::string::npos; }

// A list that also takes typing, never adding what is typed. Editable from the
// start: its line edit then follows it in the focus chain.
QWidget* editableList(const Layout::Control&, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  return box;
}
}  // namespace

void SearchWindow::buildControls() {
  // A palette, not a style sheet: Qt hands no palette on beneath a style sheet.
  WindowPalette::apply(this, QColor(238, 241, 246));
  using namespace Layout;
  using C = SearchControls;
  const int width = description_.clientWidth;
  const int own = description_.ownHeight;
  const Font bold{nullptr, 0, true};
  // clang-format off
  build(this, c_, {
    {make<QLabel>,      "Picture1", {},                   {0, 0, width + 30, 495},   into<&C::titleStrip>},
    {make<QLabel>,      "Label5",   description_.heading, {120, 120, 4575, 495},     into<&C::heading>, {}, "Picture1"},
    {make<LabelButton>, description_.closeLabelName, tr("X"), {width - 465, 0, 360, 435}, into<&C::closeLabel>,
                                                                                     {nullptr, 12, true}, "Picture1"},
    {make<QLabel>,      "Label1",   tr("Named:"),         {240, 840, 975, 255},      into<&C::nameCaption>},
    {make<QLineEdit>,   "txtname",  {},                   {1440, 840, 5535, 375},    into<&C::nameField>},
    {make<QLabel>,      "Label2",   tr("Location:"),      {240, 1440, 1095, 375},    into<&C::locationCaption>},
    {editableList,      "cboLoc",   {},                   {1440, 1440, 5535, 390},   into<&C::locationBox>},
    {make<ButtonFace>,  "pict",     {},                   {7080, 600, 1575, 495},    into<&C::findFace>},
    {make<LabelButton>, "cmdfind",  tr(kFind),               {90, 60, 1395, 375},      into<&C::findButton>, bold, "pict"},
    {make<ButtonFace>,  "pictb",    {},                   {7080, 1200, 1575, 495},   into<&C::closeFace>},
    {make<LabelButton>, "cmdcanc",  description_.closeCaption, {90, 60, 1395, 375},  into<&C::closeButton>, bold,
                                                                                                            "pictb"},
    {make<QCheckBox>,   "chkmatch", tr("&Match Case"),    {7080, 1800, 1575, 480},   into<&C::matchCaseBox>},
    {make<ResultsView>, "lv",       {},                   {120, 2280 + own, 8535, 5055},   into<&C::resultsView>},
    {make<QLabel>,      "lblfound", tr("0 files found"),  {120, 7800 + own, 8535, 255},    into<&C::foundLabel>},
    {make<QLabel>,      "lblin",    tr("Searching ..."),  {120, 8160 + own, 8895, 735},    into<&C::statusLabel>},
  });
  // clang-format on

  c_.titleStrip->setPixmap(WindowArt::titleStrip(c_.titleStrip->size()));
  c_.titleStrip->installEventFilter(this);
  c_.heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  c_.heading->setStyleSheet("color: white; font-weight: bold; font-size: 11pt;");
  c_.heading->installEventFilter(this);
  c_.closeLabel->setAccessibleName(tr("Close"));
  WidgetColours::setText(c_.closeLabel, description_.closeLabelColour);
  c_.closeLabel->installEventFilter(this);
  c_.closeLabel->setMouseTracking(true);
  connect(c_.closeLabel, &LabelButton::clicked, this, &SearchWindow::closePressed);

  c_.nameField->setAccessibleName(tr("Named"));
  c_.nameField->installEventFilter(this);
  c_.nameCaption->setBuddy(c_.nameField);
  c_.locationBox->setAccessibleName(tr("Location"));
  c_.locationBox->installEventFilter(this);
  c_.locationBox->lineEdit()->installEventFilter(this);
  c_.locationCaption->setBuddy(c_.locationBox);
  locations_ = std::make_unique<LocationBox>(c_.locationBox);

  for (QWidget* w : std::initializer_list<QWidget*>{c_.findFace, c_.findButton, c_.closeFace, c_.closeButton}) {
    w->installEventFilter(this);
    w->setMouseTracking(true);
  }
  connect(c_.findButton, &LabelButton::clicked, this, &SearchWindow::findPressed);
  connect(c_.closeButton, &LabelButton::clicked, this, &SearchWindow::closePressed);
  setUpResultsList();

  c_.statusLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  c_.statusLabel->setWordWrap(true);
  c_.statusLabel->setVisible(false);
}

void SearchWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(QPen(QColor(60, 90, 140), 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SearchWindow::setUpResultsList() {
  c_.resultsView->setModel(table_);
  c_.resultsView->setAccessibleName(tr("Results"));
  // A table keeps nothing per row, so a million results cost the view nothing.
  c_.resultsView->verticalHeader()->hide();
  c_.resultsView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  c_.resultsView->verticalHeader()->setDefaultSectionSize(c_.resultsView->fontMetrics().height() + 4);
  c_.resultsView->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  c_.resultsView->horizontalHeader()->setHighlightSections(false);
  c_.resultsView->setShowGrid(false);
  c_.resultsView->setWordWrap(false);
  c_.resultsView->setAlternatingRowColors(true);
  c_.resultsView->setSelectionMode(QAbstractItemView::ExtendedSelection);
  c_.resultsView->setSelectionBehavior(QAbstractItemView::SelectRows);
  c_.resultsView->setDragDropMode(QAbstractItemView::DragOnly);  // offers what a copy does
  c_.resultsView->setDefaultDropAction(Qt::CopyAction);
  c_.resultsView->setTextElideMode(Qt::ElideMiddle);  // a path's end says most
  c_.resultsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  c_.resultsView->setIconSize(QSize(16, 16));
  // The user may drag a column's edge, or double-click it to fit the column.
  // "In Folder" takes what the others leave of the list (beside the scroll
  // bar, when it shows), at any size: no scrolling sideways.
  c_.resultsView->setColumnWidth(ResultsTable::NameColumn, Twips::toPixels(5200));
  c_.resultsView->horizontalHeader()->setSectionResizeMode(ResultsTable::FolderColumn, QHeaderView::Stretch);
  c_.resultsView->setColumnWidth(ResultsTable::SizeColumn, Twips::toPixels(1440));
  TimeColumn::setUp(context_, *c_.resultsView, description_.objectName, description_.byTime);
  actions_ = new ResultActions(context_, *this, c_.resultsView, *table_);
  // The header's choice of columns is on the list's own menu too, for the keyboard.
  if (auto* column = c_.resultsView->horizontalHeader()->findChild<QAction*>("showModified")) {
    actions_->menu->addSeparator();
    actions_->menu->addAction(column);
  }
  setMouseTracking(true);
  c_.titleStrip->setMouseTracking(true);
}

// A kind's own fields and lists come after the location, and take Enter
// and Escape as the common ones do.
void SearchWindow::setTabOrder() {
  QList<QWidget*> order{c_.nameField, c_.locationBox}, own;
  const QList<QWidget*> common{c_.nameField,    c_.locationBox, c_.findButton, c_.closeButton,
                               c_.matchCaseBox, c_.resultsView, c_.closeLabel};
  for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if ((w->focusPolicy() & Qt::TabFocus) && !common.contains(w)) own << w;
  for (QWidget* w : own) w->installEventFilter(this);
  order << own;
  order << c_.findButton << c_.closeButton << c_.matchCaseBox << c_.resultsView << c_.closeLabel;
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void SearchWindow::loadFields() {
  c_.nameField->clear();
  c_.locationBox->clearEditText();
  for (const std::string& drive : context_.fileSystem().drives()) locations_->addItem(drive);
  if (c_.locationBox->count() > 0) c_.locationBox->setCurrentIndex(0);
  c_.nameField->setText(Settings::searchName.read(context_));
  if (description_.restore) description_.restore(c_.own, context_);
  locations_->setText(Settings::searchLocation.read(context_));
  const std::string& commandLine = context_.commandLine();
  if (!blank(commandLine)) {
    locations_->addItem(commandLine);
    c_.locationBox->setCurrentIndex(c_.locationBox->count() - 1);
  }
}

void SearchWindow::startWith(const StartSearch& start) {
  if (start.name) c_.nameField->setText(*start.name);
  if (start.containing && c_.own.containingField) c_.own.containingField->setText(*start.containing);
  if (searchLog().isDebugEnabled()) {  // what the window shows, for the command line's tests
    QString shown;
    {
      QDebug said(&shown);
      said << objectName() << "named" << c_.nameField->text();
      if (c_.own.containingField) said << "containing" << c_.own.containingField->text();
      said << "in" << QByteArray::fromStdString(locations_->bytes());
    }
    qCDebug(searchLog).noquote() << shown;
  }
  if (!start.find) return;
  connect(session_.get(), &SearchSession::finished, this,
          [this] { qCDebug(searchLog) << objectName() << "ended:" << c_.foundLabel->text(); });
  // Queued: the press runs the walk, which must not start inside the show.
  new FirstShowWatch(this, [this] { QTimer::singleShot(0, this, &SearchWindow::findPressed); });
}
