// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QTimer>
#include <memory>
#include <string>

#include "engine/ResultList.h"
#include "engine/SearchQuery.h"
#include "engine/WalkHost.h"
#include "ui/TitleStripDrag.h"
#include "windows/EventYield.h"
#include "windows/SearchWindowDescription.h"

class ButtonFace;
class Context;
class FolderWalk;
class LabelButton;
class LocationBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class ResultActions;
class ResultsTable;

// The common search window: name text, location, Find/Stop, Match Case, the
// live results list, the found count and the status line, over one folder
// walk. Each kind of search is this window built from its description.
// Its parts by job: SearchWindowControls.cpp lays the controls out,
// SearchWindowPress.cpp runs a press and its checks, SearchWindowResults.cpp
// is the walk's host and shows what it finds, SearchWindowPointer.cpp gives
// the pointer and keys their looks and effects; ResultActions is what the
// results list lets a user do.
class SearchWindow : public QDialog, public WalkHost {
  Q_OBJECT
public:
  static inline const QString kFind = QStringLiteral("&Find Now!");
  static inline const QString kStop = QStringLiteral("&Stop!");

  SearchWindow(Context& context, SearchWindowDescription description, QWidget* parent = nullptr);
  ~SearchWindow() override;

  // Handlers, one per control event.
  void findPressed();
  void closePressed();
  void refreshLook();
  void watchdogTick();

  const ResultList& results() const { return results_; }
  FolderWalk* walk() { return walk_.get(); }  // null once the window has closed
  const SearchWindowDescription& description() const { return description_; }
  const OwnControls& own() const { return own_; }  // what the description's controls handed over
  bool searching() const { return searching_; }    // a walk started by a press has not returned yet

  // For the descriptions' hooks: a label, a one-line field or a drop-down
  // list at a place in twips.
  QLabel* addLabel(const char* name, const QString& text, int left, int top, int width, int height);
  QLineEdit* addField(const char* name, const QString& accessibleName, int left, int top, int width, int height);
  QComboBox* addList(const char* name, QLabel* label, int left, int top, int width, int height);
  // The looks most windows share: a press on a label frames its picture and,
  // where the window has a pressed face, shows it; a release restores both.
  void pressLook(PointerTarget target, PointerAction action, bool pressedFace);

  QLabel* titleStrip = nullptr;
  QLabel* heading = nullptr;
  LabelButton* closeLabel = nullptr;  // the "X" on the title strip
  QLabel* nameCaption = nullptr;
  QLineEdit* nameField = nullptr;
  QLabel* locationCaption = nullptr;
  QComboBox* locationBox = nullptr;
  ButtonFace* findFace = nullptr;
  LabelButton* findButton = nullptr;
  ButtonFace* closeFace = nullptr;
  LabelButton* closeButton = nullptr;
  QCheckBox* matchCaseBox = nullptr;
  QTableView* resultsView = nullptr;
  QLabel* foundLabel = nullptr;
  QLabel* statusLabel = nullptr;
  QTimer lookTimer;
  QTimer watchdogTimer;

protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // The walk's side of the window.
  void yieldToEvents() override;
  QString nameText() override;
  QString containingText() override;
  bool matchCase() override;
  void requestStop() override;
  bool stopRequested() override;
  void clearStopRequest() override;
  void statusChanged(const std::string& folder) override;
  void resultsCleared() override;
  void ended() override;

  void buildControls();
  bool pointerEvent(QObject* watched, QEvent* event);
  void setUpResultsList();
  void setTabOrder();
  void loadFields();
  bool passes(const PressStep& step, SearchQuery& query);
  void showFoundCount();
  void showStatus();

  Context& context_;
  const SearchWindowDescription description_;
  ResultList results_;
  ResultsTable* table_ = nullptr;
  ResultActions* actions_ = nullptr;
  OwnControls own_;
  // Built up by the presses: one refused for its location has still set the
  // pattern, and a press with no category chosen keeps the last one.
  SearchQuery query_;
  std::unique_ptr<FolderWalk> walk_;
  std::unique_ptr<LocationBox> locations_;
  EventYield yield_;
  QTimer statusShow_;
  std::string statusPath_;
  bool closing_ = false;
  bool searching_ = false;
  int walkLoopLevel_ = 0;  // the event-loop depth the walk yields at
  TitleStripDrag titleDrag_{this};
  QString shownTip_;
};
