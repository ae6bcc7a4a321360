// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/Dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/internal/ShrunkStyle.h"
#include "platform/ui/internal/WindowState.h"

namespace {

std::map<UINT, DialogTemplate>& Templates() {
  static std::map<UINT, DialogTemplate> templates;
  return templates;
}

// Keys reach the dialog as messages; Qt's own Enter and Escape handling stays out.
class DialogWidget : public QDialog {
 public:
  using QDialog::QDialog;

 protected:
  void keyPressEvent(QKeyEvent* e) override { e->ignore(); }
};

class ManualCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {}  // a non-automatic box changes only when code sets it
};

class AutoRadioButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override { setChecked(true); }
};

std::vector<QEventLoop*>& ModalLoops() {
  static std::vector<QEventLoop*> loops;
  return loops;
}

QWidget* MakeWidget(const ControlTemplate& c, QWidget* parent) {
  QString text = ui::ToQt(c.text);
  switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
      auto* b = new QPushButton(text, parent);
      b->setAutoDefault(false);
      b->setDefault(c.kind == ControlKind::DefPushButton);
      return b;
    }
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox: {
      QCheckBox* b = c.kind == ControlKind::CheckBox ? new ManualCheckBox(text, parent) : new QCheckBox(text, parent);
      if (c.style & BS_LEFTTEXT) b->setLayoutDirection(Qt::RightToLeft);
      return b;
    }
    case ControlKind::RadioButton: {
      auto* b = new AutoRadioButton(text, parent);
      b->setAutoExclusive(false);
      if (c.style & BS_LEFTTEXT) b->setLayoutDirection(Qt::RightToLeft);
      return b;
    }
    case ControlKind::GroupBox: {
      auto* g = new QGroupBox(text, parent);
      g->setAttribute(Qt::WA_TransparentForMouseEvents);
      g->setFocusPolicy(Qt::NoFocus);
      return g;
    }
    case ControlKind::Static:
    case ControlKind::Icon: {
      auto* l = new QLabel(text, parent);
      l->setTextFormat(Qt::PlainText);
      l->setWordWrap(c.kind == ControlKind::Static);
      Qt::Alignment h = (c.style & SS_CENTER) == SS_CENTER && !(c.style & SS_RIGHT) ? Qt::AlignHCenter
                        : (c.style & SS_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
      l->setAlignment(h | ((c.style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop));
      if (c.style & SS_SUNKEN) l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      return l;
    }
    case ControlKind::Edit: {
      if (c.style & ES_MULTILINE) {
        auto* p = new QPlainTextEdit(parent);
        p->setReadOnly(c.style & ES_READONLY);
        if (!(c.style & WS_BORDER)) p->setFrameShape(QFrame::NoFrame);
        return p;
      }
      QLineEdit* e = ui::NewLineEdit(c.style, parent);
      e->setText(text);
      return e;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      bool editable = (c.style & CBS_DROPDOWNLIST) == CBS_DROPDOWN || (c.style & CBS_DROPDOWNLIST) == CBS_SIMPLE;
      combo->setEditable(editable);
      if (editable) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
      }
      return combo;
    }
    case ControlKind::ListBox: {
      auto* list = new QListWidget(parent);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setUniformItemSizes(true);
      return list;
    }
    case ControlKind::ListView: return ui::NewListView(c.style, parent);
  }
  return new QWidget(parent);
}

// A label names only a control without a text of its own. A static is announced by the text it shows,
// also when code fills it after opening (the About box's version), so it never takes its neighbour's.
bool NamedByLabel(const ControlTemplate& c) {
  switch (c.kind) {
    case ControlKind::Static: return false;
    case ControlKind::Icon:
    case ControlKind::Edit:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::ListView: return true;
    default: return c.text.empty();
  }
}

// Where a control shows on screen: a combo's template height includes its dropped list.
constexpr int kComboFieldDlus = 12;
DlgRect Shown(const ControlTemplate& c) {
  DlgRect r = c.rect;
  if (c.kind == ControlKind::ComboBox) r.cy = std::min(r.cy, kComboFieldDlus);
  return r;
}

struct Strip {
  int left, top, right, bottom;
};

// Whether a control other than the label and the one it would name lies in the strip between them.
bool SomethingBetween(const std::vector<ControlTemplate>& all, const ControlTemplate& label,
                      const ControlTemplate& control, const Strip& strip) {
  for (const ControlTemplate& o : all) {
    if (&o == &label || &o == &control || o.kind == ControlKind::GroupBox) continue;
    const DlgRect q = Shown(o);
    if (q.x < strip.right && strip.left < q.x + q.cx && q.y < strip.bottom && strip.top < q.y + q.cy) return true;
  }
  return false;
}

// The static a screen reader announces a control without caption by: the static text to its left on its
// line (the text's middle within the control's height), else the one just above it, as long as no other
// control stands between them (a field further along a line is not named by the line's first label).
const ControlTemplate* LabelFor(const ControlTemplate& control, const std::vector<ControlTemplate>& all) {
  const DlgRect r = Shown(control);
  const ControlTemplate* left = nullptr;
  const ControlTemplate* above = nullptr;
  for (const ControlTemplate& s : all) {
    if (s.kind != ControlKind::Static || s.text.empty()) continue;
    const DlgRect& q = s.rect;
    const int middle = q.y + q.cy / 2;
    bool sameLine = r.y <= middle && middle <= r.y + r.cy;
    bool overlapsX = q.x < r.x + r.cx && r.x < q.x + q.cx;
    if (sameLine && q.x + q.cx <= r.x + 2 && (!left || q.x > left->rect.x)) left = &s;
    if (overlapsX && q.y + q.cy <= r.y + 2 && (!above || q.y > above->rect.y)) above = &s;
  }
  if (left) {
    const DlgRect& q = left->rect;
    Strip strip{q.x + q.cx, std::max(q.y, r.y), r.x, std::min(q.y + q.cy, r.y + r.cy)};
    if (!SomethingBetween(all, *left, control, strip)) return left;
  }
  if (above) {
    const DlgRect& q = above->rect;
    Strip strip{std::max(q.x, r.x), q.y + q.cy, std::min(q.x + q.cx, r.x + r.cx), r.y};
    if (!SomethingBetween(all, *above, control, strip)) return above;
  }
  return nullptr;
}

// On Linux a drop-down list is announced by its value, so its name must come as a "labelled by" relation:
// the static becomes the control's buddy. A name the template gives without a static gets a label of
// its own that is never shown. The text field of an editable list is named like its list.
void NameByLabels(const std::vector<ControlTemplate>& all, const std::vector<QWidget*>& made) {
  for (size_t i = 0; i < all.size(); ++i) {
    const ControlTemplate& c = all[i];
    if (!NamedByLabel(c)) continue;
    QLabel* label = nullptr;
    if (!c.label.empty()) {
      label = new QLabel(ui::ToQt(c.label), made[i]->parentWidget());
      label->hide();
    } else if (const ControlTemplate* s = LabelFor(c, all)) {
      label = qobject_cast<QLabel*>(made[static_cast<size_t>(s - all.data())]);
    }
    if (!label) continue;
    if (!label->buddy()) label->setBuddy(made[i]);
    made[i]->setAccessibleName(label->text());
    if (auto* combo = qobject_cast<QComboBox*>(made[i]); combo && combo->lineEdit())
      combo->lineEdit()->setAccessibleName(label->text());
  }
}

QFont DialogFont(const DialogTemplate& tpl) {
  QFont font(ui::ToQt(MapFontFace(tpl.fontFace)));
  font.setPointSize(tpl.pointSize > 0 ? tpl.pointSize : 8);
  return font;
}

int Scale(int units, int base, int divisor) {
  return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

// The font's base units; measuring them shapes text, so a dialog measures them once.
struct BaseUnits {
  int x;
  int y;
};

BaseUnits BaseUnitsOf(const QFont& font) { return {ui::BaseUnitX(font), ui::BaseUnitY(font)}; }

// The room a dialog has on its screen, less its frame and caption.
QSize FreeRoom(const QWidget* dialog, const QWidget* owner) {
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) return QSize(INT_MAX, INT_MAX);
  const int frame = 2 * dialog->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
  const int caption = dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const QSize free = screen->availableGeometry().size();
  return QSize(free.width() - frame, free.height() - frame - caption);
}

// A dialog larger than its screen's free area is drawn with a smaller font, and so laid out smaller, until
// every control is on the screen (a tall dialog at twice the normal scale, a small laptop screen). One
// that fits keeps its font and looks exactly as its template says.
QFont FittingFont(QFont font, const DialogTemplate& tpl, QSize room) {
  constexpr double kMinimumPoints = 4;
  for (int step = 0; step < 40; ++step) {
    const BaseUnits units = BaseUnitsOf(font);
    const int width = Scale(tpl.cx, units.x, 4);
    const int height = Scale(tpl.cy, units.y, 8);
    if ((width <= room.width() && height <= room.height()) || font.pointSizeF() <= kMinimumPoints) break;
    const double shrink = std::min({1.0, static_cast<double>(room.width()) / width, static_cast<double>(room.height()) / height});
    font.setPointSizeF(std::max(kMinimumPoints, std::min(font.pointSizeF() * shrink, font.pointSizeF() - 0.25)));
  }
  return font;
}

// The controls of a dialog drawn smaller get marks and margins as much smaller as its font; the style
// belongs to the dialog (a widget's style does not pass to its children).
void DrawSmaller(const std::vector<QWidget*>& controls, QWidget* dialog, double ratio) {
  auto* style = new ui::ShrunkStyle(ratio);
  style->setParent(dialog);
  for (QWidget* control : controls) control->setStyle(style);
}

RECT ToPixels(const RECT& r, BaseUnits units) {
  return RECT{Scale(r.left, units.x, 4), Scale(r.top, units.y, 8), Scale(r.right, units.x, 4),
              Scale(r.bottom, units.y, 8)};
}

HWND FirstTabStop(HWND dialog) {
  for (HWND child : dialog->children) {
    QWidget* w = child->widget;
    if (w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus &&
        child->kind != ControlKind::Static && child->kind != ControlKind::GroupBox)
      return child;
  }
  return nullptr;
}

// A modal dialog run without a parent belongs to the application's main window, as the framework's
// safe owner: it opens centred over that window and keeps it behind.
HWND DefaultModalOwner() {
  CWinApp* app = AfxGetApp();
  CWnd* main = app ? app->m_pMainWnd : nullptr;
  return main && ui::IsLive(main->m_hWnd) ? main->m_hWnd : nullptr;
}

HWND DefaultButton(HWND dialog) {
  for (HWND child : dialog->children)
    if (child->kind == ControlKind::DefPushButton && child->windowKind == WindowKind::Control) return child;
  return nullptr;
}

// Leaving by Enter, Escape or the close box moves no focus, so the focused field's focus-loss handler
// would never see its last edit: it gets its notification first, once (the flag keeps the real focus
// loss when the dialog hides from repeating it). False when a value there failed its validation, which
// the handler has shown; the dialog then stays, as when a click moves the focus away.
// A field inside a control (a grid's cell editor) ends its edit on its own focus loss, so the focus moves
// to the control that holds it.
bool NotifyFocusLossBeforeLeaving(HWND dialog, HWND focus) {
  if (!ui::IsLive(focus) || focus == dialog) return true;
  HWND control = focus;
  while (control && control->parent != dialog) control = control->parent;
  if (!control) return true;
  const int failures = dialog->failedExchanges;
  if (control != focus) ::SetFocus(control);
  else focus->focusLossSent = ui::NotifyFocusLoss(focus);
  return ui::IsLive(dialog) && dialog->failedExchanges == failures;
}

}  // namespace

namespace ui {
int BaseUnitX(const QFont& font) {
  QFontMetrics fm(font);
  int width = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return (width / 26 + 1) / 2;
}
int BaseUnitY(const QFont& font) { return QFontMetrics(font).height(); }

void HandleQuit(int exitCode) {
  if (!ModalLoops().empty()) {
    ModalLoops().back()->exit(-1);
    PostQuitMessage(exitCode);  // the outer runs end too
  } else if (QCoreApplication::instance()) {
    QCoreApplication::exit(exitCode);
  }
}
}  // namespace ui

void RegisterDialogTemplate(DialogTemplate tpl) { Templates()[tpl.id] = std::move(tpl); }
const DialogTemplate* FindDialogTemplate(UINT id) {
  auto it = Templates().find(id);
  return it == Templates().end() ? nullptr : &it->second;
}

CDialog::CDialog(const DialogTemplate& tpl, CWnd* parent) : m_pParentWnd(parent), m_template(tpl) {}
CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent) {
  if (const DialogTemplate* tpl = FindDialogTemplate(templateId)) m_template = *tpl;
  else m_template.id = templateId;
}
CDialog::~CDialog() = default;

void CDialog::MapDialogRect(LPRECT rect) const {
  QFont font = ui::IsLive(m_hWnd) ? m_hWnd->widget->font() : DialogFont(m_template);
  *rect = ToPixels(*rect, BaseUnitsOf(font));
}

BOOL CDialog::CreateFromTemplate(CWnd* parent, bool modal) {
  if (ui::IsLive(m_hWnd) || m_template.cx <= 0) return FALSE;
  if (parent) m_pParentWnd = parent;
  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : modal ? DefaultModalOwner() : nullptr;
  QWidget* ownerWidget = ui::IsLive(owner) ? owner->widget->window() : nullptr;
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
  if (m_template.style & WS_CAPTION) flags |= Qt::WindowTitleHint;
  if (m_template.style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (m_template.style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (!(m_template.style & WS_CAPTION)) flags |= Qt::FramelessWindowHint;
  auto* widget = new DialogWidget(ownerWidget, flags);
  widget->setObjectName(QString::number(m_template.id));
  widget->setWindowTitle(ui::ToQt(m_template.caption));
  widget->setFont(FittingFont(DialogFont(m_template), m_template, FreeRoom(widget, ownerWidget)));
  widget->setModal(false);
  HWND hwnd = ui::NewWindow(widget, WindowKind::Dialog, ControlKind::Static, static_cast<int>(m_template.id),
                            m_template.style, m_template.exStyle, owner);
  hwnd->owned = true;
  hwnd->attached = this;
  m_hWnd = hwnd;
  m_ended = false;
  m_result = -1;

  const BaseUnits units = BaseUnitsOf(widget->font());
  const bool shrunk = widget->font().pointSizeF() < DialogFont(m_template).pointSizeF();
  const RECT size = ToPixels(RECT{0, 0, m_template.cx, m_template.cy}, units);
  if (m_template.style & WS_THICKFRAME) widget->resize(size.right, size.bottom);
  else widget->setFixedSize(size.right, size.bottom);

  HWND groupHead = nullptr;
  std::vector<HWND> groupBoxes;
  std::vector<QWidget*> made;
  for (const ControlTemplate& c : m_template.controls) {
    QWidget* w = MakeWidget(c, widget);
    made.push_back(w);
    const RECT r = ToPixels(RECT{c.rect.x, c.rect.y, c.rect.x + c.rect.cx, c.rect.y + c.rect.cy}, units);
    int height = r.bottom - r.top;
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      // The template's height includes the dropped list.
      int field = combo->sizeHint().height();
      // Qt's least field height would not shrink with the font and rows of lists would overlap.
      if (shrunk) field = std::min(field, Scale(kComboFieldDlus, units.y, 8));
      int itemHeight = QFontMetrics(widget->font()).height() + 2;
      combo->setMaxVisibleItems(std::max(1, (height - field) / std::max(1, itemHeight)));
      height = field;
    }
    w->setGeometry(r.left, r.top, r.right - r.left, height);
    w->setObjectName(QString::number(c.id));
    DWORD style = c.style | WS_CHILD | (c.visible ? WS_VISIBLE : 0) | (c.enabled ? 0 : WS_DISABLED);
    HWND control = ui::NewWindow(w, WindowKind::Control, c.kind, c.id, style, c.exStyle, hwnd);
    if (c.kind == ControlKind::RadioButton) {
      if ((c.style & WS_GROUP) || !groupHead) groupHead = control;
      control->groupHead = groupHead;
    } else {
      groupHead = nullptr;  // any other control ends a radio group
    }
    if (c.kind == ControlKind::GroupBox) groupBoxes.push_back(control);
    ui::ConfigureControl(control);
    if (c.kind == ControlKind::ListView) ui::ApplyListFont(control);
    if (qobject_cast<QComboBox*>(w)) {
      for (const std::string& entry : c.entries) {
        CComboBox* box = static_cast<CComboBox*>(CWnd::FromHandle(control));
        box->AddString(entry);
      }
    } else if (qobject_cast<QListWidget*>(w)) {
      for (const std::string& entry : c.entries) static_cast<CListBox*>(CWnd::FromHandle(control))->AddString(entry);
    }
    w->setEnabled(c.enabled);
    w->setVisible(c.visible);
  }
  for (HWND box : groupBoxes) box->widget->lower();
  if (shrunk) DrawSmaller(made, widget, static_cast<double>(units.x) / BaseUnitsOf(DialogFont(m_template)).x);
  NameByLabels(m_template.controls, made);

  CenterWindow();
  BOOL focusDefault = static_cast<BOOL>(SendMessage(WM_INITDIALOG, 0, 0));
  if (!ui::IsLive(hwnd)) return FALSE;
  bool show = modal ? !m_ended : (m_template.style & WS_VISIBLE) && !m_ended;
  if (show) {
    if (modal) widget->setWindowModality(Qt::ApplicationModal);
    widget->show();
    widget->raise();
    widget->activateWindow();
  }
  if (focusDefault && ui::IsLive(hwnd)) {
    if (HWND first = FirstTabStop(hwnd)) ::SetFocus(first);
  }
  return TRUE;
}

INT_PTR CDialog::DoModal() {
  HookApartmentToEventLoop();
  if (!CreateFromTemplate(m_pParentWnd, true)) return -1;
  HWND hwnd = m_hWnd;
  if (!m_ended) {
    QEventLoop loop;
    m_loop = &loop;
    ModalLoops().push_back(&loop);
    int code = loop.exec();
    ModalLoops().pop_back();
    m_loop = nullptr;
    if (!m_ended) m_result = code;
  }
  int result = m_result;
  if (ui::IsLive(hwnd)) {
    hwnd->widget->hide();
    ui::Destroy(hwnd);
  }
  return result;
}

BOOL CDialog::Create(CWnd* parent) {
  HookApartmentToEventLoop();
  return CreateFromTemplate(parent, false);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  if (const DialogTemplate* tpl = FindDialogTemplate(templateId)) m_template = *tpl;
  return Create(parent);
}

void CDialog::EndDialog(int result) {
  m_result = result;
  m_ended = true;
  if (m_loop) static_cast<QEventLoop*>(m_loop)->exit(result);
  if (ui::IsLive(m_hWnd) && m_hWnd->widget) m_hWnd->widget->hide();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_INITDIALOG) return CWnd::OnWndMsg(message, wParam, lParam, result);
  *result = OnInitDialog();
  return TRUE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  const bool leaving = HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
  if (leaving) {
    HWND focus = ::GetFocus();
    const bool valid = NotifyFocusLossBeforeLeaving(m_hWnd, focus);
    const BOOL handled = valid ? Command(wParam, lParam) : TRUE;
    // A dialog that stays keeps the focus where it was; the next real focus loss must notify again.
    if (ui::IsLive(focus) && !m_ended) focus->focusLossSent = false;
    return handled;
  }
  return Command(wParam, lParam);
}

BOOL CDialog::Command(WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  if (HIWORD(wParam) != BN_CLICKED) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    case ID_HELP:
      if (CWinApp* app = AfxGetApp()) app->OnHelp();
      return TRUE;
    default: return FALSE;
  }
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    // The dialog manager turns the close box into the Cancel command.
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return 0;
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) { return IsDialogMessage(pMsg); }

BOOL CDialog::IsDialogMessage(MSG* pMsg) {
  if (!pMsg || !ui::IsLive(m_hWnd)) return FALSE;
  if (pMsg->message == WM_SYSKEYDOWN && pMsg->wParam == VK_SPACE) {
    CMenu* menu = GetSystemMenu(FALSE);
    if (!menu) return FALSE;
    QMenu popup(m_hWnd->widget);
    for (const CMenu::Item& item : menu->Items()) {
      if (item.flags & MF_SEPARATOR) {
        popup.addSeparator();
      } else {
        UINT id = static_cast<UINT>(item.id);
        HWND self = m_hWnd;
        QAction* action = popup.addAction(ui::ToQt(item.text));
        action->setEnabled(!(item.flags & MF_GRAYED));
        QObject::connect(action, &QAction::triggered, [self, id] { ::PostMessage(self, WM_SYSCOMMAND, id, 0); });
      }
    }
    popup.addSeparator();
    HWND self = m_hWnd;
    QObject::connect(popup.addAction(QStringLiteral("Close")), &QAction::triggered,
                     [self] { ::PostMessage(self, WM_SYSCOMMAND, SC_CLOSE, 0); });
    popup.exec(m_hWnd->widget->mapToGlobal(QPoint(0, 0)));
    return TRUE;
  }
  if (pMsg->message != WM_KEYDOWN) return FALSE;
  HWND focus = ::GetFocus();
  UINT code = ui::IsLive(focus) ? static_cast<UINT>(::SendMessage(focus, WM_GETDLGCODE, pMsg->wParam,
                                                                  reinterpret_cast<LPARAM>(pMsg)))
                                : 0;
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  switch (static_cast<int>(pMsg->wParam)) {
    case VK_TAB:
      if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return FALSE;
      if (ctrl) return FALSE;
      if (GetKeyState(VK_SHIFT) < 0) PrevDlgCtrl();
      else NextDlgCtrl();
      return TRUE;
    case VK_RETURN: {
      if (code & DLGC_WANTALLKEYS) return FALSE;
      HWND target = ui::IsLive(focus) && (focus->kind == ControlKind::PushButton || focus->kind == ControlKind::DefPushButton) &&
                            focus->windowKind == WindowKind::Control
                        ? focus
                        : nullptr;
      int id = target ? target->id : static_cast<int>(LOWORD(GetDefID()));
      HWND button = ::GetDlgItem(m_hWnd, id);
      if (ui::IsLive(button) && !::IsWindowEnabled(button)) return TRUE;
      SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
      return TRUE;
    }
    case VK_ESCAPE:
      if (code & DLGC_WANTALLKEYS) return FALSE;
      SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return TRUE;
    case VK_F1:
      SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, BN_CLICKED), 0);
      return TRUE;
    default: return FALSE;
  }
}

namespace {
void MoveFocus(HWND dialog, bool forward) {
  std::vector<HWND> stops;
  for (HWND child : dialog->children) {
    QWidget* w = child->widget;
    if (w && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
        child->kind != ControlKind::Static && child->kind != ControlKind::GroupBox)
      stops.push_back(child);
  }
  if (stops.empty()) return;
  HWND focus = ::GetFocus();
  auto it = std::find(stops.begin(), stops.end(), focus);
  size_t n = stops.size();
  size_t next = it == stops.end() ? (forward ? 0 : n - 1)
                                  : (static_cast<size_t>(it - stops.begin()) + (forward ? 1 : n - 1)) % n;
  HWND target = stops[next];
  target->widget->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  if (target->kind == ControlKind::Edit) ::SendMessage(target, EM_SETSEL, 0, -1);
}
}  // namespace

void CDialog::NextDlgCtrl() {
  if (ui::IsLive(m_hWnd)) MoveFocus(m_hWnd, true);
}
void CDialog::PrevDlgCtrl() {
  if (ui::IsLive(m_hWnd)) MoveFocus(m_hWnd, false);
}
void CDialog::GotoDlgCtrl(CWnd* control) {
  if (!control) return;
  control->SetFocus();
  if (ui::IsLive(control->m_hWnd) && control->m_hWnd->kind == ControlKind::Edit)
    ::SendMessage(control->m_hWnd, EM_SETSEL, 0, -1);
}

void CDialog::SetDefID(UINT id) {
  if (!ui::IsLive(m_hWnd)) return;
  for (HWND child : m_hWnd->children) {
    auto* b = qobject_cast<QPushButton*>(child->widget.data());
    if (!b) continue;
    bool isDefault = child->id == static_cast<int>(id);
    b->setDefault(isDefault);
    child->kind = isDefault ? ControlKind::DefPushButton : ControlKind::PushButton;
  }
}

DWORD CDialog::GetDefID() const {
  HWND button = ui::IsLive(m_hWnd) ? DefaultButton(m_hWnd) : nullptr;
  return static_cast<DWORD>(button ? button->id : IDOK);
}
