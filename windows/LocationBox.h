// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <string>

class QComboBox;

// The location box's texts and the exact bytes behind them. A folder's name
// need not be UTF-8: a drive, a location given on the command line or kept in
// the settings shows as its display text, and whatever the box holds, picked,
// typed or edited, reads back through that text's escapes, so a location
// picked as "caf\xe9" and extended keeps its byte.
class LocationBox {
public:
  explicit LocationBox(QComboBox* box) : box_(box) {}

  void addItem(const std::string& bytes);
  void setText(const std::string& bytes);
  // The bytes of the text the box holds now.
  std::string bytes() const;

private:
  QComboBox* box_;
};
