// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <initializer_list>
#include <type_traits>

class QWidget;

// A window's look as data: one row per control (what it is, its object name,
// caption, place in twips and font), made in the table's order by one
// builder. The window's code then gives the controls their behaviour.
namespace Layout {

struct Control;
// Makes a row's widget in its parent; make<T> fits most widgets.
using Make = QWidget* (*)(const Control& row, QWidget* parent);
// Hands the made widget to the member that holds it (of the window, or of
// what build() was given to hold the rows' widgets).
using Store = void (*)(void* holder, QWidget* made);

struct Place {
  int left, top, width, height;  // twips
};

struct Font {
  const char* family = nullptr;  // a design family (FontFamilies); none: the family the control has
  qreal points = 0;              // 0: the size the control has
  bool bold = false;
};

struct Control {
  Make make;
  const char* name;  // the object name tests and accessibility tools find it by
  QString caption;
  Place place;
  Store into = nullptr;
  Font font = {};
  const char* within = nullptr;  // the name of an earlier row it sits in; none: the window
  const char* part = nullptr;    // the object name of the part the widget makes itself, which takes the font
};

// Makes the rows in order: the order is the stacking and the first tab order.
void buildInto(QWidget* window, void* holder, std::initializer_list<Control> rows);
// The window's rows, into<&Window::member>.
template <typename Window>
void build(Window* window, std::initializer_list<Control> rows) {
  buildInto(window, static_cast<void*>(window), rows);
}
// Rows whose widgets another object keeps (a part of a window), into<&Holder::member>.
template <typename Holder>
void build(QWidget* window, Holder& holder, std::initializer_list<Control> rows) {
  buildInto(window, static_cast<void*>(&holder), rows);
}

template <typename T>
QWidget* make(const Control& row, QWidget* parent) {
  if constexpr (std::is_constructible_v<T, QString, QWidget*>) return new T(row.caption, parent);
  else return new T(parent);
}

template <typename>
struct MemberOf;
template <typename W, typename T>
struct MemberOf<T * W::*> {
  using Window = W;
  using Widget = T;
};

template <auto member>
void storeInto(void* holder, QWidget* made) {
  using M = MemberOf<decltype(member)>;
  static_cast<typename M::Window*>(holder)->*member = static_cast<typename M::Widget*>(made);
}
// into<&Holder::member>: the row's widget goes to that member.
template <auto member>
inline constexpr Store into = &storeInto<member>;

}  // namespace Layout
