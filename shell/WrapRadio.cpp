// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WrapRadio.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

QRect WrapRadio::textRect(int width) const {
  const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
                        style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
  return QRect(indicator, 0, std::max(1, width - indicator), 10000);
}

int WrapRadio::heightForWidth(int width) const {
  return fontMetrics().boundingRect(textRect(width), kTextFlags, text()).height() + 2;
}

QSize WrapRadio::sizeHint() const {
  const QSize one = QRadioButton::sizeHint();
  return QSize(one.width(), std::max(one.height(), heightForWidth(width() > 1 ? width() : one.width())));
}

void WrapRadio::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  QStyleOptionButton indicator = option;
  indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
  indicator.rect.moveTop((fontMetrics().height() - indicator.rect.height()) / 2);
  p.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);
  const QRect text = textRect(width());
  p.setPen(palette().color(QPalette::WindowText));
  const QRect drawn = p.boundingRect(text, kTextFlags, this->text());
  p.drawText(text, kTextFlags, this->text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = drawn.adjusted(-1, 0, 1, 0);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}
