// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

class Context;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QSpinBox;
class QWidget;
struct SearchQuery;

// The date search's own controls: which time, its range, and the size
// limits. They turn into the query's time and size test at a press, and are
// kept in the window's own settings section.
class DateChoices : public QObject {
  Q_OBJECT
public:
  enum Range { InTheLast, Between, Before, After, AnyTime };

  // Builds the controls into the window, below the name and location.
  explicit DateChoices(QWidget* window);
  void configure(SearchQuery& query) const;
  void restore(Context& context);
  void keep(Context& context) const;

private:
  void showRange();

  QLabel* timeCaption = nullptr;
  QComboBox* timeBox = nullptr;
  QComboBox* rangeBox = nullptr;
  QSpinBox* countBox = nullptr;
  QComboBox* unitBox = nullptr;
  QDateEdit* firstDate = nullptr;
  QLabel* andLabel = nullptr;
  QDateEdit* lastDate = nullptr;
  QCheckBox* atLeastBox = nullptr;
  QSpinBox* atLeastCount = nullptr;
  QComboBox* atLeastUnit = nullptr;
  QCheckBox* atMostBox = nullptr;
  QSpinBox* atMostCount = nullptr;
  QComboBox* atMostUnit = nullptr;
};
