#pragma once
#include <QString>

// The transparency settings: section "Trans" of the application named like
// the executable as it was started, keys "Ask" and "Want", values compared
// exactly ("y" is neither "Y" nor "N").
class TransSettings {
public:
  static QString ask();   // absent: ""
  static QString want();  // absent: ""
  static void setAsk(const QString& value);
  static void setWant(const QString& value);
};
