#include "shell/StartSequence.h"

#include "shell/LauncherWindow.h"
#include "ui/MYVARS.h"
#include "ui/TransSettings.h"
#include "shell/TransparencyQuestion.h"
#include "shell/StartInFolderWindow.h"

void StartSequence::decideTransparency() {
  const QString ask = TransSettings::ask();
  if (ask == "N") {
    const QString want = TransSettings::want();
    if (want == "Y") MYVARS::state().wantTransparency = true;
    else if (want == "N") MYVARS::state().wantTransparency = false;
    return;
  }
  if (ask.isEmpty() || ask == "Y") {
    TransparencyQuestion question;
    question.exec();
  }
  // Any other value: no question, and the windows stay opaque.
}

void StartSequence::run(SearchWindows& windows) {
  decideTransparency();
  const std::string& commandLine = MYVARS::commandLine();
  if (commandLine.find_first_not_of(' ') != std::string::npos) {
    StartInFolderWindow select(windows);
    select.exec();
  } else {
    LauncherWindow launcher(windows);
    launcher.exec();
  }
}
