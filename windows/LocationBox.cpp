// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/LocationBox.h"

#include <QComboBox>

#include "engine/DisplayText.h"

void LocationBox::addItem(const std::string& bytes) { box_->addItem(DisplayText::fromBytes(bytes)); }

void LocationBox::setText(const std::string& bytes) { box_->setEditText(DisplayText::fromBytes(bytes)); }

std::string LocationBox::bytes() const { return DisplayText::toBytes(box_->currentText()); }
