// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>

#include "platform/core/FileSystem.h"
#include "ui/Context.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Settings.h"
#include "ui/Twips.h"
#include "ui/WidgetColours.h"
#include "ui/WindowPalette.h"
#include "windows/ButtonFace.h"
#include "windows/LocationBox.h"
#include "windows/ResultActions.h"
#include "windows/ResultsTable.h"
#include "windows/ResultsView.h"
#include "windows/WindowArt.h"

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

template <typename T>
T* placed(T* widget, const char* name, QRect twips) {
  widget->setObjectName(name);
  widget->setGeometry(twips);
  return widget;
}
}  // namespace

void SearchWindow::buildControls() {
  // A palette, not a style sheet: Qt hands no palette on beneath a style sheet.
  WindowPalette::apply(this, QColor(238, 241, 246));
  using namespace Layout;
  using W = SearchWindow;
  const int width = description_.clientWidth;
  const Font bold{nullptr, 0, true};
  // clang-format off
  build(this, {
    {make<QLabel>,      "Picture1", {},                   {0, 0, width + 30, 495},   into<&W::titleStrip>},
    {make<QLabel>,      "Label5",   description_.heading, {120, 120, 4575, 495},     into<&W::heading>, {}, "Picture1"},
    {make<LabelButton>, description_.closeLabelName, tr("X"), {width - 465, 0, 360, 435}, into<&W::closeLabel>,
                                                                                     {nullptr, 12, true}, "Picture1"},
    {make<QLabel>,      "Label1",   tr("Named:"),         {240, 840, 975, 255},      into<&W::nameCaption>},
    {make<QLineEdit>,   "txtname",  {},                   {1440, 840, 5535, 375},    into<&W::nameField>},
    {make<QLabel>,      "Label2",   tr("Location:"),      {240, 1440, 1095, 375},    into<&W::locationCaption>},
    {editableList,      "cboLoc",   {},                   {1440, 1440, 5535, 390},   into<&W::locationBox>},
    {make<ButtonFace>,  "pict",     {},                   {7080, 600, 1575, 495},    into<&W::findFace>},
    {make<LabelButton>, "cmdfind",  kFind,                {90, 60, 1395, 375},      into<&W::findButton>, bold, "pict"},
    {make<ButtonFace>,  "pictb",    {},                   {7080, 1200, 1575, 495},   into<&W::closeFace>},
    {make<LabelButton>, "cmdcanc",  description_.closeCaption, {90, 60, 1395, 375},  into<&W::closeButton>, bold,
                                                                                                            "pictb"},
    {make<QCheckBox>,   "chkmatch", tr("&Match Case"),    {7080, 1800, 1575, 480},   into<&W::matchCaseBox>},
    {make<ResultsView>, "lv",       {},                   {120, 2280, 8535, 5055},   into<&W::resultsView>},
    {make<QLabel>,      "lblfound", tr("0 files found"),  {120, 7800, 8535, 255},    into<&W::foundLabel>},
    {make<QLabel>,      "lblin",    tr("Searching ..."),  {120, 8160, 8895, 735},    into<&W::statusLabel>},
  });
  // clang-format on

  titleStrip->setPixmap(WindowArt::titleStrip(titleStrip->size()));
  titleStrip->installEventFilter(this);
  heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  heading->setStyleSheet("color: white; font-weight: bold; font-size: 11pt;");
  heading->installEventFilter(this);
  closeLabel->setAccessibleName("Close");
  WidgetColours::setText(closeLabel, description_.closeLabelColour);
  closeLabel->installEventFilter(this);
  closeLabel->setMouseTracking(true);
  connect(closeLabel, &LabelButton::clicked, this, &SearchWindow::closePressed);

  nameField->setAccessibleName("Named");
  nameField->installEventFilter(this);
  nameCaption->setBuddy(nameField);
  locationBox->setAccessibleName("Location");
  locationBox->installEventFilter(this);
  locationBox->lineEdit()->installEventFilter(this);
  locationCaption->setBuddy(locationBox);
  locations_ = std::make_unique<LocationBox>(locationBox);

  for (QWidget* w : std::initializer_list<QWidget*>{findFace, findButton, closeFace, closeButton}) {
    w->installEventFilter(this);
    w->setMouseTracking(true);
  }
  connect(findButton, &LabelButton::clicked, this, &SearchWindow::findPressed);
  connect(closeButton, &LabelButton::clicked, this, &SearchWindow::closePressed);
  setUpResultsList();

  statusLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  statusLabel->setWordWrap(true);
  statusLabel->setVisible(false);
}

void SearchWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(QPen(QColor(60, 90, 140), 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
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

void SearchWindow::setUpResultsList() {
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
  resultsView->setSelectionMode(QAbstractItemView::ExtendedSelection);
  resultsView->setSelectionBehavior(QAbstractItemView::SelectRows);
  resultsView->setDragDropMode(QAbstractItemView::DragOnly);  // offers what a copy does
  resultsView->setDefaultDropAction(Qt::CopyAction);
  resultsView->setTextElideMode(Qt::ElideMiddle);  // a path's end says most
  resultsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  resultsView->setIconSize(QSize(16, 16));
  // The user may drag a column's edge, or double-click it to fit the column.
  resultsView->setColumnWidth(ResultsTable::NameColumn, Twips::toPixels(5200));
  resultsView->setColumnWidth(ResultsTable::FolderColumn, Twips::toPixels(830));
  resultsView->setColumnWidth(ResultsTable::SizeColumn, Twips::toPixels(1440));
  actions_ = new ResultActions(context_, *this, *table_);
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
  nameField->setText(Settings::searchName.read(context_));
  locations_->setText(Settings::searchLocation.read(context_));
  const std::string& commandLine = context_.commandLine();
  if (!blank(commandLine)) {
    locations_->addItem(commandLine);
    locationBox->setCurrentIndex(locationBox->count() - 1);
  }
}
