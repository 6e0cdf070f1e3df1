// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "ui/TitleStripDrag.h"
#include "windows/SearchWindowDescription.h"

class Context;
class LocationBox;
class ResultActions;
class ResultList;
class ResultsTable;
class SearchSession;
struct StartSearch;

// The common search window, a view over its search session: name text,
// location, Find/Stop, Match Case, the live results list, the found count
// and the status line. Each kind of search is this window built from its
// description. Its parts by job: SearchWindowControls.cpp lays the controls
// out, SearchWindowPress.cpp runs a press's checks and hands it to the
// session, SearchWindowResults.cpp shows what the session tells,
// SearchWindowPointer.cpp gives the pointer and keys their looks and effects,
// SearchWindowSize.cpp lets the window grow and keeps its place; ResultActions is what the results list lets a user do.
class SearchWindow : public QDialog {
  Q_OBJECT
public:
  // The button's captions, shown translated; whether a search runs is the
  // session's state (SearchSession::searching), never read from the caption.
  static constexpr const char* kFind = QT_TR_NOOP("&Find Now!");
  static constexpr const char* kStop = QT_TR_NOOP("&Stop!");

  SearchWindow(Context& context, SearchWindowDescription description, QWidget* parent = nullptr);
  ~SearchWindow() override;

  SearchSession& session() { return *session_; }
  const ResultList& results() const;
  const SearchWindowDescription& description() const { return description_; }
  // Opened from the command line: its texts fill the fields (the containing
  // text only where the window has one), and Find is pressed once the window
  // shows.
  void startWith(const StartSearch& start);

protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Handlers, one per control event.
  void findPressed();
  void closePressed();
  void showSearching(bool searching);
  void showFoundCount();
  void showStatus();
  void showEnded();

  void buildControls();
  void listenToSession();
  bool pointerEvent(QObject* watched, QEvent* event);
  void pointer(PointerTarget target, PointerAction action);
  void setUpResultsList();
  void setTabOrder();
  void loadFields();
  void setUpSizing();
  void restorePlace();
  void keepPlace();
  bool passes(const PressStep& step);

  Context& context_;
  const SearchWindowDescription description_;
  std::unique_ptr<SearchSession> session_;
  SearchControls c_;
  ResultsTable* table_ = nullptr;
  ResultActions* actions_ = nullptr;
  std::unique_ptr<LocationBox> locations_;
  QTimer countTimer_;  // the found count, ten times a second
  QTimer statusShow_;
  std::string statusPath_;
  bool closing_ = false;
  TitleStripDrag titleDrag_{this};
  // A control that follows the window's growth: moved right or down, made wider or taller.
  enum Follow { Right = 1, Down = 2, Wider = 4, Taller = 8 };
  struct Anchor {
    QWidget* widget;
    QRect first;  // at the window's first size
    int follow;
  };
  std::vector<Anchor> anchors_;
  QString shownTip_;
};
