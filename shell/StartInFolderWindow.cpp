// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StartInFolderWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "shell/WrapRadio.h"
#include "ui/Context.h"
#include "ui/FontFamilies.h"
#include "ui/Layout.h"
#include "ui/Twips.h"
#include "ui/WindowPalette.h"

// A main window of the program, not a dialog: with no transient parent, window
// lists and task bars show it. Its frame stays a dialog's: a title and a close
// button, no minimise or maximise.
StartInFolderWindow::StartInFolderWindow(Context& context, SearchWindows& windows, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      context_(context),
      windows_(windows) {
  context_.makeTransparentOnFirstShow(this);
  setObjectName("frmselact");
  setWindowTitle(tr("Select Action"));
  setModal(true);
  setFixedSize(Twips::toPixels(6585), Twips::toPixels(4500));
  setFont(FontFamilies::font("Tahoma", 11.25, true));
  WindowPalette::apply(this);

  using namespace Layout;
  using W = StartInFolderWindow;
  // clang-format off
  build(this, {
    {make<QLabel>,      "Label1",     tr("You have chosen to open this software with a command. Now you have to "
                                         "select what type of search operation you wish to perform:"),
                                      {180, 120, 6225, 960},  into<&W::prompt>},
    {make<WrapRadio>,   "optall",     tr("&Search All Types Of File"),
                                      {360, 1140, 5865, 420}, into<&W::allFilesOption>},
    {make<WrapRadio>,   "optcontext", tr("S&earch With Containing Text"),
                                      {360, 1560, 5865, 420}, into<&W::containingTextOption>},
    // The longest caption: room for it to break onto two lines.
    {make<WrapRadio>,   "optconts",   tr("Sea&rch Contents i.e., photos, videos, music files etc."),
                                      {360, 1980, 5865, 840}, into<&W::multimediaOption>},
    {make<QPushButton>, "cmdcls",     tr("C&ancel"),
                                      {2505, 3840, 1575, 480}, into<&W::closeButton>},
    {make<WrapRadio>,   "optoffice",  tr("Search &Office Documents"),
                                      {360, 2880, 5865, 420}, into<&W::officeOption>},
    {make<WrapRadio>,   "optdate",    tr("Search By &Date"),
                                      {360, 3300, 5865, 420}, into<&W::dateOption>},
  });
  // clang-format on
  prompt->setWordWrap(true);
  closeButton->setAutoDefault(false);  // Enter on an option chooses it; it never ends the program

  // A double-click, Enter or Space chooses the first two and the last; merely
  // selecting chooses the others.
  for (WrapRadio* option : {allFilesOption, containingTextOption, dateOption}) option->installEventFilter(this);
  connect(multimediaOption, &QRadioButton::toggled, this, [this](bool on) {
    if (on) choose(SearchWindows::Multimedia);
  });
  connect(officeOption, &QRadioButton::toggled, this, [this](bool on) {
    if (on) choose(SearchWindows::Office);
  });
  connect(closeButton, &QPushButton::clicked, this, &StartInFolderWindow::closePressed);
  setTabOrder(allFilesOption, containingTextOption);
  setTabOrder(containingTextOption, multimediaOption);
  setTabOrder(multimediaOption, closeButton);
  setTabOrder(closeButton, officeOption);
  setTabOrder(officeOption, dateOption);
}

bool StartInFolderWindow::eventFilter(QObject* watched, QEvent* event) {
  bool chosen = event->type() == QEvent::MouseButtonDblClick;
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    chosen = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  }
  if (chosen && (watched == allFilesOption || watched == containingTextOption || watched == dateOption)) {
    choose(watched == allFilesOption         ? SearchWindows::AllFiles
           : watched == containingTextOption ? SearchWindows::ContainingText
                                             : SearchWindows::ByDate);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

// This window closes first; the search window then runs inside this handler,
// a main window itself as nothing else is open.
void StartInFolderWindow::choose(SearchWindows::Kind kind) {
  if (chosen_) return;
  chosen_ = true;
  accept();
  windows_.open(kind, nullptr);
}

void StartInFolderWindow::closePressed() {
  context_.showBusy(2, tr("Cancelling.."));
  Context::endAtOnce();
}
