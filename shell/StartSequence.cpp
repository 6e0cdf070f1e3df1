// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StartSequence.h"

#include "shell/LauncherWindow.h"
#include "shell/SearchWindows.h"
#include "shell/StartInFolderWindow.h"
#include "shell/TransparencyQuestion.h"
#include "ui/Context.h"
#include "ui/Settings.h"

void StartSequence::decideTransparency(Context& context) {
  const Answer ask = Settings::askTransparency.read(context);
  if (ask == Answer::No) {
    const Answer want = Settings::wantTransparency.read(context);
    if (want == Answer::Yes) context.state().wantTransparency = true;
    else if (want == Answer::No) context.state().wantTransparency = false;
    return;
  }
  if (ask == Answer::Unset || ask == Answer::Yes) {
    TransparencyQuestion question(context);
    question.exec();
  }
  // Any other value: no question, and the windows stay opaque.
}

void StartSequence::run(Context& context, SearchWindows& windows) {
  decideTransparency(context);
  const StartSearch& start = context.startSearch();
  if (const std::optional<SearchWindows::Kind> kind = SearchWindows::named(start.kind)) {
    windows.open(*kind, nullptr, &start);  // a main window, as when chosen in "Select Action"
    return;
  }
  const std::string& commandLine = context.commandLine();
  if (commandLine.find_first_not_of(' ') != std::string::npos) {
    StartInFolderWindow select(context, windows);
    select.exec();
  } else {
    LauncherWindow launcher(context, windows);
    launcher.exec();
  }
}
