#pragma once
#include <QTimer>
#include <QWidget>

class QLabel;
class SearchWindows;

// The splash: unrolls downwards, records where the program is installed, and
// after about 2.5 s (or at the first tick after a click) closes and runs the
// start sequence; when that returns, the program ends.
class frmspl : public QWidget {
  Q_OBJECT
public:
  static constexpr int kTickMs = 410;
  explicit frmspl(SearchWindows& windows, int tickMs = kTickMs, QWidget* parent = nullptr);

  void tmr_Timer();
  void tmrsize_Timer();

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label8 = nullptr;
  QTimer tmr;
  QTimer tmrsize;

protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  QLabel* addLabel(const char* name, const QString& text, const QFont& font, const QColor& colour, int top, int height);
  static void recordInstallPath();

  SearchWindows& windows_;
  QLabel* background_ = nullptr;
};
