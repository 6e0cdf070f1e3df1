// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/UnreadableWindow.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "engine/DisplayText.h"
#include "engine/UnreadableLog.h"
#include "platform/core/FsOutcome.h"

QString UnreadableWindow::reason(FsOutcome why) {
  switch (why) {
    case FsOutcome::Denied: return tr("permission denied");
    case FsOutcome::Vanished: return tr("vanished");
    case FsOutcome::OutOfHandles: return tr("out of file handles");
    case FsOutcome::OutOfMemory: return tr("out of memory");
    case FsOutcome::Encrypted: return tr("encrypted");
    case FsOutcome::Damaged: return tr("damaged");
    case FsOutcome::TooLarge: return tr("too large when expanded");
    case FsOutcome::NoText: return tr("no text");
    case FsOutcome::TooSlow: return tr("too slow");
    case FsOutcome::Ok:  // not a reason to skip; said as a plain failure all the same
    case FsOutcome::NotListed:
    case FsOutcome::Unreadable: break;
  }
  return tr("could not be read");
}

UnreadableWindow::UnreadableWindow(const UnreadableLog& log, QWidget* parent) : QDialog(parent) {
  setObjectName("frmunread");
  setWindowTitle(tr("Folders That Could Not Be Read"));
  setAttribute(Qt::WA_DeleteOnClose);
  QStringList lines;
  for (std::size_t i = 0; i < log.paths().size(); ++i)
    lines << DisplayText::fromBytes(log.paths()[i]) + "  (" + reason(log.reasons()[i]) + ")";
  const std::int64_t more = log.total() - std::int64_t(log.paths().size());
  if (more > 0) lines << tr("... and %1 more").arg(more);
  list = new QPlainTextEdit(lines.join('\n'), this);
  list->setObjectName("txtunread");
  list->setAccessibleName(tr("Folders and files that could not be read"));
  list->setReadOnly(true);
  list->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list);
  layout->addWidget(buttons);
  resize(560, 300);
}
