#pragma once
#include <QLabel>

class QShortcut;

// A caption that acts as a button: a click on it is a press. Its caption
// keeps the "&" of its access key (Alt + the letter presses it too) and shows
// that letter underlined.
class LabelButton : public QLabel {
  Q_OBJECT
public:
  LabelButton(const QString& caption, QWidget* parent);
  void setCaption(const QString& caption);  // text() stays the caption as given

Q_SIGNALS:
  void pressed();
  void released();
  void clicked();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  QShortcut* shortcut_;
};
