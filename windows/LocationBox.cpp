// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/LocationBox.h"

#include <QComboBox>

#include "engine/DisplayText.h"

namespace {
const QString kUriPrefix = QStringLiteral("file://");

bool isUtf8(const std::string& bytes) {
  const QByteArray raw = QByteArray::fromStdString(bytes);
  return QString::fromUtf8(raw).toUtf8() == raw;
}
}  // namespace

void LocationBox::addItem(const std::string& bytes) { box_->addItem(DisplayText::fromBytes(bytes)); }

void LocationBox::setText(const std::string& bytes) { box_->setEditText(DisplayText::fromBytes(bytes)); }

std::string LocationBox::bytes() const { return DisplayText::toBytes(box_->currentText()); }

QString LocationBox::toSetting(const std::string& bytes) {
  if (isUtf8(bytes) && !QString::fromUtf8(bytes).startsWith(kUriPrefix)) return QString::fromUtf8(bytes);
  return kUriPrefix + QString::fromLatin1(QByteArray::fromStdString(bytes).toPercentEncoding("/"));
}

std::string LocationBox::fromSetting(const QString& value) {
  if (!value.startsWith(kUriPrefix)) return value.toUtf8().toStdString();
  return QByteArray::fromPercentEncoding(value.mid(kUriPrefix.size()).toLatin1()).toStdString();
}
