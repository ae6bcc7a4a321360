// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/internal/AccessibleEdit.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTableWidget>
#include <QValidator>
#include <algorithm>

#include "platform/ui/internal/WindowState.h"

namespace ui {
namespace {

class AccessibleEdit : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
 public:
  explicit AccessibleEdit(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = Edit()->isReadOnly();
    s.editable = !s.readOnly;
    s.selectableText = true;
    s.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
    return s;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Edit()->displayText();
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) text = CellName();
    return text;
  }

  void setText(QAccessible::Text t, const QString& text) override {
    if (t == QAccessible::Value) Change(0, characterCount(), text);
    else QAccessibleWidget::setText(t, text);
  }

  // Editing, as typing over the given range would.
  void deleteText(int start, int end) override { Change(start, end, QString()); }
  void insertText(int offset, const QString& text) override { Change(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override { Change(start, end, text); }

  // Reading, what the field shows (a password field its marks).
  QString text(int start, int end) const override { return Edit()->displayText().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Edit()->displayText().size()); }
  int cursorPosition() const override { return Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
  int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override {
    const bool any = index == 0 && Edit()->hasSelectedText();
    *start = any ? Edit()->selectionStart() : 0;
    *end = any ? Edit()->selectionEnd() : 0;
  }
  void addSelection(int start, int end) override { Edit()->setSelection(start, end - start); }
  void setSelection(int, int start, int end) override { Edit()->setSelection(start, end - start); }
  void removeSelection(int) override { Edit()->deselect(); }
  void scrollToSubstring(int start, int end) override {
    Edit()->setCursorPosition(end);
    Edit()->setCursorPosition(start);
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
  }
  QRect characterRect(int offset) const override;
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
  void Change(int start, int end, const QString& text);
  QString CellName() const;
};

// An editor opened over a list's cell has no label: it is named by the cell, its column's heading and
// its row ("Author, row 2").
QString AccessibleEdit::CellName() const {
  auto* table = qobject_cast<QTableWidget*>(Edit()->parentWidget());
  if (!table) return {};
  const QModelIndex cell = table->indexAt(table->viewport()->mapFrom(table, Edit()->geometry().center()));
  if (!cell.isValid()) return {};
  const QTableWidgetItem* heading = table->horizontalHeaderItem(cell.column());
  const QString row = QStringLiteral("row %1").arg(cell.row() + 1);
  return heading && !heading->text().isEmpty() ? heading->text() + QStringLiteral(", ") + row : row;
}

// What the keyboard could not type is refused whole: a read-only or disabled field, a text longer than
// the field holds, one its validator rejects.
void AccessibleEdit::Change(int start, int end, const QString& text) {
  QLineEdit* edit = Edit();
  if (!edit->isEnabled() || edit->isReadOnly()) return;
  const int length = static_cast<int>(edit->text().size());
  start = std::clamp(start, 0, length);
  end = std::clamp(end, start, length);
  QString result = edit->text();
  result.replace(start, end - start, text);
  if (result.size() > edit->maxLength()) return;
  if (const QValidator* validator = edit->validator()) {
    int position = start + static_cast<int>(text.size());
    if (validator->validate(result, position) == QValidator::Invalid) return;
  }
  if (start == end) {
    edit->deselect();
    edit->setCursorPosition(start);
  } else {
    edit->setSelection(start, end - start);
  }
  edit->insert(text);
}

// From the font, where the field's text starts by its alignment; close enough for a magnifier to follow.
QRect AccessibleEdit::characterRect(int offset) const {
  QLineEdit* edit = Edit();
  const QString shown = edit->displayText();
  if (offset < 0 || offset >= shown.size()) return {};
  const QFontMetrics metrics(edit->font());
  const QRect room = edit->contentsRect().adjusted(2, 0, -2, 0);
  const int width = metrics.horizontalAdvance(shown);
  int left = room.left();
  if (edit->alignment() & Qt::AlignRight) left = room.right() - width;
  else if (edit->alignment() & Qt::AlignHCenter) left = room.center().x() - width / 2;
  const QPoint at(left + metrics.horizontalAdvance(shown.left(offset)), room.center().y() - metrics.height() / 2);
  return QRect(edit->mapToGlobal(at), QSize(metrics.horizontalAdvance(shown.at(offset)), metrics.height()));
}

}  // namespace

// A field of the framework's windows: one of a window's controls, or the field inside a drop-down list or
// a grid that is one.
QAccessibleInterface* AccessibleEditFor(const QString&, QObject* object) {
  auto* edit = qobject_cast<QLineEdit*>(object);
  QWidget* parent = edit ? edit->parentWidget() : nullptr;
  if (!parent || !HandleOf(parent)) return nullptr;
  return new AccessibleEdit(edit);
}

}  // namespace ui
