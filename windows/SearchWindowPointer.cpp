// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchWindow.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>

#include "ui/LabelButton.h"
#include "windows/ButtonFace.h"
#include "windows/ResultActions.h"

void pressLook(const SearchControls& c, PointerTarget target, PointerAction action, bool pressedFace) {
  if (action == PointerAction::Move || target == PointerTarget::CloseX || target == PointerTarget::Background) return;
  ButtonFace* face =
      (target == PointerTarget::FindLabel || target == PointerTarget::FindFace) ? c.findFace : c.closeFace;
  const bool down = action == PointerAction::Press;
  const bool onLabel = target == PointerTarget::FindLabel || target == PointerTarget::CloseLabel;
  if (onLabel) face->setBordered(down);
  if (pressedFace) face->showPressed(down);
}

void SearchWindow::pointer(PointerTarget target, PointerAction action) {
  if (description_.pointer) description_.pointer(c_, target, action);
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
  pointer(PointerTarget::Background, PointerAction::Press);
  QDialog::mousePressEvent(event);
}

void SearchWindow::mouseReleaseEvent(QMouseEvent* event) {
  pointer(PointerTarget::Background, PointerAction::Release);
  QDialog::mouseReleaseEvent(event);
}

void SearchWindow::mouseMoveEvent(QMouseEvent* event) {
  pointer(PointerTarget::Background, PointerAction::Move);
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
      if (watched == c_.closeLabel) pointer(PointerTarget::Background, PointerAction::Move);
      return false;
    default: return false;
  }
  PointerTarget target;
  if (watched == c_.findButton) target = PointerTarget::FindLabel;
  else if (watched == c_.findFace) target = PointerTarget::FindFace;
  else if (watched == c_.closeButton) target = PointerTarget::CloseLabel;
  else if (watched == c_.closeFace) target = PointerTarget::CloseFace;
  else if (watched == c_.closeLabel) target = PointerTarget::CloseX;
  else if (watched == c_.titleStrip || watched == c_.heading) target = PointerTarget::Background;
  else return false;
  pointer(target, action);
  // A picture box takes its own presses: they are not the window's.
  return watched == c_.findFace || watched == c_.closeFace;
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (!c_.locationBox) return QDialog::eventFilter(watched, event);  // still being built
  if (pointerEvent(watched, event)) return true;
  if (watched == c_.titleStrip || watched == c_.heading) return titleDrag_.handle(event);
  if (type == QEvent::KeyPress && (qobject_cast<QLineEdit*>(watched) || qobject_cast<QComboBox*>(watched) ||
                                   qobject_cast<QAbstractSpinBox*>(watched))) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      findPressed();
      return true;
    }
    if (key == Qt::Key_Escape) {
      closePressed();
      return true;
    }
    if (watched == c_.nameField && (key == Qt::Key_Down || key == Qt::Key_PageDown)) {
      actions_->focusResults();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
