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
#include "ui/Art.h"
#include "ui/Context.h"
#include "ui/LabelButton.h"
#include "ui/PictureLabels.h"
#include "ui/Settings.h"
#include "ui/Twips.h"
#include "ui/WidgetColours.h"
#include "ui/WindowPalette.h"
#include "windows/LocationBox.h"
#include "windows/ResultActions.h"
#include "windows/ResultsTable.h"
#include "windows/ResultsView.h"

namespace {
bool blank(const std::string& bytes) { return bytes.find_first_not_of(' ') == std::string::npos; }

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
  const int width = description_.clientWidth;

  titleStrip = placed(new QLabel(this), "Picture1", Twips::rect(0, 0, width + 30, 495));
  titleStrip->setPixmap(WindowArt::titleStrip(titleStrip->size()));
  titleStrip->installEventFilter(this);
  heading = placed(new QLabel(description_.heading, titleStrip), "Label5", Twips::rect(120, 120, 4575, 495));
  heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  heading->setStyleSheet("color: white; font-weight: bold; font-size: 11pt;");
  heading->installEventFilter(this);
  closeLabel =
      placed(new LabelButton("X", titleStrip), description_.closeLabelName, Twips::rect(width - 465, 0, 360, 435));
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

void SearchWindow::buildResultsList() {
  resultsView = placed(new ResultsView(this), "lv", Twips::rect(120, 2280, 8535, 5055));
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
