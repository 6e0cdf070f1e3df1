#include "shell/StartSequence.h"

#include "shell/FRM.h"
#include "shell/MYVARS.h"
#include "shell/TransSettings.h"
#include "shell/frmask.h"
#include "shell/frmselact.h"

void StartSequence::DecideTransparency() {
  const QString ask = TransSettings::ask();
  if (ask == "N") {
    const QString want = TransSettings::want();
    if (want == "Y") MYVARS::state().WantTrans = true;
    else if (want == "N") MYVARS::state().WantTrans = false;
    return;
  }
  if (ask.isEmpty() || ask == "Y") {
    frmask question;
    question.exec();
  }
  // Any other value: no question, and the windows stay opaque.
}

void StartSequence::run(SearchWindows& windows) {
  DecideTransparency();
  const std::string& commandLine = MYVARS::commandLine();
  if (commandLine.find_first_not_of(' ') != std::string::npos) {
    frmselact select(windows);
    select.exec();
  } else {
    FRM launcher(windows);
    launcher.exec();
  }
}
