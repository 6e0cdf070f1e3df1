#pragma once
#include <QDialog>

#include "shell/TitleStripDrag.h"

class QLabel;
class QPushButton;
class WrapRadio;

// The transparency question: asked at start-up unless the user chose not to
// be asked again. Borderless; only its own controls answer it.
class frmask : public QDialog {
  Q_OBJECT
public:
  static inline const QString kWarning = QStringLiteral(
      "Selecting Yes or having transparent windows will reduce the searching process performance to some extent. "
      "Would you like to still have transparency in the searching sessions?");

  explicit frmask(QWidget* parent = nullptr);

  void cmdYes_Click();
  void cmdno_Click();
  void optdontaskY_Click();
  void optdontaskN_Click();

  QLabel* Label1 = nullptr;
  QPushButton* cmdYes = nullptr;
  QPushButton* cmdno = nullptr;
  WrapRadio* optdontaskY = nullptr;
  WrapRadio* optdontaskN = nullptr;

protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool warningAccepted();
  bool shownOnce_ = false;
  QWidget* titleStrip_ = nullptr;
  TitleStripDrag titleDrag_{this};
};
