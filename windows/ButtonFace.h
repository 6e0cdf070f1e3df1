#pragma once
#include <QLabel>
#include <QPixmap>

// The picture box behind a label button: shows the normal face, or the
// pressed face while a mouse button is held on it. A press on its label also
// gives it a single-line border.
class ButtonFace : public QLabel {
  Q_OBJECT
public:
  explicit ButtonFace(QWidget* parent);
  void showPressed(bool pressed);
  void setBordered(bool bordered);
  bool isShowingPressed() const { return pressed_; }
  bool isBordered() const { return bordered_; }

protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void refresh();
  bool pressed_ = false;
  bool bordered_ = false;
};
