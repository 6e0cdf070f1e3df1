// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SearchWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

#include "ui/Context.h"
#include "ui/LabelButton.h"
#include "ui/Settings.h"
#include "ui/Twips.h"
#include "windows/LocationBox.h"
#include "windows/ResultsTable.h"
#include "windows/SearchSession.h"

// Opened over another window, the window is its dialog; opened on its own, it
// is a main window of the program (a task bar entry, no transient parent).
SearchWindow::SearchWindow(Context& context, SearchWindowDescription description, QWidget* parent)
    : QDialog(parent, (parent ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint),
      context_(context),
      description_(std::move(description)),
      session_(std::make_unique<SearchSession>(context, description_.watchdog)) {
  setObjectName(description_.objectName);
  context_.makeTransparentOnFirstShow(this);
  setWindowTitle(description_.title);
  resize(Twips::toPixels(description_.clientWidth), Twips::toPixels(description_.clientHeight));
  table_ = new ResultsTable(session_->results(), context_.icons(), this);
  buildControls();
  if (description_.addControls) c_.own = description_.addControls(this);
  setTabOrder();
  setUpSizing();
  listenToSession();
  c_.nameField->setFocus();  // a new window takes typing in its name field

  // The status changes twice per folder; the label shows it at display rate.
  statusShow_.setSingleShot(true);
  statusShow_.setInterval(16);
  connect(&statusShow_, &QTimer::timeout, this, &SearchWindow::showStatus);
  countTimer_.setInterval(100);
  connect(&countTimer_, &QTimer::timeout, this, &SearchWindow::showFoundCount);
  countTimer_.start();
  loadFields();
  restorePlace();
}

// Hidden, and its list's table gone, before the session and its results go:
// a window deleted while shown would otherwise hide its list (which asks the
// table for its header) after its results were freed.
SearchWindow::~SearchWindow() {
  hide();
  delete table_;
}

const ResultList& SearchWindow::results() const { return session_->results(); }

// The session hears every change of the texts a walk reads live.
void SearchWindow::listenToSession() {
  SearchSession* s = session_.get();
  connect(c_.nameField, &QLineEdit::textChanged, s, &SearchSession::setNameText);
  if (QLineEdit* containing = c_.own.containingField) {
    connect(containing, &QLineEdit::textChanged, s, &SearchSession::setContainingText);
    s->setContainingText(containing->text());
  }
  connect(s, &SearchSession::cleared, table_, &ResultsTable::reset);
  connect(s, &SearchSession::rowsAdded, table_, &ResultsTable::flush);
  connect(s, &SearchSession::searchingChanged, this, &SearchWindow::showSearching);
  connect(s, &SearchSession::finished, this, &SearchWindow::showEnded);
  connect(s, &SearchSession::folderEntered, this, [this](const std::string& folder) {
    statusPath_.assign(folder);
    if (!statusShow_.isActive()) statusShow_.start();
  });
}

void SearchWindow::closePressed() { close(); }

void SearchWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closing_) return;
  closing_ = true;
  countTimer_.stop();
  statusShow_.stop();
  session_->close();
  Settings::searchName.write(context_, c_.nameField->text());
  Settings::searchLocation.write(context_, locations_->bytes());
  if (description_.keep) description_.keep(c_.own, context_);
  keepPlace();
  QDialog::closeEvent(event);
  hide();
  context_.showBusy(1, tr("Returning..."));
}
