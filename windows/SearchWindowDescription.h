// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <vector>

struct SearchQuery;
class Context;
class DateChoices;
class ButtonFace;
class LabelButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QWidget;

// One step of a press of the Find/Stop button, in the window's order.
struct PressStep {
  enum Kind {
    TextLength,      // the field's text, blanks trimmed, must have 3 characters
    LocationGiven,   // the location, blanks trimmed, must not be empty
    Configure,       // the window's own hook on the query (pattern, content test)
    MatchCase,       // MatchCase from the check box
    LocationExists,  // the location must be an existing folder (every window says the same)
  };
  // TextLength: which field; the containing text is the one a window's own controls hand over.
  enum Field { NameField, ContainingField };
  Kind kind;
  Field field = NameField;
  QString message{};
  QString title{};
  QMessageBox::Icon icon = QMessageBox::Information;
  bool focus = false;     // the field (or the location box) takes the focus after the message
  bool optional = false;  // TextLength: an empty field passes
};

// Where the pointer acts, for a window's button looks and hover colours.
enum class PointerTarget { FindLabel, FindFace, CloseLabel, CloseFace, CloseX, Background };
enum class PointerAction { Press, Release, Move };

// The controls a kind of window adds to the common ones, as its hooks need them.
struct OwnControls {
  QLineEdit* containingField = nullptr;  // live for a content search
  QComboBox* categoryBox = nullptr;
  QCheckBox* documentsBox = nullptr;  // a content search reads documents' text
  QWidget* findLine = nullptr;        // lines under the buttons, lit under the pointer
  QWidget* closeLine = nullptr;
  DateChoices* dateChoices = nullptr;  // which time, its range, the size limits
};

// A search window's controls, as its layout makes them: what the window and
// its kind's hooks work on.
struct SearchControls {
  QLabel* titleStrip = nullptr;
  QLabel* heading = nullptr;
  LabelButton* closeLabel = nullptr;  // the "X" on the title strip
  QLabel* nameCaption = nullptr;
  QLineEdit* nameField = nullptr;
  QLabel* locationCaption = nullptr;
  QComboBox* locationBox = nullptr;
  ButtonFace* findFace = nullptr;
  LabelButton* findButton = nullptr;
  ButtonFace* closeFace = nullptr;
  LabelButton* closeButton = nullptr;
  QCheckBox* matchCaseBox = nullptr;
  QTableView* resultsView = nullptr;
  QLabel* foundLabel = nullptr;
  QLabel* statusLabel = nullptr;
  OwnControls own;
};

// The looks most windows share: a press on a label frames its picture and,
// where the window has a pressed face, shows it; a release restores both.
void pressLook(const SearchControls& c, PointerTarget target, PointerAction action, bool pressedFace);

// What sets one kind of search window apart from the others. The common
// window is built from it; each kind is a short file of this data and hooks.
struct SearchWindowDescription {
  const char* objectName;
  QString title;    // the window's caption
  QString heading;  // on the title strip
  int clientWidth;  // twips
  int clientHeight;
  int ownHeight = 0;  // twips the kind's own rows push the results down
  QString closeCaption;
  const char* closeLabelName;           // the "X" on the title strip
  QColor closeLabelColour = Qt::black;  // at load
  std::vector<PressStep> press;
  QString busyCaption = QCoreApplication::translate("SearchWindowDescription", "Processing...");
  bool watchdog = true;
  bool failedDisplay = true;  // "Failed.." before the no-application message
  bool byTime = false;        // searches by time: the results' time column always shows
  // Adds the window's own controls (a Layout table built into the window)
  // and hands over those the other hooks use. The window gives its own
  // fields and lists their keys (Enter, Escape) and their tab order.
  std::function<OwnControls(QWidget* window)> addControls;
  // Runs at the Configure step of a press.
  std::function<void(const OwnControls&, SearchQuery&)> configure;
  // Read the own controls' stored choices at opening, and keep them at closing.
  std::function<void(const OwnControls&, Context&)> restore;
  std::function<void(const OwnControls&, Context&)> keep;
  // The window's looks under the pointer: button faces, borders, hover colours.
  std::function<void(const SearchControls&, PointerTarget, PointerAction)> pointer;
};
