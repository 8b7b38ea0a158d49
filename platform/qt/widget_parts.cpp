// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widget_parts.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace platform::qt {
namespace {

constexpr int kSmallestPixelSize = 8;

QStringList toStringList(std::vector<std::string>::const_iterator from,
                         std::vector<std::string>::const_iterator to) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(to - from));
  for (; from != to; ++from)
    list.append(QString::fromStdString(*from));
  return list;
}

}  // namespace

Qt::Alignment horizontal(Alignment alignment) {
  switch (alignment) {
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

bool sameFont(const FontSpec& a, const FontSpec& b) {
  return a.points == b.points && a.bold == b.bold && a.underline == b.underline;
}

void syncColor(QWidget& widget, QPalette::ColorRole role, Rgb rgb, bool evenWhenDisabled) {
  const QColor color = toColor(rgb);
  QPalette palette = widget.palette();
  if (palette.color(QPalette::Active, role) == color &&
      (!evenWhenDisabled || palette.color(QPalette::Disabled, role) == color)) {
    return;
  }
  palette.setColor(QPalette::Active, role, color);
  palette.setColor(QPalette::Inactive, role, color);
  if (evenWhenDisabled) palette.setColor(QPalette::Disabled, role, color);
  widget.setPalette(palette);
}

void syncEditText(QLineEdit& edit, const std::string& text) {
  const QString modelText = QString::fromStdString(text);
  if (edit.text() == modelText) return;
  const int caret = edit.cursorPosition();
  edit.setText(modelText);
  edit.setCursorPosition(std::min(caret, static_cast<int>(modelText.size())));
}

int shownIndex(int index, int count) {
  return index >= 0 && index < count ? index : -1;
}

bool isClickRelease(const QWidget& widget, const QMouseEvent& event) {
  return event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}

QFont fittedFont(QFont font, const QRect& area, int flags, const QString& text) {
  while (font.pixelSize() > kSmallestPixelSize) {
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
    if (needed.width() <= area.width() && needed.height() <= area.height()) break;
    font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

void showEntries(QComboBox& box, const std::vector<std::string>& entries, std::vector<std::string>& shown) {
  if (entries == shown) return;
  box.clear();
  box.addItems(toStringList(entries.begin(), entries.end()));
  shown = entries;
}

}  // namespace platform::qt
