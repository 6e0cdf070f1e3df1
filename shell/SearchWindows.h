// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <optional>
#include <string_view>
#include <utility>

class QWidget;
struct StartSearch;

// The search windows, as the launcher and the command-line window open
// them. The windows live in the layer above; the program hands them in.
class SearchWindows {
public:
  enum Kind { AllFiles, ContainingText, Multimedia, Office, ByDate };
  // Each kind as the command line names it, in the launcher's order.
  static constexpr std::array<std::pair<std::string_view, Kind>, 5> kNames{
      {{"all", AllFiles}, {"text", ContainingText}, {"media", Multimedia}, {"office", Office}, {"date", ByDate}}};
  static std::optional<Kind> named(std::string_view name) {
    for (const auto& [word, kind] : kNames)
      if (word == name) return kind;
    return std::nullopt;
  }

  virtual ~SearchWindows() = default;
  // Opens a new window of the kind modally, as a dialog of the window it is
  // opened over or, with none, as a main window; returns when it has closed.
  // A search the command line asked for fills its fields first.
  virtual void open(Kind kind, QWidget* over, const StartSearch* start = nullptr) = 0;
};
