// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/DateSearchWindow.h"

#include <QCoreApplication>

#include "windows/AllFilesWindow.h"
#include "windows/DateChoices.h"

SearchWindowDescription DateSearchWindow::description() {
  const auto tr = [](const char* text) { return QCoreApplication::translate("DateSearchWindow", text); };
  SearchWindowDescription d;
  d.objectName = "frmdate";
  d.title = tr("Search By Date");
  d.heading = tr("Search By Date");
  d.clientWidth = 8745;
  d.ownHeight = 1020;  // three rows of its own
  d.clientHeight = 9645 + d.ownHeight;
  d.closeCaption = tr("C&lose");
  d.closeLabelName = "lblc";
  d.byTime = true;
  d.press = {
      {.kind = PressStep::TextLength,
       .message = tr("Entered characters must be at least 3 in length, or none to list every file."),
       .title = "Quorrel 2.0",
       .focus = true,
       .optional = true},
      {.kind = PressStep::LocationGiven,
       .message = tr("Please specify the location."),
       .title = tr("Error"),
       .focus = true},
      {.kind = PressStep::Configure},
      {.kind = PressStep::MatchCase},
      {.kind = PressStep::LocationExists},
  };
  d.addControls = [](QWidget* window) { return OwnControls{.dateChoices = new DateChoices(window)}; };
  d.configure = [](const OwnControls& own, SearchQuery& query) { own.dateChoices->configure(query); };
  d.restore = [](const OwnControls& own, Context& context) { own.dateChoices->restore(context); };
  d.keep = [](const OwnControls& own, Context& context) { own.dateChoices->keep(context); };
  d.pointer = AllFilesWindow::description().pointer;  // the same looks
  return d;
}
