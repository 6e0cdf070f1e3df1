#pragma once
#include <QDialog>
#include <vector>

#include "shell/SearchWindows.h"
#include "shell/TitleStripDrag.h"

class EntryBar;
class LabelButton;
class QCheckBox;
class QLabel;

// The launcher: the kinds of search as a column of entry bars, the about
// box, the date search (not in this version), the exit, and whether the
// transparency question is asked at each start.
class FRM : public QDialog {
  Q_OBJECT
public:
  explicit FRM(SearchWindows& windows, QWidget* parent = nullptr);

  void cmdall_Click();
  void cmdconttext_Click();
  void cmdmedia_Click();
  void cmdoffice_Click();
  void cmddate_Click();
  void cmdabout_Click();
  void cmdexit_Click();  // also the "X"
  void chkask_Click();

  QLabel* Label2 = nullptr;
  LabelButton* lblc = nullptr;
  QLabel* Label1 = nullptr;
  EntryBar* pictall = nullptr;
  EntryBar* pictconx = nullptr;
  EntryBar* pictmedia = nullptr;
  EntryBar* pictoffice = nullptr;
  EntryBar* pictdate = nullptr;
  EntryBar* pictabout = nullptr;
  EntryBar* pictexit = nullptr;
  QCheckBox* chkask = nullptr;

protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  EntryBar* addEntry(const char* barName, const char* labelName, const QString& caption, int top, qreal points);
  void hover(QObject* over);
  void resetHover();

  SearchWindows& windows_;
  std::vector<EntryBar*> bars_;
  QLabel* background_ = nullptr;
  QWidget* titleStrip_ = nullptr;
  TitleStripDrag titleDrag_{this};
  bool shownOnce_ = false;
};
