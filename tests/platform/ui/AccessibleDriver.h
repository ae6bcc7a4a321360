// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A control driven and read as a screen reader does, through Qt's accessibility interfaces only.
#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>
#include <string>

namespace accessible {

inline QAccessibleInterface* Of(QWidget* w) { return w ? QAccessible::queryAccessibleInterface(w) : nullptr; }

// The actions' clicks come later, as Qt's own do; this lets them happen.
inline void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// Press or Toggle; false when the control does not offer the action.
inline bool Act(QWidget* w, const QString& action) {
  QAccessibleInterface* a = Of(w);
  QAccessibleActionInterface* actions = a ? a->actionInterface() : nullptr;
  if (!actions || !actions->actionNames().contains(action)) return false;
  actions->doAction(action);
  Settle();
  return true;
}

// Chooses the entry of a list or drop-down list by toggling its cell in the list, as the bus selects it.
inline bool Choose(QWidget* w, const QString& entry) {
  QAccessibleInterface* a = Of(w);
  QAccessibleInterface* list = a && a->role() == QAccessible::ComboBox ? a->child(0) : a;
  for (int i = 0; list && i < list->childCount(); ++i) {
    QAccessibleInterface* cell = list->child(i);
    if (!cell || cell->text(QAccessible::Name) != entry || !cell->actionInterface()) continue;
    cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    Settle();
    return true;
  }
  return false;
}

// The editable text of a field, or of the field inside an editable drop-down list.
inline QAccessibleInterface* TextField(QWidget* w) {
  QAccessibleInterface* a = Of(w);
  if (a && a->role() == QAccessible::ComboBox)
    for (int i = 0; i < a->childCount(); ++i)
      if (a->child(i) && a->child(i)->role() == QAccessible::EditableText) return a->child(i);
  return a;
}

inline bool SetText(QWidget* w, const QString& text) {
  QAccessibleInterface* a = TextField(w);
  QAccessibleEditableTextInterface* edit = a ? a->editableTextInterface() : nullptr;
  if (!edit || !a->textInterface()) return false;
  edit->replaceText(0, a->textInterface()->characterCount(), text);
  Settle();
  return true;
}

// Sets a cell of a table as a client does, through the cell's own interface.
inline bool SetCellText(QWidget* table, int row, int column, const QString& text) {
  QAccessibleInterface* a = Of(table);
  QAccessibleInterface* cell = a && a->tableInterface() ? a->tableInterface()->cellAt(row, column) : nullptr;
  if (!cell) return false;
  cell->setText(QAccessible::Value, text);
  Settle();
  return true;
}

// What a screen reader announces a control by: the static it is labelled by, else its own name.
inline std::string Announced(QAccessibleInterface* a) {
  if (!a) return "<no interface>";
  const auto labels = a->relations(QAccessible::Label);
  const QAccessibleInterface* named = labels.isEmpty() ? a : labels.front().first;
  return named->text(QAccessible::Name).toStdString();
}
inline std::string Announced(QWidget* w) { return Announced(Of(w)); }

}  // namespace accessible
