#pragma once
#include <QDialog>
#include <QPoint>
#include <QTimer>
#include <memory>
#include <string>

#include "shell/EventYield.h"

class ButtonFace;
class FolderWalk;
class LabelButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class ResultsModel;

// The common search window: name text, location, Find/Stop, Match Case, the
// live results list, the found count and the status line, over one folder
// walk. The kinds of search are variants of it.
class SearchWindow : public QDialog {
  Q_OBJECT
public:
  static inline const QString kFind = QStringLiteral("&Find Now!");
  static inline const QString kStop = QStringLiteral("&Stop!");

  SearchWindow(const QString& title, const QString& heading, QWidget* parent = nullptr);
  ~SearchWindow() override;

  // Handlers, one per control event.
  void cmdfind_Click();
  void cmdcanc_Click();
  void tmrr_Timer();
  void tmrp_Timer();
  void lv_DblClick();

  ResultsModel& results() { return *results_; }
  FolderWalk* walk() { return walk_.get(); }  // null once the window has closed

  QLabel* Picture1;
  QLabel* Label5;
  QLabel* Label4;
  QLabel* Label1;
  QLineEdit* txtname;
  QLabel* Label2;
  QComboBox* cboLoc;
  ButtonFace* pict;
  LabelButton* cmdfind;
  ButtonFace* pictb;
  LabelButton* cmdcanc;
  QCheckBox* chkmatch;
  QTableView* lv;
  QLabel* lblfound;
  QLabel* lblin;
  QTimer tmrr;
  QTimer tmrp;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void buildControls(const QString& heading);
  void buildButton(ButtonFace*& face, LabelButton*& label, const QString& caption, int top);
  void loadFields();
  void showFoundCount();
  void showStatus();
  bool dragWindow(QEvent* event);

  ResultsModel* results_;
  std::unique_ptr<FolderWalk> walk_;
  std::unique_ptr<EventYield> yield_;
  QTimer statusShow_;
  std::string statusPath_;
  bool shownOnce_ = false;
  bool closing_ = false;
  QPoint dragOffset_;
  bool dragging_ = false;
  long long shownUnreadable_ = -1;
};
