// SPDX-License-Identifier: GPL-3.0-or-later
// What the accessibility bus sees of the framework's buttons. Qt's own interface reports a radio button
// without Qt's exclusivity as a check box, and its Toggle action flips the box without a click, so the
// window's handler never runs. Here every action is a click, exactly as a mouse or the space bar makes one.
#include "platform/ui/internal/AccessibleButton.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "platform/ui/internal/WindowState.h"

namespace ui {
namespace {

// The platform's mnemonic marks: "&x" underlines x, "&&" is one ampersand.
QString WithoutMnemonics(const QString& text) {
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

class AccessibleButton : public QAccessibleWidget {
 public:
  explicit AccessibleButton(QAbstractButton* button) : QAccessibleWidget(button) {}

  QAccessible::Role role() const override {
    if (qobject_cast<QRadioButton*>(Button())) return QAccessible::RadioButton;
    if (qobject_cast<QCheckBox*>(Button())) return QAccessible::CheckBox;
    return QAccessible::Button;
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (role() == QAccessible::Button) {
      if (auto* push = qobject_cast<QPushButton*>(Button()); push && push->isDefault()) s.defaultButton = true;
      s.pressed = Button()->isDown();
      return s;
    }
    s.checkable = true;
    auto* box = qobject_cast<QCheckBox*>(Button());
    s.checkStateMixed = box && box->checkState() == Qt::PartiallyChecked;
    s.checked = Button()->isChecked() || s.checkStateMixed;
    return s;
  }

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) text = WithoutMnemonics(Button()->text());
    return text;
  }

  QStringList actionNames() const override {
    if (role() == QAccessible::Button) return {pressAction()};
    return {toggleAction(), pressAction()};
  }

  // Later, as Qt's own press does: a click that opens a modal window must not hold the bus's call.
  void doAction(const QString& action) override {
    if (!Button()->isEnabled() || !actionNames().contains(action)) return;
    QTimer::singleShot(0, Button(), [button = Button()] { button->click(); });
  }

  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

}  // namespace

// By class and parent, not by handle: Qt may ask for the interface while the button is being made.
QAccessibleInterface* AccessibleButtonFor(const QString&, QObject* object) {
  auto* button = qobject_cast<QAbstractButton*>(object);
  QWidget* parent = button ? button->parentWidget() : nullptr;
  HWND window = parent ? HandleOf(parent) : nullptr;
  if (!window || window->widget != parent) return nullptr;
  return new AccessibleButton(button);
}

}  // namespace ui
