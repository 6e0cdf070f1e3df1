// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QString>
#include <string>

class Context;

// A yes-or-no answer, kept as "Y" or "N". A value never given (absent or
// empty) and one that is neither (a hand edit such as "y") are told apart:
// each reader decides what they mean.
enum class Answer { Unset, Yes, No, Other };

// One stored value: the file it is kept in (named for an application, or
// for the executable as it was started where that is null), its section and
// key, its type, and its default as the file would hold it. A std::string is
// a location's raw bytes; a QRect a window's place on the screen.
template <typename T>
struct Setting {
  const char* application;
  const char* section;
  const char* key;
  const char* defaultText;

  T read(Context& context) const;
  void write(Context& context, const T& value) const;
};

// Every value the program keeps, each declared once, in the files' form of
// earlier versions.
namespace Settings {
// The last name and location of the search windows (all kinds share them).
inline constexpr Setting<QString> searchName{"x", "y", "named", ""};
inline constexpr Setting<std::string> searchLocation{"x", "y", "loc", "/"};
// Whether the Containing Text window looks inside documents: only "Y" turns it on.
inline constexpr Setting<Answer> searchDocuments{"x", "FRMFILECONTXT", "documents", ""};
// Whether a search window shows the results' "Modified" column (named by the
// window's object name); hidden unless "Y".
constexpr Setting<Answer> modifiedColumn(const char* window) { return {"x", "Columns", window, ""}; }
// Where a search window was and how large, at its last close, in pixels, in
// its own section (its object name); none kept: its first size.
constexpr Setting<QRect> windowPlace(const char* window) { return {"x", window, "place", ""}; }
// The date search's choices, by their place in its lists; dates as
// yyyy-MM-dd; a size limit of -1 is none.
namespace dateSearch {
inline constexpr Setting<int> time{"x", "Date", "time", "0"};
inline constexpr Setting<int> range{"x", "Date", "range", "0"};
inline constexpr Setting<int> count{"x", "Date", "count", "7"};
inline constexpr Setting<int> unit{"x", "Date", "unit", "2"};
inline constexpr Setting<QString> first{"x", "Date", "from", ""};
inline constexpr Setting<QString> last{"x", "Date", "to", ""};
inline constexpr Setting<int> atLeast{"x", "Date", "atleast", "-1"};
inline constexpr Setting<int> atLeastUnit{"x", "Date", "atleastunit", "1"};
inline constexpr Setting<int> atMost{"x", "Date", "atmost", "-1"};
inline constexpr Setting<int> atMostUnit{"x", "Date", "atmostunit", "2"};
}  // namespace dateSearch
// Where the program is, written at every start for others to find; never read.
inline constexpr Setting<QString> installPath{"QRL10", "INSTPATH", "VALUE", ""};
// Whether the start asks about transparency, and the answer kept when it does not.
inline constexpr Setting<Answer> askTransparency{nullptr, "Trans", "Ask", ""};
inline constexpr Setting<Answer> wantTransparency{nullptr, "Trans", "Want", ""};
}  // namespace Settings
