// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include "ui/TitleStripDrag.h"

class Context;
class QLabel;
class QPushButton;
class WrapRadio;

// The transparency question: asked at start-up unless the user chose not to
// be asked again. Borderless; only its own controls answer it.
class TransparencyQuestion : public QDialog {
  Q_OBJECT
public:
  static constexpr const char* kWarning = QT_TR_NOOP(
      "Selecting Yes or having transparent windows will reduce the searching process performance to some extent. "
      "Would you like to still have transparency in the searching sessions?");

  explicit TransparencyQuestion(Context& context, QWidget* parent = nullptr);

  void yesPressed();
  void noPressed();
  void dontAskYesChosen();
  void dontAskNoChosen();

  QLabel* question = nullptr;
  QPushButton* yesButton = nullptr;
  QPushButton* noButton = nullptr;
  WrapRadio* dontAskYes = nullptr;
  WrapRadio* dontAskNo = nullptr;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool warningAccepted();
  Context& context_;
  QWidget* titleStrip_ = nullptr;
  TitleStripDrag titleDrag_{this};
};
