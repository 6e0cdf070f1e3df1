#pragma once
#include <QLabel>
#include <QPixmap>

// The picture box behind a label button. A mouse button held on it shows the
// pressed face, or, in windows whose buttons have only one face, a border.
class ButtonFace : public QLabel {
  Q_OBJECT
public:
  explicit ButtonFace(QWidget* parent);
  void showPressed(bool pressed);
  void setBordered(bool bordered);
  void setPressedFace(bool hasPressedFace) { hasPressedFace_ = hasPressedFace; }
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
  bool hasPressedFace_ = true;
};
