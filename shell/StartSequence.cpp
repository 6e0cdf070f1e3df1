// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StartSequence.h"

#include "shell/LauncherWindow.h"
#include "shell/StartInFolderWindow.h"
#include "shell/TransparencyQuestion.h"
#include "ui/Context.h"
#include "ui/TransSettings.h"

void StartSequence::decideTransparency(Context& context) {
  const TransSettings trans(context.settings(), context.executableName());
  const QString ask = trans.ask();
  if (ask == "N") {
    const QString want = trans.want();
    if (want == "Y") context.state().wantTransparency = true;
    else if (want == "N") context.state().wantTransparency = false;
    return;
  }
  if (ask.isEmpty() || ask == "Y") {
    TransparencyQuestion question(context);
    question.exec();
  }
  // Any other value: no question, and the windows stay opaque.
}

void StartSequence::run(Context& context, SearchWindows& windows) {
  decideTransparency(context);
  const std::string& commandLine = context.commandLine();
  if (commandLine.find_first_not_of(' ') != std::string::npos) {
    StartInFolderWindow select(context, windows);
    select.exec();
  } else {
    LauncherWindow launcher(context, windows);
    launcher.exec();
  }
}
