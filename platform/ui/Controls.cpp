// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons, statics, edit fields, combo boxes and list boxes: their widgets and operations.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QRadioButton>
#include <QTableWidget>
#include <algorithm>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Static.h"
#include "platform/ui/internal/WindowState.h"

namespace ui {
namespace {

struct Programmatic {
  explicit Programmatic(HWND h) : hwnd(h), previous(h->programmatic) { h->programmatic = true; }
  ~Programmatic() { hwnd->programmatic = previous; }
  HWND hwnd;
  bool previous;
};

template <class T>
T* As(HWND hwnd) {
  return IsLive(hwnd) ? qobject_cast<T*>(hwnd->widget.data()) : nullptr;
}

// The platform sorts list entries without regard to letter case.
int SortedPosition(const QStringList& items, const QString& text) {
  auto it = std::upper_bound(items.begin(), items.end(), text, [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  return static_cast<int>(it - items.begin());
}

QStringList ComboItems(QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

QStringList ListItems(QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

}  // namespace

QWidget* FocusTarget(QWidget* widget) { return widget; }

QString GetText(HWND hwnd) {
  QWidget* w = hwnd->widget;
  if (!w) return {};
  if (hwnd->windowKind != WindowKind::Control) return w->windowTitle();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText().replace("\n", "\r\n");
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->isEditable() ? c->currentText()
                                                                    : (c->currentIndex() >= 0 ? c->currentText() : QString());
  return {};
}

void SetText(HWND hwnd, const QString& text) {
  QWidget* w = hwnd->widget;
  if (!w) return;
  if (hwnd->windowKind != WindowKind::Control) return w->setWindowTitle(text);
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->setText(text);
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->setTitle(text);
  if (auto* l = qobject_cast<QLabel*>(w)) return l->setText(text);
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->setText(text);
  if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->setPlainText(QString(text).replace("\r\n", "\n"));
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    Programmatic quiet(hwnd);
    if (c->isEditable()) c->setEditText(text);
    else c->setCurrentIndex(c->findText(text, Qt::MatchFixedString));
  }
}

int GetButtonCheck(HWND hwnd) {
  if (auto* box = As<QCheckBox>(hwnd)) {
    switch (box->checkState()) {
      case Qt::Checked: return BST_CHECKED;
      case Qt::PartiallyChecked: return BST_INDETERMINATE;
      default: return BST_UNCHECKED;
    }
  }
  if (auto* b = As<QAbstractButton>(hwnd)) return b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
  return BST_UNCHECKED;
}

void SetButtonCheck(HWND hwnd, int check) {
  if (auto* box = As<QCheckBox>(hwnd)) {
    box->setTristate(check == BST_INDETERMINATE || box->isTristate());
    box->setCheckState(check == BST_CHECKED ? Qt::Checked
                                            : check == BST_INDETERMINATE ? Qt::PartiallyChecked : Qt::Unchecked);
  } else if (auto* b = As<QAbstractButton>(hwnd); b && b->isCheckable()) {
    b->setChecked(check == BST_CHECKED);
  }
}

std::vector<HWND> RadioGroup(HWND member) {
  std::vector<HWND> group;
  if (!IsLive(member) || !IsLive(member->parent) || !member->groupHead) return group;
  for (HWND sibling : member->parent->children)
    if (sibling->kind == ControlKind::RadioButton && sibling->groupHead == member->groupHead) group.push_back(sibling);
  return group;
}

UINT DefaultDlgCode(HWND hwnd) {
  if (hwnd->windowKind != WindowKind::Control) return 0;
  switch (hwnd->kind) {
    case ControlKind::Edit:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | ((hwnd->style & ES_MULTILINE) ? DLGC_WANTALLKEYS : 0);
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::ListView: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case ControlKind::DefPushButton: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case ControlKind::PushButton: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox: return DLGC_BUTTON;
    case ControlKind::RadioButton: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    default: return DLGC_STATIC;
  }
}

LRESULT EditDefProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  auto* line = As<QLineEdit>(hwnd);
  handled = true;
  switch (message) {
    case EM_SETSEL: {
      int start = static_cast<int>(static_cast<std::intptr_t>(wParam));
      int end = static_cast<int>(lParam);
      if (!line) return 0;
      int length = static_cast<int>(line->text().size());
      if (start < 0) { line->deselect(); return 0; }
      if (end < 0 || end > length) end = length;
      if (start > length) start = length;
      line->setSelection(start, end - start);
      return 0;
    }
    case EM_SCROLLCARET: return TRUE;  // a line edit always keeps its caret in view
    case WM_CHAR: {
      if (ForwardCurrentInput(hwnd, QEvent::KeyPress) || !line || line->isReadOnly()) return 0;
      unsigned char c = static_cast<unsigned char>(wParam);
      if (c == VK_BACK) line->backspace();
      else if (c >= 0x20) line->insert(ToQt(std::string(1, static_cast<char>(c))));
      return 0;
    }
    case WM_KEYDOWN: {
      if (CharOfCurrentKey() != 0 || ForwardCurrentInput(hwnd, QEvent::KeyPress) || HasInputScope() || !line) return 0;
      switch (static_cast<int>(wParam)) {
        case VK_LEFT: line->cursorBackward(false); break;
        case VK_RIGHT: line->cursorForward(false); break;
        case VK_HOME: line->home(false); break;
        case VK_END: line->end(false); break;
        case VK_DELETE: if (!line->isReadOnly()) line->del(); break;
        default: break;
      }
      return 0;
    }
    default: handled = false; return 0;
  }
}

LRESULT ListViewDefProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

LRESULT ControlDefProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  handled = false;
  if (hwnd->windowKind != WindowKind::Control) return 0;
  if (hwnd->kind == ControlKind::Edit) return EditDefProc(hwnd, message, wParam, lParam, handled);
  if (hwnd->kind == ControlKind::ListView) return ListViewDefProc(hwnd, message, wParam, lParam, handled);
  return 0;
}

namespace {

void ChoseEntry(HWND hwnd) {
  QtEntry entry;
  if (!IsLive(hwnd)) return;
  hwnd->typedText = false;
  NotifyParent(hwnd, CBN_SELCHANGE);
}

void TypedText(HWND hwnd) {
  QtEntry entry;
  if (!IsLive(hwnd)) return;
  hwnd->typedText = true;
  NotifyParent(hwnd, CBN_EDITCHANGE);
}

// Besides the popup and the keys, an assistive technology chooses an entry by selecting it in the
// closed list, and sets an editable box's text through the field's text interface; both reach the
// window as the user's own choice or typing.
void ConfigureComboBox(HWND hwnd, QComboBox* combo) {
  QObject::connect(combo, &QComboBox::activated, [hwnd](int) { ChoseEntry(hwnd); });
  QAbstractItemView* view = combo->view();
  QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, combo, [hwnd, combo, view] {
    if (!IsLive(hwnd) || hwnd->programmatic || view->isVisible()) return;
    const QModelIndexList chosen = view->selectionModel()->selectedIndexes();
    if (chosen.isEmpty() || chosen.front().row() == combo->currentIndex()) return;
    combo->setCurrentIndex(chosen.front().row());
    ChoseEntry(hwnd);
  });
  QLineEdit* edit = combo->lineEdit();
  if (!edit) return;
  QObject::connect(edit, &QLineEdit::textEdited, [hwnd](const QString&) { TypedText(hwnd); });
  // Qt sets the field to the chosen entry's text itself; only another text is typed text.
  QObject::connect(edit, &QLineEdit::textChanged, combo, [hwnd, combo](const QString& text) {
    if (!IsLive(hwnd) || hwnd->programmatic || HasInputScope() || text == combo->itemText(combo->currentIndex())) return;
    TypedText(hwnd);
  });
}

}  // namespace

void ConfigureControl(HWND hwnd) {
  QWidget* w = hwnd->widget;
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    QObject::connect(button, &QAbstractButton::clicked, [hwnd] {
      QtEntry entry;
      if (!IsLive(hwnd)) return;
      if (hwnd->kind == ControlKind::RadioButton)
        for (HWND other : RadioGroup(hwnd))
          if (other != hwnd) SetButtonCheck(other, BST_UNCHECKED);
      NotifyParent(hwnd, BN_CLICKED);
    });
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    ConfigureComboBox(hwnd, combo);
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    // The selection, not the current row: an assistive technology selects an entry without moving to it.
    QObject::connect(list, &QListWidget::itemSelectionChanged, [hwnd] {
      QtEntry entry;
      NotifyParent(hwnd, LBN_SELCHANGE);
    });
  } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
    // As on the platform, code that sets the text raises EN_CHANGE too.
    QObject::connect(line, &QLineEdit::textChanged, [hwnd](const QString&) {
      QtEntry entry;
      NotifyParent(hwnd, EN_CHANGE);
    });
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
    QObject::connect(text, &QPlainTextEdit::textChanged, [hwnd] {
      QtEntry entry;
      NotifyParent(hwnd, EN_CHANGE);
    });
  }
}

QLineEdit* NewLineEdit(DWORD style, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setFrame((style & WS_BORDER) != 0);
  edit->setReadOnly((style & ES_READONLY) != 0);
  Qt::Alignment align = (style & ES_RIGHT) ? Qt::AlignRight : (style & ES_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
  edit->setAlignment(align | Qt::AlignVCenter);
  if (style & ES_NUMBER) edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
  edit->setContextMenuPolicy(Qt::NoContextMenu);
  return edit;
}

BOOL CreateChild(CWnd* self, QWidget* widget, ControlKind kind, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  HWND parentHwnd = parent ? parent->m_hWnd : nullptr;
  HWND hwnd = NewWindow(widget, WindowKind::Control, kind, static_cast<int>(id), style, 0, parentHwnd);
  hwnd->owned = true;
  hwnd->attached = self;
  self->m_hWnd = hwnd;
  widget->setObjectName(QString::number(static_cast<int>(id)));
  ConfigureControl(hwnd);
  if (parentHwnd) {
    widget->setFont(parentHwnd->widget->font());
    hwnd->font.Attach(new HFONT__{widget->font()});
  }
  self->MoveWindow(&rect, FALSE);
  widget->setEnabled(!(style & WS_DISABLED));
  if (style & WS_VISIBLE) widget->show();
  CREATESTRUCT cs{parentHwnd, id, rect, style, 0};
  if (::SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    self->DestroyWindow();
    return FALSE;
  }
  return TRUE;
}

}  // namespace ui

using ui::As;

// --- CButton ---------------------------------------------------------------------------------------
int CButton::GetCheck() const { return ui::GetButtonCheck(m_hWnd); }
void CButton::SetCheck(int check) { ui::SetButtonCheck(m_hWnd, check); }
void CButton::Click() {
  if (auto* b = As<QAbstractButton>(m_hWnd)) b->click();
}

// --- CStatic ---------------------------------------------------------------------------------------
HICON CStatic::SetIcon(HICON icon) {
  HICON previous = GetIcon();
  if (auto* label = As<QLabel>(m_hWnd)) {
    m_hWnd->icons[0] = icon;
    if (icon) label->setPixmap(icon->icon.pixmap(icon->width, icon->width));
    else label->clear();
  }
  return previous;
}
HICON CStatic::GetIcon() const { return ui::IsLive(m_hWnd) ? m_hWnd->icons[0] : nullptr; }

// --- CEdit -----------------------------------------------------------------------------------------
BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  if (!parent || !ui::IsLive(parent->m_hWnd)) return FALSE;
  QLineEdit* edit = ui::NewLineEdit(style, parent->m_hWnd->widget);
  return ui::CreateChild(this, edit, ControlKind::Edit, style, rect, parent, id);
}
void CEdit::SetSel(int start, int end, BOOL) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
void CEdit::GetSel(int& start, int& end) const {
  start = end = 0;
  if (auto* line = As<QLineEdit>(m_hWnd)) {
    if (line->hasSelectedText()) {
      start = static_cast<int>(line->selectionStart());
      end = start + static_cast<int>(line->selectedText().size());
    } else {
      start = end = static_cast<int>(line->cursorPosition());
    }
  }
}
void CEdit::ReplaceSel(const std::string& text) {
  if (auto* line = As<QLineEdit>(m_hWnd)) line->insert(ui::ToQt(text));
  else if (auto* plain = As<QPlainTextEdit>(m_hWnd)) plain->insertPlainText(ui::ToQt(text));
}
void CEdit::SetReadOnly(BOOL readOnly) {
  if (auto* line = As<QLineEdit>(m_hWnd)) line->setReadOnly(readOnly);
  else if (auto* plain = As<QPlainTextEdit>(m_hWnd)) plain->setReadOnly(readOnly);
}
void CEdit::LimitText(int maxChars) {
  if (auto* line = As<QLineEdit>(m_hWnd)) line->setMaxLength(maxChars > 0 ? maxChars : 32767);
}
void CEdit::SetMargins(int left, int right) {
  if (auto* line = As<QLineEdit>(m_hWnd)) line->setTextMargins(left, 0, right, 0);
}

// --- CComboBox -------------------------------------------------------------------------------------
namespace {
int InsertComboEntry(HWND hwnd, int index, const std::string& text) {
  auto* combo = As<QComboBox>(hwnd);
  if (!combo || index > combo->count()) return CB_ERR;
  ui::Programmatic quiet(hwnd);
  int selection = combo->currentIndex();
  QString editText = combo->isEditable() ? combo->currentText() : QString();
  if (index < 0) index = combo->count();
  combo->insertItem(index, ui::ToQt(text));
  // Qt selects the first entry of an empty box; the platform does not.
  if (selection < 0) combo->setCurrentIndex(-1);
  if (combo->isEditable()) combo->setEditText(editText);
  return index;
}
}  // namespace

int CComboBox::AddString(const std::string& text) {
  auto* combo = As<QComboBox>(m_hWnd);
  if (!combo) return CB_ERR;
  int index = (m_hWnd->style & CBS_SORT) ? ui::SortedPosition(ui::ComboItems(combo), ui::ToQt(text)) : combo->count();
  return InsertComboEntry(m_hWnd, index, text);
}
int CComboBox::InsertString(int index, const std::string& text) { return InsertComboEntry(m_hWnd, index, text); }
int CComboBox::DeleteString(UINT index) {
  auto* combo = As<QComboBox>(m_hWnd);
  if (!combo || static_cast<int>(index) >= combo->count()) return CB_ERR;
  ui::Programmatic quiet(m_hWnd);
  combo->removeItem(static_cast<int>(index));
  return combo->count();
}
void CComboBox::ResetContent() {
  if (auto* combo = As<QComboBox>(m_hWnd)) {
    ui::Programmatic quiet(m_hWnd);
    combo->clear();
    m_hWnd->typedText = false;
  }
}
int CComboBox::GetCount() const {
  auto* combo = As<QComboBox>(m_hWnd);
  return combo ? combo->count() : CB_ERR;
}
int CComboBox::GetCurSel() const {
  auto* combo = As<QComboBox>(m_hWnd);
  if (!combo || m_hWnd->typedText) return CB_ERR;
  return combo->currentIndex();
}
int CComboBox::SetCurSel(int index) {
  auto* combo = As<QComboBox>(m_hWnd);
  if (!combo) return CB_ERR;
  ui::Programmatic quiet(m_hWnd);
  m_hWnd->typedText = false;
  if (index < 0 || index >= combo->count()) {
    combo->setCurrentIndex(-1);
    if (combo->isEditable()) combo->setEditText(QString());
    return CB_ERR;
  }
  combo->setCurrentIndex(index);
  return index;
}
int CComboBox::GetLBText(int index, std::string& text) const {
  auto* combo = As<QComboBox>(m_hWnd);
  if (!combo || index < 0 || index >= combo->count()) return CB_ERR;
  text = ui::FromQt(combo->itemText(index));
  return static_cast<int>(text.size());
}
std::string CComboBox::GetLBText(int index) const {
  std::string text;
  GetLBText(index, text);
  return text;
}
int CComboBox::SetItemData(int index, DWORD_PTR data) {
  auto* combo = As<QComboBox>(m_hWnd);
  if (!combo || index < 0 || index >= combo->count()) return CB_ERR;
  combo->setItemData(index, QVariant::fromValue(static_cast<quint64>(data)));
  return 0;
}
DWORD_PTR CComboBox::GetItemData(int index) const {
  auto* combo = As<QComboBox>(m_hWnd);
  if (!combo || index < 0 || index >= combo->count()) return static_cast<DWORD_PTR>(CB_ERR);
  return static_cast<DWORD_PTR>(combo->itemData(index).value<quint64>());
}
int CComboBox::FindStringExact(int startAfter, const std::string& text) const {
  auto* combo = As<QComboBox>(m_hWnd);
  if (!combo) return CB_ERR;
  QString wanted = ui::ToQt(text);
  int n = combo->count();
  for (int k = 1; k <= n; ++k) {
    int i = (startAfter + k) % n;
    if (i < 0) i += n;
    if (combo->itemText(i).compare(wanted, Qt::CaseInsensitive) == 0) return i;
  }
  return CB_ERR;
}
int CComboBox::SelectString(int startAfter, const std::string& prefix) {
  auto* combo = As<QComboBox>(m_hWnd);
  if (!combo) return CB_ERR;
  QString wanted = ui::ToQt(prefix);
  int n = combo->count();
  for (int k = 1; k <= n; ++k) {
    int i = ((startAfter + k) % n + n) % n;
    if (combo->itemText(i).startsWith(wanted, Qt::CaseInsensitive)) return SetCurSel(i);
  }
  return CB_ERR;
}

// --- CListBox --------------------------------------------------------------------------------------
int CListBox::AddString(const std::string& text) {
  auto* list = As<QListWidget>(m_hWnd);
  if (!list) return LB_ERR;
  int index = (m_hWnd->style & LBS_SORT) ? ui::SortedPosition(ui::ListItems(list), ui::ToQt(text)) : list->count();
  return InsertString(index, text);
}
int CListBox::InsertString(int index, const std::string& text) {
  auto* list = As<QListWidget>(m_hWnd);
  if (!list || index > list->count()) return LB_ERR;
  ui::Programmatic quiet(m_hWnd);
  if (index < 0) index = list->count();
  list->insertItem(index, ui::ToQt(text));
  return index;
}
int CListBox::DeleteString(UINT index) {
  auto* list = As<QListWidget>(m_hWnd);
  if (!list || static_cast<int>(index) >= list->count()) return LB_ERR;
  ui::Programmatic quiet(m_hWnd);
  delete list->takeItem(static_cast<int>(index));
  return list->count();
}
void CListBox::ResetContent() {
  if (auto* list = As<QListWidget>(m_hWnd)) {
    ui::Programmatic quiet(m_hWnd);
    list->clear();
  }
}
int CListBox::GetCount() const {
  auto* list = As<QListWidget>(m_hWnd);
  return list ? list->count() : LB_ERR;
}
int CListBox::GetCurSel() const {
  auto* list = As<QListWidget>(m_hWnd);
  if (!list) return LB_ERR;
  QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? LB_ERR : list->row(selected.front());
}
int CListBox::SetCurSel(int index) {
  auto* list = As<QListWidget>(m_hWnd);
  if (!list) return LB_ERR;
  ui::Programmatic quiet(m_hWnd);
  if (index < 0 || index >= list->count()) {
    list->clearSelection();
    list->setCurrentRow(-1);
    return index < 0 ? 0 : LB_ERR;
  }
  list->setCurrentRow(index);
  list->scrollToItem(list->item(index));
  return index;
}
int CListBox::GetText(int index, std::string& text) const {
  auto* list = As<QListWidget>(m_hWnd);
  if (!list || index < 0 || index >= list->count()) return LB_ERR;
  text = ui::FromQt(list->item(index)->text());
  return static_cast<int>(text.size());
}
std::string CListBox::GetText(int index) const {
  std::string text;
  GetText(index, text);
  return text;
}
int CListBox::GetTextLen(int index) const {
  std::string text;
  return GetText(index, text);
}
int CListBox::SetItemData(int index, DWORD_PTR data) {
  auto* list = As<QListWidget>(m_hWnd);
  if (!list || index < 0 || index >= list->count()) return LB_ERR;
  list->item(index)->setData(Qt::UserRole, QVariant::fromValue(static_cast<quint64>(data)));
  return 0;
}
DWORD_PTR CListBox::GetItemData(int index) const {
  auto* list = As<QListWidget>(m_hWnd);
  if (!list || index < 0 || index >= list->count()) return static_cast<DWORD_PTR>(LB_ERR);
  return static_cast<DWORD_PTR>(list->item(index)->data(Qt::UserRole).value<quint64>());
}
int CListBox::GetTopIndex() const {
  auto* list = As<QListWidget>(m_hWnd);
  if (!list) return LB_ERR;
  QListWidgetItem* top = list->itemAt(0, 0);
  return top ? list->row(top) : 0;
}
